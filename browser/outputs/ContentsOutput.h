// The table of contents of a report: its device groups, devices and panels
// in the order the report shows them, from a walk that stops at each panel.
#pragma once

#include "outputs/ReportDocument.h"
#include "walk/WalkOutput.h"

#include <vector>

namespace vantor {

class ContentsOutput final : public WalkOutput {
public:
    std::vector<ContentsEntry> TakeEntries() { return std::move(entries_); }

    Node Group(DeviceGroup group, const kelpie::CCF& ccf, const Node& parent) override;
    Visit Device(kelpie::Device& device, const Node& parent) override;
    Visit Panel(kelpie::Panel& panel, const Node& parent, const Drawing& drawing) override;

private:
    std::vector<ContentsEntry> entries_;
};

} // namespace vantor
