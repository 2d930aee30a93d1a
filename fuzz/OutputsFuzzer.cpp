// Fuzz target: load any bytes as a CCF file and produce every output the
// browser has: the tree, the detail list and display text of every node, the
// five reports (written to a scratch folder in memory), and every panel
// drawn on the canvas. A file whose load ended with an error keeps what was
// loaded, and its outputs must hold up just the same.
#include "model/CCFlocal.h"
#include "model/RecordingSinks.h"
#include "exports/PanelPicture.h"
#include "session/FileViews.h"
#include "session/basCCF.h"

#include <kelpie/Error.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// One scratch folder for the process, on a memory file system when there is
// one: the reports and the input file are written there for every run.
const QTemporaryDir& Scratch() {
    static const QTemporaryDir dir(QString::fromLatin1(std::filesystem::is_directory("/dev/shm")
                                                           ? "/dev/shm/vantor-fuzz-XXXXXX"
                                                           : "/tmp/vantor-fuzz-XXXXXX"));
    return dir;
}

std::string ScratchPath(const char* name) {
    return Scratch().filePath(QString::fromLatin1(name)).toStdString();
}

void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "outputs_fuzzer";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        // Never destroyed: the fuzzer ends the process with exit(), when Qt's
        // own globals may already be gone.
        static QGuiApplication* application = new QGuiApplication(argc, argv);
        (void)application;
    }
}

void WriteReports(vantor::basCCF& browser, vantor::CCFlocal& file) {
    const std::string report = ScratchPath("report.rtf");
    const vantor::ReportTools tools = browser.Tools();
    vantor::DumpCCF(tools, file, report, true);
    vantor::DumpIcons(tools, file, report);
    vantor::DumpPanels(tools, file, report);
    vantor::DumpIRCodes(tools, file, report);
    vantor::DumpErrors(tools, file, report);
}

// The list and the display of every node, as clicking through the tree does,
// then every panel node drawn as the viewer draws it.
void VisitNodes(vantor::basCCF& browser, const vantor::RecordingTree& tree) {
    for (const auto& node : tree.Nodes) {
        browser.ShowDetailList(node.Tag);
        browser.ShowDisplay(node.Tag);
    }
    for (const auto& node : tree.Nodes) {
        std::string key, type;
        std::int32_t position = 0;
        if (!vantor::ParseTag(node.Tag, key, type, position) || type != "P") continue;
        vantor::CCFlocal* file = browser.BrowserFiles.Item(key);
        const auto* object = file ? file->FindObject(node.Tag) : nullptr;
        if (object == nullptr || !std::holds_alternative<kelpie::Panel*>(*object)) continue;
        vantor::DrawPanelPicture(browser.Canvas, browser.Ui, *file,
                                 *std::get<kelpie::Panel*>(*object));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EnsureGuiApplication();
    const std::string input = ScratchPath("input.ccf");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    vantor::RecordingTree tree;
    vantor::RecordingList list;
    vantor::RecordingDisplay display;
    vantor::RecordingUserInterface ui;
    vantor::basCCF browser(tree, list, display, ui);
    browser.LibraryFiles.SetNoticeHandler([](const std::string&) {});
    try {
        browser.LibraryFiles.Add(input);
    } catch (const kelpie::Error&) {
        // A partly loaded file stays in the collection and is browsed as is.
    }
    if (browser.LibraryFiles.Count() == 0) return 0;
    try {
        vantor::CCFlocal& file = browser.BrowserFiles.Add(browser.LibraryFiles.ItemPtr(1));
        vantor::Load(browser, file);
        WriteReports(browser, file);
        VisitNodes(browser, tree);
    } catch (const kelpie::Error&) {
    }
    return 0;
}
