// Devices: record size per format, the attribute bits, the ten action lists.
#include <kelpie/model/Device.h>

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

    using Getter = Actions& (Device::*)();
    using Setter = void (*)(Device&, std::shared_ptr<Actions>);
    const std::pair<Getter, Setter> slots[] = {
        {&Device::ActionsEntry, &ModelBuilder::SetActionsEntry},
        {&Device::ActionsLeft, &ModelBuilder::SetActionsLeft},
        {&Device::ActionsRight, &ModelBuilder::SetActionsRight},
        {&Device::ActionsFarLeft, &ModelBuilder::SetActionsFarLeft},
        {&Device::ActionsFarRight, &ModelBuilder::SetActionsFarRight},
        {&Device::ActionsVolMinus, &ModelBuilder::SetActionsVolMinus},
        {&Device::ActionsVolPlus, &ModelBuilder::SetActionsVolPlus},
        {&Device::ActionsChanMinus, &ModelBuilder::SetActionsChanMinus},
        {&Device::ActionsChanPlus, &ModelBuilder::SetActionsChanPlus},
        {&Device::ActionsMute, &ModelBuilder::SetActionsMute}};
    std::int32_t position = 100;
    for (const auto& [get, set] : slots) {
        auto list = std::make_shared<Actions>();
        ModelBuilder::SetPosition(*list, position++);
        set(device, list);
    }
    position = 100;
    for (const auto& [get, set] : slots)
        EXPECT_EQ((device.*get)().Position(), position++);
}

} // namespace
