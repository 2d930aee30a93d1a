// Every output of a call, named before anything is written, so that the
// checks that protect the user's files can refuse a call as a whole: two
// outputs on one path, outputs beside an input that is not a file in a
// folder, an output that is an input.
#pragma once

#include "ReportOptions.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// The outputs of one input.
struct FileOutputs {
    std::string Input;
    std::string Report; // "" = not written
    // Where each export asked for goes: its file, or the folder of its files.
    std::map<ExportFormat, std::string> Exports;

    // The outputs whose names are known in advance: the report and the
    // exports of one file. The files of the others (the pictures of
    // --export-icons and --export-panels) are checked as they are written.
    std::vector<std::string> Named() const;
};

// The outputs of every input, or nullopt with `usageError` set when two of
// them would land on one path or an input that is not a file in an ordinary
// folder would get outputs beside it.
std::optional<std::vector<FileOutputs>> PlanOutputs(const ReportOptions& options,
                                                    std::string& usageError);

// Why one of `outputs` may not be written ("the output PATH is the input file
// itself"), or "" when none of them is an input of the call.
std::string InputClash(const FileOutputs& outputs, const std::vector<std::string>& inputs);

// True for "-" (standard input) and for anything read through /dev, /proc or
// /sys: such an input has no folder of its own to write beside it.
bool IsOutsideFolders(const std::string& input);

} // namespace vantor
