// Where the benchmarks find the generated files: scripts/bench writes them
// with ccf-generate into the folder named by KELPIE_BENCH_DIR.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace bench {

inline std::string BenchFile(const std::string& name) {
    const char* dir = std::getenv("KELPIE_BENCH_DIR");
    return std::string(dir ? dir : "bench-files") + "/" + name;
}

// The path of a generated file; false (and the benchmark skipped with the
// reason) when it is missing.
inline bool FindBenchFile(benchmark::State& state, const std::string& name, std::string& path) {
    path = BenchFile(name);
    if (std::filesystem::exists(path)) return true;
    state.SkipWithError(("missing " + path + "; run scripts/bench").c_str());
    return false;
}

inline void CountBytes(benchmark::State& state, const std::string& path) {
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

} // namespace bench
