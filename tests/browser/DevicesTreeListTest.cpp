// Devices, panels, frames and buttons as tree nodes and as detail-list rows.
#include "WalkerFixture.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace kelpie::builder;
using Strings = std::vector<std::string>;

namespace {

// A living-room TV in the Home group: a template that is read-only, with a
// "Tune" left key, one panel holding a frame inside a frame with a button in
// it, and a button straight on the panel.
struct LivingRoom : ::testing::Test, vantor::testing::WalkerFixture {
    CCFBuilder ccf{kelpie::fmtv2};
    Device& tv = ccf.AddDevice(Group::Home, "TV");
    Panel& main = tv.AddPanel("Main");
    Frame& outer = main.AddFrame(10, 20, 200, 150, "outer");
    Frame& inner = outer.AddFrame(5, 5, 100, 100, "inner");
    Button& ok = inner.AddButton(3, 4, 40, 20, "OK");
    Button& power = main.AddButton(0, 190, 60, 20, "Power");
    Panel& hidden = tv.AddPanel("Setup");

    LivingRoom() {
        tv.Attributes = devIsTemplate | devReadOnly;
        hidden.Hidden = true;
    }
    kelpie::Device& LoadedTV() { return Loaded().HomeGroup().Item(1); }
};

} // namespace

TEST_F(LivingRoom, TreeNestsPanelsFramesAndButtonsUnderTheirDevice) {
    Open(ccf);
    const std::string root = TreeRoot();
    std::int32_t count = 0;
    Walk().DoDevices(Loaded().HomeGroup(), count, root);
    EXPECT_EQ(count, 1);

    ASSERT_EQ(TextsUnder(root), Strings{"TV"});
    const auto& device = NodeUnder(root, 0);
    EXPECT_EQ(device.ImageKey, "Device");
    EXPECT_EQ(device.Tag, "CCF1/D/" + std::to_string(tv.Position()));
    ASSERT_EQ(TextsUnder(device.Key), (Strings{"Main", "Setup"}));
    const auto& panel = NodeUnder(device.Key, 0);
    EXPECT_EQ(panel.Tag, "CCF1/P/" + std::to_string(main.Position()));
    ASSERT_EQ(TextsUnder(panel.Key), (Strings{"Frame: outer", "Button: Power"}));
    const auto& outerNode = NodeUnder(panel.Key, 0);
    EXPECT_EQ(outerNode.ImageKey, "Frame");
    EXPECT_EQ(outerNode.Tag, "CCF1/F/" + std::to_string(outer.Position()));
    ASSERT_EQ(TextsUnder(outerNode.Key), Strings{"Frame: inner"});
    const auto& innerNode = NodeUnder(outerNode.Key, 0);
    ASSERT_EQ(TextsUnder(innerNode.Key), Strings{"Button: OK"});
    EXPECT_EQ(NodeUnder(innerNode.Key, 0).Tag, "CCF1/B/" + std::to_string(ok.Position()));
    EXPECT_EQ(NodeUnder(panel.Key, 1).ImageKey, "Button");

    // Every record the tree shows is registered under its tag.
    for (const auto& node : tree.Nodes) {
        if (node.Key == root) continue;
        EXPECT_NE(file->FindObject(node.Tag), nullptr) << node.Tag;
    }
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(LivingRoom, TreeShowsKeyListsDeviceIconsAndButtonParts) {
    tv.LeftKeyName = "Tune";
    tv.Actions(Key::Left).Delay(500);
    tv.Actions(Key::Mute).Delay(100);
    tv.Actions(Key::FarLeft); // an empty list gives no node
    tv.IconUnselected = ccf.AddIcon2Color(Pixels({"#..#"}));
    tv.IconSelected = ccf.AddIcon2Color(Pixels({".##."}));
    outer.Icon = ccf.AddIcon2Color(Pixels({"##"}));
    ok.Icons[InactiveUnselected] = ccf.AddIcon2Color(Pixels({"#"}));
    ok.Icons[ActiveSelected] = ccf.AddIcon2Color(Pixels({"."}));
    ok.Actions().Delay(1000);
    Open(ccf);
    if (!IconWalkerBuilt(*LoadedTV().IconUnselected()) ||
        !ActionListWalkerBuilt(LoadedTV().ActionsLeft()))
        GTEST_SKIP() << "the icon and action-list walkers are not in this build";

    const std::string root = TreeRoot();
    std::int32_t count = 0;
    Walk().DoDevices(Loaded().HomeGroup(), count, root);
    // The device's icons stand right after it, under the group.
    ASSERT_EQ(TextsUnder(root), (Strings{"TV", "Device Unselected Icon", "Device Selected Icon"}));
    const auto& device = NodeUnder(root, 0);
    EXPECT_EQ(TextsUnder(device.Key),
              (Strings{"Tune Action List", "Mute Action List", "Main", "Setup"}));
    const auto& outerNode = NodeUnder(NodeUnder(device.Key, 2).Key, 0);
    EXPECT_EQ(TextsUnder(outerNode.Key), (Strings{"Frame Icon", "Frame: inner"}));
    const auto& okNode = NodeUnder(NodeUnder(outerNode.Key, 1).Key, 0);
    EXPECT_EQ(TextsUnder(okNode.Key),
              (Strings{"Inactive Unselected Icon", "Active Selected Icon", "Button Action List"}));
}

TEST_F(LivingRoom, ButtonWithActionsTellsItsPanelAndOneWithoutDoesNot) {
    ok.Actions().Delay(1000);
    Open(ccf);
    browser.OutputMode = omTree;
    const std::string root = TreeRoot();
    kelpie::Panel& panel = LoadedTV().Panels().Item(1);
    bool hasActions = false;
    Walk().DoChild(panel.Children().Item(2), root, 0, 0, hasActions); // Power: no actions
    EXPECT_FALSE(hasActions);
    Walk().DoChild(panel.Children().Item(1), root, 0, 0, hasActions); // outer > inner > OK
    EXPECT_TRUE(hasActions);
    Walk().DoChild(panel.Children().Item(2), root, 0, 0, hasActions); // nothing sets it back
    EXPECT_TRUE(hasActions);
}

TEST_F(LivingRoom, ListRowsOfDevicesPanelsAndChildren) {
    Device& amp = ccf.AddDevice(Group::Home, "Amp");
    amp.Attributes = devIsTemplate | devHasSeparator;
    ccf.AddDevice(Group::Home, "Plain");
    Open(ccf);
    browser.OutputMode = omListView;

    std::int32_t count = 0;
    Walk().DoDevices(Loaded().HomeGroup(), count, "");
    EXPECT_EQ(count, 3);
    ASSERT_EQ(list.Rows.size(), 3u);
    EXPECT_EQ(list.Rows[0].Text, "TV");
    EXPECT_EQ(list.Rows[0].ImageKey, "Device");
    EXPECT_EQ(list.Rows[0].SubItems, Strings{"Template, Read Only"});
    EXPECT_EQ(list.Rows[0].Tag, "CCF1/D/" + std::to_string(tv.Position()));
    EXPECT_EQ(list.Rows[1].SubItems, Strings{"Template, Separator"});
    EXPECT_EQ(list.Rows[2].SubItems, Strings{""});

    // A panel row gives "Hidden" and its number of children; the walk does
    // not go down into the panels.
    list.Rows.clear();
    Walk().DoPanels(LoadedTV().Panels(), "");
    ASSERT_EQ(list.Rows.size(), 2u);
    EXPECT_EQ(list.Rows[0].Text, "Main");
    EXPECT_EQ(list.Rows[0].ImageKey, "Panel");
    EXPECT_EQ(list.Rows[0].SubItems, (Strings{"", "2"}));
    EXPECT_EQ(list.Rows[0].Tag, "CCF1/P/" + std::to_string(main.Position()));
    EXPECT_EQ(list.Rows[1].SubItems, (Strings{"Hidden", "0"}));

    // Frame and button rows: type and the position relative to the parent.
    list.Rows.clear();
    bool hasActions = false;
    for (kelpie::Child& child : LoadedTV().Panels().Item(1).Children())
        Walk().DoChild(child, "", 100, 100, hasActions);
    ASSERT_EQ(list.Rows.size(), 2u);
    EXPECT_EQ(list.Rows[0].Text, "outer");
    EXPECT_EQ(list.Rows[0].ImageKey, "Frame");
    EXPECT_EQ(list.Rows[0].SubItems, (Strings{"Frame", "10", "20"}));
    EXPECT_EQ(list.Rows[0].Tag, "CCF1/F/" + std::to_string(outer.Position()));
    EXPECT_EQ(list.Rows[1].Text, "Power");
    EXPECT_EQ(list.Rows[1].ImageKey, "Button");
    EXPECT_EQ(list.Rows[1].SubItems, (Strings{"Button", "0", "190"}));
    EXPECT_EQ(list.Rows[1].Tag, "CCF1/B/" + std::to_string(power.Position()));
    // The list neither adds nodes nor registers objects.
    EXPECT_TRUE(tree.Nodes.empty());
    EXPECT_EQ(file->FindObject("CCF1/D/" + std::to_string(tv.Position())), nullptr);
}
