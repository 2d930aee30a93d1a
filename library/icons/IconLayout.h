// The shape of an icon's packed pixel data: bits per pixel, bytes per row and
// the number of data bytes the rows need. Computing it also checks the icon,
// so nothing is decoded or allocated for an icon that cannot be valid.
#pragma once

#include <kelpie/file/CCFEnums.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace kelpie {

class Icon;

struct IconLayout {
    // An icon record's Size is a signed word that counts the 8-byte head too.
    static constexpr std::int64_t MaxDataBytes = 32767 - 8;
    // The densest encoding is the compressed one: one run byte covers up to
    // 35 pixels. No record can describe more pixels than this.
    static constexpr std::int64_t MaxRunLength = 35;
    static constexpr std::int64_t MaxPixels = MaxDataBytes * MaxRunLength;

    IconTypes Type = ictUnknown;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t BitsPerPixel = 0; // 1, 2 or 8 (2 for the compressed form too)
    std::size_t RowBytes = 0;      // packed row length; 0 for the compressed form
    std::size_t BytesNeeded = 0;   // data bytes the rows read; 1 for the compressed form

    std::size_t PixelCount() const {
        return static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height);
    }

    // The layout of a known encoding. Fails with InvalidArgument for an
    // unknown encoding, a width or height of 0 or less, or more than
    // MaxPixels pixels; with OutOfRange for missing data or, in the
    // uncompressed forms, data shorter than the rows need. The compressed
    // form accepts any non-empty data: missing pixels stay black.
    static IconLayout Of(const Icon& icon);

    // "Icon at position P", the start of every icon message.
    static std::string Where(const Icon& icon);
};

} // namespace kelpie
