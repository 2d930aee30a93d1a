#include <kelpie/model/Device.h>

#include <kelpie/icons/Icon.h>
#include <kelpie/model/Actions.h>
#include <kelpie/model/Panels.h>

namespace kelpie {

namespace {
constexpr std::uint8_t ReadOnlyBit = 0x01;
constexpr std::uint8_t NeedsProgrammingBit = 0x10;
constexpr std::uint8_t HasSeparatorBit = 0x20;
constexpr std::uint8_t IsTemplateBit = 0x40;
} // namespace

Device::Device() = default;
Device::~Device() = default;

std::int16_t Device::Size() const noexcept {
    return static_cast<std::int16_t>(basStructures::DeviceSize(format_));
}

void Device::SetAttribute(std::uint8_t mask, bool value) {
    record_.Attributes = static_cast<std::uint8_t>(value ? (record_.Attributes | mask)
                                                         : (record_.Attributes & ~mask));
}

bool Device::IsTemplate() const noexcept {
    return (record_.Attributes & IsTemplateBit) != 0;
}
void Device::SetIsTemplate(bool value) {
    SetAttribute(IsTemplateBit, value);
}
bool Device::ReadOnly() const noexcept {
    return (record_.Attributes & ReadOnlyBit) != 0;
}
void Device::SetReadOnly(bool value) {
    SetAttribute(ReadOnlyBit, value);
}
bool Device::HasSeparator() const noexcept {
    return (record_.Attributes & HasSeparatorBit) != 0;
}
void Device::SetHasSeparator(bool value) {
    SetAttribute(HasSeparatorBit, value);
}
bool Device::NeedsProgramming() const noexcept {
    return (record_.Attributes & NeedsProgrammingBit) != 0;
}
void Device::SetNeedsProgramming(bool value) {
    SetAttribute(NeedsProgrammingBit, value);
}

Icon* Device::IconUnselected() const noexcept {
    return iconUnselected_.lock().get();
}
void Device::SetIconUnselected(Icon* icon) {
    iconUnselected_ = icon ? icon->weak_from_this() : std::weak_ptr<Icon>();
}
Icon* Device::IconSelected() const noexcept {
    return iconSelected_.lock().get();
}
void Device::SetIconSelected(Icon* icon) {
    iconSelected_ = icon ? icon->weak_from_this() : std::weak_ptr<Icon>();
}

kelpie::Panels& Device::Panels() {
    if (!panels_) panels_ = std::make_shared<kelpie::Panels>();
    return *panels_;
}

kelpie::Actions& Device::ActionsOnDemand(std::shared_ptr<kelpie::Actions>& slot) {
    if (!slot) slot = std::make_shared<kelpie::Actions>();
    return *slot;
}

kelpie::Actions& Device::ActionsEntry() {
    return ActionsOnDemand(entry_);
}
void Device::SetActionsEntry(std::shared_ptr<kelpie::Actions> a) {
    entry_ = std::move(a);
}
kelpie::Actions& Device::ActionsLeft() {
    return ActionsOnDemand(left_);
}
void Device::SetActionsLeft(std::shared_ptr<kelpie::Actions> a) {
    left_ = std::move(a);
}
kelpie::Actions& Device::ActionsRight() {
    return ActionsOnDemand(right_);
}
void Device::SetActionsRight(std::shared_ptr<kelpie::Actions> a) {
    right_ = std::move(a);
}
kelpie::Actions& Device::ActionsFarLeft() {
    return ActionsOnDemand(farLeft_);
}
void Device::SetActionsFarLeft(std::shared_ptr<kelpie::Actions> a) {
    farLeft_ = std::move(a);
}
kelpie::Actions& Device::ActionsFarRight() {
    return ActionsOnDemand(farRight_);
}
void Device::SetActionsFarRight(std::shared_ptr<kelpie::Actions> a) {
    farRight_ = std::move(a);
}
kelpie::Actions& Device::ActionsVolMinus() {
    return ActionsOnDemand(volMinus_);
}
void Device::SetActionsVolMinus(std::shared_ptr<kelpie::Actions> a) {
    volMinus_ = std::move(a);
}
kelpie::Actions& Device::ActionsVolPlus() {
    return ActionsOnDemand(volPlus_);
}
void Device::SetActionsVolPlus(std::shared_ptr<kelpie::Actions> a) {
    volPlus_ = std::move(a);
}
kelpie::Actions& Device::ActionsChanMinus() {
    return ActionsOnDemand(chanMinus_);
}
void Device::SetActionsChanMinus(std::shared_ptr<kelpie::Actions> a) {
    chanMinus_ = std::move(a);
}
kelpie::Actions& Device::ActionsChanPlus() {
    return ActionsOnDemand(chanPlus_);
}
void Device::SetActionsChanPlus(std::shared_ptr<kelpie::Actions> a) {
    chanPlus_ = std::move(a);
}
kelpie::Actions& Device::ActionsMute() {
    return ActionsOnDemand(mute_);
}
void Device::SetActionsMute(std::shared_ptr<kelpie::Actions> a) {
    mute_ = std::move(a);
}

} // namespace kelpie
