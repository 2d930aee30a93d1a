// A browser with recording outputs and one file built in memory, for tests
// that run a walker method directly and read what it produced.
#pragma once

#include "model/CCFlocal.h"
#include "model/RecordingSinks.h"
#include "outputs/DrawOutput.h"
#include "outputs/ListOutput.h"
#include "outputs/TextOutput.h"
#include "outputs/TreeOutput.h"
#include "session/basCCF.h"
#include "walk/Walker.h"
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
    ReportKinds reportKind = rkFull;

    // Loads the built file as the first open file, CCF1.
    CCFlocal& Open(kelpie::builder::CCFBuilder& builder) {
        browser.LibraryFiles.AddBytes("test.ccf", builder.Build());
        file = std::make_unique<CCFlocal>(browser.LibraryFiles.ItemPtr(1), "CCF1");
        return *file;
    }
    kelpie::CCF& Loaded() { return file->CCF(); }

    // A walker into the output that browser.OutputMode names (and for report
    // files, reportKind), as the views and the reports choose theirs.
    Walker Walk() {
        const kelpie::CCFFileFormats format = file->CCF().FileFormat();
        std::unique_ptr<WalkOutput> output;
        switch (browser.OutputMode) {
        case omTree:
            output = std::make_unique<TreeOutput>(*file, tree, browser.NodeCounter);
            break;
        case omListView:
            output = std::make_unique<ListOutput>(list, file->Key());
            break;
        case omDisplay:
            output = std::make_unique<DisplayOutput>(browser.Writer, format, browser.Canvas);
            break;
        case omDrawPanel:
            output = std::make_unique<DrawOutput>(browser.Canvas, format);
            break;
        default:
            output = std::make_unique<RtfReport>(browser.Writer, reportKind, format,
                                                 browser.Canvas);
            break;
        }
        outputs_.push_back(std::move(output));
        return Walker(*file, *outputs_.back(), ui);
    }

    // The tree below a root node that the test adds itself.
    std::string TreeRoot() {
        browser.OutputMode = omTree;
        return TreeOutput(*file, tree, browser.NodeCounter).AddNode("", "H", "test.ccf", 0);
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
        reportKind = static_cast<ReportKinds>(kind);
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
        Walk().DoIcon(icon, "Probe", false, root, true, 0, 0);
        const bool built = tree.Nodes.size() > before;
        tree.RemoveNode(root);
        return built;
    }
    bool ActionListWalkerBuilt(kelpie::Actions& actions) {
        const std::string root = TreeRoot();
        const std::size_t before = tree.Nodes.size();
        Walk().DoActionList("Probe", actions, root, true, true);
        const bool built = tree.Nodes.size() > before;
        tree.RemoveNode(root);
        return built;
    }

private:
    std::vector<std::unique_ptr<WalkOutput>> outputs_;

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
