// The command line of vantor-report: options and input files.
#pragma once

#include "model/BrowserTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace vantor {

struct ReportOptions {
    ReportKinds Kind = rkFull;
    bool Positions = false;     // structure positions in the full report
    std::string Output;         // "" = beside the input
    bool Quiet = false;         // no notices
    bool PlainNameFont = false; // names' font declared as a text font
    std::string ExportIcons;    // "" = none
    std::string ExportPanels;   // "" = none
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

// Where a report goes without -o: beside the input, named after it without
// its last extension, with the report's suffix (".rtf", " Errors.rtf", ...).
std::string DefaultReportPath(const std::string& input, ReportKinds kind);

} // namespace vantor
