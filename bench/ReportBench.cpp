// Writing the full report of a generated file that is already open, as the
// report dialog does; the files come from ccf-generate (scripts/bench).
#include "model/RecordingSinks.h"
#include "model/basCCF.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string BenchFile(const std::string& name) {
    const char* dir = std::getenv("KELPIE_BENCH_DIR");
    return std::string(dir ? dir : "bench-files") + "/" + name;
}

void FullReport(benchmark::State& state, const std::string& name) {
    const std::string path = BenchFile(name);
    if (!std::filesystem::exists(path)) {
        state.SkipWithError(("missing " + path + "; run scripts/bench").c_str());
        return;
    }
    vantor::RecordingTree tree;
    vantor::RecordingList list;
    vantor::RecordingDisplay display;
    vantor::RecordingUserInterface ui;
    vantor::basCCF browser(tree, list, display, ui);
    browser.LibraryFiles.SetNoticeHandler([](const std::string&) {});
    vantor::CCFlocal& file = browser.OpenCCF(path);
    QTemporaryDir dir;
    const std::string report = dir.filePath("report.rtf").toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(file.DumpCCF(report, false));
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

} // namespace

BENCHMARK_CAPTURE(FullReport, grey_1M, "grey-1M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullReport, grey_2M, "grey-2M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullReport, grey_8M, "grey-8M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullReport, colour_8M, "colour-8M.ccf")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
