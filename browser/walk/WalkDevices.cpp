// Devices and panels.
#include "walk/Walker.h"

#include "walk/HardKeys.h"

namespace vantor {

void Walker::DoDevices(kelpie::Devices& devices, std::int32_t& count, const Node& parentNode) {
    const Level level(depth_);
    for (kelpie::Device& device : devices) {
        DoDevice(device, parentNode);
        ++count;
    }
}

void Walker::DoDevice(kelpie::Device& device, const Node& parentNode) {
    const Level level(depth_);
    Register(device, "D");
    Visit visit = output_.Device(device, parentNode);
    if (!visit.below) return;
    {
        // The device's icons stand beside it (under its parent), not under it.
        const Scope subordinates = std::move(visit.scope);
        if (visit.icons) {
            if (kelpie::Icon* icon = device.IconUnselected())
                DoIcon(*icon, "Device Unselected", false, parentNode, false, 0, 0);
            if (kelpie::Icon* icon = device.IconSelected())
                DoIcon(*icon, "Device Selected", false, parentNode, false, 0, 0);
        }
        output_.DeviceEnd(device);
    }
    {
        const Scope keys = output_.Indented();
        for (const HardKey& key : HardKeysOf(device))
            if (key.List && key.List->Count() >= 1)
                DoActionList(key.Title, *key.List, visit.node, visit.expand, visit.expand);
    }
    if (kelpie::Panels* panels = device.FindPanels(); panels && visit.expand)
        DoPanels(*panels, visit.node);
}

void Walker::DoPanels(kelpie::Panels& panels, const Node& parentNode) {
    const Level level(depth_);
    for (kelpie::Panel& panel : panels)
        DoPanel(panel, parentNode);
}

void Walker::DoPanel(kelpie::Panel& panel, const Node& parentNode) {
    const Level level(depth_);
    Register(panel, "P");
    const Drawing drawing{[this, &panel](WalkOutput& draw) {
                              Walker(file_, draw, ui_).DoPanel(panel, {});
                          },
                          AtRoot()};
    const Visit visit = output_.Panel(panel, parentNode, drawing);
    if (!visit.below) return;
    const Scope children = output_.Indented();
    bool hasActions = false;
    if (kelpie::Children* children = panel.FindChildren())
        for (kelpie::Child& child : *children)
            DoChild(child, visit.node, 0, 0, hasActions);
    output_.PanelEnd(panel, hasActions);
}

} // namespace vantor
