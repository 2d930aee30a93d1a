#include "model/CCFlocals.h"

#include <algorithm>
#include <cstdlib>

namespace vantor {

namespace {
// The number a key holds after "CCF".
std::int32_t KeyNumber(const std::string& key) {
    return key.size() > 3 ? static_cast<std::int32_t>(std::atoi(key.c_str() + 3)) : 0;
}
} // namespace

CCFlocal& CCFlocals::Add(std::shared_ptr<kelpie::CCF> ccf) {
    std::int32_t largest = 0;
    for (const auto& file : files_)
        largest = std::max(largest, KeyNumber(file->Key()));
    files_.push_back(
        std::make_unique<CCFlocal>(std::move(ccf), "CCF" + std::to_string(largest + 1)));
    return *files_.back();
}

CCFlocal* CCFlocals::Item(const std::string& key) const {
    for (const auto& file : files_)
        if (file->Key() == key) return file.get();
    return nullptr;
}

CCFlocal& CCFlocals::Item(std::int32_t index) const {
    return *files_.at(static_cast<std::size_t>(index - 1));
}

void CCFlocals::Remove(const std::string& key) {
    std::erase_if(files_, [&](const auto& file) { return file->Key() == key; });
}

} // namespace vantor
