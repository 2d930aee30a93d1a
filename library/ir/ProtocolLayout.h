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
#include <optional>
#include <string>
#include <vector>

namespace kelpie::ir::layout {

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
    // What the piece after this step can be: Bursts, Gaps or both (set by
    // LinkSteps). A piece that the next one may continue can take just the
    // start of a duration.
    std::uint8_t After = 0;
    std::uint8_t BitsIndex = 0; // Bits: which of the frame's Bits steps (set by LinkSteps)
    // Gap, Extent in a pulse-distance or pulse-width frame: which duration
    // of the frame the gap falls on (its durations are the same for every
    // command), and the least that duration can be inside a signal; -1 where
    // not known (set by LinkSteps).
    int DurationIndex = -1;
    double LeastGap = 0;

    bool operator==(const Step&) const = default;
};

// Kinds of piece, as a set.
inline constexpr std::uint8_t Bursts = 1, Gaps = 2;

// The two pieces of each bit value: positive a burst, negative a gap.
struct BitCode {
    std::array<double, 2> Zero;
    std::array<double, 2> One;

    // The kinds a bit can start with.
    std::uint8_t Starts() const {
        return (Zero[0] > 0 ? Bursts : Gaps) | (One[0] > 0 ? Bursts : Gaps);
    }
    bool operator==(const BitCode&) const = default;
};

struct Layout {
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
    // Whether a frame matcher reads the first frames of both the same way,
    // and whether it finds the same durations in them (the bits may mean
    // different things: NEC1 and NECx).
    bool SameFirstFrame(const Layout& other) const;
    bool SameFirstTiming(const Layout& other) const;
};

// The most Bits steps a frame may have.
inline constexpr std::size_t MaxBitsSteps = 12;
using ReceivedBits = std::array<std::uint32_t, MaxBitsSteps>;

// Whether both bit values are a burst then a gap (or both a gap then a
// burst): a pulse-distance or pulse-width code, whose bits each take two
// durations, whatever their values.
bool IsPulseCode(const BitCode& code);

// Sets each step's After from the step that follows it, numbers the Bits
// steps, and places the gaps of a pulse-code frame.
void LinkSteps(const BitCode& code, double unit, std::vector<Step>& steps);

// Every protocol, in the order of ProtocolInfo (and of the Protocol enum).
const std::vector<Layout>& Layouts();
const Layout& LayoutOf(Protocol protocol);

// The bits a Bits step sends for these fields.
std::uint32_t BitsToSend(const Layout& layout, const Step& step, const Fields& fields);
// Records the bits a Bits step received. False when they contradict what the
// frame set before (a copy or complement that differs, fixed bits that are
// not); the fields keep their earlier bits then.
bool StoreBits(const Step& step, std::uint32_t bits, Fields& fields);
// The fields that the bits received by each Bits step of `steps` give, or
// nothing when they contradict each other or the checksum.
std::optional<Fields> Interpret(const Layout& layout, const std::vector<Step>& steps,
                                const ReceivedBits& received);
// Why StoreBits refused these bits, in words ("the complement of the
// function does not match").
std::string Contradiction(const Step& step, std::uint32_t bits);
// False when the protocol has a checksum and the received one is wrong.
bool ChecksumHolds(const Layout& layout, const Fields& fields);

// A command's fields; checks the widths, the subdevice's presence and the
// protocol's rule, and fails with InvalidArgument naming what is wrong.
Fields FieldsOf(const Command& command);
// The command that received fields describe.
Command CommandOf(const Layout& layout, const Fields& fields);

} // namespace kelpie::ir::layout
