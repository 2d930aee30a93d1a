// Loading a generated file from disk, as a program opens it. The files come
// from ccf-generate in the folder named by KELPIE_BENCH_DIR (scripts/bench).
#include "model/CCFs.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

std::string BenchFile(const std::string& name) {
    const char* dir = std::getenv("KELPIE_BENCH_DIR");
    return std::string(dir ? dir : "bench-files") + "/" + name;
}

void Load(benchmark::State& state, const std::string& name) {
    const std::string path = BenchFile(name);
    if (!std::filesystem::exists(path)) {
        state.SkipWithError(("missing " + path + "; run scripts/bench").c_str());
        return;
    }
    for (auto _ : state) {
        auto files = std::make_unique<kelpie::CCFs>();
        files->SetNoticeHandler([](const std::string&) {});
        benchmark::DoNotOptimize(&files->Add(path));
        state.PauseTiming(); // closing the file is not part of loading it
        files.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
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
