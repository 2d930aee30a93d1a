#include "icons/IconLayout.h"

#include <kelpie/Error.h>
#include <kelpie/icons/Icon.h>

#include <cstdio>

namespace kelpie {

namespace {

std::string Hex4(std::int16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X",
                  static_cast<unsigned>(static_cast<std::uint16_t>(word)));
    return text;
}

std::string Dimensions(std::int32_t width, std::int32_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

} // namespace

std::string IconLayout::Where(const Icon& icon) {
    return "Icon at position " + std::to_string(icon.Position());
}

IconLayout IconLayout::Of(const Icon& icon) {
    IconLayout layout;
    layout.Type = icon.IconType();
    if (layout.Type == ictUnknown)
        throw Error(ErrorKind::InvalidArgument,
                    Where(icon) + " has the unknown type " + Hex4(icon.RawIconType()));
    if (icon.IconData().empty())
        throw Error(ErrorKind::OutOfRange, Where(icon) + " has no pixel data");

    layout.Width = icon.Width();
    layout.Height = icon.Height();
    if (layout.Width <= 0 || layout.Height <= 0)
        throw Error(ErrorKind::InvalidArgument, Where(icon) + " has the impossible size " +
                                                    Dimensions(layout.Width, layout.Height));
    const std::int64_t pixels = static_cast<std::int64_t>(layout.Width) * layout.Height;
    if (pixels > MaxPixels)
        throw Error(ErrorKind::InvalidArgument,
                    Where(icon) + " claims " + Dimensions(layout.Width, layout.Height) + " = " +
                        std::to_string(pixels) +
                        " pixels, more than an icon record can describe (" +
                        std::to_string(MaxPixels) + ")");

    const auto width = static_cast<std::size_t>(layout.Width);
    const auto height = static_cast<std::size_t>(layout.Height);
    switch (layout.Type) {
    case ict2Color: // rows end on a byte boundary
        layout.BitsPerPixel = 1;
        layout.RowBytes = (width + 7) / 8;
        break;
    case ict4Color: // rows end on a 16-bit boundary
        layout.BitsPerPixel = 2;
        layout.RowBytes = (width * 2 + 15) / 16 * 2;
        break;
    case ict8Color: // rows are not padded
        layout.BitsPerPixel = 8;
        layout.RowBytes = width;
        break;
    default: // compressed: pixels flow on across rows
        layout.BitsPerPixel = 2;
        layout.BytesNeeded = 1;
        return layout;
    }
    // The padding after the last row is never read, so it need not be there.
    const std::size_t lastRowBytes =
        (width * static_cast<std::size_t>(layout.BitsPerPixel) + 7) / 8;
    layout.BytesNeeded = (height - 1) * layout.RowBytes + lastRowBytes;
    if (icon.IconData().size() < layout.BytesNeeded)
        throw Error(ErrorKind::OutOfRange,
                    Where(icon) + " (" + Dimensions(layout.Width, layout.Height) + ", " +
                        std::to_string(layout.BitsPerPixel) +
                        (layout.BitsPerPixel == 1 ? " bit" : " bits") + " per pixel) needs " +
                        std::to_string(layout.BytesNeeded) + " data bytes but has " +
                        std::to_string(icon.IconData().size()));
    return layout;
}

} // namespace kelpie
