// A browser with recording sinks and one file loaded from builder bytes, and
// helpers that run a walker call in one output and return what it wrote.
#pragma once

#include "model/CCFlocal.h"
#include "model/RecordingSinks.h"
#include "model/basCCF.h"
#include "support/CCFBuilder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace vantor::testing {

struct WalkerFixture : ::testing::Test {
    RecordingTree tree;
    RecordingList list;
    RecordingDisplay display;
    RecordingUserInterface ui;
    basCCF browser{tree, list, display, ui};
    std::vector<std::string> notices;
    kelpie::CCF* ccf = nullptr;
    std::unique_ptr<CCFlocal> file;

    void Load(kelpie::builder::CCFBuilder& builder) {
        browser.LibraryFiles.SetNoticeHandler(
            [this](const std::string& text) { notices.push_back(text); });
        ccf = &browser.LibraryFiles.AddBytes("test.ccf", builder.Build());
        file = std::make_unique<CCFlocal>(browser, browser.LibraryFiles.ItemPtr(1), "CCF1");
    }

    // The logical lines written in the display pane.
    std::vector<std::string> Display(const std::function<void()>& walk) {
        browser.OutputMode = omDisplay;
        browser.Writer.ClearDisplayText();
        browser.Writer.ResetIndent();
        walk();
        return SplitLines(browser.Writer.DisplayText(), "\r\n\\par ");
    }

    // The logical lines of a report file of `kind` (without the document's
    // header line, the "\par " of each line and the closing line).
    std::vector<std::string> Report(ReportKinds kind, const std::function<void()>& walk) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("report.rtf").toStdString();
        browser.OutputMode = omReportFile;
        browser.ReportKind = kind;
        EXPECT_FALSE(browser.Writer.OpenReportFile(path));
        browser.Writer.ResetIndent();
        walk();
        EXPECT_TRUE(browser.Writer.CloseReportFile());
        std::ifstream in(path, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        std::vector<std::string> lines = SplitLines(text, "\r\n");
        EXPECT_GE(lines.size(), 2u);
        if (lines.size() < 2) return {};
        EXPECT_EQ(lines.back(), "\\par }");
        std::vector<std::string> body(lines.begin() + 1, lines.end() - 1);
        for (std::string& line : body) {
            EXPECT_EQ(line.rfind("\\par ", 0), 0u) << line;
            line.erase(0, 5);
        }
        return body;
    }

    // Pieces ended by `end`; a last piece without its end is kept when not empty.
    static std::vector<std::string> SplitLines(const std::string& text, const std::string& end) {
        std::vector<std::string> lines;
        std::size_t from = 0;
        for (std::size_t at; (at = text.find(end, from)) != std::string::npos;
             from = at + end.size())
            lines.push_back(text.substr(from, at - from));
        if (from < text.size()) lines.push_back(text.substr(from));
        return lines;
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
