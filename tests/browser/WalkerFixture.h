// A browser with recording outputs and one file built in memory, for tests
// that run a walker method directly and read what it produced.
#pragma once

#include "model/CCFlocal.h"
#include "model/RecordingSinks.h"
#include "model/basCCF.h"
#include "support/CCFBuilder.h"

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::testing {

class WalkerFixture {
public:
    RecordingTree tree;
    RecordingList list;
    RecordingDisplay display;
    RecordingUserInterface ui;
    basCCF browser{tree, list, display, ui};
    std::unique_ptr<CCFlocal> file;

    // Loads the built file as the first open file, CCF1.
    CCFlocal& Open(kelpie::builder::CCFBuilder& builder) {
        browser.LibraryFiles.AddBytes("test.ccf", builder.Build());
        file = std::make_unique<CCFlocal>(browser, browser.LibraryFiles.ItemPtr(1), "CCF1");
        return *file;
    }
    kelpie::CCF& Loaded() { return file->CCF(); }

    // The tree below a root node that the test adds itself.
    std::string TreeRoot() {
        browser.OutputMode = omTree;
        return file->AddToTreeView("", "H", "test.ccf", 0);
    }
    std::vector<std::string> TextsUnder(const std::string& key) const {
        std::vector<std::string> texts;
        for (const auto* node : tree.ChildrenOf(key))
            texts.push_back(node->Text);
        return texts;
    }
    const RecordingTree::Node& NodeUnder(const std::string& key, std::size_t index) const {
        return *tree.ChildrenOf(key).at(index);
    }

    // The logical lines that `walk` writes in display mode.
    std::vector<std::string> DisplayLines(const std::function<void()>& walk) {
        browser.OutputMode = omDisplay;
        browser.Writer.ClearDisplayText();
        browser.Writer.ResetIndent();
        walk();
        return Split(browser.Writer.DisplayText(), "\r\n\\par ");
    }

    // The logical lines that `walk` writes into a report file of `kind`
    // (without the document's header line and closing line).
    std::vector<std::string> ReportLines(std::int32_t kind, const std::function<void()>& walk) {
        QTemporaryDir directory;
        const std::string path = QDir(directory.path()).filePath("report.rtf").toStdString();
        browser.OutputMode = omReportFile;
        browser.ReportKind = kind;
        if (browser.Writer.OpenReportFile(path)) return {"cannot open " + path};
        browser.Writer.ResetIndent();
        walk();
        browser.Writer.CloseReportFile();
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::vector<std::string> lines;
        for (const std::string& line : Split(text.str(), "\r\n")) {
            if (line.rfind("\\par ", 0) == 0) lines.push_back(line.substr(5));
        }
        if (!lines.empty() && lines.back() == "}") lines.pop_back();
        return lines;
    }

    // The icon and action-list walkers are written beside this one; some
    // tests need their tree nodes. These probes tell whether they are built.
    bool IconWalkerBuilt(kelpie::Icon& icon) {
        const std::string root = TreeRoot();
        const std::size_t before = tree.Nodes.size();
        file->DoIcon(icon, "Probe", false, root, true, 0, 0);
        const bool built = tree.Nodes.size() > before;
        tree.RemoveNode(root);
        return built;
    }
    bool ActionListWalkerBuilt(kelpie::Actions& actions) {
        const std::string root = TreeRoot();
        const std::size_t before = tree.Nodes.size();
        file->DoActionList("Probe", actions, root, true, true);
        const bool built = tree.Nodes.size() > before;
        tree.RemoveNode(root);
        return built;
    }

private:
    static std::vector<std::string> Split(const std::string& text, const std::string& separator) {
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;
             start = at + separator.size())
            parts.push_back(text.substr(start, at - start));
        if (start < text.size()) parts.push_back(text.substr(start));
        return parts;
    }
};

} // namespace vantor::testing
