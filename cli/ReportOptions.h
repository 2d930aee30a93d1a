// The command line of vantor-report: options and input files.
#pragma once

#include "model/BrowserTypes.h"

#include <kelpie/model/Button.h>

#include <optional>
#include <string>
#include <vector>

namespace vantor {

struct ReportOptions {
    ReportKinds Kind = rkFull;
    bool Positions = false;                         // structure positions in the full report
    std::string Output;                             // "" = beside the input
    bool Quiet = false;                             // no notices
    bool PlainNameFont = false;                     // names' font declared as a text font
    std::string ExportIcons;                        // "" = none
    std::string ExportPanels;                       // "" = none
    std::string ImageFormat = "bmp";                // of the icon and panel exports: bmp or png
    std::optional<kelpie::ButtonState> ButtonState; // of the panel exports
    std::string IRCodes;                            // "", "csv" or "json"
    bool CsvRaw = false;                            // CSV cells unchanged, formulas and all
    bool Json = false;                              // the object graph as JSON
    std::string ByteMap;      // "" = none; a file, or a folder with several inputs
    std::string OutputDir;    // "" = outputs beside their inputs
    bool ReportAsked = false; // -r or -p given
    bool Help = false;
    bool Version = false;
    std::vector<std::string> Files;
};

// Parses the arguments after the program name. nullopt with `error` set for
// a usage error.
std::optional<ReportOptions> ParseReportOptions(const std::vector<std::string>& args,
                                                std::string& error);

// The short usage text, and the help text (usage with the details).
std::string ReportUsage();
std::string ReportHelp();

// True when the call writes the RTF report: always, unless only the exports
// that came after the pictures (IR codes, JSON, byte map) were asked for and
// neither -r nor -p was given. Calls of the older options keep their report.
bool WritesReport(const ReportOptions& options);

// Where a report goes without -o: beside the input (or in `folder`), named
// after it without its last extension, with the report's suffix (".rtf",
// " Errors.rtf", ...).
std::string DefaultReportPath(const std::string& input, ReportKinds kind,
                              const std::string& folder = "");

} // namespace vantor
