// Buttons: fixed record size, and an icon and a colour pair for each of the
// four states, each reaching its own place in the record.
#include <kelpie/model/Button.h>

#include "load/ModelBuilder.h"
#include <kelpie/model/Actions.h>
#include <kelpie/model/Icons.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

using Group = std::array<std::uint8_t, 4>;

TEST(Button, SizeDependsOnlyOnTheFormat) {
    Button button;
    EXPECT_EQ(button.FindActions(), nullptr) << "reading makes nothing";
    EXPECT_EQ(&button.Actions(), &button.Actions()) << "made on demand once";
    EXPECT_EQ(button.FindActions(), &button.Actions());
    button.Actions().Add();
    EXPECT_EQ(button.Size(), 38);
    ModelBuilder::SetFileFormat(button, fmtV3);
    EXPECT_EQ(button.Size(), 50);
    EXPECT_EQ(button.ChildType(), chtButton);
}

TEST(Button, GreyStatesEachHaveTheirOwnPackedByte) {
    Button button;
    ModelBuilder::SetRecord(
        button, ButtonRecord{.PackedColors = {0x01, 0x06, 0x0B, 0xFC}}); // 1/0, 2/1, 3/2, 0/3
    EXPECT_EQ(std::vector({button.InactiveUnselTextColor(), button.InactiveUnselBackgroundColor(),
                           button.InactiveSelTextColor(), button.InactiveSelBackgroundColor(),
                           button.ActiveUnselTextColor(), button.ActiveUnselBackgroundColor(),
                           button.ActiveSelTextColor(), button.ActiveSelBackgroundColor()}),
              std::vector<CCFColors>({clrDarkGrey, clrBlack, clrLightGrey, clrDarkGrey, clrWhite,
                                      clrLightGrey, clrBlack, clrWhite}));
    ModelBuilder::SetBackgroundColorOf(button, ActiveSelected, clrDarkGrey);
    EXPECT_EQ(button.Record().PackedColors, (Group{0x01, 0x06, 0x0B, 0x04}));
}

TEST(Button, ColourStatesEachHaveTheirOwnGroup) {
    Button button;
    ModelBuilder::SetRecord(
        button,
        ButtonRecord{.ColorGroups = {Group{}, Group{}, Group{0x10, 0xAA, 0xBB, 0xD7}, Group{}}});
    ModelBuilder::SetFileFormat(button, fmtV3);
    EXPECT_EQ(button.ActiveUnselTextColor(), 16);
    EXPECT_EQ(button.ActiveUnselBackgroundColor(), 215);
    ModelBuilder::SetTextColorOf(button, ActiveUnselected, 240);
    ModelBuilder::SetTextColorOf(button, InactiveUnselected, 1);
    ModelBuilder::SetBackgroundColorOf(button, InactiveUnselected, 2);
    ModelBuilder::SetTextColorOf(button, InactiveSelected, 3);
    ModelBuilder::SetBackgroundColorOf(button, InactiveSelected, 4);
    ModelBuilder::SetTextColorOf(button, ActiveSelected, 7);
    ModelBuilder::SetBackgroundColorOf(button, ActiveSelected, 8);
    EXPECT_EQ(button.Record().ColorGroups,
              (std::array{Group{1, 0, 0, 2}, Group{3, 0, 0, 4}, Group{240, 0xAA, 0xBB, 0xD7},
                          Group{7, 0, 0, 8}}));
}

TEST(Button, StateIconsAreSeparateLinks) {
    Icons icons;
    Button button;
    ModelBuilder::SetIconOf(button, InactiveUnselected, &icons.Add());
    ModelBuilder::SetIconOf(button, InactiveSelected, &icons.Add());
    ModelBuilder::SetIconOf(button, ActiveUnselected, &icons.Add());
    ModelBuilder::SetIconOf(button, ActiveSelected, &icons.Add());
    icons.Remove(3);
    EXPECT_EQ(std::vector({button.InactiveUnselIcon(), button.InactiveSelIcon(),
                           button.ActiveUnselIcon(), button.ActiveSelIcon()}),
              std::vector<Icon*>({&icons.Item(1), &icons.Item(2), nullptr, &icons.Item(3)}));
}

} // namespace
