// Packing pixel rows into the four icon encodings: known examples, and round
// trips through a decoder written here after the format's icon decoding.
#include "support/IconPixels.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace kelpie::builder;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Icon decoding of the three grey encodings and the 8-bit one.
PixelRows Decode(std::uint16_t rawType, int width, int height, const Bytes& data) {
    PixelRows pixels(static_cast<std::size_t>(height),
                     std::vector<std::uint8_t>(static_cast<std::size_t>(width)));
    if (rawType == RawIcon2Color || rawType == RawIcon4Color) {
        const int bits = rawType == RawIcon2Color ? 1 : 2;
        const int mask = (1 << bits) - 1;
        const int rowBytes = bits == 1 ? (width + 7) / 8 : (width * 2 + 15) / 16 * 2;
        for (int row = 0; row < height; ++row) {
            int i = row * rowBytes, shift = 8 - bits;
            for (int column = 0; column < width; ++column) {
                int v = (data.at(static_cast<std::size_t>(i)) >> shift) & mask;
                if (bits == 1 && v != 0) v = 3;
                pixels[row][column] = static_cast<std::uint8_t>(v);
                shift -= bits;
                if (shift < 0) shift = 8 - bits, ++i;
            }
        }
    } else if (rawType == RawIcon8Color) {
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                pixels[row][column] = data.at(static_cast<std::size_t>(width * row + column));
    } else if (rawType == RawIcon4ColorCompressed) {
        int row = 0, column = 0;
        auto emit = [&](int value) {
            if (row >= height) return;
            pixels[row][column] = static_cast<std::uint8_t>(value);
            if (++column == width) column = 0, ++row;
        };
        for (const auto c : data) {
            if (c & 0x80) {
                for (int n = ((c & 0x7C) >> 2) + 4; n > 0; --n)
                    emit(c & 3);
            } else {
                emit((c & 0x30) >> 4);
                emit((c & 0x0C) >> 2);
                emit(c & 3);
            }
        }
    }
    return pixels;
}

PixelRows Greys(int width, int height) {
    PixelRows rows(static_cast<std::size_t>(height),
                   std::vector<std::uint8_t>(static_cast<std::size_t>(width)));
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            rows[row][column] = static_cast<std::uint8_t>((row * 7 + column * 3 + column / 5) % 4);
    return rows;
}

} // namespace

TEST(BuilderIconPixels, TextRowsMapDotsHashesAndDigits) {
    EXPECT_EQ(Pixels({".#0123"}), (PixelRows{{0, 3, 0, 1, 2, 3}}));
    EXPECT_THROW(Pixels({"ab"}), std::invalid_argument);
    EXPECT_THROW(Pixels({"...", ".."}), std::invalid_argument);
    EXPECT_EQ(Filled(2, 3, 7), (PixelRows{{7, 7}, {7, 7}, {7, 7}}));
}

TEST(BuilderIconPixels, TwoColourRowsEndOnAByte) {
    // A 10 by 2 icon, rows of 2 bytes; set bits are white.
    EXPECT_EQ(Pack2Color(Pixels({"##########", "#........."})), (Bytes{0xFF, 0xC0, 0x80, 0x00}));
    EXPECT_EQ(Pack2Color(Pixels({"1.2.3.#."})), (Bytes{0xAA})); // any non-zero value is white
}

TEST(BuilderIconPixels, FourColourRowsEndOnAWord) {
    // A 5 by 1 icon has a 2-byte row; pixels 0, 1, 2, 3, 1.
    EXPECT_EQ(Pack4Color(Pixels({"01231"})), (Bytes{0x1B, 0x40}));
    EXPECT_EQ(Pack4Color(Pixels({"3", "2"})), (Bytes{0xC0, 0x00, 0x80, 0x00}));
    EXPECT_EQ(Pack4Color(Pixels({"33333333"})), (Bytes{0xFF, 0xFF})); // 8 pixels: one word
    EXPECT_EQ(Pack4Color(Pixels({"333333333"})), (Bytes{0xFF, 0xFF, 0xC0, 0x00})); // 9: two words
}

TEST(BuilderIconPixels, EightBitRowsAreNotPadded) {
    EXPECT_EQ(Pack8Color({{10, 11, 12}, {20, 21, 22}}), (Bytes{10, 11, 12, 20, 21, 22}));
}

TEST(BuilderIconPixels, CompressedRunsAndLiterals) {
    // A 3 by 3 icon, a run of five 0s then the literal 1, 2, 3.
    EXPECT_EQ(Pack4ColorCompressed(Pixels({"000", "001", "23."})), (Bytes{0x84, 0x1B, 0x00}));
    EXPECT_EQ(RunByte(0, 5), 0x84);
    EXPECT_EQ(RunByte(2, 35), 0xFE);
    EXPECT_EQ(RunByte(3, 4), 0x83);
    EXPECT_EQ(LiteralByte(1, 2, 3), 0x1B);
    EXPECT_THROW(RunByte(0, 3), std::invalid_argument);
    EXPECT_THROW(RunByte(0, 36), std::invalid_argument);
    EXPECT_THROW(RunByte(4, 10), std::invalid_argument);
    // A run longer than 35 pixels takes two run bytes; runs cross rows.
    EXPECT_EQ(Pack4ColorCompressed(Filled(20, 2, 2)), (Bytes{RunByte(2, 35), RunByte(2, 5)}));
}

TEST(BuilderIconPixels, EveryEncodingRoundTrips) {
    const auto greys = Greys(13, 5);
    EXPECT_EQ(Decode(RawIcon4Color, 13, 5, Pack4Color(greys)), greys);
    EXPECT_EQ(Decode(RawIcon4ColorCompressed, 13, 5, Pack4ColorCompressed(greys)), greys);
    const auto runs = Pixels({"0000000333", "3333333333", "1112222222"});
    EXPECT_EQ(Decode(RawIcon4ColorCompressed, 10, 3, Pack4ColorCompressed(runs)), runs);
    const auto bits = Pixels({"#.#.#.#.#", "..##..##.", "#########"});
    EXPECT_EQ(Decode(RawIcon2Color, 9, 3, Pack2Color(bits)), bits);
    PixelRows palette(3, std::vector<std::uint8_t>(7));
    for (int i = 0; i < 21; ++i)
        palette[i / 7][i % 7] = static_cast<std::uint8_t>(i * 12);
    EXPECT_EQ(Decode(RawIcon8Color, 7, 3, Pack8Color(palette)), palette);
}

TEST(BuilderIconPixels, RowsOfUnequalLengthAreRefused) {
    const PixelRows ragged{{1, 2}, {1}};
    EXPECT_THROW(Pack2Color(ragged), std::invalid_argument);
    EXPECT_THROW(Pack4Color(ragged), std::invalid_argument);
    EXPECT_THROW(Pack4ColorCompressed(ragged), std::invalid_argument);
    EXPECT_THROW(Pack8Color(ragged), std::invalid_argument);
}
