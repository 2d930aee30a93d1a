#include "model/CCFlocal.h"

#include "model/Tags.h"

namespace vantor {

CCFlocal::CCFlocal(std::shared_ptr<kelpie::CCF> ccf, std::string key)
    : ccf_(std::move(ccf)), key_(std::move(key)) {}

std::string CCFlocal::TreeKey() const {
    return MakeTag(key_, "H", ccf_->Position());
}

std::uint64_t CCFlocal::ObjectKey(const std::string& type, std::int32_t position) {
    // Tag types are one or two letters; four bytes hold any of them.
    std::uint64_t packed = 0;
    for (std::size_t i = 0; i < type.size() && i < 4; ++i)
        packed = packed << 8 | static_cast<std::uint8_t>(type[i]);
    return packed << 32 | static_cast<std::uint32_t>(position);
}

void CCFlocal::SaveObject(const RegisteredObject& object, const char* type, std::int32_t position) {
    objects_.try_emplace(ObjectKey(type, position), object);
}

const RegisteredObject* CCFlocal::FindObject(const std::string& tag) const {
    std::string key, type;
    std::int32_t position = 0;
    if (!ParseTag(tag, key, type, position) || key != key_ || type.size() > 4) return nullptr;
    // Only the tags MakeTag writes name an object ("D/0123" is not "D/123").
    if (tag != MakeTag(key_, type, position)) return nullptr;
    auto found = objects_.find(ObjectKey(type, position));
    return found == objects_.end() ? nullptr : &found->second;
}

} // namespace vantor
