// Helpers of the icon tests: an icon made directly from a head and data
// bytes, and a tiny BMP reader that turns a bitmap back into colours.
#pragma once

#include "load/ModelBuilder.h"
#include <kelpie/icons/Icon.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace kelpie::test {

enum RawType : std::uint16_t {
    Raw1Bit = 0x0800,
    Raw2Bit = 0x0100,
    RawCompressed = 0x8100,
    Raw8Bit = 0x0701,
};

// An icon record at position 500 whose Size counts the head and the data.
inline std::unique_ptr<Icon> MakeIcon(std::uint16_t rawType, std::int16_t width,
                                      std::int16_t height, std::vector<std::uint8_t> data) {
    auto icon = std::make_unique<Icon>();
    ModelBuilder::SetRecord(*icon, IconRecord{static_cast<std::int16_t>(8 + data.size()), width,
                                              height, static_cast<std::int16_t>(rawType)});
    ModelBuilder::SetPosition(*icon, 500);
    ModelBuilder::SetIconData(*icon, std::move(data));
    return icon;
}

// Reads an uncompressed bottom-up BMP of 1, 4 or 8 bits per pixel. Every
// access is checked (`at`), so a malformed bitmap fails the test instead of
// reading outside the bytes.
struct BmpImage {
    std::vector<std::uint8_t> Bytes;

    std::uint32_t Word(std::size_t at) const { return Bytes.at(at) | Bytes.at(at + 1) << 8; }
    std::uint32_t Long(std::size_t at) const { return Word(at) | Word(at + 2) << 16; }
    std::int32_t Width() const { return static_cast<std::int32_t>(Long(18)); }
    std::int32_t Height() const { return static_cast<std::int32_t>(Long(22)); }
    std::uint32_t Bits() const { return Word(28); }

    // Red, green, blue of the pixel in `column` of `row` (row 0 at the top).
    std::array<std::uint8_t, 3> Colour(std::int32_t column, std::int32_t row) const {
        const std::size_t stride = (static_cast<std::size_t>(Width()) * Bits() + 31) / 32 * 4;
        const std::size_t line = Long(10) + static_cast<std::size_t>(Height() - 1 - row) * stride;
        const auto x = static_cast<std::size_t>(column);
        std::uint32_t index = 0;
        if (Bits() == 8)
            index = Bytes.at(line + x);
        else if (Bits() == 4)
            index = (Bytes.at(line + x / 2) >> (x % 2 ? 0 : 4)) & 15;
        else
            index = (Bytes.at(line + x / 8) >> (7 - x % 8)) & 1;
        const std::size_t entry = 54 + 4 * index; // blue, green, red, 0
        return {Bytes.at(entry + 2), Bytes.at(entry + 1), Bytes.at(entry)};
    }
};

} // namespace kelpie::test
