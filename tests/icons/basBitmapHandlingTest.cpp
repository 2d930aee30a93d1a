// BMP images of icons: headers, palettes, row strides and bottom-up order for
// the three bit depths; files written by SaveBitmap read back as the icon's
// colours; failures leave no file.
#include "icons/basBitmapHandling.h"

#include <kelpie/Error.h>
#include <kelpie/icons/BitmapHandler.h>
#include "icons/IconTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

using namespace kelpie;
using namespace kelpie::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bitmap(const Icon& icon) {
    auto bitmap = basBitmapHandling::BuildBitmap(icon);
    EXPECT_TRUE(bitmap);
    return bitmap ? *bitmap : std::vector<std::uint8_t>{};
}

std::vector<std::uint8_t> Tail(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(std::min(from, bytes.size())), bytes.end()};
}

// Some varied bytes for pixel data.
std::vector<std::uint8_t> Pattern(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return bytes;
}

class BitmapFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kelpie-icons-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    BmpImage Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return BmpImage{{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}};
    }

    fs::path dir_;
};

} // namespace

TEST(BitmapLayout, OneBitRowsAreCopiedBottomUp) {
    // 10 x 2: rows of 2 bytes in the icon, padded to 4 in the bitmap.
    const std::vector<std::uint8_t> expected = {
        'B',  'M',  70,  0, 0, 0,       // file size
        0,    0,    0,   0,             // reserved
        62,   0,    0,   0,             // offset of the pixels
        40,   0,    0,   0,             // information header size
        10,   0,    0,   0, 2, 0, 0, 0, // width, height (positive: bottom-up)
        1,    0,    1,   0,             // planes, bits per pixel
        0,    0,    0,   0, 0, 0, 0, 0, // no compression, image size 0
        0,    0,    0,   0, 0, 0, 0, 0, // resolutions
        2,    0,    0,   0, 2, 0, 0, 0, // colours used, important colours
        0,    0,    0,   0,             // entry 0: black (blue, green, red, 0)
        255,  255,  255, 0,             // entry 1: white
        0x80, 0x00, 0,   0,             // icon row 1
        0xFF, 0xC0, 0,   0,             // icon row 0
    };
    EXPECT_EQ(Bitmap(*MakeIcon(Raw1Bit, 10, 2, {0xFF, 0xC0, 0x80, 0x00})), expected);
}

TEST(BitmapLayout, GreyPixelsTakeHalfAByte) {
    const BmpImage plain{Bitmap(*MakeIcon(Raw2Bit, 5, 1, {0x1B, 0x40}))}; // 0, 1, 2, 3, 1
    ASSERT_EQ(plain.Bytes.size(), 122u);
    EXPECT_EQ(plain.Long(2), 122u);  // file size
    EXPECT_EQ(plain.Long(10), 118u); // offset of the pixels
    EXPECT_EQ(plain.Bits(), 4u);
    EXPECT_EQ(plain.Long(46), 16u); // colours used
    std::vector<std::uint8_t> palette(64, 0);
    for (int level = 1; level < 4; ++level)
        std::fill_n(palette.begin() + 4 * level, 3, static_cast<std::uint8_t>(85 * level));
    EXPECT_EQ(std::vector<std::uint8_t>(plain.Bytes.begin() + 54, plain.Bytes.begin() + 118),
              palette);
    EXPECT_EQ(Tail(plain.Bytes, 118), std::vector<std::uint8_t>({0x01, 0x23, 0x10, 0x00}));

    // The compressed form decodes to the same layout: 3 x 3 of 0 0 0 / 0 0 1 / 2 3 0.
    const auto compressed = Bitmap(*MakeIcon(RawCompressed, 3, 3, {0x84, 0x1B}));
    EXPECT_EQ(Tail(compressed, 118),
              std::vector<std::uint8_t>({0x23, 0x00, 0, 0, 0x00, 0x10, 0, 0, 0, 0, 0, 0}));
}

TEST(BitmapLayout, EightBitPixelsUseThePalette) {
    const BmpImage image{Bitmap(*MakeIcon(Raw8Bit, 3, 2, {10, 11, 12, 20, 21, 22}))};
    ASSERT_EQ(image.Bytes.size(), 1086u);
    EXPECT_EQ(image.Long(2), 1086u);
    EXPECT_EQ(image.Long(10), 1078u);
    EXPECT_EQ(image.Bits(), 8u);
    EXPECT_EQ(image.Long(46), 256u);
    EXPECT_EQ(image.Long(54 + 4 * 1), 51u << 16);   // entry 1: red 51
    EXPECT_EQ(image.Long(54 + 4 * 255), 0x101010u); // entry 255: grey 16
    EXPECT_EQ(Tail(image.Bytes, 1078), std::vector<std::uint8_t>({20, 21, 22, 0, 10, 11, 12, 0}));
}

TEST(BitmapLayout, LargeColourIconsFit) {
    // 240 x 136 at 8 bits: 32640 pixel bytes, beyond any 16-bit size field.
    const BmpImage image{Bitmap(*MakeIcon(Raw8Bit, 240, 136, Pattern(240 * 136)))};
    EXPECT_EQ(image.Bytes.size(), 1078u + 240 * 136);
    EXPECT_EQ(image.Long(2), image.Bytes.size());
}

TEST_F(BitmapFile, SavedBitmapsReadBackAsTheIconsColours) {
    const BitmapHandler palette;
    const std::uint8_t greys[] = {0, 85, 170, 255};
    for (auto raw : {Raw1Bit, Raw2Bit, RawCompressed, Raw8Bit}) {
        const auto icon = MakeIcon(raw, 13, 3, Pattern(13 * 3));
        const fs::path file = dir_ / ("icon-" + std::to_string(raw) + ".bmp");
        icon->SaveBitmap(file.string());
        const BmpImage image = Read(file);
        const auto pixels = icon->Unpack();
        ASSERT_TRUE(pixels);
        for (std::int32_t row = 0; row < 3; ++row)
            for (std::int32_t column = 0; column < 13; ++column) {
                const std::uint8_t value = pixels->At(row, column);
                std::array<std::uint8_t, 3> expected{greys[value & 3], greys[value & 3],
                                                     greys[value & 3]};
                if (raw == Raw8Bit)
                    palette.PaletteToRGB(value, expected[0], expected[1], expected[2]);
                ASSERT_EQ(image.Colour(column, row), expected)
                    << raw << " at " << column << ", " << row;
            }
    }
}

TEST_F(BitmapFile, FailuresLeaveNoFile) {
    const fs::path file = dir_ / "icon.bmp";
    MakeIcon(0x0101, 2, 2, {1, 2, 3, 4})->SaveBitmap(file.string()); // unknown: silently nothing
    EXPECT_FALSE(fs::exists(file));

    try {
        MakeIcon(Raw8Bit, 3, 2, {1, 2})->SaveBitmap(file.string());
        ADD_FAILURE() << "short data must fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.Kind(), ErrorKind::OutOfRange);
    }
    EXPECT_FALSE(fs::exists(file));

    const auto icon = MakeIcon(Raw1Bit, 8, 1, {0x55});
    const fs::path missing = dir_ / "no such folder" / "icon.bmp";
    try {
        icon->SaveBitmap(missing.string());
        ADD_FAILURE() << "a missing folder must fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.Kind(), ErrorKind::FileError);
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
    }
    if (fs::exists("/dev/full")) { // every write fails; the device itself must survive
        try {
            icon->SaveBitmap("/dev/full");
            ADD_FAILURE() << "a failed write must fail";
        } catch (const Error& e) {
            EXPECT_EQ(e.Kind(), ErrorKind::FileError);
        }
        EXPECT_TRUE(fs::exists("/dev/full"));
    }
}

TEST(BitmapLayout, RandomIconsGiveABitmapOrAnError) {
    // Random heads and data: every outcome is a consistent bitmap or an Error,
    // never a read outside the data (the sanitizer build checks that).
    std::mt19937 random(20240611);
    const std::uint16_t types[] = {Raw1Bit, Raw2Bit, RawCompressed, Raw8Bit, 0x0101};
    auto dimension = [&] {
        return static_cast<std::int16_t>(random() % 4 ? static_cast<int>(random() % 40) - 2
                                                      : static_cast<int>(random() % 65536) - 32768);
    };
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> data(random() % 80);
        for (auto& byte : data)
            byte = static_cast<std::uint8_t>(random());
        const std::int16_t width = dimension(), height = dimension();
        const auto icon = MakeIcon(types[random() % 5], width, height, data);
        try {
            const auto bitmap = basBitmapHandling::BuildBitmap(*icon);
            ASSERT_EQ(bitmap.has_value(), icon->IconType() != ictUnknown);
            if (bitmap) {
                const BmpImage image{*bitmap};
                EXPECT_EQ(image.Long(2), bitmap->size());
                EXPECT_EQ(image.Width(), width);
                EXPECT_EQ(image.Height(), height);
            }
        } catch (const Error&) {
            EXPECT_THROW(icon->Unpack(), Error); // both refuse the same icons
        }
    }
}
