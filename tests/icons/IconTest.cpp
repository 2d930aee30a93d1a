// Decoding icon pixels in the four encodings, the errors of impossible icons,
// and the cached picture.
#include <kelpie/icons/Icon.h>

#include "icons/IconLayout.h"
#include "icons/IconTestSupport.h"
#include "load/ModelBuilder.h"
#include <kelpie/Error.h>

#include <gtest/gtest.h>

using namespace kelpie;
using namespace kelpie::test;

namespace {

std::vector<std::uint8_t> Rows(const PixelArray& pixels) {
    return pixels.Pixels;
}

ErrorKind UnpackError(const Icon& icon, std::string* message = nullptr) {
    try {
        icon.Unpack();
    } catch (const Error& e) {
        if (message) *message = e.what();
        return e.Kind();
    }
    ADD_FAILURE() << "Unpack did not fail";
    return ErrorKind::MissingObject;
}

} // namespace

TEST(Icon, RawTypeSelectsTheEncoding) {
    for (std::uint16_t raw : {0x0800, 0x1000, 0x1800, 0x1A00, 0x1C00})
        EXPECT_EQ(MakeIcon(raw, 1, 1, {0})->IconType(), ict2Color) << raw;
    const auto unknown = MakeIcon(0x0101, 1, 1, {0});
    EXPECT_EQ(unknown->IconType(), ictUnknown);
    EXPECT_FALSE(unknown->Unpack().has_value());
}

TEST(Icon, OneBitRowsEndOnAByte) {
    // 10 x 2: two bytes a row; a set bit is white (3).
    const auto pixels = MakeIcon(Raw1Bit, 10, 2, {0xFF, 0xC0, 0x80, 0x00})->Unpack();
    ASSERT_TRUE(pixels);
    EXPECT_EQ(Rows(*pixels), std::vector<std::uint8_t>({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, //
                                                        3, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Icon, TwoBitRowsEndOnAWord) {
    // 5 x 2: ten bits a row, padded to two bytes; the leftmost pixel is in the high bits.
    auto pixels = MakeIcon(Raw2Bit, 5, 2, {0x1B, 0x40, 0xE4, 0xC0})->Unpack();
    ASSERT_TRUE(pixels);
    EXPECT_EQ(Rows(*pixels), std::vector<std::uint8_t>({0, 1, 2, 3, 1, 3, 2, 1, 0, 3}));
    // 9 x 2: rows of four bytes (18 bits rounded up to 32).
    pixels = MakeIcon(Raw2Bit, 9, 2, {0, 0, 0x00, 0xFF, 0xFF, 0xFF, 0xC0})->Unpack();
    ASSERT_TRUE(pixels);
    EXPECT_EQ(Rows(*pixels), std::vector<std::uint8_t>({0, 0, 0, 0, 0, 0, 0, 0, 0, //
                                                        3, 3, 3, 3, 3, 3, 3, 3, 3}));
    // The padding after the last row is never read, so it may be missing.
    pixels = MakeIcon(Raw2Bit, 3, 1, {0x24})->Unpack();
    ASSERT_TRUE(pixels);
    EXPECT_EQ(Rows(*pixels), std::vector<std::uint8_t>({0, 2, 1}));
}

TEST(Icon, CompressedRunsAndLiteralsFlowAcrossRows) {
    // A run of 5 zeros (0x84), then the literal 1, 2, 3; the last pixel stays black.
    auto pixels = MakeIcon(RawCompressed, 3, 3, {0x84, 0x1B})->Unpack();
    ASSERT_TRUE(pixels);
    EXPECT_EQ(Rows(*pixels), std::vector<std::uint8_t>({0, 0, 0, 0, 0, 1, 2, 3, 0}));
    // A run of 35 twos fills 2 x 2; the rest is dropped.
    pixels = MakeIcon(RawCompressed, 2, 2, {0xFE})->Unpack();
    ASSERT_TRUE(pixels);
    EXPECT_EQ(Rows(*pixels), std::vector<std::uint8_t>({2, 2, 2, 2}));
    // Bit 6 of a literal is unused; a literal past the last pixel is cut off and
    // surplus bytes are ignored.
    pixels = MakeIcon(RawCompressed, 2, 2, {0x5B, 0x24, 0xFF})->Unpack();
    ASSERT_TRUE(pixels);
    EXPECT_EQ(Rows(*pixels), std::vector<std::uint8_t>({1, 2, 3, 2}));
}

TEST(Icon, EightBitRowsAreNotPadded) {
    const auto pixels = MakeIcon(Raw8Bit, 3, 2, {10, 11, 12, 20, 21, 22})->Unpack();
    ASSERT_TRUE(pixels);
    EXPECT_EQ(Rows(*pixels), std::vector<std::uint8_t>({10, 11, 12, 20, 21, 22}));
}

TEST(Icon, MissingOrShortDataIsOutOfRange) {
    for (std::uint16_t raw : {Raw1Bit, Raw2Bit, RawCompressed, Raw8Bit})
        EXPECT_EQ(UnpackError(*MakeIcon(raw, 4, 4, {})), ErrorKind::OutOfRange) << raw;

    std::string message;
    EXPECT_EQ(UnpackError(*MakeIcon(Raw1Bit, 10, 2, {0xFF, 0xC0, 0x80}), &message),
              ErrorKind::OutOfRange);
    EXPECT_EQ(message,
              "Icon at position 500 (10 x 2, 1 bit per pixel) needs 4 data bytes but has 3");
    // 5 x 2 at 2 bits: a full first row (2 bytes) and 10 bits of the second.
    EXPECT_EQ(UnpackError(*MakeIcon(Raw2Bit, 5, 2, {0, 0, 0})), ErrorKind::OutOfRange);
    EXPECT_EQ(UnpackError(*MakeIcon(Raw8Bit, 3, 2, {1, 2, 3, 4, 5})), ErrorKind::OutOfRange);
    // The compressed form never needs more than one byte.
    EXPECT_TRUE(MakeIcon(RawCompressed, 100, 100, {0x1B})->Unpack());
}

TEST(Icon, ImpossibleDimensionsAreRefused) {
    for (auto [width, height] :
         {std::pair<std::int16_t, std::int16_t>{0, 1}, {1, 0}, {-3, 2}, {2, -1}}) {
        std::string message;
        EXPECT_EQ(UnpackError(*MakeIcon(RawCompressed, width, height, {0xFF}), &message),
                  ErrorKind::InvalidArgument);
        EXPECT_NE(message.find("impossible size"), std::string::npos) << message;
    }
    // 32759 run bytes of 35 pixels each are the most any record can describe:
    // 1645 x 697 exactly. One more row would be pixels the data can never reach.
    const std::vector<std::uint8_t> fullRuns(IconLayout::MaxDataBytes, 0xFF);
    const auto largest = MakeIcon(RawCompressed, 1645, 697, fullRuns)->Unpack();
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->At(696, 1644), 3);
    EXPECT_EQ(UnpackError(*MakeIcon(RawCompressed, 1645, 698, fullRuns)),
              ErrorKind::InvalidArgument);
    EXPECT_EQ(UnpackError(*MakeIcon(RawCompressed, 32767, 32767, {0xFF})),
              ErrorKind::InvalidArgument);
}

TEST(Icon, PictureIsBuiltOnceAndKept) {
    const auto icon = MakeIcon(Raw2Bit, 5, 1, {0x1B});
    EXPECT_THROW(icon->Picture(), Error); // short data: nothing is cached
    ModelBuilder::SetIconData(*icon, {0x1B, 0x40});
    const IconPicture& picture = icon->Picture();
    EXPECT_EQ(&picture, &icon->Picture());
    EXPECT_EQ(picture.Width, 5);
    EXPECT_EQ(picture.Height, 1);
    EXPECT_EQ(picture.Bitmap.size(), 122u);
    ModelBuilder::SetIconData(*icon, {0xFF, 0xFF}); // the picture stays as first built
    EXPECT_EQ(icon->Picture().Bitmap.at(118), 0x01);

    try {
        MakeIcon(0x0101, 1, 1, {0})->Picture();
        ADD_FAILURE() << "an unknown encoding has no picture";
    } catch (const Error& e) {
        EXPECT_EQ(e.Kind(), ErrorKind::InvalidArgument);
    }
}
