#include <kelpie/icons/Icon.h>

#include <kelpie/Error.h>
#include "icons/IconLayout.h"
#include "icons/basBitmapHandling.h"
#include "model/SizeCheck.h"

namespace kelpie {

namespace {

// The uncompressed grey forms: each row starts at its own boundary, the
// leftmost pixel of a byte sits in its most significant bits. In the 1-bit
// form a set bit is white (3) and a clear bit black (0).
void UnpackPacked(const IconLayout& layout, const std::vector<std::uint8_t>& data,
                  PixelArray& out) {
    const int bits = layout.BitsPerPixel;
    const unsigned mask = (1u << bits) - 1;
    for (std::int32_t row = 0; row < layout.Height; ++row) {
        std::size_t i = static_cast<std::size_t>(row) * layout.RowBytes;
        int shift = 8 - bits;
        for (std::int32_t column = 0; column < layout.Width; ++column) {
            unsigned value = (data[i] >> shift) & mask;
            if (bits == 1 && value != 0) value = clrWhite;
            out.Pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(layout.Width) +
                       static_cast<std::size_t>(column)] = static_cast<std::uint8_t>(value);
            shift -= bits;
            if (shift < 0) {
                shift = 8 - bits;
                ++i;
            }
        }
    }
}

// The compressed grey form: pixels flow left to right, top to bottom, with no
// row alignment. A byte with bit 7 set is a run of (bits 2-6) + 4 pixels of
// the value in bits 0-1; any other byte holds three literal pixels in bits
// 4-5, 2-3 and 0-1 (bit 6 unused). Pixels past the last row are dropped;
// pixels the data never reach stay black.
void UnpackCompressed(const std::vector<std::uint8_t>& data, PixelArray& out) {
    std::size_t next = 0;
    const std::size_t end = out.Pixels.size();
    auto emit = [&](unsigned value, std::size_t count) {
        for (; count > 0 && next < end; --count)
            out.Pixels[next++] = static_cast<std::uint8_t>(value);
    };
    for (std::size_t i = 0; i < data.size() && next < end; ++i) {
        const unsigned c = data[i];
        if (c & 0x80) {
            emit(c & 3, ((c & 0x7C) >> 2) + 4);
        } else {
            emit((c & 0x30) >> 4, 1);
            emit((c & 0x0C) >> 2, 1);
            emit(c & 3, 1);
        }
    }
}

} // namespace

Icon::Icon() = default;
Icon::~Icon() = default;

IconTypes Icon::IconType() const noexcept {
    switch (static_cast<std::uint16_t>(record_.RawIconType)) {
    case 0x0800:
    case 0x1000:
    case 0x1800:
    case 0x1A00:
    case 0x1C00:
        return ict2Color;
    case 0x0100:
        return ict4Color;
    case 0x8100:
        return ict4ColorCompressed;
    case 0x0701:
        return ict8Color;
    default:
        return ictUnknown;
    }
}

std::int16_t Icon::IconSize() const {
    return CheckedRecordSize(static_cast<std::int64_t>(record_.Size) - basStructures::IconHeadSize,
                             "Icon data");
}

std::optional<PixelArray> Icon::Unpack() const {
    if (IconType() == ictUnknown) return std::nullopt;
    const IconLayout layout = IconLayout::Of(*this);
    PixelArray out;
    out.Width = layout.Width;
    out.Height = layout.Height;
    out.Pixels.assign(layout.PixelCount(), 0);
    switch (layout.Type) {
    case ict4ColorCompressed:
        UnpackCompressed(data_, out);
        break;
    case ict8Color: // one byte per pixel, rows not padded
        out.Pixels.assign(data_.begin(),
                          data_.begin() + static_cast<std::ptrdiff_t>(layout.PixelCount()));
        break;
    default:
        UnpackPacked(layout, data_, out);
        break;
    }
    return out;
}

// The library has no picture type of its own: an icon's picture is its BMP
// image in memory, which any toolkit can load.
const IconPicture& Icon::Picture() const {
    if (!picture_) {
        auto bitmap = basBitmapHandling::BuildBitmap(*this);
        if (!bitmap)
            throw Error(ErrorKind::InvalidArgument,
                        IconLayout::Where(*this) + " has an unknown type and no picture");
        picture_ =
            std::make_unique<IconPicture>(IconPicture{Width(), Height(), std::move(*bitmap)});
    }
    return *picture_;
}

void Icon::SaveBitmap(const std::string& fileName) const {
    basBitmapHandling::BuildBitmapFile(*this, fileName);
}

} // namespace kelpie
