#include "session/Reports.h"

#include "outputs/MemorySections.h"
#include "outputs/TextOutput.h"
#include "session/ReportRun.h"
#include "walk/Walker.h"

namespace vantor {

namespace {

// A report of one kind: the walk that `body` runs goes into an RtfReport.
bool Run(const ReportTools& tools, CCFlocal& file, const std::string& outputFile,
         ReportKinds kind, const std::function<void(Walker&, TextOutput&)>& body) {
    RtfReport report(tools.Writer, kind, file.CCF().FileFormat(), tools.Canvas);
    Walker walk(file, report, tools.Ui);
    return RunReport(tools, file, outputFile, [&] { body(walk, report); });
}

// The focused reports begin with their title and the file's name.
bool RunFocused(const ReportTools& tools, CCFlocal& file, const std::string& outputFile,
                ReportKinds kind, const char* title,
                const std::function<void(Walker&)>& body) {
    return Run(tools, file, outputFile, kind, [&](Walker& walk, TextOutput&) {
        RtfWriter& writer = tools.Writer;
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
    return Run(tools, file, outputFile, rkFull, [&](Walker& walk, TextOutput& report) {
        RtfWriter& writer = tools.Writer;
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
