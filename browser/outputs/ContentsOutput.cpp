#include "outputs/ContentsOutput.h"

#include "outputs/ReportLines.h"

#include <kelpie/model/Device.h>
#include <kelpie/model/Panel.h>

namespace vantor {

Node ContentsOutput::Group(DeviceGroup group, const kelpie::CCF&, const Node& parent) {
    std::string words = GroupHeading(group);
    // "Home Group: " is listed as "Home Group".
    words.erase(words.find_last_not_of(": ") + 1);
    entries_.push_back({{RecordKind::Group, static_cast<std::int32_t>(group)}, words, {}});
    return parent;
}

Visit ContentsOutput::Device(kelpie::Device& device, const Node& parent) {
    entries_.push_back({{RecordKind::Device, device.Position()}, "Device", device.Name()});
    Visit visit{parent};
    visit.icons = false;
    return visit;
}

Visit ContentsOutput::Panel(kelpie::Panel& panel, const Node& parent, const Drawing&) {
    entries_.push_back({{RecordKind::Panel, panel.Position()}, "Panel", panel.Name()});
    Visit visit{parent};
    visit.below = false; // frames and buttons are not listed
    return visit;
}

} // namespace vantor
