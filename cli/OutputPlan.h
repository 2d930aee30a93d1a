// Every output of a call, named before anything is written, so that the
// checks that protect the user's files can refuse a call as a whole: two
// outputs on one path, outputs beside an input that is not a file in a
// folder, an output that is an input.
#pragma once

#include "ReportOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace vantor {

// The outputs of one input whose names are known in advance ("" = not
// written). The pictures of --export-icons and --export-panels go into
// folders the user named and are checked as they are written.
struct FileOutputs {
    std::string Input;
    std::string Report;
    std::string IRCodes;
    std::string Json;
    std::string ByteMap;

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
