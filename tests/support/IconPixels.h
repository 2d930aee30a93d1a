// Pixel rows packed into the four icon encodings of the format, so a test can
// say "a 10 by 2 two-colour icon with these pixels" instead of counting bits.
//
//  - 1 bit per pixel: rows end on a byte boundary; a set bit is white (the
//    decoder turns it into grey level 3), a clear bit black.
//  - 2 bits per pixel: grey levels 0 to 3; rows end on a 16-bit boundary.
//  - compressed 2 bits: the pixels flow without row alignment as run bytes
//    (bit 7 set: value in bits 0-1, 4 + bits 2-6 pixels, so 4 to 35) and
//    literal bytes (bit 7 clear: three pixels in bits 4-5, 2-3, 0-1).
//  - 8 bits per pixel: one palette index per pixel, rows not padded.
// The leftmost pixel of a byte is in its most significant bits.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace kelpie::builder {

// Raw icon types (the record's type word) of the four encodings. The 1-bit
// encoding has five raw types (0x0800, 0x1000, 0x1800, 0x1A00, 0x1C00); 0x1800
// is the one real files use most.
constexpr std::uint16_t RawIcon2Color = 0x1800;
constexpr std::uint16_t RawIcon4Color = 0x0100;
constexpr std::uint16_t RawIcon4ColorCompressed = 0x8100;
constexpr std::uint16_t RawIcon8Color = 0x0701;

// Rows of pixel values, row 0 at the top; all rows as long as the first.
using PixelRows = std::vector<std::vector<std::uint8_t>>;

// Rows drawn as text: '.' is 0 (black), '#' is 3 (white), '0' to '9' that
// value. Pixels({"#..#", "0123"}) is two rows of four pixels.
// std::invalid_argument for other characters or rows of unequal length.
PixelRows Pixels(std::initializer_list<std::string_view> rows);

// A width x height picture of one value.
PixelRows Filled(int width, int height, std::uint8_t value);

// The packed data of each encoding (width and height are the rows' own).
// std::invalid_argument for rows of unequal length.
std::vector<std::uint8_t> Pack2Color(const PixelRows& rows); // non-zero = white bit
std::vector<std::uint8_t> Pack4Color(const PixelRows& rows); // value & 3
std::vector<std::uint8_t> Pack8Color(const PixelRows& rows);
// Greedy: a run byte wherever 4 or more equal pixels follow (runs longer than
// 35 take several bytes), otherwise a literal of the next three pixels (the
// last literal is padded with 0 pixels, which the decoder drops).
std::vector<std::uint8_t> Pack4ColorCompressed(const PixelRows& rows);

// Single bytes of the compressed encoding, for hand-made data.
// RunByte: `count` 4 to 35 pixels of `value` 0 to 3 (std::invalid_argument otherwise).
std::uint8_t RunByte(std::uint8_t value, int count);
// LiteralByte: three pixels 0 to 3, leftmost first.
std::uint8_t LiteralByte(std::uint8_t first, std::uint8_t second, std::uint8_t third);

} // namespace kelpie::builder
