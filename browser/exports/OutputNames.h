// Where an output goes when no path is given for it: beside its input, or
// into a folder named for the outputs, named after the input without its
// last extension and followed by the output's suffix (" IR Codes.csv").
#pragma once

#include "model/BrowserTypes.h"

#include <string>

namespace vantor {

// `input` named with `suffix`, beside it or (when `folder` is not empty) in
// `folder`.
std::string OutputPath(const std::string& input, const std::string& folder,
                       const std::string& suffix);

// The suffix of a report of `kind` in `format` after the input's name:
// ".rtf", " Errors.rtf", " Icons.rtf", " Panels.rtf", " IR Codes.rtf", or the
// same with ".html".
std::string ReportSuffix(ReportKinds kind, ReportFormat format);

} // namespace vantor
