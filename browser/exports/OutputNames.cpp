#include "exports/OutputNames.h"

#include <filesystem>

namespace vantor {

std::string OutputPath(const std::string& input, const std::string& folder,
                       const std::string& suffix) {
    // Standard input has no name of its own.
    std::filesystem::path path(input == "-" ? std::string("stdin") : input);
    path.replace_extension();
    if (folder.empty()) return path.string() + suffix;
    return (std::filesystem::path(folder) / (path.filename().string() + suffix)).string();
}

std::string ReportSuffix(ReportKinds kind, ReportFormat format) {
    const char* extension = format == ReportFormat::Html ? ".html" : ".rtf";
    switch (kind) {
    case rkErrors:
        return std::string(" Errors") + extension;
    case rkIcons:
        return std::string(" Icons") + extension;
    case rkPanels:
        return std::string(" Panels") + extension;
    case rkIRCodes:
        return std::string(" IR Codes") + extension;
    case rkFull:
        break;
    }
    return extension;
}

} // namespace vantor
