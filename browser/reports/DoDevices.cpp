// Devices and panels.
#include "model/CCFlocal.h"
#include "model/basCCF.h"
#include "reports/HardKeys.h"
#include "reports/ReportLines.h"

#include <cstdio>

namespace vantor {

namespace {

// The attribute column of a device row: "Template, Read Only, Separator" for
// the attributes that are set.
std::string DeviceAttributes(const kelpie::Device& device) {
    std::string text;
    if (device.IsTemplate()) text += ", Template";
    if (device.ReadOnly()) text += ", Read Only";
    if (device.HasSeparator()) text += ", Separator";
    return text.empty() ? text : text.substr(2);
}

std::string UpperHex(std::uint32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

} // namespace

void CCFlocal::DoDevices(kelpie::Devices& devices, std::int32_t& count,
                         const std::string& parentNode) {
    for (kelpie::Device& device : devices) {
        DoDevice(device, parentNode);
        ++count;
    }
}

void CCFlocal::DoDevice(kelpie::Device& device, const std::string& parentNode) {
    SaveObject(device, "D");
    const std::int32_t mode = browser_.OutputMode;
    RtfWriter& out = browser_.Writer;
    const bool fullText =
        mode == omDisplay || (mode == omReportFile && browser_.ReportKind == rkFull);

    std::string node;
    if (mode == omTree) {
        node = AddToTreeView(parentNode, "D", device.Name(), device.Position());
        // The device's icons stand beside it under the group, not under it.
        if (kelpie::Icon* icon = device.IconUnselected())
            DoIcon(*icon, "Device Unselected", false, parentNode, true, 0, 0);
        if (kelpie::Icon* icon = device.IconSelected())
            DoIcon(*icon, "Device Selected", false, parentNode, true, 0, 0);
    } else if (mode == omListView) {
        browser_.ListControl.AddRow({device.Name(),
                                     "Device",
                                     {DeviceAttributes(device)},
                                     MakeTag(key_, "D", device.Position())});
        return;
    }

    if (mode == omReportFile) WriteNamedHeading(out, HeadingDevice, "Device: ", device.Name());
    if (fullText) {
        out.WriteLn(" Properties:");
        out.IndentIn();
        out.WriteLn("Position: " + RtfWriter::FormatPosition(device.Position()));
        WriteNameLine(out, "Name: ", device.Name());
        out.WriteLn("Size: " + std::to_string(device.Size()));
        out.WriteLn(std::string("Is Template :") + YesNo(device.IsTemplate()));
        out.WriteLn(std::string("Is Read Only: ") + YesNo(device.ReadOnly()));
        out.WriteLn(std::string("Has Separator: ") + YesNo(device.HasSeparator()));
        out.WriteLn(std::string("Needs Programming: ") + YesNo(device.NeedsProgramming()));
        if (device.RFExtender() != 0) out.WriteLn("RF Extender: " + UpperHex(device.RFExtender()));
        if (device.Filler1() != 0) out.WriteLn("Filler 1: " + std::to_string(device.Filler1()));
        if (device.Filler2() != 0) out.WriteLn("Filler 2: " + std::to_string(device.Filler2()));
        out.IndentOut();
        out.WriteLn(" Subordinates: ");
        out.IndentIn();
        if (kelpie::Icon* icon = device.IconUnselected())
            DoIcon(*icon, "Device Unselected", false, "", false, 0, 0);
        if (kelpie::Icon* icon = device.IconSelected())
            DoIcon(*icon, "Device Selected", false, "", false, 0, 0);
        out.WriteLn(RtfWriter::FormatPosition(device.PosNextDevice()) + ": Next Device");
        out.WriteLn(RtfWriter::FormatPosition(device.PosFirstPanel()) + ": First Panel");
        out.IndentOut();
    }

    // The display shows one title line per hard key; the tree and the reports
    // go down into the keys' actions and the panels.
    const bool expand = mode != omDisplay;
    out.IndentIn();
    for (const HardKey& key : HardKeysOf(device))
        if (key.List.Count() >= 1) DoActionList(key.Title, key.List, node, expand, expand);
    out.IndentOut();
    if (expand) DoPanels(device.Panels(), node);
}

void CCFlocal::DoPanels(kelpie::Panels& panels, const std::string& parentNode) {
    for (kelpie::Panel& panel : panels)
        DoPanel(panel, parentNode);
}

void CCFlocal::DoPanel(kelpie::Panel& panel, const std::string& parentNode) {
    SaveObject(panel, "P");
    const std::int32_t mode = browser_.OutputMode;
    const std::int32_t kind = browser_.ReportKind;
    RtfWriter& out = browser_.Writer;
    kelpie::Children& children = panel.Children();

    std::string node;
    if (mode == omTree) {
        node = AddToTreeView(parentNode, "P", panel.Name(), panel.Position());
    } else if (mode == omListView) {
        browser_.ListControl.AddRow(
            {panel.Name(),
             "Panel",
             {panel.Hidden() ? "Hidden" : "", std::to_string(children.Count())},
             MakeTag(key_, "P", panel.Position())});
        return;
    }

    if (mode == omReportFile) {
        WriteNamedHeading(out, HeadingPanel, "Panel: ", panel.Name());
        if (kind == rkFull || kind == rkPanels) {
            // The panel as the remote shows it, drawn on the shared canvas.
            out.WriteLn();
            const std::int32_t savedMode = browser_.OutputMode;
            browser_.OutputMode = omDrawPanel;
            browser_.Canvas.ClearPanelPicture();
            bool drawnHasActions = false;
            for (kelpie::Child& child : children)
                DoChild(child, "", 0, 0, drawnHasActions);
            browser_.OutputMode = savedMode;
            out.EmbedPicture(browser_.Canvas.Image());
            out.WriteLn();
        }
    }
    if (mode == omDisplay || (mode == omReportFile && kind == rkFull)) {
        out.WriteLn(" Properties:");
        out.IndentIn();
        out.WriteLn("Position: " + RtfWriter::FormatPosition(panel.Position()));
        WriteNameLine(out, "Name: ", panel.Name());
        out.WriteLn("Size: " + std::to_string(panel.Size()));
        out.WriteLn(std::string("Hidden: ") + YesNo(panel.Hidden()));
        out.WriteLn("Number of child Frames/Buttons: " + std::to_string(children.Count()));
        out.IndentOut();
        out.WriteLn(" Subordinates:");
        out.IndentIn();
        out.WriteLn(RtfWriter::FormatPosition(panel.PosNextPanel()) + ": Next Panel");
        out.IndentOut();
    }

    if (mode == omDisplay) return;
    out.IndentIn();
    bool hasActions = false;
    for (kelpie::Child& child : children)
        DoChild(child, node, 0, 0, hasActions);
    if (mode == omReportFile && (kind == rkFull || kind == rkErrors) && !hasActions)
        out.WriteLn("**** Panel has no actions");
    out.IndentOut();
}

} // namespace vantor
