#include "session/Reports.h"

#include "outputs/ContentsOutput.h"
#include "outputs/MemorySections.h"
#include "outputs/ReportDocument.h"
#include "outputs/RtfWriter.h"
#include "outputs/TextOutput.h"
#include "session/ReportRun.h"
#include "walk/Walker.h"

#include <kelpie/Error.h>

namespace vantor {

namespace {

// The groups, devices and panels a report shows, for a document that puts a
// table of contents first. A file that ends the walk early ends the table
// there too; the report's own walk meets the same error and says so.
std::vector<ContentsEntry> ContentsOf(CCFlocal& file, UserInterface& ui) {
    ContentsOutput contents;
    try {
        Walker(file, contents, ui).DoHeader("");
    } catch (const kelpie::Error&) {
    }
    return contents.TakeEntries();
}

// A report of one kind: the walk that `body` runs goes into an RtfReport.
// `title` names the report (for a document that shows a title apart).
bool Run(const ReportTools& tools, CCFlocal& file, const std::string& outputFile, ReportKinds kind,
         const std::string& title, const std::function<void(Walker&, TextOutput&)>& body) {
    RtfReport report(tools.Writer, kind, file.CCF().FileFormat(), tools.Canvas);
    Walker walk(file, report, tools.Ui);
    ReportDocument& writer = tools.Writer;
    writer.SetTitle(RtfWriter::ToWindows1252(file.CCF().CCFfile().FileName()) + " - " + title);
    return RunReport(tools, file, outputFile, [&] {
        // Every report but the icons report (a list of the file's icons)
        // goes through the device groups.
        if (writer.TakesContents() && kind != rkIcons)
            writer.WriteContents(ContentsOf(file, tools.Ui));
        body(walk, report);
    });
}

// The focused reports begin with their title and the file's name.
bool RunFocused(const ReportTools& tools, CCFlocal& file, const std::string& outputFile,
                ReportKinds kind, const char* title,
                const std::function<void(Walker&)>& body) {
    return Run(tools, file, outputFile, kind, title, [&](Walker& walk, TextOutput&) {
        ReportDocument& writer = tools.Writer;
        writer.BeginRecord({RecordKind::File, 0});
        writer.WriteHeading(HeadingLevel::Title, title);
        writer.WriteLn();
        writer.WriteLn("CCF File Name: " +
                       RtfWriter::ToWindows1252(file.CCF().CCFfile().FileName()));
        writer.WriteLn();
        body(walk);
    });
}

} // namespace

bool DumpCCF(const ReportTools& tools, CCFlocal& file, const std::string& outputFile,
             bool showPositions) {
    return Run(tools, file, outputFile, rkFull, "Report", [&](Walker& walk, TextOutput& report) {
        ReportDocument& writer = tools.Writer;
        const kelpie::CCFfile& bytes = file.CCF().CCFfile();
        walk.DoHeader("");
        writer.WriteLn();
        if (showPositions) {
            WriteStructurePositions(writer, bytes);
            writer.WriteLn();
        }
        report.ObjectCounts(bytes, file.HomeDeviceCount, file.DeviceCount, file.MacroDeviceCount);
        WriteUnaccountedMemory(writer, bytes);
    });
}

bool DumpIcons(const ReportTools& tools, CCFlocal& file, const std::string& outputFile) {
    return RunFocused(tools, file, outputFile, rkIcons, "Icons Report ", [&](Walker& walk) {
        for (auto& icon : file.CCF().Icons()) {
            walk.DoIcon(icon, "", true, "", true, 0, 0);
            tools.Writer.WriteLn();
        }
    });
}

bool DumpPanels(const ReportTools& tools, CCFlocal& file, const std::string& outputFile) {
    return RunFocused(tools, file, outputFile, rkPanels, "Panels Report ",
                      [](Walker& walk) { walk.DoHeader(""); });
}

bool DumpIRCodes(const ReportTools& tools, CCFlocal& file, const std::string& outputFile) {
    return RunFocused(tools, file, outputFile, rkIRCodes, "IR Codes Report ",
                      [](Walker& walk) { walk.DoHeader(""); });
}

bool DumpErrors(const ReportTools& tools, CCFlocal& file, const std::string& outputFile) {
    return RunFocused(tools, file, outputFile, rkErrors, "Errors Report ",
                      [](Walker& walk) { walk.DoHeader(""); });
}

} // namespace vantor
