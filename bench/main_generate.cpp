// ccf-generate OUTDIR: writes the benchmark files (grey and colour format,
// 1, 2, 8 and 32 MiB) as OUTDIR/grey-1M.ccf, OUTDIR/colour-8M.ccf, ..., and
// the stress files: OUTDIR/stress-64M.ccf (a generated grey file),
// stress-deep.ccf, stress-wide.ccf, stress-icon.ccf, stress-notices.ccf and
// stress-shared-frames.ccf.
#include "LargeFile.h"

#include "support/StressFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

bool Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ccf-generate OUTDIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::filesystem::create_directories(dir);
    for (const auto& [format, name] :
         {std::pair{kelpie::fmtv2, "grey"}, std::pair{kelpie::fmtV3, "colour"}}) {
        for (const int mebibytes : {1, 2, 8, 32}) {
            const auto path = dir / (std::string(name) + "-" + std::to_string(mebibytes) + "M.ccf");
            if (std::filesystem::exists(path)) continue;
            if (!Write(path,
                       kelpie::bench::GenerateLargeFile(format, std::int64_t{mebibytes} << 20)))
                return 1;
        }
    }
    namespace b = kelpie::builder;
    const std::pair<const char*, std::function<std::vector<std::uint8_t>()>> stress[] = {
        {"stress-64M.ccf",
         [] { return kelpie::bench::GenerateLargeFile(kelpie::fmtv2, 64 << 20); }},
        {"stress-deep.ccf", [] { return b::NestedFramesFile(100000); }},
        {"stress-wide.ccf", [] { return b::WidePanelFile(255, 255); }},
        {"stress-icon.ccf", [] { return b::SharedIconFile(100000); }},
        {"stress-notices.ccf", [] { return b::NoticesFile(2000); }},
        // 19 levels: 524,287 frames from 19 frame records. Padded to 4.3 MB,
        // a size at which a budget of one object for every 8 bytes would
        // let every frame load (at 32 times the file size in memory).
        {"stress-shared-frames.ccf", [] { return b::SharedFramesFile(19, 4300000); }},
    };
    for (const auto& [name, make] : stress)
        if (!std::filesystem::exists(dir / name) && !Write(dir / name, make())) return 1;
    return 0;
}
