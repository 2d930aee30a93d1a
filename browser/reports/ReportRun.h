// One run of a report file: sets the report mode and kind, opens the file,
// writes the body under the busy pointer and closes the file.
//
// A library error inside the body does not leave a file that looks complete:
// the report gets a last line "**** The report is incomplete: " and the
// error's text, and is closed as usual. Any other exception removes the
// unfinished file and goes on to the caller.
#pragma once

#include "model/BrowserTypes.h"

#include <functional>
#include <string>

namespace vantor {

class basCCF;

// False when the file could not be opened or written (an unwritten file is
// removed again); true otherwise, also for a report cut short by an error.
bool RunReport(basCCF& browser, const std::string& outputFile, ReportKinds kind,
               const std::function<void()>& body);

} // namespace vantor
