// How each protocol's frames are built, as data that the encoder and the
// decoder both walk: a carrier, a bit code and a list of steps per frame,
// every duration in microseconds. This is the part of the IR community's IRP
// notation that the supported protocols need: bursts and gaps, fields sent
// bit by bit (least or most significant bit first, plain or complemented,
// whole or in part), fixed bits, a checksum, a closing gap that is either
// fixed or fills the frame to a fixed length, and frames for the first press,
// for repeats and for the NEC-style repeat mark.
#pragma once

#include <kelpie/ir/Command.h>
#include <kelpie/ir/Protocol.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelpie::ir::spec {

// Where the bits of a Bits step belong. The first five are the command's
// fields, in the order of Fields::Value.
enum class Slot : std::uint8_t { Device, Subdevice, Function, Toggle, Extension, Fixed, Checksum };
inline constexpr std::size_t FieldCount = 5;

// The command's fields as a frame sends or receives them; Known marks the
// bits a frame has already set, so that a later copy or complement of the
// same bits is checked against them.
struct Fields {
    std::array<std::uint32_t, FieldCount> Value{};
    std::array<std::uint32_t, FieldCount> Known{};
    std::uint32_t ChecksumBits = 0;
    bool HasChecksum = false;

    bool operator==(const Fields&) const = default;
};

enum class StepKind : std::uint8_t {
    Burst,  // carrier on for Micros
    Space,  // carrier off for Micros
    Bits,   // Width bits of a slot, through the protocol's bit code
    Gap,    // a frame's closing gap of Micros (or the long pause inside one)
    Extent, // the closing gap that makes the frame Micros long
};

struct Step {
    StepKind Kind = StepKind::Burst;
    double Micros = 0;
    Slot Into = Slot::Fixed;
    std::uint8_t Width = 0;  // Bits: how many
    std::uint8_t Offset = 0; // Bits: the lowest field bit they carry
    bool Inverted = false;   // Bits: they carry the complement
    std::uint32_t Value = 0; // Bits into Fixed: what they must be
    double Scale = 1;        // Bits: a multiple of the bit code (RC6's trailer bit is 2)
};

// The two pieces of each bit value: positive a burst, negative a gap.
struct BitCode {
    std::array<double, 2> Zero;
    std::array<double, 2> One;
};

struct Spec {
    ProtocolInfo Info{};
    double MinFrequency = 0; // carriers the decoder accepts, Hz
    double MaxFrequency = 0;
    double Unit = 0; // the protocol's time unit, microseconds
    bool MsbFirst = false;
    BitCode Code{};
    std::vector<Step> Intro{}; // the first frame, where it differs from Frame (JVC's lead-in)
    std::vector<Step> Frame{};
    std::vector<Step> Ditto{};   // the repeat mark that stands for a held key (NEC)
    bool FullRepeatsToo = false; // with a ditto: whole frames may repeat as well
    // The encoder puts the frame in both sequences, so that even the signal
    // of a short press shows whole frames repeating (NEC2, whose lone frame
    // would read as NEC1).
    bool FrameInBothSequences = false;
    // The Checksum slot's bits for the fields, where the protocol has one.
    std::uint32_t (*Checksum)(const Fields&) = nullptr;
    // A rule on the whole command beyond the fields' widths: the reason it
    // fails, or nullptr.
    const char* (*Rule)(const Command&) = nullptr;

    const std::vector<Step>& FirstFrame() const { return Intro.empty() ? Frame : Intro; }
    // Whether the frame carries something that noise rarely imitates: a
    // check (complement, fixed bits, checksum) or a lead-in burst. JVC{2}
    // and Mitsubishi carry neither: any 16 bits fit them.
    bool Robust() const;
};

// Every protocol, in the order of ProtocolInfo (and of the Protocol enum).
const std::vector<Spec>& Specs();
const Spec& SpecOf(Protocol protocol);

// The bits a Bits step sends for these fields.
std::uint32_t BitsToSend(const Spec& spec, const Step& step, const Fields& fields);
// Records the bits a Bits step received. False when they contradict what the
// frame set before (a copy or complement that differs, fixed bits that are
// not); the fields keep their earlier bits then.
bool StoreBits(const Step& step, std::uint32_t bits, Fields& fields);
// Why StoreBits refused these bits, in words ("the complement of the
// function does not match").
std::string Contradiction(const Step& step, std::uint32_t bits);
// False when the protocol has a checksum and the received one is wrong.
bool ChecksumHolds(const Spec& spec, const Fields& fields);

// A command's fields; checks the widths, the subdevice's presence and the
// protocol's rule, and fails with InvalidArgument naming what is wrong.
Fields FieldsOf(const Command& command);
// The command that received fields describe.
Command CommandOf(const Spec& spec, const Fields& fields);

} // namespace kelpie::ir::spec
