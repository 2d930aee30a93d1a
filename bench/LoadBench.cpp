// Loading a generated file from disk, as a program opens it. The files come
// from ccf-generate in the folder named by KELPIE_BENCH_DIR (scripts/bench).
#include "BenchFiles.h"

#include <kelpie/model/CCFs.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

void Load(benchmark::State& state, const std::string& name) {
    std::string path;
    if (!bench::FindBenchFile(state, name, path)) return;
    for (auto _ : state) {
        auto files = std::make_unique<kelpie::CCFs>();
        files->SetNoticeHandler([](const std::string&) {});
        benchmark::DoNotOptimize(&files->Add(path));
        state.PauseTiming(); // closing the file is not part of loading it
        files.reset();
        state.ResumeTiming();
    }
    bench::CountBytes(state, path);
}

} // namespace

BENCHMARK_CAPTURE(Load, grey_1M, "grey-1M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, grey_2M, "grey-2M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, grey_8M, "grey-8M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, grey_32M, "grey-32M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, colour_1M, "colour-1M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, colour_2M, "colour-2M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, colour_8M, "colour-8M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, colour_32M, "colour-32M.ccf")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
