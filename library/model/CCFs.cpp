#include <kelpie/model/CCFs.h>

#include "load/ModelBuilder.h"

#include <algorithm>
#include <cctype>

namespace kelpie {

namespace {
bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

std::int32_t CCFs::IndexOf(const std::string& fileName) const noexcept {
    for (std::size_t i = 0; i < keys_.size(); ++i)
        if (SameName(keys_[i], fileName)) return static_cast<std::int32_t>(i);
    return -1;
}

CCF& CCFs::AddKeyed(const std::string& fileName) {
    if (IndexOf(fileName) >= 0)
        throw Error(ErrorKind::DuplicateKey, "The file " + fileName + " is already loaded");
    CCF& ccf = Append(std::make_shared<CCF>(notices_));
    keys_.push_back(fileName);
    return ccf;
}

CCF& CCFs::Add(const std::string& fileName) {
    CCF& ccf = AddKeyed(fileName);
    ModelBuilder::OpenFile(ccf, fileName);
    return ccf;
}

CCF& CCFs::AddBytes(const std::string& fileName, std::vector<std::uint8_t> bytes) {
    CCF& ccf = AddKeyed(fileName);
    ModelBuilder::OpenBytes(ccf, fileName, std::move(bytes));
    return ccf;
}

CCF& CCFs::Item(const std::string& fileName) const {
    const std::int32_t index = IndexOf(fileName);
    if (index < 0)
        throw Error(ErrorKind::InvalidArgument, "The file " + fileName + " is not loaded");
    return Collection<CCF>::Item(index + 1);
}

void CCFs::Remove(std::int32_t index) {
    Collection<CCF>::Remove(index);
    keys_.erase(keys_.begin() + (index - 1));
}

void CCFs::Remove(const std::string& fileName) {
    const std::int32_t index = IndexOf(fileName);
    if (index < 0)
        throw Error(ErrorKind::InvalidArgument, "The file " + fileName + " is not loaded");
    Remove(index + 1);
}

} // namespace kelpie
