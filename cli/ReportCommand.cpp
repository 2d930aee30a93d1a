#include "ReportCommand.h"

#include "OutputPlan.h"
#include "ReportOptions.h"

#include "exports/ExportFormats.h"
#include "exports/ExportOutput.h"
#include "exports/NoticeSpool.h"
#include "model/CCFlocal.h"
#include "model/Sinks.h"
#include "outputs/HtmlWriter.h"
#include "outputs/OutputFile.h"
#include "outputs/OutputFolder.h"
#include "outputs/PanelCanvas.h"
#include "outputs/RtfWriter.h"
#include "session/Reports.h"

#include <kelpie/Error.h>
#include <kelpie/model/CCFs.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <ostream>
#include <utility>

#include <unistd.h>

namespace vantor {

namespace {

// Message boxes of the browser, held until the step that raised them is
// known to have failed (they explain the error) or not (they are notices).
class PendingMessages final : public UserInterface {
public:
    void ShowMessage(const std::string& text) override { messages_.push_back(OneLine(text)); }
    void SetBusy(bool) override {}

    std::vector<std::string> Take() { return std::exchange(messages_, {}); }

private:
    // A message box's line breaks become ": " on a one-line report.
    static std::string OneLine(std::string text) {
        std::string line;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') continue;
            line += text[i] == '\n' ? std::string(": ") : std::string(1, text[i]);
        }
        return line;
    }
    std::vector<std::string> messages_;
};

// Standard input as a file image, read up to the largest size a CCF file
// may have (a larger one is refused by the loader).
std::vector<std::uint8_t> ReadStandardInput() {
    std::vector<std::uint8_t> bytes;
    char block[1 << 16];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0)
            throw kelpie::Error(kelpie::ErrorKind::FileError,
                                std::string("Cannot read standard input: ") + std::strerror(errno));
        if (got == 0) return bytes;
        bytes.insert(bytes.end(), block, block + got);
        if (static_cast<std::int64_t>(bytes.size()) > kelpie::CCFfile::MaxFileSize) return bytes;
    }
}

// Whether any export asked for has a property of the table.
bool AnyExport(const FileOutputs& outputs, bool ExportFormatEntry::*property) {
    return std::ranges::any_of(outputs.Exports,
                               [&](const auto& asked) { return EntryOf(asked.first).*property; });
}

// One input file: its own browser state, so that files never share keys,
// registries or writer state.
class FileRun final : ExportLog {
public:
    FileRun(const FileOutputs& outputs, const ReportOptions& options, std::ostream& err)
        : file_(outputs.Input), outputs_(outputs), options_(options), err_(err),
          listsNotices_(AnyExport(outputs, &ExportFormatEntry::ListsNotices)), writer_(ui_),
          page_(ui_), canvas_(ui_) {
        writer_.SetPlainNameFont(options.PlainNameFont);
        const auto failed = [this](const std::string&, const std::string& failure) {
            writeFailure_ = failure;
        };
        writer_.SetFailureHandler(failed);
        page_.SetFailureHandler(failed);
        files_.SetNoticeHandler([this](const std::string& text) {
            // Kept for an export that lists them (the JSON); a damaged file
            // may have a hundred thousand.
            if (listsNotices_) loadNotices_.Add(text);
            Notice(text);
        });
    }

    // True when the file was loaded and everything asked for was written.
    bool Run(const std::vector<std::string>& inputs) {
        // Nothing of a file is written when one of its outputs is an input.
        if (const std::string clash = InputClash(outputs_, inputs); !clash.empty()) {
            ReportError(clash);
            return false;
        }
        CCFlocal* local = nullptr;
        try {
            if (file_ == "-") standardInput_ = ReadStandardInput();
            local = &Open();
        } catch (const std::bad_alloc&) {
            FlushNotices();
            ReportError("out of memory while loading the file (nothing written)");
            return false;
        } catch (const std::exception& error) {
            FlushNotices();
            return RescuePartlyLoaded(error.what());
        }
        FlushNotices();
        standardInput_.reset(); // kept only to rescue a damaged file
        bool ok = true;
        if (!outputs_.Report.empty()) ok = WriteReport(*local);
        const ExportSource source{.File = local->CCF(),
                                  .Ui = &ui_,
                                  .Local = local,
                                  .LoadNotices = &loadNotices_};
        return WriteExports(source, false) && ok;
    }

private:
    // Loads the file; a file whose load failed is dropped again. The
    // command shows no tree: the reports walk the graph themselves.
    CCFlocal& Open() {
        try {
            if (standardInput_)
                files_.AddBytes(file_, *standardInput_);
            else
                files_.Add(file_);
        } catch (...) {
            if (files_.Contains(file_)) files_.Remove(file_);
            throw;
        }
        local_ = std::make_unique<CCFlocal>(files_.ItemPtr(1), "CCF1");
        return *local_;
    }

    // One line in one write, so that the lines of a file with many notices
    // cost little and never mix with another writer's.
    void Line(const char* kind, const std::string& text) {
        err_ << (file_ + ": " + kind + ": " + text + "\n");
    }
    void Notice(const std::string& text) override {
        if (!options_.Quiet) Line("notice", text);
    }
    void ReportError(const std::string& text) { Line("error", text); }
    void Error(const std::string& text) override { ReportError(text); }
    // The messages of drawing a panel are its notices.
    void StepEnded() override { FlushNotices(); }
    void FlushNotices() {
        for (const std::string& message : ui_.Take())
            Notice(message);
    }

    // A load that ended with an error: a report or a picture of a partly
    // loaded file would look complete, so none is written. The IR codes, the
    // JSON and the byte map exist to rescue what a damaged file holds: they
    // are written from the partly loaded graph, and the JSON names the error.
    bool RescuePartlyLoaded(const std::string& loadError) {
        const bool rescue = AnyExport(outputs_, &ExportFormatEntry::Rescues);
        // The partly loaded file was dropped; load it once more (its
        // notices were printed already). A file whose
        // bytes could not be read at all has nothing to rescue.
        kelpie::CCFs partly;
        partly.SetNoticeHandler([](const std::string&) {});
        if (rescue) {
            try {
                if (standardInput_)
                    partly.AddBytes(file_, std::move(*standardInput_));
                else
                    partly.Add(file_);
            } catch (const std::exception&) {
            }
        }
        if (partly.Count() < 1 || partly.Item(1).CCFfile().FileSize() == 0) {
            ReportError(loadError + " (nothing written)");
            return false;
        }
        ReportError(loadError + " (exporting what was loaded)");
        const ExportSource source{
            .File = partly.Item(1), .LoadNotices = &loadNotices_, .LoadError = loadError};
        WriteExports(source, true);
        return false;
    }

    // The exports asked for, in the table's order; of a partly loaded file
    // only those that rescue what it holds.
    bool WriteExports(const ExportSource& source, bool partlyLoaded) {
        const kelpie::CCFfile& image = source.File.CCFfile();
        ExportOutput output(BoundsFor(image.FileName(), image.FileSize()), *this);
        bool ok = true;
        for (const ExportFormatEntry& entry : ExportFormats()) {
            const auto asked = outputs_.Exports.find(entry.Format);
            if (asked == outputs_.Exports.end() || (partlyLoaded && !entry.Rescues)) continue;
            ok = entry.Write(source, options_.ExportSettings, asked->second, output) && ok;
        }
        return ok;
    }

    bool WriteReport(CCFlocal& local) {
        if (!MakeFolderOf(outputs_.Report)) return false;
        const std::string& path = outputs_.Report;
        bool written = false;
        writeFailure_.clear();
        try {
            const ReportTools tools{Document(), canvas_, ui_};
            switch (options_.Kind) {
            case rkFull:
                written = DumpCCF(tools, local, path, options_.Positions);
                break;
            case rkIcons:
                written = DumpIcons(tools, local, path);
                break;
            case rkPanels:
                written = DumpPanels(tools, local, path);
                break;
            case rkIRCodes:
                written = DumpIRCodes(tools, local, path);
                break;
            case rkErrors:
                written = DumpErrors(tools, local, path);
                break;
            }
        } catch (const std::exception& error) {
            Document().AbandonReportFile();
            writeFailure_ = "cannot write " + path + ": " + error.what();
        }
        FlushNotices();
        if (written) return true;
        ReportError(writeFailure_.empty() ? "cannot write " + path : writeFailure_);
        return false;
    }

    ReportDocument& Document() {
        if (options_.Format == ReportFormat::Html) return page_;
        return writer_;
    }

    // The folder of a report named by --output-dir may not exist yet.
    bool MakeFolderOf(const std::string& path) {
        std::string error;
        if (vantor::MakeFolderOf(path, error)) return true;
        ReportError(error);
        return false;
    }

    const std::string& file_;
    const FileOutputs& outputs_;
    const ReportOptions& options_;
    std::ostream& err_;
    const bool listsNotices_; // the notices of the load are kept for an export
    std::optional<std::vector<std::uint8_t>> standardInput_;
    std::string writeFailure_;
    NoticeSpool loadNotices_;
    PendingMessages ui_;
    kelpie::CCFs files_;
    std::unique_ptr<CCFlocal> local_;
    RtfWriter writer_;
    HtmlWriter page_;
    PanelCanvas canvas_;
};

} // namespace

int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string usageError;
    const std::optional<ReportOptions> options = ParseReportOptions(args, usageError);
    if (!options) {
        err << "vantor-report: " << usageError << "\n" << ReportUsage();
        return 2;
    }
    if (options->Help) {
        out << ReportHelp();
        return 0;
    }
    if (options->Version) {
        out << "vantor-report " VANTOR_VERSION "\n";
        return 0;
    }
    const std::optional<std::vector<FileOutputs>> plan = PlanOutputs(*options, usageError);
    if (!plan) {
        err << "vantor-report: " << usageError << "\n";
        return 2;
    }
    int status = 0;
    for (const FileOutputs& outputs : *plan) {
        FileRun run(outputs, *options, err);
        if (!run.Run(options->Files)) status = 1;
    }
    return status;
}

} // namespace vantor
