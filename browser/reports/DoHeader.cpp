// The header section, object counts, memory usage, structure positions and
// unaccounted memory.
#include "model/CCFlocal.h"
#include "model/basCCF.h"
#include "reports/ReportHeadings.h"

#include <kelpie/Error.h>

#include <cstdio>

namespace vantor {

namespace {

// The home icon is the unselected icon of the home group's first device; a
// file with an empty home group has none (the library refuses to look).
kelpie::Icon* HomeIconOf(const kelpie::CCF& ccf) {
    return ccf.HomeGroup().Count() >= 1 ? ccf.HomeIcon() : nullptr;
}

const char* YesNo(bool value) {
    return value ? "Yes" : "No";
}

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

void WriteProperties(RtfWriter& writer, const kelpie::CCF& ccf, bool hasHomeIcon) {
    const kelpie::CCFfile& file = ccf.CCFfile();
    writer.WriteLn(" Properties:");
    writer.IndentIn();
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
    writer.IndentOut();
}

void WriteSubordinatePositions(RtfWriter& writer, const kelpie::CCF& ccf) {
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
void WriteHeaderChecks(RtfWriter& writer, const kelpie::CCF& ccf) {
    if (ccf.ConfigWriteProtected()) writer.WriteLn("****Configuration is write protected");
    if (ccf.HomeWriteProtected()) writer.WriteLn("****Home panels are write protected");
    for (auto& device : ccf.HomeGroup())
        for (auto& panel : device.Panels())
            if (panel.Name() == "home") writer.WriteLn("****Home panel has name \"home\"");
}

} // namespace

void CCFlocal::DoHeader(const std::string& parentNode) {
    kelpie::CCF& ccf = *ccf_;
    SaveObject(ccf, "H");
    RtfWriter& writer = browser_.Writer;
    const std::int32_t position = ccf.Position();
    kelpie::Icon* homeIcon = HomeIconOf(ccf);

    switch (browser_.OutputMode) {
    case omTree: {
        if (homeIcon) DoIcon(*homeIcon, "Home", false, parentNode, false, 0, 0);
        HomeDeviceCount = 0;
        DoDevices(ccf.HomeGroup(), HomeDeviceCount, AddToTreeView(parentNode, "Z", "", position));
        DeviceCount = 0;
        DoDevices(ccf.DevicesGroup(), DeviceCount, AddToTreeView(parentNode, "G", "", position));
        MacroDeviceCount = 0;
        DoDevices(ccf.MacrosGroup(), MacroDeviceCount,
                  AddToTreeView(parentNode, "M", "", position));
        if (ccf.SpecialPanels().Count() >= 1)
            DoPanels(ccf.SpecialPanels(), AddToTreeView(parentNode, "Y", "", position));
        return;
    }
    case omListView: {
        ListSink& list = browser_.ListControl;
        list.AddColumn("Group", 2000);
        list.AddRow({"Home", "Home", {}, MakeTag(key_, "Z", position)});
        list.AddRow({"Devices", "DeviceGroup", {}, MakeTag(key_, "G", position)});
        list.AddRow({"Macros", "MacroGroup", {}, MakeTag(key_, "M", position)});
        if (ccf.Version3() != 60)
            list.AddRow({"Default", "Panel", {}, MakeTag(key_, "Y", position)});
        return;
    }
    case omDisplay:
    case omReportFile:
        break;
    default:
        return; // nothing of the header is drawn
    }

    const bool report = browser_.OutputMode == omReportFile;
    const bool full = report && browser_.ReportKind == rkFull;
    if (full) WriteHeading(writer, Heading20, RtfWriter::ToWindows1252(ccf.CCFfile().FileName()));
    if (!report || full) {
        writer.WriteLn("CCF File Header");
        WriteProperties(writer, ccf, homeIcon != nullptr);
        writer.WriteLn(" Subordinates:");
        writer.IndentIn();
        WriteSubordinatePositions(writer, ccf);
        if (homeIcon) DoIcon(*homeIcon, "Home", false, "", report, 0, 0);
        writer.IndentOut();
    }
    if (!report) {
        // The device counters hold the values of the tree build.
        DisplayObjectCounts();
        return;
    }
    if (browser_.ReportKind == rkFull || browser_.ReportKind == rkErrors)
        WriteHeaderChecks(writer, ccf);
    WriteHeading(writer, Heading20, "Home Group: ");
    HomeDeviceCount = 0;
    DoDevices(ccf.HomeGroup(), HomeDeviceCount, "");
    WriteHeading(writer, Heading20, "Devices Group: ");
    DeviceCount = 0;
    DoDevices(ccf.DevicesGroup(), DeviceCount, "");
    WriteHeading(writer, Heading20, "Macros Group: ");
    MacroDeviceCount = 0;
    DoDevices(ccf.MacrosGroup(), MacroDeviceCount, "");
    if (ccf.SpecialPanels().Count() >= 1) {
        WriteHeading(writer, Heading20, "Macro Recording Panel: ");
        DoPanels(ccf.SpecialPanels(), "");
    }
}

void CCFlocal::DisplayObjectCounts() {
    RtfWriter& writer = browser_.Writer;
    const kelpie::CCFfile& file = ccf_->CCFfile();
    std::int32_t start = -1, startNext = -1;
    if (browser_.OutputMode == omReportFile) writer.WriteLn("********************");
    writer.WriteLn(" Object Counts:");
    writer.IndentIn();
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
            line += " (Home - " + std::to_string(HomeDeviceCount) + ", Devices - " +
                    std::to_string(DeviceCount) + ", Macros - " + std::to_string(MacroDeviceCount) +
                    ")";
        writer.WriteLn(line);
    }
    writer.IndentOut();

    writer.WriteLn("Memory Usage:");
    writer.IndentIn();
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
        writer.WriteLn("First " + kelpie::CCFfile::ObjectName(chosen) + " is at " +
                       std::to_string(starts[chosen]) + ", memory used is " + std::to_string(used) +
                       " (" + RtfWriter::FormatPercent(used, file.FileSize()) + ")");
        previous = starts[chosen];
    }
    writer.IndentOut();
}

} // namespace vantor
