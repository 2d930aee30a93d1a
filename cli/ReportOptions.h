// The command line of vantor-report: options and input files.
#pragma once

#include "exports/ExportFormats.h"
#include "model/BrowserTypes.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

struct ReportOptions {
    ReportKinds Kind = rkFull;
    ReportFormat Format = ReportFormat::Rtf;
    bool Positions = false;     // structure positions in the full report
    std::string Output;         // "" = beside the input
    bool Quiet = false;         // no notices
    bool PlainNameFont = false; // names' font declared as a text font
    // The exports asked for, each with the path its option named ("" for an
    // output named after its input).
    std::map<ExportFormat, std::string> Exports;
    ExportOptions ExportSettings;
    std::string OutputDir;    // "" = outputs beside their inputs
    bool ReportAsked = false; // -r, -p or --format given
    bool Help = false;
    bool Version = false;
    std::vector<std::string> Files;

    bool Asks(ExportFormat format) const { return Exports.contains(format); }
};

// Parses the arguments after the program name. nullopt with `error` set for
// a usage error.
std::optional<ReportOptions> ParseReportOptions(const std::vector<std::string>& args,
                                                std::string& error);

// The short usage text, and the help text (usage with the details).
std::string ReportUsage();
std::string ReportHelp();

// True when the call writes the report: always, unless only exports that
// stand alone (IR codes, JSON, byte map) were asked for and neither -r nor -p
// was given. Calls of the older options keep their report.
bool WritesReport(const ReportOptions& options);

// Where a report goes without -o: beside the input (or in `folder`), named
// after it without its last extension, with the report's suffix (".rtf",
// " Errors.rtf", ..., or ".html", " Errors.html", ...).
std::string DefaultReportPath(const std::string& input, ReportKinds kind,
                              const std::string& folder = "",
                              ReportFormat format = ReportFormat::Rtf);

} // namespace vantor
