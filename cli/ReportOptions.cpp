#include "ReportOptions.h"

#include "exports/OutputNames.h"

#include <algorithm>
#include <functional>

namespace vantor {

namespace {

struct KindName {
    const char* Name;
    ReportKinds Kind;
};
constexpr KindName Kinds[] = {
    {"full", rkFull},     {"errors", rkErrors},   {"icons", rkIcons},
    {"panels", rkPanels}, {"ircodes", rkIRCodes},
};

std::optional<kelpie::ButtonState> ButtonStateNamed(const std::string& name) {
    if (name == "active-unselected") return kelpie::ActiveUnselected;
    if (name == "active-selected") return kelpie::ActiveSelected;
    if (name == "inactive-unselected") return kelpie::InactiveUnselected;
    if (name == "inactive-selected") return kelpie::InactiveSelected;
    return std::nullopt;
}

// The first of the formats `option` asks for (a Choice option asks for
// several), or nullptr.
const ExportFormatEntry* ExportAskedBy(const std::string& option) {
    for (const ExportFormatEntry& entry : ExportFormats())
        if (option == entry.Option) return &entry;
    return nullptr;
}

// The format of the name given to a Choice option, or nullptr with the names
// it takes in `names` ("csv, json").
const ExportFormatEntry* ExportChosen(const std::string& option, const std::string& name,
                                      std::string& names) {
    for (const ExportFormatEntry& entry : ExportFormats()) {
        if (option != entry.Option) continue;
        if (name == entry.Choice) return &entry;
        names += (names.empty() ? "" : ", ") + std::string(entry.Choice);
    }
    return nullptr;
}

// Reads the value of the export option that asks for `entry`'s format (or,
// for a Choice option, one of its formats) and asks for that export instead
// of any earlier choice of the option. False with `error` set.
bool AskExport(const ExportFormatEntry& entry, const std::string& option,
               const std::function<bool(std::string&)>& takeValue,
               const std::function<bool()>& noValue, ReportOptions& options, std::string& error) {
    const ExportFormatEntry* asked = &entry;
    std::string path;
    switch (entry.Takes) {
    case ExportOption::Flag:
        if (!noValue()) return false;
        break;
    case ExportOption::Choice: {
        std::string name, names;
        if (!takeValue(name)) return false;
        asked = ExportChosen(option, name, names);
        if (!asked) {
            error =
                "unknown " + std::string(entry.ChoiceKind) + " \"" + name + "\" (" + names + ")";
            return false;
        }
        break;
    }
    case ExportOption::Path:
    case ExportOption::Folder:
        if (!takeValue(path)) return false;
        break;
    }
    std::erase_if(options.Exports,
                  [&](const auto& earlier) { return option == EntryOf(earlier.first).Option; });
    options.Exports[asked->Format] = path;
    return true;
}

} // namespace

std::string ReportUsage() {
    return "usage: vantor-report [options] FILE...   (vantor-report --help for the options)\n";
}

std::string ReportHelp() {
    return "usage: vantor-report [options] FILE...\n"
           "Writes a report of each CCF file, byte for byte what the desktop program writes,\n"
           "and exports its IR codes, its object graph, its pictures and a map of its bytes.\n"
           "\n"
           "  -r, --report KIND   full (default), errors, icons, panels, ircodes\n"
           "      --format rtf|html     the report as Rich Text (default) or as a web page\n"
           "  -p, --positions     add the structure-positions summary (full report only)\n"
           "  -o, --output PATH   the one output of a single FILE (report, IR codes or JSON);\n"
           "                      - is standard output\n"
           "      --output-dir DIR      write the reports, IR codes and JSON into DIR\n"
           "  -q, --quiet         do not print notices\n"
           "      --plain-name-font     declare the names' font as an ordinary text font, for "
           "readers\n"
           "                            without the remote's font\n"
           "      --ir-codes csv|json   every use of an IR code, with its Pronto hex and decode\n"
           "      --ir-codes flipper    a Flipper Zero .ir file per device, in a folder\n"
           "      --ir-codes lirc       a lircd.conf with a remote per device\n"
           "      --csv-raw             write CSV cells unchanged; by default a cell that a\n"
           "                            spreadsheet would run as a formula (=, +, -, @) gets\n"
           "                            a leading apostrophe\n"
           "      --json                the whole object graph as JSON\n"
           "      --byte-map PATH       a PNG picture of the file's bytes by record kind\n"
           "                            (a folder when it is one, or with several FILEs)\n"
           "      --export-icons DIR    write every icon as DIR/icon-POSITION.bmp (single FILE "
           "only)\n"
           "      --export-panels DIR   write every panel as drawn as DIR/panel-POSITION.bmp "
           "(single FILE only)\n"
           "      --image-format bmp|png      picture format of the icon and panel exports\n"
           "      --button-state STATE  buttons of the panel exports: active-unselected "
           "(default),\n"
           "                            active-selected, inactive-unselected, inactive-selected\n"
           "  -h, --help | --version\n"
           "\n"
           "Without -o each output goes beside its input (or into --output-dir), named after it\n"
           "without its extension: NAME.rtf, NAME Errors.rtf, NAME Icons.rtf, NAME Panels.rtf,\n"
           "NAME IR Codes.rtf (with --format html: NAME.html, NAME Errors.html, ...);\n"
           "NAME IR Codes.csv or NAME IR Codes.json; the folder NAME Flipper with DEVICE.ir;\n"
           "NAME.lircd.conf; NAME.json; and\n"
           "NAME Byte Map.png in the --byte-map folder. POSITION is the record's position in\n"
           "the file, in decimal.\n"
           "\n"
           "The report is written unless only --ir-codes, --json or --byte-map are asked for;\n"
           "give -r (or --format) to have it as well.\n"
           "\n"
           "Notices (anomalies that do not stop a load) go to standard error as FILE: notice: "
           "TEXT.\n"
           "A file whose load ends with an error gets FILE: error: TEXT; of its report and\n"
           "pictures nothing is written, but its IR codes, JSON and byte map are written with\n"
           "what was loaded (the JSON names the error). The other files are still written.\n"
           "\n"
           "Outputs: no output ever replaces an input (links included). Each is written to a\n"
           "temporary file beside it and renamed into place only when complete, so a failed\n"
           "write leaves an older file of that name as it was; a device or a pipe\n"
           "(-o /dev/null, -o -) is written straight through. Two outputs of one call on one\n"
           "path are refused before anything is written. FILE may be - for standard input;\n"
           "such an input, or one read through /dev or /proc, needs -o or --output-dir.\n"
           "\n"
           "Exit status: 0 when every file was loaded and written, 1 when any file failed,\n"
           "2 for a usage error.\n";
}

bool WritesReport(const ReportOptions& options) {
    const bool standAlone = std::ranges::any_of(
        options.Exports, [](const auto& asked) { return EntryOf(asked.first).StandsAlone; });
    return options.ReportAsked || !standAlone;
}

std::string DefaultReportPath(const std::string& input, ReportKinds kind, const std::string& folder,
                              ReportFormat format) {
    return OutputPath(input, folder, ReportSuffix(kind, format));
}

std::optional<ReportOptions> ParseReportOptions(const std::vector<std::string>& args,
                                                std::string& error) {
    ReportOptions options;
    bool positionsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        // "--option=value" carries its value in the same argument.
        if (arg.rfind("--", 0) == 0) {
            if (const auto equals = arg.find('='); equals != std::string::npos) {
                value = arg.substr(equals + 1);
                arg.resize(equals);
                hasValue = true;
            }
        }
        const auto takeValue = [&](std::string& into) {
            if (!hasValue) {
                if (i + 1 >= args.size()) {
                    error = "option " + arg + " needs a value";
                    return false;
                }
                value = args[++i];
            }
            if (value.empty()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            into = value;
            return true;
        };
        const auto noValue = [&] {
            if (hasValue) error = "option " + arg + " takes no value";
            return !hasValue;
        };

        if (arg == "--") {
            options.Files.insert(options.Files.end(),
                                 args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (arg == "-r" || arg == "--report") {
            std::string kind;
            if (!takeValue(kind)) return std::nullopt;
            options.ReportAsked = true;
            bool known = false;
            for (const KindName& name : Kinds)
                if (kind == name.Name) {
                    options.Kind = name.Kind;
                    known = true;
                }
            if (!known) {
                error =
                    "unknown report kind \"" + kind + "\" (full, errors, icons, panels, ircodes)";
                return std::nullopt;
            }
        } else if (arg == "--format") {
            std::string format;
            if (!takeValue(format)) return std::nullopt;
            if (format != "rtf" && format != "html") {
                error = "unknown report format \"" + format + "\" (rtf, html)";
                return std::nullopt;
            }
            options.Format = format == "html" ? ReportFormat::Html : ReportFormat::Rtf;
            options.ReportAsked = true; // the format is the report's

        } else if (arg == "-o" || arg == "--output") {
            if (!takeValue(options.Output)) return std::nullopt;
        } else if (arg == "--output-dir") {
            if (!takeValue(options.OutputDir)) return std::nullopt;
        } else if (const ExportFormatEntry* entry = ExportAskedBy(arg)) {
            if (!AskExport(*entry, arg, takeValue, noValue, options, error)) return std::nullopt;
        } else if (arg == "--csv-raw") {
            if (!noValue()) return std::nullopt;
            options.ExportSettings.CsvRaw = true;
        } else if (arg == "--image-format") {
            std::string format;
            if (!takeValue(format)) return std::nullopt;
            if (format != "bmp" && format != "png") {
                error = "unknown image format \"" + format + "\" (bmp, png)";
                return std::nullopt;
            }
            options.ExportSettings.Pictures =
                format == "png" ? PictureFormat::Png : PictureFormat::Bmp;
        } else if (arg == "--button-state") {
            std::string state;
            if (!takeValue(state)) return std::nullopt;
            options.ExportSettings.ButtonState = ButtonStateNamed(state);
            if (!options.ExportSettings.ButtonState) {
                error = "unknown button state \"" + state +
                        "\" (active-unselected, active-selected, inactive-unselected, "
                        "inactive-selected)";
                return std::nullopt;
            }
        } else if (arg == "-p" || arg == "--positions") {
            if (!noValue()) return std::nullopt;
            options.Positions = positionsGiven = options.ReportAsked = true;
        } else if (arg == "-q" || arg == "--quiet") {
            if (!noValue()) return std::nullopt;
            options.Quiet = true;
        } else if (arg == "--plain-name-font") {
            if (!noValue()) return std::nullopt;
            options.PlainNameFont = true;
        } else if (arg == "-h" || arg == "--help") {
            if (!noValue()) return std::nullopt;
            options.Help = true;
        } else if (arg == "--version") {
            if (!noValue()) return std::nullopt;
            options.Version = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else {
            options.Files.push_back(arg);
        }
    }
    if (options.Help || options.Version) return options;
    if (options.Files.empty()) {
        error = "no input file";
        return std::nullopt;
    }
    if (positionsGiven && options.Kind != rkFull) {
        error = "-p/--positions belongs to the full report only";
        return std::nullopt;
    }
    if (options.PlainNameFont && options.Format != ReportFormat::Rtf) {
        error = "--plain-name-font belongs to RTF reports (a web page shows names as text)";
        return std::nullopt;
    }
    if (options.ExportSettings.CsvRaw && !options.Asks(ExportFormat::IRCodesCsv)) {
        error = "--csv-raw belongs to --ir-codes csv";
        return std::nullopt;
    }
    if (options.ExportSettings.ButtonState && !options.Asks(ExportFormat::PanelPictures)) {
        error = "--button-state belongs to --export-panels";
        return std::nullopt;
    }
    if (!options.Output.empty()) {
        if (!options.OutputDir.empty()) {
            error = "-o/--output and --output-dir exclude each other";
            return std::nullopt;
        }
        // The outputs -o can name: the report and the single files named
        // after their input.
        const auto named = std::ranges::count_if(options.Exports, [](const auto& asked) {
            const ExportFormatEntry& entry = EntryOf(asked.first);
            return entry.NamedAfterInput() && entry.OneFile;
        });
        const auto outputs = (WritesReport(options) ? 1 : 0) + named;
        if (outputs > 1) {
            error = "-o/--output names a single output; use --output-dir for several";
            return std::nullopt;
        }
        if (outputs == 0) {
            error = "-o/--output names the report, the IR codes or the JSON; none is written";
            return std::nullopt;
        }
    }
    // Several inputs would all write to the one path given.
    if (options.Files.size() > 1) {
        const char* single = !options.Output.empty() ? "-o/--output" : nullptr;
        for (const ExportFormatEntry& entry : ExportFormats())
            if (!single && entry.Takes == ExportOption::Folder && options.Asks(entry.Format))
                single = entry.Option;
        if (single) {
            error = std::string(single) + " takes a single FILE";
            return std::nullopt;
        }
    }
    return options;
}

} // namespace vantor
