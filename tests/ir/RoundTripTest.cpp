// Encoder and decoder together: every protocol's commands come back from
// their ideal signal with an exact fit, and from a learned-looking copy of it
// within tolerance.
#include "ir/IRTestSignals.h"

#include <kelpie/ir/Decode.h>
#include <kelpie/ir/Encode.h>

#include <gtest/gtest.h>

using namespace kelpie::ir;

namespace {

// Two commands per protocol: low numbers, and every field at or near its
// top (the toggle set where there is one).
std::vector<Command> Commands() {
    std::vector<Command> commands;
    for (const ProtocolInfo& info : Protocols()) {
        const auto top = [](int bits) { return bits ? (1u << bits) - 1 : 0u; };
        Command low{.Protocol = info.Id, .Device = 1, .Function = 2};
        Command high{.Protocol = info.Id,
                     .Device = top(info.DeviceBits),
                     .Function = top(info.FunctionBits) - 1,
                     .Toggle = info.HasToggle ? 1u : 0u,
                     .Extension = top(info.ExtensionBits)};
        if (info.SubdeviceBits) {
            low.Subdevice = 3;
            high.Subdevice = top(info.SubdeviceBits) - 1;
        }
        commands.push_back(low);
        commands.push_back(high);
    }
    return commands;
}

TEST(RoundTrip, EveryProtocolsCommandsComeBack) {
    for (const Command& sent : Commands()) {
        SCOPED_TRACE(std::string(InfoOf(sent.Protocol).Name) + " device " +
                     std::to_string(sent.Device));
        const Decoded ideal = Decode(BytesOf(EncodeWords(sent)));
        ASSERT_TRUE(ideal.Known()) << ideal.Describe();
        EXPECT_EQ(*ideal.Command, sent) << ideal.Describe();
        EXPECT_EQ(ideal.Fit, Fit::Exact);
        EXPECT_TRUE(ideal.Reason.empty()) << ideal.Reason;

        const Decoded learned = Decode(test::LearnedData(Encode(sent)));
        ASSERT_TRUE(learned.Known()) << learned.Describe();
        EXPECT_EQ(*learned.Command, sent) << learned.Describe();
        EXPECT_EQ(learned.Fit, Fit::Tolerance);
        EXPECT_GE(learned.Repeats, 1) << "the extra frame counts as a repeat";
    }
}

TEST(RoundTrip, DescriptionsNameTheNumbersAndTheCarrier) {
    const auto describe = [](const Command& command) {
        return Decode(BytesOf(EncodeWords(command))).Describe();
    };
    EXPECT_EQ(describe({.Protocol = Protocol::NEC1, .Device = 4, .Function = 8}),
              "NEC1, device 4, function 8, 38.0 kHz");
    EXPECT_EQ(
        describe({.Protocol = Protocol::NECx, .Device = 210, .Subdevice = 109, .Function = 9}),
        "NECx, device 210, subdevice 109, function 9, 38.0 kHz");
    EXPECT_EQ(describe({.Protocol = Protocol::RC5, .Device = 5, .Function = 33, .Toggle = 1}),
              "RC5, device 5, function 33, toggle 1, 36.0 kHz");
    EXPECT_EQ(describe({.Protocol = Protocol::Samsung36,
                        .Device = 7,
                        .Subdevice = 7,
                        .Function = 2,
                        .Extension = 1}),
              "Samsung36, device 7, subdevice 7, function 2, extension 1, 38.0 kHz");
}

// The encoder's words for two common codes, checked by hand against the
// protocols' descriptions; a change here changes every exported code.
TEST(RoundTrip, EncoderWordsStayAsTheyAre) {
    // Sony12: lead-in 4 units of 600 us, then function 21 (1010100) and
    // device 1 (10000) least significant bit first; a 1 is a double burst.
    EXPECT_EQ(EncodeProntoHex({.Protocol = Protocol::Sony12, .Device = 1, .Function = 21}),
              "0000 0068 0000 000D 0060 0018 0030 0018 0018 0018 0030 0018 0018 0018 0030 0018 "
              "0018 0018 0018 0018 0030 0018 0018 0018 0018 0018 0018 0018 0018 0404");
    // NEC1: 9 ms and 4.5 ms, device 4 and its complement, function 8 and its
    // complement, the stop burst, then the repeat mark.
    EXPECT_EQ(EncodeProntoHex({.Protocol = Protocol::NEC1, .Device = 4, .Function = 8}),
              "0000 006D 0022 0002 0157 00AC 0015 0015 0015 0015 0015 0040 0015 0015 0015 0015 "
              "0015 0015 0015 0015 0015 0015 0015 0040 0015 0040 0015 0015 0015 0040 0015 0040 "
              "0015 0040 0015 0040 0015 0040 0015 0015 0015 0015 0015 0015 0015 0040 0015 0015 "
              "0015 0015 0015 0015 0015 0015 0015 0040 0015 0040 0015 0040 0015 0015 0015 0040 "
              "0015 0040 0015 0040 0015 0040 0015 05E8 0157 0056 0015 0E49");
}

} // namespace
