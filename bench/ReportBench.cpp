// The browser's outputs of a generated file that is already open: each of
// the five reports as the report dialog writes it, the detail list and the
// display text of the largest panel, and drawing that panel on the canvas.
#include "BenchBrowser.h"
#include "BenchFiles.h"
#include "exports/PanelPicture.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using WriteReport = std::function<bool(const vantor::ReportTools&, vantor::CCFlocal&,
                                       const std::string&)>;

bool FullReport(const vantor::ReportTools& tools, vantor::CCFlocal& file,
                const std::string& path) {
    return vantor::DumpCCF(tools, file, path, false);
}

void Report(benchmark::State& state, const std::string& name, const WriteReport& write) {
    std::string path;
    if (!bench::FindBenchFile(state, name, path)) return;
    bench::OpenBrowser open(path);
    QTemporaryDir dir;
    const std::string report = dir.filePath("report.rtf").toStdString();
    for (auto _ : state)
        if (!write(open.browser.Tools(), *open.file, report)) state.SkipWithError("the report was not written");
    bench::CountBytes(state, path);
}

// Loading a file and building its tree, list and display with plain-data
// sinks: the browser's own share of opening a file in the desktop program.
void OpenWithTree(benchmark::State& state, const std::string& name) {
    std::string path;
    if (!bench::FindBenchFile(state, name, path)) return;
    for (auto _ : state) {
        auto open = std::make_unique<bench::OpenBrowser>(path);
        state.PauseTiming();
        open.reset();
        state.ResumeTiming();
    }
    bench::CountBytes(state, path);
}

// Clicking the largest panel's node: its children in the list, its text in
// the pane (the tag is the one the tree gave the panel).
void PanelListAndDisplay(benchmark::State& state, const std::string& name) {
    std::string path;
    if (!bench::FindBenchFile(state, name, path)) return;
    bench::OpenBrowser open(path);
    const std::string tag =
        vantor::MakeTag(open.file->Key(), "P", bench::LargestPanel(open.file->CCF())->Position());
    for (auto _ : state) {
        open.browser.ShowDetailList(tag);
        open.browser.ShowDisplay(tag);
    }
}

void DrawPanel(benchmark::State& state, const std::string& name) {
    std::string path;
    if (!bench::FindBenchFile(state, name, path)) return;
    bench::OpenBrowser open(path);
    kelpie::Panel& panel = *bench::LargestPanel(open.file->CCF());
    for (auto _ : state) {
        vantor::DrawPanelPicture(open.browser.Canvas, open.browser.Ui, *open.file, panel);
    }
}

void RegisterReports() {
    const struct {
        const char* Name;
        WriteReport Write;
    } reports[] = {
        {"FullReport", FullReport},
        {"ErrorsReport", vantor::DumpErrors},
        {"IconsReport", vantor::DumpIcons},
        {"PanelsReport", vantor::DumpPanels},
        {"IRCodesReport", vantor::DumpIRCodes},
    };
    for (const auto& report : reports)
        for (const char* file : {"grey-1M", "grey-2M", "grey-8M", "colour-8M"}) {
            std::string label = file;
            label[label.find('-')] = '_';
            benchmark::RegisterBenchmark((std::string(report.Name) + "/" + label).c_str(), Report,
                                         std::string(file) + ".ccf", report.Write)
                ->Unit(benchmark::kMillisecond);
        }
}

} // namespace

BENCHMARK_CAPTURE(OpenWithTree, grey_2M, "grey-2M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenWithTree, grey_8M, "grey-8M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PanelListAndDisplay, grey_8M, "grey-8M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawPanel, grey_8M, "grey-8M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawPanel, colour_8M, "colour-8M.ccf")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    RegisterReports();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
