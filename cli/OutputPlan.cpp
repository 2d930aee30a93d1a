#include "OutputPlan.h"

#include "exports/OutputNames.h"

#include "outputs/OutputFile.h"

#include <filesystem>
#include <map>

#include <sys/stat.h>

namespace vantor {

namespace fs = std::filesystem;

namespace {

// One spelling per place on the disk: "./a.rtf", "a.rtf" and a link to the
// folder all name the same file.
std::string PlaceOf(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error) return path;
    const fs::path canonical = fs::weakly_canonical(absolute, error);
    return (error ? absolute.lexically_normal() : canonical).string();
}

bool IsWithin(const std::string& path, const char* folder) {
    const std::string prefix = std::string(folder) + "/";
    return path == folder || path.rfind(prefix, 0) == 0;
}

} // namespace

std::vector<std::string> FileOutputs::Named() const {
    std::vector<std::string> named;
    if (!Report.empty()) named.push_back(Report);
    for (const auto& [format, path] : Exports)
        if (EntryOf(format).OneFile) named.push_back(path);
    return named;
}

bool IsOutsideFolders(const std::string& input) {
    if (input == "-") return true;
    struct stat status {};
    if (::stat(input.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) return true;
    // The folder the name is in, not where a link leads: /dev/stdin may lead
    // to a file in an ordinary folder.
    std::error_code error;
    const fs::path absolute = fs::absolute(input, error).lexically_normal();
    const std::string folder = PlaceOf(absolute.parent_path().string());
    return IsWithin(folder, "/dev") || IsWithin(folder, "/proc") || IsWithin(folder, "/sys");
}

std::optional<std::vector<FileOutputs>> PlanOutputs(const ReportOptions& options,
                                                    std::string& usageError) {
    std::vector<FileOutputs> plan;
    for (const std::string& input : options.Files) {
        FileOutputs outputs;
        outputs.Input = input;
        if (WritesReport(options))
            outputs.Report =
                options.Output.empty()
                    ? DefaultReportPath(input, options.Kind, options.OutputDir, options.Format)
                    : options.Output;
        bool beside = !outputs.Report.empty() && options.Output.empty();
        for (const auto& [format, given] : options.Exports) {
            const ExportFormatEntry& entry = EntryOf(format);
            std::string& path = outputs.Exports[format];
            if (entry.NamedAfterInput() && entry.OneFile && !options.Output.empty()) {
                path = options.Output;
            } else if (entry.NamedAfterInput()) {
                path = OutputPath(input, options.OutputDir, entry.Suffix);
                beside = true;
            } else if (entry.Takes == ExportOption::Path &&
                       (options.Files.size() > 1 || fs::is_directory(given))) {
                path = OutputPath(input, given, entry.Suffix);
            } else {
                path = given;
            }
        }
        if (beside && options.OutputDir.empty() && IsOutsideFolders(input)) {
            usageError = input + " is not a file in a folder, so its outputs cannot go beside it; "
                                 "name them with -o or --output-dir";
            return std::nullopt;
        }
        plan.push_back(std::move(outputs));
    }

    // Two outputs on one path: the second would silently replace the first.
    std::map<std::string, const std::string*> taken; // place -> the input it belongs to
    for (const FileOutputs& outputs : plan) {
        for (const std::string& path : outputs.Named()) {
            if (IsStreamTarget(path)) continue; // a device or a pipe takes any number
            const auto [slot, added] = taken.emplace(PlaceOf(path), &outputs.Input);
            if (added) continue;
            usageError = "the outputs of " + *slot->second + " and " + outputs.Input +
                         " would both be written to " + path +
                         "; write them into different folders with --output-dir, or rename "
                         "one of the inputs";
            return std::nullopt;
        }
    }
    return plan;
}

std::string InputClash(const FileOutputs& outputs, const std::vector<std::string>& inputs) {
    for (const std::string& path : outputs.Named())
        for (const std::string& input : inputs)
            if (SameFile(path, input))
                return "the output " + path + " is the input file " +
                       (SameFile(input, outputs.Input) ? std::string("itself") : input);
    return {};
}

} // namespace vantor
