// The collection pattern every one-to-many relation shares: 1-based Item,
// Count, Remove, iteration in list order, and the errors of bad indexes.
#include <kelpie/model/Collection.h>

#include "ExpectError.h"
#include "load/ModelBuilder.h"
#include <kelpie/model/Actions.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Devices.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

using Names = std::vector<std::string>;

Names NamesOf(const Devices& devices) {
    Names names;
    for (const Device& device : devices)
        names.push_back(device.Name());
    return names;
}

TEST(Collection, ItemsAreOneBasedInTheOrderAdded) {
    Devices devices;
    EXPECT_EQ(devices.begin(), devices.end());
    EXPECT_KELPIE_ERROR(devices.Item(1), ErrorKind::InvalidArgument);
    for (const char* name : {"TV", "VCR", "Amp"})
        ModelBuilder::SetName(devices.Add(), name);
    EXPECT_EQ(devices.Count(), 3);
    EXPECT_EQ(devices.Item(3).Name(), "Amp");
    EXPECT_EQ(NamesOf(devices), (Names{"TV", "VCR", "Amp"}));
    for (std::int32_t index : {0, 4, -1})
        EXPECT_KELPIE_ERROR(devices.Item(index), ErrorKind::InvalidArgument);
    EXPECT_KELPIE_ERROR(devices.Item("TV"), ErrorKind::InvalidArgument) << "no keys here";
}

TEST(Collection, RemoveMovesLaterItemsUp) {
    Devices devices;
    for (const char* name : {"TV", "VCR", "Amp"})
        ModelBuilder::SetName(devices.Add(), name);
    const std::shared_ptr<Device> kept = devices.ItemPtr(1);
    devices.Remove(1);
    EXPECT_EQ(NamesOf(devices), (Names{"VCR", "Amp"}));
    EXPECT_EQ(kept->Name(), "TV") << "a removed item lives on while something holds it";
    EXPECT_KELPIE_ERROR(devices.Remove(3), ErrorKind::InvalidArgument);
    EXPECT_KELPIE_ERROR(devices.Remove("VCR"), ErrorKind::InvalidArgument);
    EXPECT_EQ(devices.Count(), 2) << "a failed Remove changes nothing";
}

TEST(Collection, ChildrenKeepFramesAndButtonsInOneListInFileOrder) {
    Children children;
    children.AddFrame();
    children.AddButton();
    children.AddFrame();
    std::vector<CCFChildTypes> types;
    for (Child& child : children)
        types.push_back(child.ChildType());
    EXPECT_EQ(types, (std::vector<CCFChildTypes>{chtFrame, chtButton, chtFrame}));
    EXPECT_NE(children.Item(2).AsButton(), nullptr);
    EXPECT_EQ(children.Item(2).AsFrame(), nullptr);
}

TEST(Collection, ActionListSizeIsTwoPlusNinePerAction) {
    Actions actions;
    EXPECT_EQ(actions.Position(), 0);
    EXPECT_EQ(actions.Size(), 2);
    actions.Add();
    actions.Add();
    EXPECT_EQ(actions.Size(), 20);
    while (actions.Count() < 3640)
        actions.Add(); // 2 + 9 x 3640 = 32762
    EXPECT_EQ(actions.Size(), 32762);
    actions.Add();
    EXPECT_KELPIE_ERROR(actions.Size(), ErrorKind::Overflow);
}

} // namespace
