// The desktop program with a generated file: opening it until its tree is on
// screen, and clicking the largest panel's node (the detail list fills and
// the display pane shows the panel's text).
#include "BenchBrowser.h"
#include "BenchFiles.h"

#include "WidgetSinks.h"
#include "WidgetUserInterface.h"
#include "frmMain.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Message boxes would wait for a click: a benchmark has nobody to click.
class SilentPresenter final : public vantor::MessagePresenter {
public:
    void Message(QWidget*, const QString&) override {}
    bool Notice(QWidget*, const QString&) override { return true; }
};

std::unique_ptr<frmMain> ShownWindow() {
    auto window = std::make_unique<frmMain>();
    window->Ui().SetPresenter(std::make_unique<SilentPresenter>());
    window->show();
    QApplication::processEvents();
    return window;
}

void OpenAndShowTree(benchmark::State& state, const std::string& name) {
    std::string path;
    if (!bench::FindBenchFile(state, name, path)) return;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<frmMain> window = ShownWindow();
        state.ResumeTiming();
        window->OpenFile(QString::fromStdString(path));
        QApplication::processEvents(); // the tree is painted
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    bench::CountBytes(state, path);
}

void ClickLargestPanel(benchmark::State& state, const std::string& name) {
    std::string path;
    if (!bench::FindBenchFile(state, name, path)) return;
    std::unique_ptr<frmMain> window = ShownWindow();
    window->OpenFile(QString::fromStdString(path));
    vantor::CCFlocal& file = window->Browser().BrowserFiles.Item(1);
    const QString tag = QString::fromStdString(
        vantor::MakeTag(file.Key(), "P", bench::LargestPanel(file.CCF())->Position()));
    QTreeWidgetItem* node = nullptr;
    for (QTreeWidgetItemIterator it(&window->TreeView()); *it != nullptr && node == nullptr; ++it)
        if ((*it)->data(0, vantor::TagRole).toString() == tag) node = *it;
    if (node == nullptr) {
        state.SkipWithError("the largest panel has no node");
        return;
    }
    for (auto _ : state) {
        // A click on the node the panes show already shows nothing new.
        state.PauseTiming();
        window->Browser().CurrentTag.clear();
        state.ResumeTiming();
        emit window->TreeView().itemClicked(node, 0);
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK_CAPTURE(OpenAndShowTree, grey_1M, "grey-1M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenAndShowTree, grey_2M, "grey-2M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenAndShowTree, grey_8M, "grey-8M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClickLargestPanel, grey_8M, "grey-8M.ccf")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir runtime; // no settings or runtime files of the user's are touched
    setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 0);
    setenv("XDG_CONFIG_HOME", runtime.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, runtime.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
