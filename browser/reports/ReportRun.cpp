#include "reports/ReportRun.h"

#include "model/BusyPointer.h"
#include "model/basCCF.h"

#include "Error.h"

namespace vantor {

bool RunReport(basCCF& browser, const std::string& outputFile, ReportKinds kind,
               const std::function<void()>& body) {
    RtfWriter& writer = browser.Writer;
    browser.OutputMode = omReportFile;
    browser.ReportKind = kind;
    if (writer.OpenReportFile(outputFile)) return false;
    {
        BusyPointer busy(browser.Ui);
        writer.ResetIndent();
        try {
            body();
        } catch (const kelpie::Error& error) {
            writer.WriteLn(); // ends a line the error cut short
            writer.ResetIndent();
            writer.WriteLn(std::string("**** The report is incomplete: ") + error.what());
        } catch (...) {
            writer.AbandonReportFile();
            throw;
        }
    }
    if (!writer.CloseReportFile()) {
        writer.AbandonReportFile();
        return false;
    }
    return true;
}

} // namespace vantor
