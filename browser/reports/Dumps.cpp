// The five reports.
#include "model/CCFlocal.h"
#include "model/basCCF.h"
#include "reports/MemorySections.h"
#include "reports/ReportHeadings.h"
#include "reports/ReportRun.h"

namespace vantor {

namespace {

// The focused reports begin with their title and the file's name.
bool RunFocusedReport(basCCF& browser, const CCFlocal& file, const std::string& outputFile,
                      ReportKinds kind, const char* title, const std::function<void()>& body) {
    return RunReport(browser, file, outputFile, kind, [&] {
        RtfWriter& writer = browser.Writer;
        WriteHeading(writer, Heading20, title);
        writer.WriteLn();
        writer.WriteLn("CCF File Name: " +
                       RtfWriter::ToWindows1252(file.CCF().CCFfile().FileName()));
        writer.WriteLn();
        body();
    });
}

} // namespace

bool CCFlocal::DumpCCF(const std::string& outputFile, bool showPositions) {
    return RunReport(browser_, *this, outputFile, rkFull, [&] {
        RtfWriter& writer = browser_.Writer;
        DoHeader("");
        writer.WriteLn();
        if (showPositions) {
            WriteStructurePositions(writer, ccf_->CCFfile());
            writer.WriteLn();
        }
        DisplayObjectCounts();
        WriteUnaccountedMemory(writer, ccf_->CCFfile());
    });
}

bool CCFlocal::DumpIcons(const std::string& outputFile) {
    return RunFocusedReport(browser_, *this, outputFile, rkIcons, "Icons Report ", [&] {
        for (auto& icon : ccf_->Icons()) {
            DoIcon(icon, "", true, "", true, 0, 0);
            browser_.Writer.WriteLn();
        }
    });
}

bool CCFlocal::DumpPanels(const std::string& outputFile) {
    return RunFocusedReport(browser_, *this, outputFile, rkPanels, "Panels Report ",
                            [&] { DoHeader(""); });
}

bool CCFlocal::DumpIRCodes(const std::string& outputFile) {
    return RunFocusedReport(browser_, *this, outputFile, rkIRCodes, "IR Codes Report ",
                            [&] { DoHeader(""); });
}

bool CCFlocal::DumpErrors(const std::string& outputFile) {
    return RunFocusedReport(browser_, *this, outputFile, rkErrors, "Errors Report ",
                            [&] { DoHeader(""); });
}

} // namespace vantor
