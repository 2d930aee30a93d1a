#include "outputs/ReportDocument.h"

#include "model/Sinks.h"

namespace vantor {

bool ReportDocument::OpenReportFile(const std::string& fileName, const OutputBounds& bounds) {
    if (!file_.Open(fileName, bounds)) {
        ReportFailure("Error opening output file", file_.Error());
        return true;
    }
    try {
        file_.Write(Beginning());
    } catch (const OutputFailed& failure) {
        file_.Discard();
        ReportFailure("Error opening output file", failure.what());
        return true;
    }
    return false;
}

bool ReportDocument::CloseReportFile() {
    try {
        file_.Write(End());
    } catch (const OutputFailed&) {
        file_.Discard();
        return false;
    }
    return file_.Close();
}

void ReportDocument::AbandonReportFile() {
    file_.Discard();
}

void ReportDocument::ReportFailure(const std::string& heading, const std::string& failure) {
    if (failureHandler_)
        failureHandler_(heading, failure);
    else
        ui_.ShowError(heading + "\n" + failure);
}

} // namespace vantor
