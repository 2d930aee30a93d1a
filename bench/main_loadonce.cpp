// ccf-loadonce FILE: loads one file and exits, for measuring peak memory.
#include "Error.h"
#include "model/CCFs.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ccf-loadonce FILE\n");
        return 2;
    }
    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    try {
        files.Add(argv[1]);
    } catch (const kelpie::Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
