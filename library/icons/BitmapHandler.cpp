#include <kelpie/icons/BitmapHandler.h>

#include <kelpie/Error.h>

#include <array>
#include <string>

namespace kelpie {

namespace {

struct Rgb {
    std::uint8_t Red, Green, Blue;
};

// Entries 216 to 255. 234 and 236 are the same colour.
constexpr std::array<Rgb, 40> FixedEntries{{
    {192, 208, 240}, {144, 176, 240}, {112, 144, 208}, {80, 112, 208},  {48, 96, 224},
    {64, 80, 224},   {32, 64, 192},   {32, 48, 176},   {160, 160, 208}, {112, 112, 160},
    {80, 80, 144},   {48, 64, 144},   {48, 48, 128},   {32, 32, 112},   {16, 16, 112},
    {16, 16, 80},    {208, 176, 208}, {176, 144, 176}, {144, 128, 144}, {160, 128, 160},
    {144, 128, 144}, {144, 112, 144}, {128, 112, 128}, {128, 96, 128},  {255, 255, 255},
    {240, 240, 240}, {224, 224, 224}, {208, 208, 208}, {192, 192, 192}, {176, 176, 176},
    {160, 160, 160}, {144, 144, 144}, {128, 128, 128}, {112, 112, 112}, {96, 96, 96},
    {80, 80, 80},    {64, 64, 64},    {48, 48, 48},    {32, 32, 32},    {16, 16, 16},
}};

constexpr std::int32_t CubeSize = 216;
constexpr std::int32_t CubeStep = 51;

} // namespace

std::int32_t BitmapHandler::PaletteToRGB(std::int32_t color, std::uint8_t& red, std::uint8_t& green,
                                         std::uint8_t& blue) const {
    if (color < 0)
        throw Error(ErrorKind::Overflow, "Palette index " + std::to_string(color) + " is negative");
    if (color < CubeSize) {
        red = static_cast<std::uint8_t>(color % 6 * CubeStep);
        green = static_cast<std::uint8_t>(color / 6 % 6 * CubeStep);
        blue = static_cast<std::uint8_t>(color / 36 * CubeStep);
    } else if (color < CubeSize + static_cast<std::int32_t>(FixedEntries.size())) {
        const Rgb& entry = FixedEntries[static_cast<std::size_t>(color - CubeSize)];
        red = entry.Red;
        green = entry.Green;
        blue = entry.Blue;
    }
    return red + 256 * green + 65536 * blue;
}

} // namespace kelpie
