// Collects the notices of a file in order, so tests can compare the texts.
#pragma once

#include <kelpie/file/Notices.h>

#include <cstdint>
#include <string>
#include <vector>

struct NoticeLog {
    std::vector<std::string> Texts;

    kelpie::NoticeHandler Handler() {
        return [this](const std::string& text) { Texts.push_back(text); };
    }
};

// The notices of reads at positions first to last, all outside the file.
inline std::vector<std::string> OutsideReads(std::int64_t first, std::int64_t last) {
    std::vector<std::string> texts;
    for (std::int64_t pos = first; pos <= last; ++pos)
        texts.push_back("Attempt to access data outside of CCF file at position " +
                        std::to_string(pos));
    return texts;
}
