// Where the builder puts records: regions by kind in the order of a real
// file, reach order inside a region, shared records once, determinism.
#include "support/Layout.h"
#include "ExpectedBytes.h"
#include "ReaderWalk.h"
#include "support/CCFBuilder.h"
#include "support/RecordSizes.h"

#include <kelpie/file/basStructures.h>

#include <gtest/gtest.h>

using namespace kelpie;
using namespace kelpie::builder;
using namespace kelpie::builder::expected;

TEST(BuilderLayout, SizesAgreeWithTheLibrary) {
    namespace lib = kelpie::basStructures;
    for (const auto format : {fmtv1, fmtv2, fmtV3}) {
        EXPECT_EQ(sizes::Header(format), lib::HeaderSize(format));
        EXPECT_EQ(sizes::Device(format), lib::DeviceSize(format));
        EXPECT_EQ(sizes::FrameHead(format), lib::FrameHeadSize(format));
        EXPECT_EQ(sizes::Button(format), lib::ButtonSize(format));
    }
    EXPECT_EQ(sizes::PanelHead, lib::PanelHeadSize);
    EXPECT_EQ(sizes::ActionListHead, lib::ActionListHeadSize);
    EXPECT_EQ(sizes::Entry, lib::EntrySize);
    EXPECT_EQ(sizes::IRCodeHead, lib::IRCodeHeadSize);
    EXPECT_EQ(sizes::IconHead, lib::IconHeadSize);
    EXPECT_EQ(sizes::Timer, lib::TimerSize);
    EXPECT_EQ(sizes::TimerStartAction, lib::TimerStartActionOffset);
    EXPECT_EQ(sizes::TimerEndAction, lib::TimerEndActionOffset);
}

TEST(BuilderLayout, RegionsByKindInTheOrderOfARealFile) {
    CCFBuilder ccf(fmtv2);
    // Made in an order unlike the file's, to show the order is the layout's.
    auto& timer = ccf.AddTimer();
    auto& code = ccf.AddIRCode("Power", {0x5000});
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    auto& panel = tv.AddPanel("TV");
    auto& frame = panel.AddFrame(0, 0, 240, 28, "Title");
    auto& button = frame.AddButton(10, 10, 40, 20, "Power");
    auto& list = button.Actions();
    list.Code(code).Timer(timer);
    auto& icon = ccf.AddIcon4Color(Pixels({"0123"}));
    button.SetIcons(icon, icon);
    const auto bytes = ccf.Build();

    // header, icons, names, timers, IR codes, action lists, buttons, frames,
    // panels, devices: each record starts where the one before ends.
    EXPECT_EQ(icon.Position(), 74);
    const Name* names[] = {tv.Name.NameRecord(), panel.Name.NameRecord(), frame.Name.NameRecord(),
                           button.Name.NameRecord(), code.Name.NameRecord()};
    std::int32_t at = icon.End();
    for (const Name* name : names) { // reach order: device, panel, frame, button, IR code
        EXPECT_EQ(name->Position(), at) << name->Text;
        at = name->End();
    }
    for (const Record* record :
         std::vector<const Record*>{&timer, &code, &list, &button, &frame, &panel, &tv}) {
        EXPECT_EQ(record->Position(), at);
        at = record->End();
    }
    EXPECT_EQ(ccf.PosCRC1(), at + at % 2);
    EXPECT_EQ(static_cast<std::int32_t>(bytes.size()), ccf.PosCRC1() + 2);
}

TEST(BuilderLayout, InsideARegionTheWalkFromTheHeaderDecides) {
    CCFBuilder ccf(fmtv2);
    auto& movie = ccf.AddDevice(Group::Macros, "Movie");
    auto& amp = ccf.AddDevice(Group::Devices, "Amp");
    auto& home = ccf.AddDevice(Group::Home, "HOME");
    auto& loose = ccf.AddDevice(Group::Unlisted, "Loose");
    auto& special = ccf.AddSpecialPanel("macro");
    auto& ampPanel = amp.AddPanel("Amp");
    auto& homePanel = home.AddPanel("Home");
    ccf.Build();
    // Devices: home group, devices group, macros group, then unreached.
    EXPECT_LT(home.Position(), amp.Position());
    EXPECT_LT(amp.Position(), movie.Position());
    EXPECT_LT(movie.Position(), loose.Position());
    // Panels: those of the groups' devices, then the special panels.
    EXPECT_LT(homePanel.Position(), ampPanel.Position());
    EXPECT_LT(ampPanel.Position(), special.Position());
}

TEST(BuilderLayout, ChildrenAndTheirRecordsFollowEntryOrder) {
    CCFBuilder ccf(fmtV3);
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
    auto& outer = panel.AddFrame(0, 0, 200, 100, "Outer");
    auto& first = outer.AddButton(0, 0, 10, 10, "1");
    auto& inner = outer.AddFrame(20, 0, 100, 50, "Inner");
    auto& deep = inner.AddButton(0, 0, 10, 10, "3");
    auto& last = outer.AddButton(40, 0, 10, 10, "2");
    auto& after = panel.AddButton(100, 100, 10, 10, "4");
    ccf.Build();
    EXPECT_LT(outer.Position(), inner.Position());
    EXPECT_LT(first.Position(), deep.Position()); // pre-order: first, (inner: deep), last
    EXPECT_LT(deep.Position(), last.Position());
    EXPECT_LT(last.Position(), after.Position());
    EXPECT_EQ(outer.Children[2].Position(), outer.Position() + 23 + 18);
}

TEST(BuilderLayout, SharedRecordsAreWrittenOnce) {
    CCFBuilder ccf(fmtv1);
    auto& icon = ccf.AddIcon4ColorCompressed(Filled(20, 20, 2));
    auto& code = ccf.AddIRCode("Power", {0x5000, 0x0073, 0, 1, 0, 12});
    auto& label = ccf.AddName("Power");
    auto& panel = ccf.AddDevice(Group::Devices, "TV").AddPanel("TV");
    auto& shared = ccf.AddActionList();
    shared.Code(code);
    for (int i = 0; i < 3; ++i) {
        auto& button = panel.AddButton(static_cast<std::int16_t>(30 * i), 0, 20, 20, label);
        button.SetIcons(icon, icon);
        button.Actions().Code(code);
    }
    auto& a = panel.AddButton(0, 40, 20, 20, label);
    a.UseActions(shared);
    const auto bytes = ccf.Build();
    readers::DecodedFile file(bytes);
    EXPECT_EQ(file.Icons.size(), 1u);
    EXPECT_EQ(file.References[icon.Position()], 12); // 3 buttons, 4 states
    EXPECT_EQ(file.IRCodes.size(), 1u);
    EXPECT_EQ(file.References[code.Position()], 4);
    EXPECT_EQ(file.References[label.Position()], 4);
    EXPECT_EQ(file.ActionLists.size(), 4u); // three own lists and the shared one
    EXPECT_TRUE(file.Notices.empty());
}

TEST(BuilderLayout, EachTextNameIsARecordOfItsOwn) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    auto& panel = tv.AddPanel("TV");
    ccf.Build();
    EXPECT_NE(tv.Name.Position(), panel.Name.Position());
    EXPECT_EQ(tv.Name.Text(), "TV");
}

TEST(BuilderLayout, ACopiedTextNameIsWrittenAgain) {
    CCFBuilder ccf(fmtv2);
    auto& shared = ccf.AddName("Shared");
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    auto& amp = ccf.AddDevice(Group::Devices, shared);
    auto& panel = tv.AddPanel();
    panel.Name = tv.Name;
    tv.LeftKeyName = amp.Name;
    ccf.Build();
    EXPECT_NE(panel.Name.Position(), tv.Name.Position());
    EXPECT_EQ(panel.Name.Text(), "TV");
    EXPECT_EQ(tv.LeftKeyName.Position(), shared.Position());
}

TEST(BuilderLayout, ObjectsNothingReachesFollowInCreationOrder) {
    CCFBuilder ccf(fmtv2);
    auto& second = ccf.AddIcon2Color(Pixels({"#"}));
    auto& unused = ccf.AddIcon2Color(Pixels({"##"}));
    auto& first = ccf.AddIcon2Color(Pixels({"###"}));
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    tv.IconUnselected = first;
    tv.IconSelected = second;
    ccf.Build();
    EXPECT_EQ(first.Position(), 74);
    EXPECT_EQ(second.Position(), first.End());
    EXPECT_EQ(unused.Position(), second.End());
}

TEST(BuilderLayout, GreyFormatsDoNotReachTheFarKeys) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    auto& far = tv.Actions(Key::FarLeft);
    far.Delay(1);
    auto& mute = tv.Actions(Key::Mute);
    mute.Delay(2);
    auto& other = ccf.AddActionList(); // made after the far key's list, reached by nothing
    const auto bytes = ccf.Build();
    EXPECT_LT(mute.Position(), far.Position());  // the far key's list is not reached ...
    EXPECT_LT(far.Position(), other.Position()); // ... and comes in creation order
    readers::DecodedFile file(bytes);
    EXPECT_EQ(file.ActionLists.size(), 1u);
}

TEST(BuilderLayout, BuildingIsDeterministicAndRepeatable) {
    auto compose = [](CCFBuilder& ccf) {
        auto& tv = ccf.AddDevice(Group::Devices, "TV");
        auto& panel = tv.AddPanel("TV");
        panel.AddButton(10, 10, 20, 20, "A").Actions().Delay(5);
        panel.AddFrame(0, 0, 5, 5, "F").AddButton(1, 1, 2, 2, "B");
        return &panel;
    };
    CCFBuilder one(fmtv2), two(fmtv2);
    compose(one);
    compose(two);
    const auto bytes = one.Build();
    EXPECT_EQ(two.Build(), bytes);
    EXPECT_EQ(one.Build(), bytes); // a second Build() of the same builder
}

TEST(BuilderLayout, RebuildingAfterAChangeMovesRecords) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    ccf.Build();
    const auto before = tv.Position();
    ccf.AddIcon2Color(Pixels({"#"}));
    ccf.Build();
    EXPECT_EQ(tv.Position(), before + 9); // the icon region grew by a 9-byte icon
}

TEST(BuilderLayout, PositionsAreUnknownBeforeBuild) {
    CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(Group::Devices, "TV");
    EXPECT_THROW(tv.Position(), std::logic_error);
    EXPECT_THROW(tv.Name.Position(), std::logic_error);
}

TEST(BuilderLayout, DeepNestingIsWalkedWithoutRecursion) {
    CCFBuilder ccf(fmtv2);
    Container* parent = &ccf.AddDevice(Group::Devices, "Deep").AddPanel("Deep");
    constexpr int depth = 200000;
    for (int i = 0; i < depth; ++i)
        parent = &parent->AddFrame(1, 1, 10, 10);
    const auto bytes = ccf.Build();
    EXPECT_EQ(ccf.Records().Frames.size(), static_cast<std::size_t>(depth));
    EXPECT_GT(bytes.size(), static_cast<std::size_t>(depth) * 29);
}
