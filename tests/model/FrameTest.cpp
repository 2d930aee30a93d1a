// Frames: record size per format, the two colour models, and the limits of
// font and colour values.
#include <kelpie/model/Frame.h>

#include "ExpectError.h"
#include "load/ModelBuilder.h"
#include <kelpie/model/Children.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

void Colours(Frame& frame, CCFFileFormats format, std::uint8_t packed,
             std::array<std::uint8_t, 4> group = {}) {
    ModelBuilder::SetRecord(frame, FrameRecord{.PackedColors = packed, .ColorGroup = group});
    ModelBuilder::SetFileFormat(frame, format);
}

TEST(Frame, SizeNeedsChildrenAndFollowsTheFormat) {
    Frame frame;
    EXPECT_EQ(frame.Children(), nullptr) << "no children made on demand";
    EXPECT_KELPIE_ERROR(frame.Size(), ErrorKind::MissingObject);
    ModelBuilder::SetChildren(frame, std::make_shared<Children>());
    EXPECT_EQ(frame.Size(), 20);
    ModelBuilder::SetFileFormat(frame, fmtV3);
    EXPECT_EQ(frame.Size(), 23);
    frame.Children()->AddFrame();
    frame.Children()->AddButton();
    EXPECT_EQ(frame.Size(), 41);
    ModelBuilder::SetFileFormat(frame, fmtv2);
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
    ModelBuilder::SetBackgroundColor(frame, clrLightGrey);
    EXPECT_EQ(frame.Record().PackedColors, 0x09) << "a colour let clears bits 4-7";
    ModelBuilder::SetTextColor(frame, 5); // not checked: spills into the background bits
    EXPECT_EQ(frame.Record().PackedColors, 0x0D);
    for (std::int32_t bad : {-1, 256})
        EXPECT_KELPIE_ERROR(ModelBuilder::SetTextColor(frame, bad), ErrorKind::Overflow);
    EXPECT_KELPIE_ERROR(ModelBuilder::SetBackgroundColor(frame, 64), ErrorKind::Overflow);
    EXPECT_EQ(frame.Record().PackedColors, 0x0D) << "a failed let changes nothing";
}

TEST(Frame, ColourFormatUsesBytesZeroAndThreeOfTheGroup) {
    Frame frame;
    Colours(frame, fmtV3, 0x0E, {0x10, 0xAA, 0xBB, 0xD7});
    EXPECT_EQ(frame.TextColor(), 16);
    EXPECT_EQ(frame.BackgroundColor(), 215);
    ModelBuilder::SetTextColor(frame, 240);
    EXPECT_EQ(frame.Record().ColorGroup, (std::array<std::uint8_t, 4>{240, 0xAA, 0xBB, 0xD7}));
    for (std::int32_t bad : {-1, 256})
        EXPECT_KELPIE_ERROR(ModelBuilder::SetBackgroundColor(frame, bad), ErrorKind::Overflow);
    EXPECT_EQ(frame.BackgroundColor(), 215);
    ModelBuilder::SetFont(frame, fnt18);
    EXPECT_KELPIE_ERROR(ModelBuilder::SetFont(frame, 256), ErrorKind::Overflow);
    EXPECT_EQ(frame.Font(), fnt18);
}

} // namespace
