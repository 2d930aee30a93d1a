// ccf-loadonce FILE: loads one file, prints how long the load took in
// milliseconds (or the error that ended it, on standard error) and exits,
// for measuring the time and the peak memory of one load in a process.
#include <kelpie/Error.h>
#include <kelpie/model/CCFs.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ccf-loadonce FILE\n");
        return 2;
    }
    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    try {
        files.Add(argv[1]);
    } catch (const kelpie::Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        status = 1;
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%.2f\n", took.count());
    return status;
}
