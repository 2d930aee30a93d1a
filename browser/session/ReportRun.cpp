#include "session/ReportRun.h"

#include "model/BusyPointer.h"
#include "model/CCFlocal.h"
#include "outputs/OutputFile.h"
#include "outputs/ReportDocument.h"

#include <kelpie/Error.h>

#include <new>

namespace vantor {

bool RunReport(const ReportTools& tools, const CCFlocal& input, const std::string& outputFile,
               const std::function<void()>& body) {
    ReportDocument& writer = tools.Writer;
    const kelpie::CCFfile& file = input.CCF().CCFfile();
    if (writer.OpenReportFile(outputFile, BoundsFor(file.FileName(), file.FileSize())))
        return false;
    std::string failure;
    {
        BusyPointer busy(tools.Ui);
        writer.ResetIndent();
        try {
            try {
                body();
            } catch (const kelpie::Error& error) {
                writer.WriteLn(); // ends a line the error cut short
                writer.ResetIndent();
                writer.EndRecords(); // the line is about the whole report
                writer.WriteLn(std::string("**** The report is incomplete: ") + error.what());
            }
        } catch (const OutputFailed& error) {
            failure = error.what();
        } catch (const std::bad_alloc&) {
            failure = "out of memory while writing the report";
        } catch (...) {
            writer.AbandonReportFile();
            throw;
        }
    }
    if (failure.empty() && writer.CloseReportFile()) return true;
    writer.AbandonReportFile();
    writer.ReportFailure("Error writing output file",
                         failure.empty() ? writer.FileError() : failure);
    return false;
}

} // namespace vantor
