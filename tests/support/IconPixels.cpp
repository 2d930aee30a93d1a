#include "support/IconPixels.h"

#include <stdexcept>
#include <string>

namespace kelpie::builder {

namespace {

std::size_t WidthOf(const PixelRows& rows) {
    const std::size_t width = rows.empty() ? 0 : rows.front().size();
    for (const auto& row : rows)
        if (row.size() != width)
            throw std::invalid_argument("icon pixel rows of unequal length (" +
                                        std::to_string(row.size()) + " and " +
                                        std::to_string(width) + ")");
    return width;
}

// Packs `bits` bits per pixel, most significant first, each row padded to a
// multiple of `rowBytes` bytes.
std::vector<std::uint8_t> PackBits(const PixelRows& rows, int bits, std::size_t rowBytes) {
    std::vector<std::uint8_t> data;
    data.reserve(rows.size() * rowBytes);
    const auto mask = static_cast<std::uint8_t>((1u << bits) - 1);
    for (const auto& row : rows) {
        std::vector<std::uint8_t> packed(rowBytes, 0);
        for (std::size_t column = 0; column < row.size(); ++column) {
            const std::size_t bit = column * static_cast<std::size_t>(bits);
            const int shift = 8 - bits - static_cast<int>(bit % 8);
            std::uint8_t value = row[column];
            if (bits == 1) value = value != 0 ? 1 : 0;
            packed[bit / 8] |= static_cast<std::uint8_t>((value & mask) << shift);
        }
        data.insert(data.end(), packed.begin(), packed.end());
    }
    return data;
}

} // namespace

PixelRows Pixels(std::initializer_list<std::string_view> rows) {
    PixelRows result;
    for (const auto text : rows) {
        auto& row = result.emplace_back();
        for (const char c : text) {
            if (c == '.')
                row.push_back(0);
            else if (c == '#')
                row.push_back(3);
            else if (c >= '0' && c <= '9')
                row.push_back(static_cast<std::uint8_t>(c - '0'));
            else
                throw std::invalid_argument(std::string("icon pixel character '") + c +
                                            "' is not '.', '#' or a digit");
        }
    }
    WidthOf(result);
    return result;
}

PixelRows Filled(int width, int height, std::uint8_t value) {
    return PixelRows(static_cast<std::size_t>(height),
                     std::vector<std::uint8_t>(static_cast<std::size_t>(width), value));
}

std::vector<std::uint8_t> Pack2Color(const PixelRows& rows) {
    const std::size_t width = WidthOf(rows);
    return PackBits(rows, 1, (width + 7) / 8);
}

std::vector<std::uint8_t> Pack4Color(const PixelRows& rows) {
    const std::size_t width = WidthOf(rows);
    return PackBits(rows, 2, (width * 2 + 15) / 16 * 2);
}

std::vector<std::uint8_t> Pack8Color(const PixelRows& rows) {
    WidthOf(rows);
    std::vector<std::uint8_t> data;
    for (const auto& row : rows)
        data.insert(data.end(), row.begin(), row.end());
    return data;
}

std::uint8_t RunByte(std::uint8_t value, int count) {
    if (value > 3 || count < 4 || count > 35)
        throw std::invalid_argument("compressed icon run of " + std::to_string(count) +
                                    " pixels of value " + std::to_string(value) +
                                    " (4 to 35 pixels of 0 to 3)");
    return static_cast<std::uint8_t>(0x80 | ((count - 4) << 2) | value);
}

std::uint8_t LiteralByte(std::uint8_t first, std::uint8_t second, std::uint8_t third) {
    return static_cast<std::uint8_t>(((first & 3) << 4) | ((second & 3) << 2) | (third & 3));
}

std::vector<std::uint8_t> Pack4ColorCompressed(const PixelRows& rows) {
    WidthOf(rows);
    std::vector<std::uint8_t> pixels;
    for (const auto& row : rows)
        for (const auto value : row)
            pixels.push_back(value & 3);
    std::vector<std::uint8_t> data;
    std::size_t i = 0;
    while (i < pixels.size()) {
        std::size_t run = 1;
        while (i + run < pixels.size() && run < 35 && pixels[i + run] == pixels[i])
            ++run;
        if (run >= 4) {
            data.push_back(RunByte(pixels[i], static_cast<int>(run)));
            i += run;
            continue;
        }
        auto at = [&](std::size_t k) { return k < pixels.size() ? pixels[k] : std::uint8_t{0}; };
        data.push_back(LiteralByte(at(i), at(i + 1), at(i + 2)));
        i += 3;
    }
    return data;
}

} // namespace kelpie::builder
