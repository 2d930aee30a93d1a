// The header, the device groups, devices and panels as text.
#include "outputs/TextOutput.h"

#include "outputs/DrawOutput.h"
#include "outputs/PanelCanvas.h"
#include "outputs/ReportLines.h"
#include "outputs/RtfWriter.h"

#include <kelpie/Error.h>
#include <kelpie/file/CCF.h>

#include <cstdio>

namespace vantor {

namespace {

// "d-mmm-yyyy h:nn:ss", with English month names.
std::string FormatDate(const kelpie::CCFDate& date) {
    static constexpr const char* Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* month = date.Month >= 1 && date.Month <= 12 ? Months[date.Month - 1] : "???";
    char text[64];
    std::snprintf(text, sizeof text, "%d-%s-%04d %d:%02d:%02d", date.Day, month, date.Year,
                  date.Hour, date.Minute, date.Second);
    return text;
}

// A CRC word as the report prints it: signed 16-bit decimal.
std::string SignedWord(std::uint16_t value) {
    return std::to_string(static_cast<std::int16_t>(value));
}

std::string UpperHex(std::uint32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

// The CRC line: its position, and when there is one the stored and the
// calculated CRC. A position beyond the end of the file has no calculated
// CRC; the line says so instead of ending the report.
std::string CRCLine(const kelpie::CCF& ccf) {
    std::string line = RtfWriter::FormatPosition(ccf.PosCRC1()) + ": Position of CRC";
    if (ccf.PosCRC1() == 0) return line;
    line += " (Stored: " + SignedWord(ccf.CRC1());
    try {
        line += ", Calculated " + SignedWord(ccf.CalculateCRC());
    } catch (const kelpie::Error&) {
        line += ", Calculated: not possible, the CRC position lies beyond the end of the file";
    }
    return line + ")";
}

void WriteProperties(TextDocument& writer, const kelpie::CCF& ccf, bool hasHomeIcon) {
    const kelpie::CCFfile& file = ccf.CCFfile();
    writer.WriteLn(" Properties:");
    writer.IndentIn();
    writer.BeginBlock(LineBlock::Properties);
    writer.WriteLn("File Name: " + RtfWriter::ToWindows1252(file.FileName()));
    writer.WriteLn("File size: " + std::to_string(file.FileSize()));
    writer.WriteLn("Size: " + std::to_string(ccf.Size()));
    writer.WriteText("Version string: ");
    writer.WriteProntoText(ccf.VersionString());
    writer.WriteLn();
    writer.WriteLn("Modification date: " + FormatDate(ccf.ModificationDate()));
    writer.WriteLn("Version : " + std::to_string(ccf.Version1()) + "." +
                   std::to_string(ccf.Version2()) + "." + std::to_string(ccf.Version3()));
    writer.WriteLn("ID1: " + ccf.ID1());
    writer.WriteLn("ID2: " + ccf.ID2());
    writer.WriteLn(std::string("Configuration is Factory Default: ") +
                   YesNo(ccf.ConfigFactoryDefault()));
    writer.WriteLn(std::string("Configuration is write protected: ") +
                   YesNo(ccf.ConfigWriteProtected()));
    writer.WriteLn(std::string("HOME panels are write protected: ") +
                   YesNo(ccf.HomeWriteProtected()));
    if (!hasHomeIcon) writer.WriteLn("Home Icon: Default");
    // The file stores the channel plus one; 0 means none.
    if (ccf.RFChannel() != 0) writer.WriteLn("RF Channel: " + std::to_string(ccf.RFChannel() - 1));
    const std::int32_t fillers[] = {ccf.Filler1(), ccf.Filler2(), ccf.Filler3(), ccf.Filler4()};
    for (std::size_t i = 0; i < 4; ++i)
        if (fillers[i] != 0)
            writer.WriteLn("Filler " + std::to_string(i + 1) + ": " + std::to_string(fillers[i]));
    writer.EndBlock();
    writer.IndentOut();
}

void WriteSubordinatePositions(TextDocument& writer, const kelpie::CCF& ccf) {
    writer.WriteLn(CRCLine(ccf));
    if (ccf.PosCRC2() != ccf.PosCRC1()) {
        std::string line = RtfWriter::FormatPosition(ccf.PosCRC2()) + ": CRC copy";
        if (ccf.PosCRC2() != 0) line += " (" + SignedWord(ccf.CRC2()) + ")";
        writer.WriteLn(line);
    }
    writer.WriteLn(RtfWriter::FormatPosition(ccf.PosHomeGroup()) + ": First Home Entry");
    writer.WriteLn(RtfWriter::FormatPosition(ccf.PosDeviceGroup()) + ": First Device Group Entry");
    writer.WriteLn(RtfWriter::FormatPosition(ccf.PosMacroGroup()) + ": First Macro Group Entry");
    writer.WriteLn(RtfWriter::FormatPosition(ccf.PosNextTimer()) + ": Position of first Timer");
    writer.WriteLn(RtfWriter::FormatPosition(ccf.PosSpecialPanels()) +
                   ": Position of Macro Recording panel");
}

// The "****" checks of the header: protections, and home panels named "home".
void WriteHeaderChecks(TextDocument& writer, const kelpie::CCF& ccf) {
    if (ccf.ConfigWriteProtected())
        writer.WriteCheck("****Configuration is write protected", {RecordKind::File, 0});
    if (ccf.HomeWriteProtected())
        writer.WriteCheck("****Home panels are write protected", {RecordKind::File, 0});
    for (auto& device : ccf.HomeGroup())
        if (const kelpie::Panels* panels = device.FindPanels())
            for (auto& panel : *panels)
                if (panel.Name() == "home")
                    writer.WriteCheck("****Home panel has name \"home\"",
                                      {RecordKind::Panel, panel.Position()});
}

} // namespace

const char* GroupHeading(DeviceGroup group) {
    switch (group) {
    case DeviceGroup::Home:
        return "Home Group: ";
    case DeviceGroup::Devices:
        return "Devices Group: ";
    case DeviceGroup::Macros:
        return "Macros Group: ";
    case DeviceGroup::MacroRecording:
        break;
    }
    return "Macro Recording Panel: ";
}

Scope TextOutput::Indent() {
    out_.IndentIn();
    return Scope(*this);
}

Scope TextOutput::Indented() {
    return Indent();
}

void TextOutput::CloseScope() {
    out_.IndentOut();
}

Visit TextOutput::Below(const Node& parent, bool below, Scope scope) const {
    Visit visit{parent, below, lines_.InReport(), Carries(Lines::Block), std::move(scope)};
    return visit;
}

void TextOutput::DrawShown(const Drawing& drawing) {
    if (lines_.InReport() || !drawing.Root) return;
    DrawOutput draw(canvas_, format_);
    drawing.Draw(draw);
}

Visit TextOutput::Header(const kelpie::CCF& ccf, const Node& parent, bool hasHomeIcon) {
    if (Carries(Lines::FileHeading)) {
        out_.BeginRecord({RecordKind::File, 0});
        out_.WriteHeading(HeadingLevel::Title, RtfWriter::ToWindows1252(ccf.CCFfile().FileName()));
    }
    Scope subordinates;
    if (Carries(Lines::Block)) {
        out_.WriteLn("CCF File Header");
        WriteProperties(out_, ccf, hasHomeIcon);
        out_.WriteLn(" Subordinates:");
        subordinates = Indent();
        WriteSubordinatePositions(out_, ccf);
    }
    return Below(parent, lines_.InReport(), std::move(subordinates));
}

void TextOutput::HeaderEnd(const kelpie::CCF& ccf, std::int32_t homeDevices, std::int32_t devices,
                           std::int32_t macroDevices) {
    // The display pane counts the objects of the file it shows.
    if (!lines_.InReport()) ObjectCounts(ccf.CCFfile(), homeDevices, devices, macroDevices);
    if (Carries(Lines::Check)) WriteHeaderChecks(out_, ccf);
}

Node TextOutput::Group(DeviceGroup group, const kelpie::CCF&, const Node& parent) {
    if (Carries(Lines::Heading)) {
        out_.BeginRecord({RecordKind::Group, static_cast<std::int32_t>(group)});
        out_.WriteHeading(HeadingLevel::Section, GroupHeading(group));
    }
    return parent;
}

Visit TextOutput::Device(kelpie::Device& device, const Node& parent) {
    if (Carries(Lines::Heading)) {
        out_.BeginRecord({RecordKind::Device, device.Position()});
        out_.WriteHeading(HeadingLevel::Device, "Device: ", &device.Name());
    }
    Scope subordinates;
    if (Carries(Lines::Block)) {
        out_.WriteLn(" Properties:");
        out_.IndentIn();
        out_.BeginBlock(LineBlock::Properties);
        out_.WriteLn("Position: " + RtfWriter::FormatPosition(device.Position()));
        WriteNameLine(out_, "Name: ", device.Name());
        out_.WriteLn("Size: " + std::to_string(device.Size()));
        out_.WriteLn(std::string("Is Template :") + YesNo(device.IsTemplate()));
        out_.WriteLn(std::string("Is Read Only: ") + YesNo(device.ReadOnly()));
        out_.WriteLn(std::string("Has Separator: ") + YesNo(device.HasSeparator()));
        out_.WriteLn(std::string("Needs Programming: ") + YesNo(device.NeedsProgramming()));
        if (device.RFExtender() != 0)
            out_.WriteLn("RF Extender: " + UpperHex(device.RFExtender()));
        if (device.Filler1() != 0) out_.WriteLn("Filler 1: " + std::to_string(device.Filler1()));
        if (device.Filler2() != 0) out_.WriteLn("Filler 2: " + std::to_string(device.Filler2()));
        out_.EndBlock();
        out_.IndentOut();
        out_.WriteLn(" Subordinates: ");
        subordinates = Indent();
    }
    // The display shows one title line per hard key; the reports go down into
    // the keys' actions and the panels.
    return Below(parent, true, std::move(subordinates));
}

void TextOutput::DeviceEnd(const kelpie::Device& device) {
    if (!Carries(Lines::Block)) return;
    out_.WriteLn(RtfWriter::FormatPosition(device.PosNextDevice()) + ": Next Device");
    out_.WriteLn(RtfWriter::FormatPosition(device.PosFirstPanel()) + ": First Panel");
}

Visit TextOutput::Panel(kelpie::Panel& panel, const Node& parent, const Drawing& drawing) {
    DrawShown(drawing);
    if (Carries(Lines::Heading)) {
        out_.BeginRecord({RecordKind::Panel, panel.Position()});
        out_.WriteHeading(HeadingLevel::Panel, "Panel: ", &panel.Name());
    }
    if (Carries(Lines::PanelPicture)) {
        // The panel as the remote shows it, drawn on the shared canvas.
        out_.WriteLn();
        canvas_.ClearPanelPicture();
        DrawOutput draw(canvas_, format_);
        drawing.Draw(draw);
        out_.EmbedPicture(canvas_.Image());
        out_.WriteLn();
    }
    if (Carries(Lines::Block)) {
        out_.WriteLn(" Properties:");
        out_.IndentIn();
        out_.BeginBlock(LineBlock::Properties);
        out_.WriteLn("Position: " + RtfWriter::FormatPosition(panel.Position()));
        WriteNameLine(out_, "Name: ", panel.Name());
        out_.WriteLn("Size: " + std::to_string(panel.Size()));
        out_.WriteLn(std::string("Hidden: ") + YesNo(panel.Hidden()));
        out_.WriteLn("Number of child Frames/Buttons: " +
                     std::to_string(kelpie::CountOf(panel.FindChildren())));
        out_.EndBlock();
        out_.IndentOut();
        out_.WriteLn(" Subordinates:");
        out_.IndentIn();
        out_.WriteLn(RtfWriter::FormatPosition(panel.PosNextPanel()) + ": Next Panel");
        out_.IndentOut();
    }
    // The display pane shows the panel's own block only.
    return Below(parent, lines_.InReport());
}

void TextOutput::PanelEnd(const kelpie::Panel& panel, bool hasActions) {
    if (Carries(Lines::Check) && !hasActions)
        out_.WriteCheck("**** Panel has no actions", {RecordKind::Panel, panel.Position()});
}

void TextOutput::ObjectCounts(const kelpie::CCFfile& file, std::int32_t homeDevices,
                              std::int32_t devices, std::int32_t macroDevices) {
    std::int32_t start = -1, startNext = -1;
    out_.EndRecords(); // the counts are the whole file's
    if (lines_.InReport()) out_.WriteLn("********************");
    out_.WriteLn(" Object Counts:");
    out_.IndentIn();
    static constexpr struct {
        const char* Label;
        kelpie::CCFtypes Type;
    } Counts[] = {
        {"Number of Headers     = ", kelpie::mtypHeader},
        {"Number of Entries     = ", kelpie::mtypDevice},
        {"Number of Panels      = ", kelpie::mtypPanel},
        {"Number of Frames      = ", kelpie::mtypFrame},
        {"Number of Buttons     = ", kelpie::mtypButton},
        {"Number of ActionLists = ", kelpie::mtypActionList},
        {"Number of Actions     = ", kelpie::mtypAction},
        {"Number of Icons       = ", kelpie::mtypIcon},
        {"Number of IRCodes     = ", kelpie::mtypIRCode},
        {"Number of Timers      = ", kelpie::mtypTimer},
    };
    for (const auto& count : Counts) {
        std::string line =
            count.Label + std::to_string(file.ObjectCount(count.Type, start, startNext));
        if (count.Type == kelpie::mtypDevice)
            line += " (Home - " + std::to_string(homeDevices) + ", Devices - " +
                    std::to_string(devices) + ", Macros - " + std::to_string(macroDevices) + ")";
        out_.WriteLn(line);
    }
    out_.IndentOut();

    out_.WriteLn("Memory Usage:");
    out_.IndentIn();
    // The first area of each record kind, listed in the order the kinds first
    // appear in the file. Child entries and actions lie inside their owners'
    // records and are not listed; on equal starts the lower kind wins.
    constexpr int Kinds = kelpie::mtypName + 1;
    std::int32_t starts[Kinds], nexts[Kinds];
    for (int type = 0; type < Kinds; ++type) {
        starts[type] = -1;
        if (type == kelpie::mtypNotStructure || type == kelpie::mtypChild ||
            type == kelpie::mtypAction)
            continue;
        file.ObjectCount(type, starts[type], nexts[type]);
    }
    for (std::int32_t previous = -1;;) {
        int chosen = -1;
        std::int64_t candidate = std::int64_t{file.FileSize()} + 1;
        for (int type = 0; type < Kinds; ++type)
            if (starts[type] != -1 && starts[type] > previous && starts[type] < candidate) {
                candidate = starts[type];
                chosen = type;
            }
        if (chosen == -1) break;
        const std::int32_t used = nexts[chosen] - starts[chosen];
        out_.WriteLn("First " + kelpie::CCFfile::ObjectName(chosen) + " is at " +
                     std::to_string(starts[chosen]) + ", memory used is " + std::to_string(used) +
                     " (" + RtfWriter::FormatPercent(used, file.FileSize()) + ")");
        previous = starts[chosen];
    }
    out_.IndentOut();
}

} // namespace vantor
