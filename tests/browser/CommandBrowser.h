// A test browser that also runs vantor-report's command in process and keeps
// what it wrote to standard error.
#pragma once

#include "ReportCommand.h"
#include "TestBrowser.h"

#include <sstream>
#include <string>
#include <vector>

namespace vantor::testing {

struct CommandBrowser : TestBrowser {
    int Run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int status = RunReportCommand(args, out, err);
        errors = err.str();
        return status;
    }
    std::string errors;
};

} // namespace vantor::testing
