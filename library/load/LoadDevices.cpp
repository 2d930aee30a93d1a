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

    ModelBuilder::SetName(device, ReadCountedName(mtypDevice, pos, record.NamePosition));
    ModelBuilder::SetIconUnselected(device, LoadIconIfAny(record.PosIconUnselected));
    ModelBuilder::SetIconSelected(device, LoadIconIfAny(record.PosIconSelected));
    for (const HardKeyInfo& key : HardKeys)
        if (key.LabelPosition && record.*key.LabelPosition != 0)
            ModelBuilder::SetKeyLabel(device, key.Key,
                                      ReadCountedName(mtypDevice, pos, record.*key.LabelPosition));

    // The hard keys' lists, in the order the remote's keys are listed.
    for (const HardKeyInfo& key : HardKeys)
        if (record.*key.ActionsPosition != 0)
            ModelBuilder::SetHardKeyActions(device, key.Key,
                                            LoadActionList(record.*key.ActionsPosition));

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
    ModelBuilder::SetRecord(panel, record);
    ModelBuilder::SetPosition(panel, pos);

    ModelBuilder::SetName(panel, ReadCountedName(
        mtypPanel, pos,
        static_cast<std::int32_t>(static_cast<std::uint32_t>(record.NameWord) & ~HiddenBit)));
    auto children = std::make_shared<Children>();
    ModelBuilder::SetChildren(panel, children);
    LoadChildList(after, record.ChildCount, *children);
    // Registered once its children are loaded (as a device is, above).
    Register(panelsByPosition_, pos, panel, mtypPanel);
    return record.PosNextPanel;
}

} // namespace kelpie
