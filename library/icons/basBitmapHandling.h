// Icons as Windows bitmaps (BMP): a 14-byte file header, a 40-byte
// information header, a palette and uncompressed rows stored bottom-up, every
// row padded to a multiple of 4 bytes. All header values are little-endian.
//
//   encoding            bits  palette                              pixels at
//   1 bit per pixel        1  black, white                                62
//   grey (plain or RLE)    4  0, 85, 170, 255 grey, 12 unused black      118
//   8 bits per pixel       8  BitmapHandler::PaletteToRGB of 0..255      1078
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelpie {

class Icon;

namespace basBitmapHandling {

// The BMP image of the icon; nullopt for an unknown encoding. Fails as
// Icon::Unpack does for missing or short data and impossible dimensions.
std::optional<std::vector<std::uint8_t>> BuildBitmap(const Icon& icon);

// Writes the BMP image of the icon to `file`; nothing for an unknown
// encoding. The image is built before the file is opened, so an icon that
// cannot be drawn leaves no file. A file that cannot be opened or written
// fails with FileError, and a partly written file is removed.
void BuildBitmapFile(const Icon& icon, const std::string& file);

} // namespace basBitmapHandling
} // namespace kelpie
