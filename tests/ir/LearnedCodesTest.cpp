// What the decoder makes of codes as remotes store them: the predefined
// forms, learned signals with a learner's faults, and signals that fit no
// protocol, which must come out unknown with the reason.
#include "ir/IRTestSignals.h"
#include "support/ProntoCodes.h"

#include <kelpie/ir/Decode.h>
#include <kelpie/ir/Encode.h>

#include <gtest/gtest.h>

using namespace kelpie;
using namespace kelpie::ir;

namespace {

std::string Describe(const Signal& signal) {
    return Decode(BytesOf(LearnedWords(signal))).Describe();
}

// An NEC-framed signal with one data bit turned over: each bit's gap follows
// the two durations of the lead-in and the bit's burst.
Signal WithBitTurned(Signal signal, int bit) {
    double& gap = signal.Once[3 + 2 * static_cast<std::size_t>(bit)];
    gap = gap > 1000 ? 564 : 1692;
    return signal;
}

TEST(PredefinedCodes, DecodeFromTheirNumbersAndRenderTheSameSignal) {
    const struct {
        std::vector<std::uint8_t> Data;
        const char* Decoded;
    } cases[] = {
        // A divisor word of 0 stands for the standard carrier; a second
        // pair of zero words is padding.
        {test::Data({0x5000, 0x0000, 0x0000, 0x0002, 5, 33, 0, 0}),
         "RC5, device 5, function 33, toggle 0, 36.0 kHz"},
        {test::Data({0x5000, 0x0072, 0x0000, 0x0001, 20, 63}),
         "RC5, device 20, function 63, toggle 0, 36.4 kHz"},
        {test::Data({0x5001, 0x0073, 0x0000, 0x0002, 3, 69, 18, 0}),
         "RC5x, device 3, subdevice 69, function 18, toggle 0, 36.0 kHz"},
        {test::Data({0x6000, 0x0000, 0x0000, 0x0001, 4, 222}),
         "RC6, device 4, function 222, toggle 0, 36.0 kHz"},
        {test::Data({0x6001, 0x0073, 0x0000, 0x0002, 0x12, 0x34, 0x56, 0}),
         "RC6-6-24, device 18, subdevice 52, function 86, toggle 0, 36.0 kHz"},
        // 32 bits: the Media Center customer code 0x800F; the system byte's
        // top bit is the toggle.
        {test::Data({0x6001, 0x0073, 0x0000, 0x0002, 0x800F, 0x84, 0x0C, 0}),
         "RC6-6-32, device 4, subdevice 15, function 12, toggle 1, 36.0 kHz"},
    };
    for (const auto& code : cases) {
        const Decoded decoded = Decode(code.Data);
        EXPECT_EQ(decoded.Describe(), code.Decoded);
        EXPECT_EQ(decoded.Fit, Fit::Exact);
        const Decoded rendered = DecodeSignal(decoded.Signal);
        EXPECT_EQ(rendered.Command, decoded.Command) << rendered.Describe();
    }
}

TEST(LearnedCodes, TheTestBuildersNecCodeIsNec1) {
    const Decoded decoded = Decode(BytesOf(builder::NecCode(4, 8)));
    EXPECT_EQ(decoded.Describe(), "NEC1, device 4, function 8, 38.0 kHz");
    EXPECT_EQ(decoded.Fit, Fit::Exact);
    EXPECT_EQ(decoded.Repeats, 1);
}

TEST(LearnedCodes, LearnersFaultsAreTaken) {
    // Learning started inside a frame: the once sequence is the tail of one,
    // and the repeat sequence holds the whole frame.
    Signal late = Encode({.Protocol = Protocol::Pioneer, .Device = 163, .Function = 153});
    late.Once.assign(late.Repeat.begin() + 30, late.Repeat.end());
    const Decoded fromRepeat = Decode(BytesOf(LearnedWords(late)));
    EXPECT_EQ(fromRepeat.Describe(), "Pioneer, device 163, function 153, 39.9 kHz");
    EXPECT_NE(fromRepeat.Reason.find("from the repeat sequence alone"), std::string::npos);
    EXPECT_EQ(fromRepeat.Fit, Fit::Tolerance);

    // Three Sony frames in the once sequence, the last closing gap cut off.
    const Signal sony = Encode({.Protocol = Protocol::Sony12, .Device = 1, .Function = 21});
    Signal cut;
    cut.Frequency = sony.Frequency;
    for (int frame = 0; frame < 3; ++frame)
        cut.Once.insert(cut.Once.end(), sony.Repeat.begin(), sony.Repeat.end());
    cut.Once.back() = 600;
    const Decoded sonyDecoded = Decode(BytesOf(LearnedWords(cut)));
    EXPECT_EQ(sonyDecoded.Describe(), "Sony12, device 1, function 21, 39.9 kHz");
    EXPECT_EQ(sonyDecoded.Repeats, 2);

    // A code without carrier keeps its timing.
    Signal bare = Encode({.Protocol = Protocol::NEC1, .Device = 4, .Function = 8});
    bare.Modulated = false;
    EXPECT_EQ(Describe(bare), "NEC1, device 4, function 8, no carrier");
}

TEST(LearnedCodes, SignalsThatFitNothingAreUnknownWithTheReason) {
    const Signal nec = Encode({.Protocol = Protocol::NEC1, .Device = 4, .Function = 8});
    Signal pioneer = Encode({.Protocol = Protocol::Pioneer, .Device = 163, .Function = 153});
    const Signal second = Encode({.Protocol = Protocol::Pioneer, .Device = 175, .Function = 161});
    pioneer.Repeat.insert(pioneer.Repeat.end(), second.Repeat.begin(), second.Repeat.end());
    Signal fast = nec;
    fast.Frequency = 56000;
    Signal panasonic =
        Encode({.Protocol = Protocol::Panasonic, .Device = 1, .Subdevice = 2, .Function = 3});
    std::swap(panasonic.Repeat, panasonic.Once);
    double& checkBit = panasonic.Once[3 + 2 * 40];
    checkBit = checkBit > 1000 ? 432 : 1296;
    Signal even;
    even.Frequency = 38000;
    even.Repeat = {1000, 1000, 1000, 1000, 1000, 1000, 1000, 30000};

    const struct {
        Signal Sent;
        const char* Description;
    } cases[] = {
        {WithBitTurned(nec, 24),
         "unknown: NEC1 timing, but the complement of the function does not match"},
        {pioneer, "unknown: Pioneer timing, but its frames differ: device 163, function 153, then "
                  "device 175, function 161"},
        {fast, "unknown: NEC1 timing, but its carrier 56.0 kHz is outside 33.0 to 42.5 kHz"},
        {panasonic, "unknown: Panasonic timing, but the checksum does not match"},
        {even, "unknown: no protocol fits its 0 once and 4 repeat burst pairs at 38.0 kHz, which "
               "begin with a burst of 999 us and a gap of 999 us"},
    };
    for (const auto& signal : cases)
        EXPECT_EQ(Describe(signal.Sent), signal.Description);
}

} // namespace
