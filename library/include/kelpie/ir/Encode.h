// The encoder: a command's ideal signal and its Pronto words.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/ir/Command.h>
#include <kelpie/ir/Signal.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelpie::ir {

// The signal of a command at its protocol's nominal carrier. A protocol with
// a repeat frame (NEC1, NECx) sends its frame once and the repeat frame as the
// repeat sequence; JVC its lead-in frame once and the plain frame as repeat;
// NEC2 its frame in both sequences (a lone frame would read as NEC1); every
// other protocol an empty once sequence and its frame as repeat.
// Fails with InvalidArgument when a field does not fit its width, when the
// subdevice is missing from a protocol that has one or given to one that has
// not, or when the numbers belong to another protocol (a NECx subdevice that
// is the complement of the device, which is NEC1).
KELPIE_API Signal Encode(const Command& command);

// The same signal as learned-form Pronto words and as Pronto hex text.
KELPIE_API std::vector<std::uint16_t> EncodeWords(const Command& command);
KELPIE_API std::string EncodeProntoHex(const Command& command);

} // namespace kelpie::ir
