// Devices: record size per format, the attribute bits, the ten action lists.
#include <kelpie/model/Device.h>

#include <kelpie/model/Actions.h>
#include <kelpie/model/Panels.h>

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

TEST(Device, SizeFollowsTheFileFormat) {
    Device device;
    EXPECT_EQ(device.Size(), 65) << "the first format until one is set";
    device.SetFileFormat(fmtv2);
    EXPECT_EQ(device.Size(), 65);
    device.SetFileFormat(fmtV3);
    EXPECT_EQ(device.Size(), 86);
}

TEST(Device, AttributeBitsChangeOnlyTheirOwnBit) {
    Device device;
    device.SetRecord(DeviceRecord{.Attributes = 0x71});
    EXPECT_TRUE(device.ReadOnly() && device.NeedsProgramming() && device.HasSeparator() &&
                device.IsTemplate());
    device.SetReadOnly(false);
    EXPECT_EQ(device.Record().Attributes, 0x70);

    device.SetRecord(DeviceRecord{.Attributes = 0x80}); // a bit of no property
    EXPECT_FALSE(device.ReadOnly() || device.NeedsProgramming() || device.HasSeparator() ||
                 device.IsTemplate());
    device.SetIsTemplate(true);
    EXPECT_EQ(device.Record().Attributes, 0xC0);
    device.SetHasSeparator(true);
    device.SetNeedsProgramming(true);
    EXPECT_EQ(device.Record().Attributes, 0xF0);
}

TEST(Device, TenActionListsAreTenSeparateSlotsMadeOnDemand) {
    Device device;
    EXPECT_EQ(&device.ActionsMute(), &device.ActionsMute());
    EXPECT_EQ(device.ActionsMute().Position(), 0);
    EXPECT_EQ(&device.Panels(), &device.Panels());

    using Getter = Actions& (Device::*)();
    using Setter = void (Device::*)(std::shared_ptr<Actions>);
    const std::pair<Getter, Setter> slots[] = {
        {&Device::ActionsEntry, &Device::SetActionsEntry},
        {&Device::ActionsLeft, &Device::SetActionsLeft},
        {&Device::ActionsRight, &Device::SetActionsRight},
        {&Device::ActionsFarLeft, &Device::SetActionsFarLeft},
        {&Device::ActionsFarRight, &Device::SetActionsFarRight},
        {&Device::ActionsVolMinus, &Device::SetActionsVolMinus},
        {&Device::ActionsVolPlus, &Device::SetActionsVolPlus},
        {&Device::ActionsChanMinus, &Device::SetActionsChanMinus},
        {&Device::ActionsChanPlus, &Device::SetActionsChanPlus},
        {&Device::ActionsMute, &Device::SetActionsMute}};
    std::int32_t position = 100;
    for (const auto& [get, set] : slots) {
        auto list = std::make_shared<Actions>();
        list->SetPosition(position++);
        (device.*set)(list);
    }
    position = 100;
    for (const auto& [get, set] : slots)
        EXPECT_EQ((device.*get)().Position(), position++);
}

} // namespace
