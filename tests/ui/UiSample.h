// A browser with recording sinks and a sample file opened from disk, for the
// tests of the windows.
#pragma once

#include "browser/TestBrowser.h"
#include "support/Samples.h"

#include <string>

namespace vantor::testing {

struct UiSample : TestBrowser {
    // Writes the sample (grey-v2.ccf unless named) and opens it through the
    // browser, as the open command does.
    CCFlocal& OpenSample(const std::string& fileName = "grey-v2.ccf") {
        for (const auto& sample : kelpie::builder::Samples())
            if (sample.FileName == fileName) {
                const std::string path = PathOf(fileName);
                WriteFile(path, kelpie::builder::BuildSample(sample));
                return browser.OpenCCF(path);
            }
        throw std::invalid_argument("no sample " + fileName);
    }
    // The tag of the first tree node of `type` ("P", "I", ...) named `text`
    // ("" for any).
    std::string TagOf(const std::string& type, const std::string& text = "") const {
        for (const auto& node : tree.Nodes)
            if (node.Tag.find("/" + type + "/") != std::string::npos &&
                (text.empty() || node.Text == text))
                return node.Tag;
        ADD_FAILURE() << "no " << type << " node " << text;
        return {};
    }
};

} // namespace vantor::testing
