#include "ReportOptions.h"

#include <filesystem>

namespace vantor {

namespace {

struct KindName {
    const char* Name;
    ReportKinds Kind;
    const char* Suffix; // of the report file beside the input
};
constexpr KindName Kinds[] = {
    {"full", rkFull, ".rtf"},
    {"errors", rkErrors, " Errors.rtf"},
    {"icons", rkIcons, " Icons.rtf"},
    {"panels", rkPanels, " Panels.rtf"},
    {"ircodes", rkIRCodes, " IR Codes.rtf"},
};

} // namespace

std::string ReportUsage() {
    return "usage: vantor-report [options] FILE...   (vantor-report --help for the options)\n";
}

std::string ReportHelp() {
    return "usage: vantor-report [options] FILE...\n"
           "Writes a report of each CCF file, byte for byte what the desktop program writes.\n"
           "\n"
           "  -r, --report KIND   full (default), errors, icons, panels, ircodes\n"
           "  -p, --positions     add the structure-positions summary (full report only)\n"
           "  -o, --output PATH   output file (with a single FILE only)\n"
           "  -q, --quiet         do not print notices\n"
           "      --plain-name-font     declare the names' font as an ordinary text font, for "
           "readers\n"
           "                            without the remote's font\n"
           "      --export-icons DIR    write every icon as DIR/icon-POSITION.bmp (single FILE "
           "only)\n"
           "      --export-panels DIR   write every panel as drawn as DIR/panel-POSITION.bmp "
           "(single FILE only)\n"
           "  -h, --help | --version\n"
           "\n"
           "Without -o each report goes beside its input, named after it without its extension:\n"
           "NAME.rtf, NAME Errors.rtf, NAME Icons.rtf, NAME Panels.rtf or NAME IR Codes.rtf.\n"
           "POSITION is the record's position in the file, in decimal.\n"
           "\n"
           "Notices (anomalies that do not stop a load) go to standard error as FILE: notice: "
           "TEXT.\n"
           "A file whose load ends with an error gets FILE: error: TEXT, and nothing is written "
           "for\n"
           "it (no report, no pictures); the other files are still written.\n"
           "\n"
           "Exit status: 0 when every file was loaded and written, 1 when any file failed,\n"
           "2 for a usage error.\n";
}

std::string DefaultReportPath(const std::string& input, ReportKinds kind) {
    std::filesystem::path path(input);
    path.replace_extension();
    for (const KindName& name : Kinds)
        if (name.Kind == kind) return path.string() + name.Suffix;
    return path.string() + ".rtf";
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
        } else if (arg == "-o" || arg == "--output") {
            if (!takeValue(options.Output)) return std::nullopt;
        } else if (arg == "--export-icons") {
            if (!takeValue(options.ExportIcons)) return std::nullopt;
        } else if (arg == "--export-panels") {
            if (!takeValue(options.ExportPanels)) return std::nullopt;
        } else if (arg == "-p" || arg == "--positions") {
            if (!noValue()) return std::nullopt;
            options.Positions = positionsGiven = true;
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
    // Several inputs would all write to the one path given.
    if (options.Files.size() > 1) {
        const char* single = !options.Output.empty()         ? "-o/--output"
                             : !options.ExportIcons.empty()  ? "--export-icons"
                             : !options.ExportPanels.empty() ? "--export-panels"
                                                             : nullptr;
        if (single) {
            error = std::string(single) + " takes a single FILE";
            return std::nullopt;
        }
    }
    return options;
}

} // namespace vantor
