// The 256-colour palette of the colour format. Icons with 8 bits per pixel
// and the colours of colour-format frames and buttons are indices into it.
#pragma once

#include <kelpie/KelpieExport.h>

#include <cstdint>

namespace kelpie {

class KELPIE_API BitmapHandler {
public:
    // Sets red, green and blue to palette entry `color` and returns
    // red + 256 x green + 65536 x blue. Entries 0 to 215 are a 6 x 6 x 6 colour
    // cube (red varies fastest, steps of 51), entries 216 to 255 a fixed table
    // of blues, purples and greys. An index above 255 leaves the three outputs
    // as passed in (the result is computed from them); a negative index fails
    // with Overflow.
    std::int32_t PaletteToRGB(std::int32_t color, std::uint8_t& red, std::uint8_t& green,
                              std::uint8_t& blue) const;
};

} // namespace kelpie
