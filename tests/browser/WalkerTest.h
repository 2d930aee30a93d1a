// A GoogleTest fixture over WalkerFixture, with the notices of the load and
// short names for what the walker tests of actions, timers, IR codes and
// icons read back.
#pragma once

#include "WalkerFixture.h"

#include <gtest/gtest.h>

namespace vantor::testing {

struct WalkerTest : ::testing::Test, WalkerFixture {
    std::vector<std::string> notices;
    kelpie::CCF* ccf = nullptr;

    void Load(kelpie::builder::CCFBuilder& builder) {
        browser.LibraryFiles.SetNoticeHandler(
            [this](const std::string& text) { notices.push_back(text); });
        ccf = &Open(builder).CCF();
    }
    std::vector<std::string> Display(const std::function<void()>& walk) {
        return DisplayLines(walk);
    }
    std::vector<std::string> Report(ReportKinds kind, const std::function<void()>& walk) {
        return ReportLines(kind, walk);
    }
    // The children of a tree node as "text|tag" strings.
    std::vector<std::string> NodesUnder(const std::string& key) const {
        std::vector<std::string> nodes;
        for (const auto* node : tree.ChildrenOf(key))
            nodes.push_back(node->Text + "|" + node->Tag);
        return nodes;
    }
    static std::string Pos(std::int32_t position) { return RtfWriter::FormatPosition(position); }
    static std::string Tag(const char* type, std::int32_t position) {
        return MakeTag("CCF1", type, position);
    }
};

} // namespace vantor::testing
