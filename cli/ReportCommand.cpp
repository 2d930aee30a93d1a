#include "ReportCommand.h"

#include "ByteMap.h"
#include "GraphJson.h"
#include "IRCodeExport.h"
#include "OutputPlan.h"
#include "ReportOptions.h"

#include "model/CCFlocal.h"
#include "model/RecordingSinks.h"
#include "model/basCCF.h"
#include "outputs/OutputFile.h"
#include "outputs/PictureFile.h"

#include <kelpie/Error.h>

#include <QByteArray>
#include <QImage>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
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

// The command shows no tree: the walker's nodes are let go as they come
// (keeping them cost a quarter of the time of a large file's full report),
// and so is the registry of the objects behind them (a large file's full
// report took twice its size in memory for it).
class UnshownTree final : public TreeSink {
public:
    void AddNode(const std::string&, const std::string&, const std::string&, const std::string&,
                 const std::string&) override {}
    void ExpandNode(const std::string&) override {}
    void RemoveNode(const std::string&) override {}
    bool KeepsNodes() const override { return false; }
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

// One input file: its own browser state, so that files never share keys,
// registries or writer state.
class FileRun {
public:
    FileRun(const FileOutputs& outputs, const ReportOptions& options, std::ostream& err)
        : file_(outputs.Input), outputs_(outputs), options_(options), err_(err),
          browser_(tree_, list_, display_, ui_) {
        browser_.Writer.SetPlainNameFont(options.PlainNameFont);
        browser_.Writer.SetFailureHandler(
            [this](const std::string&, const std::string& failure) { writeFailure_ = failure; });
        browser_.LibraryFiles.SetNoticeHandler([this](const std::string& text) {
            // Kept for the JSON, which lists them; a damaged file may have
            // a hundred thousand.
            if (options_.Json) loadNotices_.Add(text);
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
            local = &browser_.OpenCCF(file_, standardInput_);
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
        const kelpie::CCFfile& image = local->CCF().CCFfile();
        bounds_ = BoundsFor(image.FileName(), image.FileSize());
        bool ok = true;
        if (!outputs_.Report.empty()) ok = WriteReport(*local);
        if (!options_.ExportIcons.empty()) ok = ExportIcons(*local) && ok;
        if (!options_.ExportPanels.empty()) ok = ExportPanels(*local) && ok;
        return WriteExports(local->CCF(), "") && ok;
    }

private:
    // One line in one write, so that the lines of a file with many notices
    // cost little and never mix with another writer's.
    void Line(const char* kind, const std::string& text) {
        err_ << (file_ + ": " + kind + ": " + text + "\n");
    }
    void Notice(const std::string& text) {
        if (!options_.Quiet) Line("notice", text);
    }
    void ReportError(const std::string& text) { Line("error", text); }
    void FlushNotices() {
        for (const std::string& message : ui_.Take())
            Notice(message);
    }

    // A load that ended with an error: a report or a picture of a partly
    // loaded file would look complete, so none is written. The IR codes, the
    // JSON and the byte map exist to rescue what a damaged file holds: they
    // are written from the partly loaded graph, and the JSON names the error.
    bool RescuePartlyLoaded(const std::string& loadError) {
        const bool rescue =
            !outputs_.IRCodes.empty() || !outputs_.Json.empty() || !outputs_.ByteMap.empty();
        // The browser dropped the partly loaded file; load it once more
        // without the views (its notices were printed already). A file whose
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
        const kelpie::CCFfile& image = partly.Item(1).CCFfile();
        bounds_ = BoundsFor(image.FileName(), image.FileSize());
        WriteExports(partly.Item(1), loadError);
        return false;
    }

    bool WriteExports(const kelpie::CCF& ccf, const std::string& loadError) {
        bool ok = true;
        if (options_.IRCodes == "csv")
            ok = WriteOutput("the IR codes export", outputs_.IRCodes, [&](std::ostream& out) {
                WriteIRCodesCsv(ccf, out, options_.CsvRaw);
            });
        else if (options_.IRCodes == "json")
            ok = WriteOutput("the IR codes export", outputs_.IRCodes,
                             [&](std::ostream& out) { WriteIRCodesJson(ccf, loadError, out); });
        if (options_.Json)
            ok = WriteOutput("the JSON export", outputs_.Json,
                             [&](std::ostream& out) {
                                 WriteGraphJson(ccf, loadNotices_, loadError, out);
                             }) &&
                 ok;
        if (!outputs_.ByteMap.empty()) ok = WriteByteMap(ccf) && ok;
        return ok;
    }

    // One export: produced straight into its file, which takes the place of
    // an older one only when it is complete. A failure of one export (a full
    // disk, no memory, a property that refuses its value) is that export's
    // error; the others still run.
    bool WriteOutput(const char* what, const std::string& path,
                     const std::function<void(std::ostream&)>& produce) {
        if (!MakeFolderOf(path)) return false;
        OutputFile out;
        if (!out.Open(path, bounds_)) {
            ReportError(out.Error());
            return false;
        }
        out.Stream().exceptions(std::ios::badbit); // stop producing once a write failed
        try {
            produce(out.Stream());
        } catch (const std::bad_alloc&) {
            ReportError(std::string("out of memory while writing ") + what);
            return false;
        } catch (const std::ios_base::failure&) {
            ReportError(out.Error());
            return false;
        } catch (const std::exception& error) {
            ReportError(std::string("cannot write ") + what + ": " + error.what());
            return false;
        }
        if (out.Commit()) return true;
        ReportError(out.Error());
        return false;
    }

    bool WriteByteMap(const kelpie::CCF& ccf) {
        if (!MakeFolderOf(outputs_.ByteMap)) return false;
        try {
            return WritePicture(outputs_.ByteMap, ByteMapImage(ccf), "PNG");
        } catch (const std::bad_alloc&) {
            ReportError("out of memory while writing the byte map");
            return false;
        }
    }

    bool WritePicture(const std::string& path, const QImage& image, const char* format) {
        std::string error;
        if (WritePictureFile(path, image, format, bounds_, error)) return true;
        ReportError(error);
        return false;
    }

    bool WriteReport(CCFlocal& local) {
        if (!MakeFolderOf(outputs_.Report)) return false;
        const std::string& path = outputs_.Report;
        bool written = false;
        writeFailure_.clear();
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
            writeFailure_ = "cannot write " + path + ": " + error.what();
        }
        FlushNotices();
        if (written) return true;
        ReportError(writeFailure_.empty() ? "cannot write " + path : writeFailure_);
        return false;
    }

    // The folder of an output named by --output-dir or --byte-map may not
    // exist yet.
    bool MakeFolderOf(const std::string& path) {
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        if (folder.empty() || IsStreamTarget(path)) return true;
        return MakeDirectory(folder.string());
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

    std::string PicturePath(const std::string& dir, const char* prefix,
                            std::int32_t position) const {
        return (std::filesystem::path(dir) /
                (prefix + std::to_string(position) + "." + options_.ImageFormat))
            .string();
    }

    // Every icon of the file once, as the library builds its bitmap (or that
    // picture as PNG). Icons of an unknown encoding have no picture and are
    // skipped; an icon whose data cannot be decoded is a notice, a file that
    // cannot be written an error.
    bool ExportIcons(CCFlocal& local) {
        if (!MakeDirectory(options_.ExportIcons)) return false;
        bool ok = true;
        for (const kelpie::Icon& icon : local.CCF().Icons()) {
            if (icon.IconType() == kelpie::ictUnknown) continue;
            const std::string path = PicturePath(options_.ExportIcons, "icon-", icon.Position());
            const std::vector<std::uint8_t>* bitmap = nullptr;
            try {
                bitmap = &icon.Picture().Bitmap;
            } catch (const kelpie::Error& error) {
                Notice("icon at " + std::to_string(icon.Position()) +
                       " not exported: " + error.what());
                continue;
            }
            if (options_.ImageFormat == "png") {
                const QImage image = QImage::fromData(
                    QByteArray::fromRawData(reinterpret_cast<const char*>(bitmap->data()),
                                            static_cast<qsizetype>(bitmap->size())),
                    "BMP");
                ok = WritePicture(path, image, "PNG") && ok;
                continue;
            }
            std::string error;
            if (!WriteWholeFile(path,
                                {reinterpret_cast<const char*>(bitmap->data()), bitmap->size()},
                                bounds_, error)) {
                ReportError(error);
                ok = false;
            }
        }
        return ok;
    }

    // Every panel (of the three groups' devices and the macro recording
    // panels) drawn as the viewer draws it, with the viewer's default options.
    bool ExportPanels(CCFlocal& local) {
        if (!MakeDirectory(options_.ExportPanels)) return false;
        browser_.Canvas.Options = ViewerOptions{};
        if (options_.ButtonState) browser_.Canvas.Options.ShowButtonsAs = *options_.ButtonState;
        const char* format = options_.ImageFormat == "png" ? "PNG" : "BMP";
        bool ok = true;
        const auto exportPanel = [&](kelpie::Panel& panel) {
            browser_.OutputMode = omDrawPanel;
            browser_.Canvas.ClearPanelPicture();
            local.DoPanel(panel, "");
            FlushNotices();
            ok = WritePicture(PicturePath(options_.ExportPanels, "panel-", panel.Position()),
                              browser_.Canvas.Image(), format) &&
                 ok;
        };
        const kelpie::CCF& ccf = local.CCF();
        for (const kelpie::Devices* group :
             {&ccf.HomeGroup(), &ccf.DevicesGroup(), &ccf.MacrosGroup()})
            for (kelpie::Device& device : *group)
                for (kelpie::Panel& panel : device.Panels())
                    exportPanel(panel);
        for (kelpie::Panel& panel : ccf.SpecialPanels())
            exportPanel(panel);
        return ok;
    }

    const std::string& file_;
    const FileOutputs& outputs_;
    const ReportOptions& options_;
    std::ostream& err_;
    OutputBounds bounds_;
    std::optional<std::vector<std::uint8_t>> standardInput_;
    std::string writeFailure_;
    NoticeSpool loadNotices_;
    UnshownTree tree_;
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
