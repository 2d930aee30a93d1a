// The decoder: which protocol, device and function an IR code sends.
//
// A learned code is matched against every protocol's frames, duration by
// duration. Learned signals are jittery, so each duration may be off by a
// quarter of its ideal length plus 40 microseconds; the very first burst may
// be as short as half its ideal length; a frame's closing gap may be longer
// than ideal, and the last gap of either sequence of any length or missing.
// The once sequence may hold several frames (repeat frames included), and a
// once sequence that holds no whole frame (the learner started mid-signal) is
// skipped when the repeat sequence decodes alone. Every check a protocol has
// is verified: complements, fixed bits, checksums, equal frames, its carrier
// range. A code that fits no protocol is unknown, with the reason.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/ir/Command.h>
#include <kelpie/ir/Signal.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelpie::ir {

enum class Fit {
    Exact,     // every duration within 5 % (or one carrier period) of the ideal
    Tolerance, // within the decoder's stated tolerance
};

// "exact" or "tolerance".
KELPIE_API const char* FitName(Fit fit);

struct KELPIE_API Decoded {
    // The command, when a protocol fits.
    std::optional<ir::Command> Command;
    ir::Fit Fit = ir::Fit::Tolerance;
    // Frames after the first, repeat frames included, in both sequences.
    int Repeats = 0;
    // The data are not a valid code (see ParseSignal); Reason says why.
    bool Malformed = false;
    // Why nothing fits, or for a known code what was set aside (empty when
    // the whole signal decoded).
    std::string Reason;
    // The parsed timings; empty when malformed.
    ir::Signal Signal;

    bool Known() const { return Command.has_value(); }
    // "NEC1, device 4, function 8, 38.0 kHz"; with a subdevice, toggle or
    // extension where the protocol has one; "unknown: REASON" otherwise.
    std::string Describe() const;
};

// Decodes a code's data bytes (an IRCode's IRCodeData). Never throws for any
// bytes: malformed data give Malformed with the reason. Predefined codes
// (RC5, RC5x, RC6 forms) decode from their numbers with an exact fit.
KELPIE_API Decoded Decode(const std::vector<std::uint8_t>& data);
KELPIE_API Decoded DecodeSignal(const Signal& signal);

} // namespace kelpie::ir
