// The 256-colour palette: a 6 x 6 x 6 cube and a fixed table.
#include <kelpie/icons/BitmapHandler.h>

#include <kelpie/Error.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

struct Entry {
    std::int32_t Result;
    std::uint8_t Red, Green, Blue;
};

Entry Lookup(std::int32_t index) {
    Entry entry{};
    entry.Result = BitmapHandler().PaletteToRGB(index, entry.Red, entry.Green, entry.Blue);
    return entry;
}

} // namespace

TEST(BitmapHandler, CubeThenFixedEntries) {
    EXPECT_EQ(Lookup(0).Result, 0);
    EXPECT_EQ(Lookup(1).Red, 51);
    EXPECT_EQ(Lookup(1).Result, 51);
    EXPECT_EQ(Lookup(6).Green, 51);
    EXPECT_EQ(Lookup(6).Result, 51 * 256);
    EXPECT_EQ(Lookup(36).Blue, 51);
    EXPECT_EQ(Lookup(36).Result, 51 * 65536);
    EXPECT_EQ(Lookup(215).Result, 0xFFFFFF);
    const Entry first = Lookup(216);
    EXPECT_EQ(first.Red, 192);
    EXPECT_EQ(first.Green, 208);
    EXPECT_EQ(first.Blue, 240);
    EXPECT_EQ(Lookup(234).Result, Lookup(236).Result);
    EXPECT_EQ(Lookup(240).Result, 0xFFFFFF);
    const Entry last = Lookup(255);
    EXPECT_EQ(last.Red, 16);
    EXPECT_EQ(last.Result, 0x101010);
}

TEST(BitmapHandler, IndexOutsideThePalette) {
    std::uint8_t red = 1, green = 2, blue = 3;
    EXPECT_EQ(BitmapHandler().PaletteToRGB(300, red, green, blue), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(red, 1);
    EXPECT_EQ(green, 2);
    EXPECT_EQ(blue, 3);
    try {
        BitmapHandler().PaletteToRGB(-1, red, green, blue);
        ADD_FAILURE() << "a negative index must fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.Kind(), ErrorKind::Overflow);
    }
}
