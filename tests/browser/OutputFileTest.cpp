// The output file's own refusals, which the command-line cases cannot reach
// cheaply: an output that outgrows its bound, a folder as target, a missing
// folder. Each leaves nothing behind and keeps what was there.
#include "outputs/OutputFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace vantor;
namespace fs = std::filesystem;

TEST(OutputFile, FailuresLeaveNothingAndKeepWhatWasThere) {
    QTemporaryDir dir;
    const fs::path folder = dir.path().toStdString();
    std::ofstream(folder / "old.txt") << "old";
    fs::create_directory(folder / "sub");
    const struct {
        std::string Path;
        std::uint64_t MaxBytes;
        std::string Error;
    } cases[] = {
        {(folder / "old.txt").string(), 10,
         "cannot write " + (folder / "old.txt").string() +
             ": the output would grow beyond 10 bytes, out of all proportion to its input"},
        {(folder / "sub").string(), 100,
         "cannot write " + (folder / "sub").string() + ": Is a directory"},
        {(folder / "missing" / "x.txt").string(), 100,
         "cannot write " + (folder / "missing" / "x.txt").string() +
             ": No such file or directory"},
    };
    for (const auto& [path, maxBytes, error] : cases) {
        OutputFile out;
        const bool written =
            out.Open(path, {"", maxBytes}) && out.Write(std::string(64, 'x')) && out.Commit();
        EXPECT_FALSE(written) << path;
        EXPECT_EQ(out.Error(), error);
    }
    std::ifstream old(folder / "old.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2) << "a temporary file was left";
}
