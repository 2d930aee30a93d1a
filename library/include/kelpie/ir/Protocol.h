// The IR protocols that Kelpie decodes from a code's timings and encodes back
// into Pronto words, and the size of each protocol's fields.
//
// Names follow the usage of the IR community's protocol notes: NEC1 repeats
// with the short NEC repeat frame ("ditto"), NEC2 with whole frames; NECx is
// NEC framing whose second address byte is not the complement of the first
// (a 16-bit address: device and subdevice); Pioneer is NEC2 framing at 40 kHz;
// JVC{2} is JVC without the lead-in of its first frame; RC6-6-32 is the
// Media Center form of RC6 mode 6 with 32 bits.
#pragma once

#include <kelpie/KelpieExport.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kelpie::ir {

enum class Protocol : std::uint8_t {
    NEC1,
    NEC2,
    NECx,
    Pioneer,
    Sony12,
    Sony15,
    Sony20,
    RC5,
    RC5x,
    RC6,
    RC6_6_20,
    RC6_6_24,
    RC6_6_32,
    JVC,
    JVC2,
    Panasonic,
    Sharp,
    Denon,
    Samsung32,
    Samsung36,
    RCA,
    RCA38,
    Mitsubishi,
};

// What a command of a protocol holds: every field is an unsigned number of
// the given width; a width of 0 means the protocol has no such field.
struct ProtocolInfo {
    Protocol Id;
    const char* Name;  // "NEC1", "RC6-6-32", "JVC{2}"
    double Frequency;  // nominal carrier, Hz
    int DeviceBits;    // every protocol has a device
    int SubdeviceBits; // 0: no subdevice
    int FunctionBits;
    bool HasToggle;    // RC5 and RC6 forms: one toggle bit
    int ExtensionBits; // Samsung36's 4-bit E field; 0 elsewhere
};

// Every protocol, in the order the decoder prefers them when two fit a
// signal equally well.
KELPIE_API const std::vector<ProtocolInfo>& Protocols();
KELPIE_API const ProtocolInfo& InfoOf(Protocol protocol);
// The protocol of that name (as in ProtocolInfo::Name, case-sensitive).
KELPIE_API std::optional<Protocol> ProtocolNamed(std::string_view name);

} // namespace kelpie::ir
