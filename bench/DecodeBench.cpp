// Decoding every IR code of a generated file, against loading the same file
// (LoadBench.cpp): the file is loaded once, outside the timing.
#include "BenchFiles.h"

#include <kelpie/ir/Decode.h>
#include <kelpie/model/CCFs.h>
#include <kelpie/model/IRCodes.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

void DecodeIRCodes(benchmark::State& state, const std::string& name) {
    std::string path;
    if (!bench::FindBenchFile(state, name, path)) return;
    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    const kelpie::CCF& ccf = files.Add(path);
    std::int64_t codes = 0;
    for (auto _ : state) {
        for (const kelpie::IRCode& code : ccf.IRCodes())
            benchmark::DoNotOptimize(kelpie::ir::Decode(code.IRCodeData()));
        codes += static_cast<std::int64_t>(ccf.IRCodes().Count());
    }
    state.SetItemsProcessed(codes);
}

} // namespace

BENCHMARK_CAPTURE(DecodeIRCodes, grey_2M, "grey-2M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeIRCodes, grey_8M, "grey-8M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeIRCodes, colour_2M, "colour-2M.ccf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeIRCodes, colour_8M, "colour-8M.ccf")->Unit(benchmark::kMillisecond);
