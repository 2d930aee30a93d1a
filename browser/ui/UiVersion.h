// The program's version, shown by the about box and vantor-report.
#pragma once

namespace vantor {
constexpr const char* ProgramVersion = "3.0.0";
}
