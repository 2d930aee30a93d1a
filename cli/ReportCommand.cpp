#include "ReportCommand.h"

#include "ByteMap.h"
#include "GraphJson.h"
#include "IRCodeExport.h"
#include "OutputNames.h"
#include "ReportOptions.h"

#include "model/CCFlocal.h"
#include "model/RecordingSinks.h"
#include "model/basCCF.h"

#include "Error.h"

#include <QByteArray>
#include <QImage>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
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

// One input file: its own browser state, so that files never share keys,
// registries or writer state.
class FileRun {
public:
    FileRun(const std::string& file, const ReportOptions& options, bool severalInputs,
            std::ostream& err)
        : file_(file), options_(options), severalInputs_(severalInputs), err_(err),
          browser_(tree_, list_, display_, ui_) {
        browser_.Writer.SetPlainNameFont(options.PlainNameFont);
        browser_.LibraryFiles.SetNoticeHandler([this](const std::string& text) {
            // Kept for the JSON, which lists them; a damaged file may have
            // a hundred thousand.
            if (options_.Json) loadNotices_.push_back(text);
            Notice(text);
        });
    }

    // True when the file was loaded and everything asked for was written.
    bool Run() {
        CCFlocal* local = nullptr;
        try {
            local = &browser_.OpenCCF(file_);
        } catch (const std::exception& error) {
            FlushNotices();
            return RescuePartlyLoaded(error.what());
        }
        FlushNotices();
        bool ok = true;
        if (WritesReport(options_)) ok = WriteReport(*local);
        if (!options_.ExportIcons.empty()) ok = ExportIcons(*local) && ok;
        if (!options_.ExportPanels.empty()) ok = ExportPanels(*local) && ok;
        return WriteExports(local->CCF(), "") && ok;
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

    // A load that ended with an error: a report or a picture of a partly
    // loaded file would look complete, so none is written. The IR codes, the
    // JSON and the byte map exist to rescue what a damaged file holds: they
    // are written from the partly loaded graph, and the JSON names the error.
    bool RescuePartlyLoaded(const std::string& loadError) {
        const bool rescue = !options_.IRCodes.empty() || options_.Json || !options_.ByteMap.empty();
        // The browser dropped the partly loaded file; load it once more
        // without the views (its notices were printed already). A file whose
        // bytes could not be read at all has nothing to rescue.
        kelpie::CCFs partly;
        partly.SetNoticeHandler([](const std::string&) {});
        if (rescue) {
            try {
                partly.Add(file_);
            } catch (const std::exception&) {
            }
        }
        if (partly.Count() < 1 || partly.Item(1).CCFfile().FileSize() == 0) {
            ReportError(loadError + " (nothing written)");
            return false;
        }
        ReportError(loadError + " (exporting what was loaded)");
        WriteExports(partly.Item(1), loadError);
        return false;
    }

    // The report, the IR codes and the JSON go to -o when it is given (the
    // options allow it for one of them only), else beside the input or into
    // --output-dir.
    std::string PathFor(const std::string& suffix) const {
        return options_.Output.empty() ? OutputPath(file_, options_.OutputDir, suffix)
                                       : options_.Output;
    }

    bool WriteExports(const kelpie::CCF& ccf, const std::string& loadError) {
        // A failure of one export (no memory for a huge map, a property that
        // refuses its value) is that export's error; the others still run.
        const auto guarded = [&](const char* what, const auto& write) {
            try {
                return write();
            } catch (const std::exception& error) {
                ReportError(std::string("cannot export ") + what + ": " + error.what());
                return false;
            }
        };
        bool ok = true;
        if (options_.IRCodes == "csv") {
            ok = guarded("the IR codes", [&] {
                std::ostringstream csv;
                WriteIRCodesCsv(ccf, csv);
                return WriteText(PathFor(IRCodesCsvSuffix), csv.str());
            });
        } else if (options_.IRCodes == "json") {
            ok = guarded("the IR codes", [&] {
                return WriteJson(PathFor(IRCodesJsonSuffix), IRCodesJson(ccf, loadError));
            });
        }
        if (options_.Json)
            ok = guarded("the JSON",
                         [&] {
                             return WriteJson(PathFor(GraphJsonSuffix),
                                              GraphJson(ccf, loadNotices_, loadError));
                         }) &&
                 ok;
        if (!options_.ByteMap.empty())
            ok = guarded("the byte map", [&] { return WriteByteMap(ccf); }) && ok;
        return ok;
    }

    bool WriteText(const std::string& path, const std::string& text) {
        if (!options_.OutputDir.empty() && !MakeDirectory(options_.OutputDir)) return false;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            ReportError("cannot write " + path);
            return false;
        }
        return true;
    }

    // Text from the file is converted to UTF-8 before it reaches the JSON;
    // anything else that is not UTF-8 (a file name) is replaced, not fatal.
    bool WriteJson(const std::string& path, const nlohmann::ordered_json& json) {
        return WriteText(path,
                         json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
    }

    // With several inputs --byte-map names a folder for all their maps; a
    // folder that exists is taken as one for a single input too.
    bool WriteByteMap(const kelpie::CCF& ccf) {
        std::string path = options_.ByteMap;
        if (severalInputs_ || std::filesystem::is_directory(path)) {
            if (!MakeDirectory(options_.ByteMap)) return false;
            path = OutputPath(file_, options_.ByteMap, ByteMapSuffix);
        }
        const QImage map = ByteMapImage(ccf);
        if (map.isNull() || !map.save(QString::fromStdString(path), "PNG")) {
            ReportError("cannot write " + path);
            return false;
        }
        return true;
    }

    bool WriteReport(CCFlocal& local) {
        if (!options_.OutputDir.empty() && !MakeDirectory(options_.OutputDir)) return false;
        const std::string path = options_.Output.empty()
                                     ? DefaultReportPath(file_, options_.Kind, options_.OutputDir)
                                     : options_.Output;
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

    std::string PicturePath(const std::string& dir, const char* prefix,
                            std::int32_t position) const {
        return (std::filesystem::path(dir) /
                (prefix + std::to_string(position) + "." + options_.ImageFormat))
            .string();
    }

    // An icon in the chosen format: the library's BMP, or its picture
    // re-encoded as PNG.
    static void SaveIcon(const kelpie::Icon& icon, const std::string& path, bool png) {
        if (!png) return icon.SaveBitmap(path);
        const std::vector<std::uint8_t>& bitmap = icon.Picture().Bitmap;
        const QImage image =
            QImage::fromData(QByteArray(reinterpret_cast<const char*>(bitmap.data()),
                                        static_cast<qsizetype>(bitmap.size())),
                             "BMP");
        if (image.isNull() || !image.save(QString::fromStdString(path), "PNG"))
            throw kelpie::Error(kelpie::ErrorKind::FileError, "the picture cannot be saved");
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
                SaveIcon(icon, path, options_.ImageFormat == "png");
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
        if (options_.ButtonState) browser_.Canvas.Options.ShowButtonsAs = *options_.ButtonState;
        bool ok = true;
        const auto exportPanel = [&](kelpie::Panel& panel) {
            browser_.OutputMode = omDrawPanel;
            browser_.Canvas.ClearPanelPicture();
            local.DoPanel(panel, "");
            FlushNotices();
            const std::string path = PicturePath(options_.ExportPanels, "panel-", panel.Position());
            const bool saved =
                options_.ImageFormat == "png"
                    ? browser_.Canvas.Image().save(QString::fromStdString(path), "PNG")
                    : browser_.Canvas.SavePanelPicture(path);
            if (!saved) {
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
    bool severalInputs_;
    std::ostream& err_;
    std::vector<std::string> loadNotices_;
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
    int status = 0;
    for (const std::string& file : options->Files) {
        FileRun run(file, *options, options->Files.size() > 1, err);
        if (!run.Run()) status = 1;
    }
    return status;
}

} // namespace vantor
