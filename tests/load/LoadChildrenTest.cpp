// Children lists, frames, buttons, action lists and actions: unknown child
// types, records reached a second time or inside themselves, and lists that
// are empty, missing or hold actions of unknown types. (How frames and buttons
// nest in entry order is checked on the samples.)
#include "LoadFixture.h"

#include <kelpie/model/Panels.h>

using namespace kelpie;
namespace b = kelpie::builder;

namespace {

class LoadChildren : public LoadFixture {
protected:
    b::CCFBuilder ccf{fmtv2};
    b::Panel& panel = ccf.AddDevice(b::Group::Devices, "TV").AddPanel("TV");

    Children& LoadedChildren() { return Last().DevicesGroup().Item(1).Panels().Item(1).Children(); }
};

} // namespace

// An entry of another type is reported and skipped; the record it points to
// is not read.
TEST_F(LoadChildren, UnknownChildTypeIsSkippedWithANotice) {
    panel.AddButton(10, 10, 50, 20, "Before");
    auto& skipped = panel.AddButton(10, 40, 50, 20, "Skipped");
    panel.Children[1].Type = 2;
    panel.AddButton(10, 70, 50, 20, "After");
    panel.AddChild(10, 100, skipped).Type = 255;
    CCF& loaded = Load(ccf);

    EXPECT_EQ(notices.Texts,
              (std::vector<std::string>{"Unknown child type 2", "Unknown child type 255"}));
    ASSERT_EQ(LoadedChildren().Count(), 2);
    EXPECT_EQ(LoadedChildren().Item(1).Name(), "Before");
    EXPECT_EQ(LoadedChildren().Item(2).Name(), "After");
    EXPECT_EQ(loaded.CCFfile().StructureAt(skipped.Position()), mtypNotStructure);
    EXPECT_FALSE(loaded.CCFfile().IsAccessed(skipped.Position()));
}

// No action names a frame, so a frame under two parents is loaded twice, as
// two objects; its icon is shared and counts both.
TEST_F(LoadChildren, FrameReachedTwiceIsLoadedAsASecondObject) {
    auto& title = panel.AddFrame(0, 0, 240, 28, "Title");
    title.Icon = ccf.AddIcon2Color(b::Pixels({"#.#."}));
    panel.AddChild(0, 200, title);
    CCF& loaded = Load(ccf);

    EXPECT_EQ(notices.Texts, std::vector{ReachedAgain(mtypFrame, title.Position())});
    ASSERT_EQ(LoadedChildren().Count(), 2);
    Frame* first = LoadedChildren().Item(1).AsFrame();
    Frame* second = LoadedChildren().Item(2).AsFrame();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_EQ(second->Position(), title.Position());
    EXPECT_EQ(second->Name(), "Title");
    EXPECT_EQ(first->Y(), 0);
    EXPECT_EQ(second->Y(), 200);
    EXPECT_EQ(loaded.Icons().Count(), 1);
    ASSERT_NE(first->Icon(), nullptr);
    EXPECT_EQ(first->Icon(), second->Icon());
    EXPECT_EQ(first->Icon()->ReferenceCount(), 2);
}

TEST_F(LoadChildren, FrameInsideItselfEndsTheLoad) {
    auto& loop = panel.AddFrame(0, 0, 100, 100, "Loop");
    loop.AddChild(5, 5, loop);
    LoadFails(ccf, ErrorKind::InvalidArgument);
    EXPECT_EQ(error, "Frame at " + std::to_string(loop.Position()) + " contains itself");

    b::CCFBuilder other(fmtv1);
    auto& outer = other.AddDevice(b::Group::Devices, "TV").AddPanel("TV").AddFrame(0, 0, 100, 100);
    auto& inner = outer.AddFrame(0, 0, 50, 50);
    inner.AddButton(0, 0, 10, 10, "Fine");
    inner.AddChild(1, 1, outer); // outer -> inner -> outer
    LoadFails(other, ErrorKind::InvalidArgument, "through.ccf");
    EXPECT_EQ(error, "Frame at " + std::to_string(outer.Position()) + " contains itself");
}

TEST_F(LoadChildren, ButtonOrActionListReachedTwiceEndsTheLoad) {
    auto& twice = panel.AddButton(10, 10, 50, 20, "Twice");
    panel.AddChild(70, 10, twice);
    LoadFails(ccf, ErrorKind::DuplicateKey);
    EXPECT_EQ(error, "Button at " + std::to_string(twice.Position()) + " is reached a second time");
    EXPECT_EQ(notices.Texts, std::vector{ReachedAgain(mtypButton, twice.Position())});

    // Two buttons sharing a list reach its actions twice.
    notices.Texts.clear();
    b::CCFBuilder shared(fmtv2);
    auto& page = shared.AddDevice(b::Group::Devices, "TV").AddPanel("TV");
    auto& list = shared.AddActionList();
    list.Delay(100);
    page.AddButton(10, 10, 50, 20, "One").UseActions(list);
    page.AddButton(70, 10, 50, 20, "Two").UseActions(list);
    LoadFails(shared, ErrorKind::DuplicateKey, "shared.ccf");
    EXPECT_EQ(error, "Action at " + std::to_string(list.Items[0].Position()) +
                         " is reached a second time");
    EXPECT_EQ(notices.Texts, (std::vector{ReachedAgain(mtypActionList, list.Position()),
                                          ReachedAgain(mtypAction, list.Items[0].Position())}));
}

TEST_F(LoadChildren, ActionListsMayBeEmptyMissingOrOfUnknownTypes) {
    auto& empty = panel.AddButton(10, 10, 50, 20, "Empty");
    empty.Actions(); // a list with a count byte of 0
    panel.AddButton(70, 10, 50, 20, "Odd").Actions().Add(b::Action::Make(9, b::Raw(1), b::Raw(2)));
    panel.AddButton(130, 10, 50, 20, "None"); // list position 0
    Load(ccf);

    Actions& nothing = LoadedChildren().Item(1).AsButton()->Actions();
    EXPECT_EQ(nothing.Position(), empty.ActionsField().Resolve());
    EXPECT_EQ(nothing.Count(), 0);
    EXPECT_EQ(nothing.Size(), 2);

    Actions& odd = LoadedChildren().Item(2).AsButton()->Actions();
    ASSERT_EQ(odd.Count(), 1);
    EXPECT_EQ(odd.Size(), 11);
    EXPECT_EQ(odd.Item(1).ActionType(), 9); // loaded as it is, linking nothing
    EXPECT_EQ(odd.Item(1).Parameter1(), 1);
    EXPECT_EQ(odd.Item(1).Parameter2(), 2);
    EXPECT_EQ(odd.Item(1).Device(), nullptr);

    Actions& missing = LoadedChildren().Item(3).AsButton()->Actions();
    EXPECT_EQ(missing.Count(), 0);
    EXPECT_EQ(missing.Position(), 0);
    EXPECT_TRUE(notices.Texts.empty());
}
