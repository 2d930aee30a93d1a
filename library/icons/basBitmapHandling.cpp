#include "icons/basBitmapHandling.h"

#include <kelpie/Error.h>
#include <kelpie/icons/BitmapHandler.h>
#include <kelpie/icons/Icon.h>
#include "icons/IconLayout.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kelpie::basBitmapHandling {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;

void PutWord(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutLong(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutWord(out, static_cast<std::uint16_t>(value));
    PutWord(out, static_cast<std::uint16_t>(value >> 16));
}

// One palette entry: blue, green, red, 0.
void PutColour(std::vector<std::uint8_t>& out, std::uint8_t red, std::uint8_t green,
               std::uint8_t blue) {
    out.insert(out.end(), {blue, green, red, 0});
}

void PutPalette(std::vector<std::uint8_t>& out, IconTypes type) {
    if (type == ict2Color) {
        PutColour(out, 0, 0, 0);
        PutColour(out, 255, 255, 255);
    } else if (type == ict8Color) {
        const BitmapHandler handler;
        for (std::int32_t index = 0; index < 256; ++index) {
            std::uint8_t red = 0, green = 0, blue = 0;
            handler.PaletteToRGB(index, red, green, blue);
            PutColour(out, red, green, blue);
        }
    } else {
        for (std::uint8_t grey : {0, 85, 170, 255})
            PutColour(out, grey, grey, grey);
        for (int unused = 4; unused < 16; ++unused)
            PutColour(out, 0, 0, 0);
    }
}

// Header fields fit in 32 bits: IconLayout bounds an icon to about a million
// pixels, which at 8 bits (plus row padding) stays under two megabytes.
void PutHeaders(std::vector<std::uint8_t>& out, const IconLayout& layout, std::uint16_t bits,
                std::uint32_t colours, std::uint32_t pixelOffset, std::uint32_t imageSize) {
    out.push_back('B');
    out.push_back('M');
    PutLong(out, pixelOffset + imageSize); // file size
    PutWord(out, 0);                       // reserved
    PutWord(out, 0);                       // reserved
    PutLong(out, pixelOffset);
    PutLong(out, InfoHeaderSize);
    PutLong(out, static_cast<std::uint32_t>(layout.Width));
    PutLong(out, static_cast<std::uint32_t>(layout.Height)); // positive: bottom-up rows
    PutWord(out, 1);                                         // planes
    PutWord(out, bits);
    PutLong(out, 0); // no compression
    PutLong(out, 0); // image size: may be 0 when uncompressed
    PutLong(out, 0); // horizontal resolution
    PutLong(out, 0); // vertical resolution
    PutLong(out, colours);
    PutLong(out, colours); // important colours
}

// The 1-bit rows already have the bitmap's bit order and colours (1 white, 0
// black), so they are copied as they are.
void PutPackedRows(std::uint8_t* image, std::size_t stride, const IconLayout& layout,
                   const std::vector<std::uint8_t>& data) {
    const auto height = static_cast<std::size_t>(layout.Height);
    for (std::size_t row = 0; row < height; ++row) {
        const auto from = data.begin() + static_cast<std::ptrdiff_t>(row * layout.RowBytes);
        std::copy(from, from + static_cast<std::ptrdiff_t>(layout.RowBytes),
                  image + (height - 1 - row) * stride);
    }
}

// Decoded pixels, two to a byte (left pixel in the high half) or one.
void PutDecodedRows(std::uint8_t* image, std::size_t stride, std::uint16_t bits,
                    const PixelArray& pixels) {
    const auto height = static_cast<std::size_t>(pixels.Height);
    const auto width = static_cast<std::size_t>(pixels.Width);
    for (std::size_t row = 0; row < height; ++row) {
        std::uint8_t* target = image + (height - 1 - row) * stride;
        const std::uint8_t* source = pixels.Pixels.data() + row * width;
        for (std::size_t column = 0; column < width; ++column) {
            if (bits == 8)
                target[column] = source[column];
            else
                target[column / 2] |=
                    static_cast<std::uint8_t>(column % 2 ? source[column] : source[column] << 4);
        }
    }
}

void RemovePartialFile(const std::string& file) {
    std::error_code ignored;
    // Only a regular file can be a partial bitmap; never remove a device.
    if (std::filesystem::is_regular_file(file, ignored)) std::filesystem::remove(file, ignored);
}

[[noreturn]] void ThrowFileError(const std::string& what, const std::string& file, int error) {
    throw Error(ErrorKind::FileError, what + " \"" + file + "\": " + std::strerror(error));
}

} // namespace

std::optional<std::vector<std::uint8_t>> BuildBitmap(const Icon& icon) {
    if (icon.IconType() == ictUnknown) return std::nullopt;
    const IconLayout layout = IconLayout::Of(icon);
    const std::uint16_t bits = layout.Type == ict2Color ? 1 : layout.Type == ict8Color ? 8 : 4;
    const std::uint32_t colours = 1u << bits;
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + 4 * colours;
    const std::size_t stride = (static_cast<std::size_t>(layout.Width) * bits + 31) / 32 * 4;
    const std::size_t imageSize = stride * static_cast<std::size_t>(layout.Height);

    // Decode before anything is laid out, so a failure returns nothing.
    std::optional<PixelArray> pixels;
    if (layout.Type != ict2Color) pixels = icon.Unpack();

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageSize);
    PutHeaders(out, layout, bits, colours, pixelOffset, static_cast<std::uint32_t>(imageSize));
    PutPalette(out, layout.Type);
    out.resize(pixelOffset + imageSize, 0);
    std::uint8_t* image = out.data() + pixelOffset;
    if (pixels)
        PutDecodedRows(image, stride, bits, *pixels);
    else
        PutPackedRows(image, stride, layout, icon.IconData());
    return out;
}

void BuildBitmapFile(const Icon& icon, const std::string& file) {
    const auto bitmap = BuildBitmap(icon);
    if (!bitmap) return;
    std::FILE* stream = std::fopen(file.c_str(), "wb");
    if (!stream) ThrowFileError("Cannot create the bitmap file", file, errno);
    const bool written = std::fwrite(bitmap->data(), 1, bitmap->size(), stream) == bitmap->size();
    int error = errno;
    const bool closed = std::fclose(stream) == 0;
    if (written && closed) return;
    if (written) error = errno;
    RemovePartialFile(file);
    ThrowFileError("Cannot write the bitmap file", file, error);
}

} // namespace kelpie::basBitmapHandling
