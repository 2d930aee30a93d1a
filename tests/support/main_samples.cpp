// ccf-samples OUTDIR: writes the project's sample CCF files into OUTDIR.
#include "support/Samples.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]).starts_with("-")) {
        std::cerr << "usage: ccf-samples OUTDIR\n"
                     "Writes the sample CCF files (a living-room remote in each file format).\n";
        return 2;
    }
    try {
        const std::filesystem::path directory(argv[1]);
        std::filesystem::create_directories(directory);
        for (const auto& sample : kelpie::builder::Samples()) {
            kelpie::builder::CCFBuilder ccf(sample.Format);
            kelpie::builder::ComposeLivingRoom(ccf);
            const auto path = directory / sample.FileName;
            ccf.BuildFile(path.string());
            std::cout << path.string() << ": " << sample.Description << ", "
                      << std::filesystem::file_size(path) << " bytes\n";
        }
    } catch (const std::exception& error) {
        std::cerr << "ccf-samples: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
