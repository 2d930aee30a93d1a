// The device chains of the three groups, devices, and panel chains.
#include "load/Loader.h"

#include <kelpie/file/CCF.h>
#include "load/Footprints.h"
#include <kelpie/model/Actions.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/Devices.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Panels.h>

namespace kelpie {

using namespace basStructures;

void Loader::LoadDeviceChain(std::int32_t first, Devices& devices) {
    for (std::int32_t pos = first; pos != 0;) {
        CountObject(mtypDevice, pos, footprint::Device);
        pos = LoadDevice(pos, devices.Add());
    }
}

// Loads one device with its names, icons, action lists and panels; returns
// the position of the next device of its group.
std::int32_t Loader::LoadDevice(std::int32_t pos, Device& device) {
    const DeviceRecord record = ReadDevice(file_, pos, format_);
    device.SetRecord(record);
    device.SetPosition(pos);
    device.SetFileFormat(format_);

    device.SetName(ReadCountedName(mtypDevice, pos, record.NamePosition));
    device.SetIconUnselected(LoadIconIfAny(record.PosIconUnselected));
    device.SetIconSelected(LoadIconIfAny(record.PosIconSelected));
    if (record.LeftKeyName != 0)
        device.SetLeftKeyName(ReadCountedName(mtypDevice, pos, record.LeftKeyName));
    if (record.RightKeyName != 0)
        device.SetRightKeyName(ReadCountedName(mtypDevice, pos, record.RightKeyName));
    if (record.FarLeftKeyName != 0)
        device.SetFarLeftKeyName(ReadCountedName(mtypDevice, pos, record.FarLeftKeyName));
    if (record.FarRightKeyName != 0)
        device.SetFarRightKeyName(ReadCountedName(mtypDevice, pos, record.FarRightKeyName));

    // The hard keys' lists, in the order the remote's keys are listed.
    if (record.ActionsEntry != 0) device.SetActionsEntry(LoadActionList(record.ActionsEntry));
    if (record.ActionsLeft != 0) device.SetActionsLeft(LoadActionList(record.ActionsLeft));
    if (record.ActionsRight != 0) device.SetActionsRight(LoadActionList(record.ActionsRight));
    if (record.ActionsFarLeft != 0) device.SetActionsFarLeft(LoadActionList(record.ActionsFarLeft));
    if (record.ActionsFarRight != 0)
        device.SetActionsFarRight(LoadActionList(record.ActionsFarRight));
    if (record.ActionsVolMinus != 0)
        device.SetActionsVolMinus(LoadActionList(record.ActionsVolMinus));
    if (record.ActionsVolPlus != 0) device.SetActionsVolPlus(LoadActionList(record.ActionsVolPlus));
    if (record.ActionsChanMinus != 0)
        device.SetActionsChanMinus(LoadActionList(record.ActionsChanMinus));
    if (record.ActionsChanPlus != 0)
        device.SetActionsChanPlus(LoadActionList(record.ActionsChanPlus));
    if (record.ActionsMute != 0) device.SetActionsMute(LoadActionList(record.ActionsMute));

    LoadPanelChain(record.PosFirstPanel, device.Panels());
    // Registered once its panels are loaded. A chain that comes back to a
    // device loads it again, and the load ends at the first record of that
    // second visit to be registered again: the device itself at the latest.
    Register(devicesByPosition_, pos, device, mtypDevice);
    return record.PosNextDevice;
}

void Loader::LoadPanelChain(std::int32_t first, Panels& panels) {
    for (std::int32_t pos = first; pos != 0;) {
        CountObject(mtypPanel, pos, footprint::Panel);
        pos = LoadPanel(pos, panels.Add());
    }
}

// Loads one panel with its children; returns the position of the next panel.
std::int32_t Loader::LoadPanel(std::int32_t pos, Panel& panel) {
    std::int32_t after = 0;
    const PanelRecord record = ReadPanel(file_, pos, after);
    panel.SetRecord(record);
    panel.SetPosition(pos);

    panel.SetName(ReadCountedName(
        mtypPanel, pos,
        static_cast<std::int32_t>(static_cast<std::uint32_t>(record.NameWord) & ~HiddenBit)));
    auto children = std::make_shared<Children>();
    panel.SetChildren(children);
    LoadChildList(after, record.ChildCount, *children);
    // Registered once its children are loaded (as a device is, above).
    Register(panelsByPosition_, pos, panel, mtypPanel);
    return record.PosNextPanel;
}

} // namespace kelpie
