// ccf-generate OUTDIR: writes the benchmark files (grey and colour format,
// 1, 2, 8 and 32 MiB) as OUTDIR/grey-1M.ccf, OUTDIR/colour-8M.ccf, ...
#include "LargeFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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
            const auto bytes =
                kelpie::bench::GenerateLargeFile(format, std::int64_t{mebibytes} << 20);
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            if (!out) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
        }
    }
    return 0;
}
