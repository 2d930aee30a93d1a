// Code data the decoder must refuse with a reason, never a crash, and
// commands the encoder must refuse.
#include "ExpectError.h"
#include "ir/IRTestSignals.h"

#include <kelpie/ir/Decode.h>
#include <kelpie/ir/Encode.h>

#include <gtest/gtest.h>

#include <random>

using namespace kelpie;
using namespace kelpie::ir;

namespace {

struct Malformed {
    const char* What;
    std::vector<std::uint8_t> Data;
    const char* Reason; // a part of the reason
};

TEST(MalformedCodes, AreRefusedWithTheirReason) {
    const Malformed cases[] = {
        {"no data", {}, "0 words where the header alone needs 4"},
        {"an odd byte count",
         {0x00, 0x00, 0x00, 0x6D, 0x00, 0x00, 0x00, 0x01, 0x00, 0x10, 0x00},
         "odd number of bytes (11)"},
        {"a header cut short", test::Data({0x0000, 0x006D, 0x0000}), "3 words"},
        {"counts beyond the data", test::Data({0x0000, 0x006D, 0x0001, 0x0001, 0x0010, 0x0010}),
         "announce 1 once and 1 repeat pairs (8 words), but the code has 6"},
        {"data beyond the counts",
         test::Data({0x0000, 0x006D, 0x0000, 0x0001, 0x0010, 0x0010, 0x0010, 0x0010}),
         "(6 words), but the code has 8"},
        {"a zero carrier divisor", test::Data({0x0000, 0x0000, 0x0000, 0x0001, 0x0010, 0x0010}),
         "carrier divisor is 0"},
        {"no pairs at all", test::Data({0x0100, 0x006D, 0x0000, 0x0000}), "no burst pairs"},
        {"a duration of 0", test::Data({0x0000, 0x006D, 0x0000, 0x0001, 0x0010, 0x0000}),
         "word 6 is a duration of 0"},
        {"an unknown form", test::Data({0x7000, 0x006D, 0x0000, 0x0001, 0x0010, 0x0010}),
         "form word 0x7000 is unknown"},
        {"an RC5 system out of range", test::Data({0x5000, 0x0073, 0x0000, 0x0001, 32, 1}),
         "system 32 is outside 0 to 31"},
        {"an RC5x code without its data", test::Data({0x5001, 0x0073, 0x0000, 0x0001, 1, 1}),
         "RC5x code needs 3 numbers"},
        {"an RC6 mode 6A customer code of unknown form",
         test::Data({0x6001, 0x0073, 0x0000, 0x0002, 0x9001, 1, 2, 0}), "0x9001"},
    };
    for (const auto& malformed : cases) {
        const Decoded decoded = Decode(malformed.Data);
        EXPECT_TRUE(decoded.Malformed) << malformed.What;
        EXPECT_FALSE(decoded.Known()) << malformed.What;
        EXPECT_NE(decoded.Reason.find(malformed.Reason), std::string::npos)
            << malformed.What << ": " << decoded.Reason;
        EXPECT_EQ(decoded.Describe().rfind("unknown: malformed code, ", 0), 0u) << malformed.What;
    }
}

// Untrusted data of any length and any values: headers that are mostly
// valid, so that the matcher itself sees the garbage.
TEST(MalformedCodes, RandomDataNeverThrows) {
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        const int pairs = static_cast<int>(random() % 40);
        std::vector<std::uint16_t> words{
            static_cast<std::uint16_t>(random() % 3 ? 0x0000 : random()),
            static_cast<std::uint16_t>(random() % 4 ? 0x006D : random()),
            static_cast<std::uint16_t>(random() % (pairs + 1)), 0};
        words[3] = static_cast<std::uint16_t>(pairs - words[2]);
        for (int w = 0; w < 2 * pairs; ++w)
            words.push_back(static_cast<std::uint16_t>(random() % 3 ? random() % 200 : random()));
        if (random() % 10 == 0) words.resize(random() % (words.size() + 1));
        EXPECT_NO_THROW(Decode(BytesOf(words)));
    }
}

TEST(Encoder, RefusesCommandsItCannotSend) {
    const Command cases[] = {
        {.Protocol = Protocol::NEC1, .Device = 256, .Function = 1},
        {.Protocol = Protocol::Sony12, .Device = 1, .Function = 128},
        {.Protocol = Protocol::RC5, .Device = 1, .Function = 1, .Toggle = 2},
        {.Protocol = Protocol::NEC1, .Device = 1, .Subdevice = 2, .Function = 1},
        {.Protocol = Protocol::NECx, .Device = 1, .Function = 1},
        // NECx with the complement of the device is NEC1.
        {.Protocol = Protocol::NECx, .Device = 0x12, .Subdevice = 0xED, .Function = 1},
        {.Protocol = Protocol::JVC, .Device = 1, .Function = 1, .Extension = 1},
    };
    for (const auto& command : cases)
        EXPECT_KELPIE_ERROR(Encode(command), ErrorKind::InvalidArgument);
}

} // namespace
