// Devices: record size per format, the attribute bits, the ten action lists and
// the labels of the hard keys, and reading them without creating anything.
#include <kelpie/model/Device.h>

#include "ExpectError.h"
#include "load/ModelBuilder.h"
#include <kelpie/model/Actions.h>
#include <kelpie/model/Panels.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

TEST(Device, SizeFollowsTheFileFormat) {
    Device device;
    EXPECT_EQ(device.Size(), 65) << "the first format until one is set";
    ModelBuilder::SetFileFormat(device, fmtv2);
    EXPECT_EQ(device.Size(), 65);
    ModelBuilder::SetFileFormat(device, fmtV3);
    EXPECT_EQ(device.Size(), 86);
}

TEST(Device, AttributeBitsChangeOnlyTheirOwnBit) {
    Device device;
    ModelBuilder::SetRecord(device, DeviceRecord{.Attributes = 0x71});
    EXPECT_TRUE(device.ReadOnly() && device.NeedsProgramming() && device.HasSeparator() &&
                device.IsTemplate());
    ModelBuilder::SetReadOnly(device, false);
    EXPECT_EQ(device.Record().Attributes, 0x70);

    ModelBuilder::SetRecord(device, DeviceRecord{.Attributes = 0x80}); // a bit of no property
    EXPECT_FALSE(device.ReadOnly() || device.NeedsProgramming() || device.HasSeparator() ||
                 device.IsTemplate());
    ModelBuilder::SetIsTemplate(device, true);
    EXPECT_EQ(device.Record().Attributes, 0xC0);
    ModelBuilder::SetHasSeparator(device, true);
    ModelBuilder::SetNeedsProgramming(device, true);
    EXPECT_EQ(device.Record().Attributes, 0xF0);
}

TEST(Device, TenActionListsAreTenSeparateSlotsMadeOnDemand) {
    Device device;
    EXPECT_EQ(&device.ActionsMute(), &device.ActionsMute());
    EXPECT_EQ(device.ActionsMute().Position(), 0);
    EXPECT_EQ(&device.Panels(), &device.Panels());

    std::int32_t position = 100;
    for (const HardKeyInfo& key : HardKeys) {
        auto list = std::make_shared<Actions>();
        ModelBuilder::SetPosition(*list, position++);
        ModelBuilder::SetHardKeyActions(device, key.Key, list);
    }
    // Each named getter reads its own key's slot.
    using Getter = Actions& (Device::*)();
    const std::pair<Getter, HardKey> getters[] = {{&Device::ActionsEntry, HardKey::Entry},
                                                  {&Device::ActionsLeft, HardKey::Left},
                                                  {&Device::ActionsRight, HardKey::Right},
                                                  {&Device::ActionsFarLeft, HardKey::FarLeft},
                                                  {&Device::ActionsFarRight, HardKey::FarRight},
                                                  {&Device::ActionsVolMinus, HardKey::VolMinus},
                                                  {&Device::ActionsVolPlus, HardKey::VolPlus},
                                                  {&Device::ActionsChanMinus, HardKey::ChanMinus},
                                                  {&Device::ActionsChanPlus, HardKey::ChanPlus},
                                                  {&Device::ActionsMute, HardKey::Mute}};
    for (const auto& [get, key] : getters)
        EXPECT_EQ((device.*get)().Position(), 100 + static_cast<std::int32_t>(key));
}

TEST(Device, OnlyTheFourKeysBesideTheScreenTakeALabel) {
    Device device;
    ModelBuilder::SetKeyLabel(device, HardKey::Left, "Guide");
    ModelBuilder::SetKeyLabel(device, HardKey::FarRight, "Exit");
    EXPECT_EQ(device.LeftKeyName(), "Guide");
    EXPECT_EQ(device.FarRightKeyName(), "Exit");
    EXPECT_EQ(device.KeyLabel(HardKey::Right), "");
    EXPECT_EQ(device.KeyLabel(HardKey::Mute), "");
    EXPECT_KELPIE_ERROR(ModelBuilder::SetKeyLabel(device, HardKey::Mute, "Quiet"),
                        ErrorKind::InvalidArgument);
}

TEST(Device, ReadingThroughFindCreatesNothing) {
    const Device device;
    for (const HardKeyInfo& key : HardKeys)
        EXPECT_EQ(device.FindHardKey(key.Key), nullptr);
    EXPECT_EQ(device.FindPanels(), nullptr);

    Device made;
    Actions& left = made.ActionsLeft();
    EXPECT_EQ(made.FindHardKey(HardKey::Left), &left);
    EXPECT_EQ(made.FindHardKey(HardKey::Right), nullptr);
}

} // namespace
