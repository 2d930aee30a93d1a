#include "support/Target.h"

#include <stdexcept>

namespace kelpie::builder {

std::int32_t Record::Position() const {
    if (position_ < 0)
        throw std::logic_error("CCFBuilder: a record has no position before Build()");
    return position_;
}

std::int32_t Record::Size() const {
    if (position_ < 0) throw std::logic_error("CCFBuilder: a record has no size before Build()");
    return size_;
}

Target Raw(std::int64_t value) {
    Target target;
    target.value_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFF));
    return target;
}

Target At(const Record& record, std::int32_t offset) {
    Target target;
    target.record_ = &record;
    target.value_ = offset;
    return target;
}

std::int32_t Target::Resolve() const {
    if (record_ == nullptr) return value_;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(record_->Position()) +
                                     static_cast<std::uint32_t>(value_));
}

NameRef::NameRef(const NameRef& other) : shared_(other.shared_), target_(other.target_) {
    if (other.own_) {
        own_ = std::make_unique<Name>(other.own_->Text);
        own_->LengthByte = other.own_->LengthByte;
    }
}

NameRef& NameRef::operator=(const NameRef& other) {
    if (this != &other) *this = NameRef(other);
    return *this;
}

std::string NameRef::Text() const {
    const auto* name = NameRecord();
    return name ? name->Text : std::string();
}

std::int32_t NameRef::Resolve() const {
    if (const auto* name = NameRecord()) return name->Position();
    return target_.Resolve();
}

} // namespace kelpie::builder
