// A text document that goes to a report file: the file is written through a
// ReportOutput (a temporary file renamed into place when complete, pictures
// encoded on worker threads), and a failure of the file goes to a handler.
// Each document format writes its own beginning and end of the file.
#pragma once

#include "outputs/ReportOutput.h"
#include "outputs/TextDocument.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantor {

class UserInterface;

// An entry of a report's table of contents: a group, a device or a panel,
// with its heading's words and (for devices and panels) its name.
struct ContentsEntry {
    RecordRef Record;
    std::string Words;
    std::string Name;
};

class ReportDocument : public TextDocument {
public:
    explicit ReportDocument(UserInterface& ui) : ui_(ui) {}

    // Starts the file (it replaces an existing one only once it is complete)
    // and writes the document's beginning. Returns true on failure, after
    // reporting "Error opening output file" and the reason.
    bool OpenReportFile(const std::string& fileName, const OutputBounds& bounds = {});
    // Writes the document's end and puts the file in place. Returns false
    // when some write failed; nothing of the file is left then.
    bool CloseReportFile();
    // Drops an unfinished report file; a file it would have replaced stays.
    void AbandonReportFile();
    bool ReportFileOpen() const noexcept { return file_.IsOpen(); }
    // Why the report file failed: "cannot write PATH: REASON".
    const std::string& FileError() const noexcept { return file_.Error(); }

    // Where a failure of the report file goes: by default a message box of
    // `heading`, a line break and the failure.
    using FailureHandler =
        std::function<void(const std::string& heading, const std::string& failure)>;
    void SetFailureHandler(FailureHandler handler) { failureHandler_ = std::move(handler); }
    void ReportFailure(const std::string& heading, const std::string& failure);

    virtual void ResetIndent() noexcept = 0;

    // The document's title (Windows-1252), for formats that show one apart
    // from the text (a web page's window title). Set before the file opens.
    virtual void SetTitle(const std::string& /*title*/) {}
    // Whether the document puts a table of contents before its lines; if
    // so, WriteContents gets it before the first line.
    virtual bool TakesContents() const { return false; }
    virtual void WriteContents(const std::vector<ContentsEntry>& /*entries*/) {}

protected:
    // The bytes the file begins and ends with; Beginning also starts the
    // state of a new document.
    virtual std::string Beginning() = 0;
    virtual std::string End() = 0;

    ReportOutput file_;

private:
    UserInterface& ui_;
    FailureHandler failureHandler_;
};

} // namespace vantor
