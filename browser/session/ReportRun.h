// One run of a report file: opens the file, writes the body under the busy
// pointer and closes the file.
//
// A library error inside the body does not leave a file that looks complete:
// the report gets a last line "**** The report is incomplete: " and the
// error's text, and is closed as usual. A file that cannot be written, or no
// memory left, ends the run: nothing of the report is left, an existing file
// of that name stays as it was, and the writer reports "Error writing output
// file" and why. Any other exception drops the unfinished file and goes on to
// the caller.
#pragma once

#include "session/Reports.h"

#include <functional>
#include <string>

namespace vantor {

// False when the file could not be opened or written; true otherwise, also
// for a report cut short by an error. The output may not be `input`'s own
// file, nor grow out of proportion to it.
bool RunReport(const ReportTools& tools, const CCFlocal& input, const std::string& outputFile,
               const std::function<void()>& body);

} // namespace vantor
