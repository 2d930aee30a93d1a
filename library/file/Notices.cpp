#include <kelpie/file/Notices.h>

#include <cstdio>

namespace kelpie {

void WriteNoticeToStandardError(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace kelpie
