#include "ReportCommand.h"

#include "ReportOptions.h"

#include "model/CCFlocal.h"
#include "model/RecordingSinks.h"
#include "model/basCCF.h"

#include "Error.h"

#include <filesystem>
#include <ostream>
#include <utility>

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

// One input file: its own browser state, so that files never share keys,
// registries or writer state.
class FileRun {
public:
    FileRun(const std::string& file, const ReportOptions& options, std::ostream& err)
        : file_(file), options_(options), err_(err), browser_(tree_, list_, display_, ui_) {
        browser_.Writer.SetPlainNameFont(options.PlainNameFont);
        browser_.LibraryFiles.SetNoticeHandler([this](const std::string& text) { Notice(text); });
    }

    // True when the file was loaded and everything asked for was written.
    bool Run() {
        CCFlocal* local = nullptr;
        try {
            local = &browser_.OpenCCF(file_);
        } catch (const std::exception& error) {
            // A partly loaded file would give a report that looks complete;
            // nothing is written for it.
            FlushNotices();
            ReportError(std::string(error.what()) + " (nothing written)");
            return false;
        }
        FlushNotices();
        bool ok = WriteReport(*local);
        if (!options_.ExportIcons.empty()) ok = ExportIcons(*local) && ok;
        if (!options_.ExportPanels.empty()) ok = ExportPanels(*local) && ok;
        return ok;
    }

private:
    void Notice(const std::string& text) {
        if (!options_.Quiet) err_ << file_ << ": notice: " << text << "\n";
    }
    void ReportError(const std::string& text) { err_ << file_ << ": error: " << text << "\n"; }
    void FlushNotices() {
        for (const std::string& message : ui_.Take())
            Notice(message);
    }
    // The step failed: its messages are the reason.
    void FailWith(const std::string& text) {
        std::string reason = text;
        for (const std::string& message : ui_.Take())
            reason += ": " + message;
        ReportError(reason);
    }

    bool WriteReport(CCFlocal& local) {
        const std::string path =
            options_.Output.empty() ? DefaultReportPath(file_, options_.Kind) : options_.Output;
        bool written = false;
        try {
            switch (options_.Kind) {
            case rkFull:
                written = local.DumpCCF(path, options_.Positions);
                break;
            case rkIcons:
                written = local.DumpIcons(path);
                break;
            case rkPanels:
                written = local.DumpPanels(path);
                break;
            case rkIRCodes:
                written = local.DumpIRCodes(path);
                break;
            case rkErrors:
                written = local.DumpErrors(path);
                break;
            }
        } catch (const std::exception& error) {
            browser_.Writer.AbandonReportFile();
            FailWith("cannot write " + path + ": " + error.what());
            return false;
        }
        if (!written) {
            FailWith("cannot write " + path);
            return false;
        }
        FlushNotices();
        return true;
    }

    bool MakeDirectory(const std::string& dir) {
        std::error_code failure;
        std::filesystem::create_directories(dir, failure);
        if (failure) {
            ReportError("cannot create " + dir + ": " + failure.message());
            return false;
        }
        return true;
    }

    static std::string PicturePath(const std::string& dir, const char* prefix,
                                   std::int32_t position) {
        return (std::filesystem::path(dir) / (prefix + std::to_string(position) + ".bmp")).string();
    }

    // Every icon of the file once, as the library writes its bitmap. Icons of
    // an unknown encoding have no picture and are skipped; an icon whose data
    // cannot be decoded is a notice, a file that cannot be written an error.
    bool ExportIcons(CCFlocal& local) {
        if (!MakeDirectory(options_.ExportIcons)) return false;
        bool ok = true;
        for (const kelpie::Icon& icon : local.CCF().Icons()) {
            if (icon.IconType() == kelpie::ictUnknown) continue;
            const std::string path = PicturePath(options_.ExportIcons, "icon-", icon.Position());
            try {
                icon.SaveBitmap(path);
            } catch (const kelpie::Error& error) {
                if (error.Kind() == kelpie::ErrorKind::FileError) {
                    ReportError("cannot write " + path + ": " + error.what());
                    ok = false;
                } else {
                    Notice("icon at " + std::to_string(icon.Position()) +
                           " not exported: " + error.what());
                }
            }
        }
        return ok;
    }

    // Every panel (of the three groups' devices and the macro recording
    // panels) drawn as the viewer draws it, with the viewer's default options.
    bool ExportPanels(CCFlocal& local) {
        if (!MakeDirectory(options_.ExportPanels)) return false;
        browser_.Canvas.Options = ViewerOptions{};
        bool ok = true;
        const auto exportPanel = [&](kelpie::Panel& panel) {
            browser_.OutputMode = omDrawPanel;
            browser_.Canvas.ClearPanelPicture();
            local.DoPanel(panel, "");
            FlushNotices();
            const std::string path = PicturePath(options_.ExportPanels, "panel-", panel.Position());
            if (!browser_.Canvas.SavePanelPicture(path)) {
                ReportError("cannot write " + path);
                ok = false;
            }
        };
        const kelpie::CCF& ccf = local.CCF();
        for (kelpie::Devices* group : {&ccf.HomeGroup(), &ccf.DevicesGroup(), &ccf.MacrosGroup()})
            for (kelpie::Device& device : *group)
                for (kelpie::Panel& panel : device.Panels())
                    exportPanel(panel);
        for (kelpie::Panel& panel : ccf.SpecialPanels())
            exportPanel(panel);
        return ok;
    }

    const std::string& file_;
    const ReportOptions& options_;
    std::ostream& err_;
    RecordingTree tree_;
    RecordingList list_;
    RecordingDisplay display_;
    PendingMessages ui_;
    basCCF browser_;
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
    int status = 0;
    for (const std::string& file : options->Files) {
        FileRun run(file, *options, err);
        if (!run.Run()) status = 1;
    }
    return status;
}

} // namespace vantor
