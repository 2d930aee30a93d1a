// Groups, device chains, devices and panel chains: what the walk from the
// header builds, and how chains that come back end the load.
#include "LoadFixture.h"

#include <kelpie/model/Panels.h>

using namespace kelpie;
namespace b = kelpie::builder;

namespace {
class LoadDevices : public LoadFixture {};
} // namespace

TEST_F(LoadDevices, HeaderWithoutGroupsOrSpecialPanelsLoadsAnEmptyFile) {
    b::CCFBuilder ccf(fmtv2);
    CCF& loaded = Load(ccf);
    EXPECT_EQ(loaded.HomeGroup().Count(), 0);
    EXPECT_EQ(loaded.DevicesGroup().Count(), 0);
    EXPECT_EQ(loaded.MacrosGroup().Count(), 0);
    EXPECT_EQ(loaded.SpecialPanels().Count(), 0);
    EXPECT_TRUE(notices.Texts.empty());
}

// The colour format's device record is longer: far-left and far-right keys,
// an RF extender byte and a second filler. The grey formats have none of them.
TEST_F(LoadDevices, RecordLengthAndColourOnlyFieldsFollowTheFormat) {
    for (const CCFFileFormats format : {fmtv1, fmtv2, fmtV3}) {
        SCOPED_TRACE(format);
        b::CCFBuilder ccf(format);
        auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
        tv.FarLeftKeyName = "Back";
        tv.RFExtender = 1;
        tv.Filler2 = 7;
        tv.Actions(b::Key::FarLeft).Delay(100);
        Device& device =
            Load(ccf, "format" + std::to_string(format) + ".ccf").DevicesGroup().Item(1);
        const bool colour = format == fmtV3;
        EXPECT_EQ(device.Size(), colour ? 86 : 65);
        EXPECT_EQ(device.FarLeftKeyName(), colour ? "Back" : "");
        EXPECT_EQ(device.RFExtender(), colour ? 1 : 0);
        EXPECT_EQ(device.Filler2(), colour ? 7 : 0);
        EXPECT_EQ(device.ActionsFarLeft().Count(), colour ? 1 : 0);
    }
}

TEST_F(LoadDevices, EachHardKeyGetsItsOwnListAndName) {
    b::CCFBuilder ccf(fmtV3);
    auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
    const b::Key keys[] = {b::Key::Entry,    b::Key::Left,     b::Key::Right,   b::Key::FarLeft,
                           b::Key::FarRight, b::Key::VolMinus, b::Key::VolPlus, b::Key::ChanMinus,
                           b::Key::ChanPlus, b::Key::Mute};
    for (std::int32_t i = 0; i < 10; ++i)
        tv.Actions(keys[i]).Delay(100 + i); // a list each, told apart by its delay
    tv.LeftKeyName = "Left";
    tv.RightKeyName = "Right";
    tv.FarLeftKeyName = "Far Left";
    tv.FarRightKeyName = "Far Right";
    ccf.AddDevice(b::Group::Devices, "Bare");
    CCF& loaded = Load(ccf);

    Device& device = loaded.DevicesGroup().Item(1);
    for (std::int32_t i = 0; i < 10; ++i) {
        Actions& list = KeyList(device, keys[i]);
        EXPECT_EQ(list.Position(), tv.ActionsField(keys[i]).Resolve()) << i;
        ASSERT_EQ(list.Count(), 1) << i;
        EXPECT_EQ(list.Item(1).Parameter2(), 100 + i) << i;
    }
    EXPECT_EQ(device.LeftKeyName(), "Left");
    EXPECT_EQ(device.RightKeyName(), "Right");
    EXPECT_EQ(device.FarLeftKeyName(), "Far Left");
    EXPECT_EQ(device.FarRightKeyName(), "Far Right");

    // A device whose list positions are all 0 has ten empty lists.
    Device& bare = loaded.DevicesGroup().Item(2);
    for (const b::Key key : keys) {
        EXPECT_EQ(KeyList(bare, key).Count(), 0);
        EXPECT_EQ(KeyList(bare, key).Position(), 0);
    }
}

TEST_F(LoadDevices, PanelWithoutChildrenHasAnEmptyList) {
    b::CCFBuilder ccf(fmtv2);
    ccf.AddDevice(b::Group::Devices, "TV").AddPanel("Empty");
    Panel& panel = Load(ccf).DevicesGroup().Item(1).Panels().Item(1);
    EXPECT_EQ(panel.Name(), "Empty");
    EXPECT_EQ(panel.Children().Count(), 0);
    EXPECT_EQ(panel.Size(), 10);
}

// A device or panel reached again would make its chain run for ever: the
// structure map reports the second visit and the load ends naming the record.
TEST_F(LoadDevices, ChainsThatComeBackEndTheLoad) {
    {
        b::CCFBuilder ccf(fmtv2);
        auto& a = ccf.AddDevice(b::Group::Devices, "A");
        auto& second = ccf.AddDevice(b::Group::Devices, "B");
        second.Next = a; // A -> B -> A
        LoadFails(ccf, ErrorKind::DuplicateKey, "devices.ccf");
        EXPECT_EQ(error, "Device at " + std::to_string(a.Position()) + " is reached a second time");
        EXPECT_EQ(notices.Texts, std::vector{ReachedAgain(mtypDevice, a.Position())});
        EXPECT_EQ(Last().DevicesGroup().Item(2).Name(), "B");
    }
    {
        notices.Texts.clear();
        b::CCFBuilder ccf(fmtv2);
        auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
        auto& one = tv.AddPanel("One");
        tv.AddPanel("Two").Next = one;
        LoadFails(ccf, ErrorKind::DuplicateKey, "panels.ccf");
        EXPECT_EQ(error,
                  "Panel at " + std::to_string(one.Position()) + " is reached a second time");
        EXPECT_EQ(notices.Texts, std::vector{ReachedAgain(mtypPanel, one.Position())});
    }
    {
        b::CCFBuilder ccf(fmtv2);
        auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
        ccf.Header().PosMacroGroup = tv; // one device in two groups
        LoadFails(ccf, ErrorKind::DuplicateKey, "groups.ccf");
        EXPECT_EQ(error,
                  "Device at " + std::to_string(tv.Position()) + " is reached a second time");
    }
}

TEST_F(LoadDevices, FileNameLoadedTwiceIsRefusedAndTheFirstFileKept) {
    b::CCFBuilder first(fmtv2);
    first.AddDevice(b::Group::Devices, "TV");
    CCF& loaded = Load(first, "Living.ccf");
    b::CCFBuilder second(fmtv2);
    second.AddDevice(b::Group::Devices, "Radio");
    LoadFails(second, ErrorKind::DuplicateKey, "LIVING.CCF");
    EXPECT_EQ(files.Count(), 1);
    EXPECT_EQ(&files.Item("living.ccf"), &loaded);
    EXPECT_EQ(loaded.DevicesGroup().Item(1).Name(), "TV");
}
