// The device chains of the three groups, devices, and panel chains.
#include "load/Loader.h"

#include "load/Footprints.h"
#include "load/ModelBuilder.h"
#include <kelpie/file/CCF.h>
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
    ModelBuilder::SetRecord(device, record);
    ModelBuilder::SetPosition(device, pos);
    ModelBuilder::SetFileFormat(device, format_);
    // A chain that comes back to a device would run for ever: a second
    // visit ends the load (the structure map has just reported it).
    Register(devicesByPosition_, pos, device, mtypDevice);

    ModelBuilder::SetName(device, ReadCountedName(mtypDevice, pos, record.NamePosition));
    ModelBuilder::SetIconUnselected(device, LoadIconIfAny(record.PosIconUnselected));
    ModelBuilder::SetIconSelected(device, LoadIconIfAny(record.PosIconSelected));
    if (record.LeftKeyName != 0)
        ModelBuilder::SetLeftKeyName(device, ReadCountedName(mtypDevice, pos, record.LeftKeyName));
    if (record.RightKeyName != 0)
        ModelBuilder::SetRightKeyName(device,
                                      ReadCountedName(mtypDevice, pos, record.RightKeyName));
    if (record.FarLeftKeyName != 0)
        ModelBuilder::SetFarLeftKeyName(device,
                                        ReadCountedName(mtypDevice, pos, record.FarLeftKeyName));
    if (record.FarRightKeyName != 0)
        ModelBuilder::SetFarRightKeyName(device,
                                         ReadCountedName(mtypDevice, pos, record.FarRightKeyName));

    // The hard keys' lists, in the order the remote's keys are listed.
    if (record.ActionsEntry != 0)
        ModelBuilder::SetActionsEntry(device, LoadActionList(record.ActionsEntry));
    if (record.ActionsLeft != 0)
        ModelBuilder::SetActionsLeft(device, LoadActionList(record.ActionsLeft));
    if (record.ActionsRight != 0)
        ModelBuilder::SetActionsRight(device, LoadActionList(record.ActionsRight));
    if (record.ActionsFarLeft != 0)
        ModelBuilder::SetActionsFarLeft(device, LoadActionList(record.ActionsFarLeft));
    if (record.ActionsFarRight != 0)
        ModelBuilder::SetActionsFarRight(device, LoadActionList(record.ActionsFarRight));
    if (record.ActionsVolMinus != 0)
        ModelBuilder::SetActionsVolMinus(device, LoadActionList(record.ActionsVolMinus));
    if (record.ActionsVolPlus != 0)
        ModelBuilder::SetActionsVolPlus(device, LoadActionList(record.ActionsVolPlus));
    if (record.ActionsChanMinus != 0)
        ModelBuilder::SetActionsChanMinus(device, LoadActionList(record.ActionsChanMinus));
    if (record.ActionsChanPlus != 0)
        ModelBuilder::SetActionsChanPlus(device, LoadActionList(record.ActionsChanPlus));
    if (record.ActionsMute != 0)
        ModelBuilder::SetActionsMute(device, LoadActionList(record.ActionsMute));

    LoadPanelChain(record.PosFirstPanel, device.Panels());
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
    ModelBuilder::SetRecord(panel, record);
    ModelBuilder::SetPosition(panel, pos);
    Register(panelsByPosition_, pos, panel, mtypPanel);

    ModelBuilder::SetName(
        panel, ReadCountedName(mtypPanel, pos,
                               static_cast<std::int32_t>(
                                   static_cast<std::uint32_t>(record.NameWord) & ~HiddenBit)));
    auto children = std::make_shared<Children>();
    ModelBuilder::SetChildren(panel, children);
    LoadChildList(after, record.ChildCount, *children);
    return record.PosNextPanel;
}

} // namespace kelpie
