// Frames: record size per format, the two colour models, and the limits of
// font and colour values.
#include <kelpie/model/Frame.h>

#include "ExpectError.h"
#include <kelpie/model/Children.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

void Colours(Frame& frame, CCFFileFormats format, std::uint8_t packed,
             std::array<std::uint8_t, 4> group = {}) {
    frame.SetRecord(FrameRecord{.PackedColors = packed, .ColorGroup = group});
    frame.SetFileFormat(format);
}

TEST(Frame, SizeNeedsChildrenAndFollowsTheFormat) {
    Frame frame;
    EXPECT_EQ(frame.Children(), nullptr) << "no children made on demand";
    EXPECT_KELPIE_ERROR(frame.Size(), ErrorKind::MissingObject);
    frame.SetChildren(std::make_shared<Children>());
    EXPECT_EQ(frame.Size(), 20);
    frame.SetFileFormat(fmtV3);
    EXPECT_EQ(frame.Size(), 23);
    frame.Children()->AddFrame();
    frame.Children()->AddButton();
    EXPECT_EQ(frame.Size(), 41);
    frame.SetFileFormat(fmtv2);
    EXPECT_EQ(frame.Size(), 38);
    while (frame.Children()->Count() < 3639)
        frame.Children()->AddButton(); // 20 + 9 x 3639
    EXPECT_KELPIE_ERROR(frame.Size(), ErrorKind::Overflow);
}

TEST(Frame, GreyColoursShareOnePackedByte) {
    Frame frame;
    for (auto format : {fmtv1, fmtv2}) {
        Colours(frame, format, 0x0E); // binary 1110
        EXPECT_EQ(frame.TextColor(), clrLightGrey);
        EXPECT_EQ(frame.BackgroundColor(), clrWhite);
    }
    Colours(frame, fmtv2, 0xF1); // high bits of no meaning
    EXPECT_EQ(frame.TextColor(), clrDarkGrey);
    EXPECT_EQ(frame.BackgroundColor(), clrBlack);
    frame.SetBackgroundColor(clrLightGrey);
    EXPECT_EQ(frame.Record().PackedColors, 0x09) << "a colour let clears bits 4-7";
    frame.SetTextColor(5); // not checked: spills into the background bits
    EXPECT_EQ(frame.Record().PackedColors, 0x0D);
    for (std::int32_t bad : {-1, 256})
        EXPECT_KELPIE_ERROR(frame.SetTextColor(bad), ErrorKind::Overflow);
    EXPECT_KELPIE_ERROR(frame.SetBackgroundColor(64), ErrorKind::Overflow);
    EXPECT_EQ(frame.Record().PackedColors, 0x0D) << "a failed let changes nothing";
}

TEST(Frame, ColourFormatUsesBytesZeroAndThreeOfTheGroup) {
    Frame frame;
    Colours(frame, fmtV3, 0x0E, {0x10, 0xAA, 0xBB, 0xD7});
    EXPECT_EQ(frame.TextColor(), 16);
    EXPECT_EQ(frame.BackgroundColor(), 215);
    frame.SetTextColor(240);
    EXPECT_EQ(frame.Record().ColorGroup, (std::array<std::uint8_t, 4>{240, 0xAA, 0xBB, 0xD7}));
    for (std::int32_t bad : {-1, 256})
        EXPECT_KELPIE_ERROR(frame.SetBackgroundColor(bad), ErrorKind::Overflow);
    EXPECT_EQ(frame.BackgroundColor(), 215);
    frame.SetFont(fnt18);
    EXPECT_KELPIE_ERROR(frame.SetFont(256), ErrorKind::Overflow);
    EXPECT_EQ(frame.Font(), fnt18);
}

} // namespace
