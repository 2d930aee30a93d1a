// vantor-report: loads each CCF file as the desktop program does, and writes
// the chosen report and the exports asked for.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vantor {

// Runs the command with the arguments after the program name; help and
// version go to `out`, notices and errors to `err`. Returns the exit status:
// 0 when every file was loaded and written, 1 when any failed, 2 for a usage
// error. Needs a QGuiApplication (fonts and images for the pictures).
int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vantor
