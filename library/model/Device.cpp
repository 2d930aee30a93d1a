#include <kelpie/model/Device.h>

#include <kelpie/Error.h>
#include <kelpie/icons/Icon.h>
#include <kelpie/model/Actions.h>
#include <kelpie/model/Panels.h>

namespace kelpie {

namespace {
constexpr std::uint8_t ReadOnlyBit = 0x01;
constexpr std::uint8_t NeedsProgrammingBit = 0x10;
constexpr std::uint8_t HasSeparatorBit = 0x20;
constexpr std::uint8_t IsTemplateBit = 0x40;

// The keys that take a label are the four beside the screen, Left to
// FarRight, which follow Entry in the table; labels_ holds them in that order.
static_assert(
    [] {
        for (std::size_t i = 0; i < HardKeyCount; ++i)
            if ((HardKeys[i].LabelPosition != nullptr) != (i >= 1 && i <= 4)) return false;
        return true;
    }(),
    "the labelled keys are HardKeys[1] to HardKeys[4]");

// The label of a key, or nullptr for a key that takes none.
template <class Labels> auto* LabelSlot(HardKey key, Labels& labels) {
    const auto index = static_cast<std::size_t>(key);
    return HardKeys[index].LabelPosition ? &labels[index - 1] : nullptr;
}
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

kelpie::Actions& Device::HardKeyActions(HardKey key) {
    auto& slot = hardKeys_[static_cast<std::size_t>(key)];
    if (!slot) slot = std::make_shared<kelpie::Actions>();
    return *slot;
}

void Device::SetHardKeyActions(HardKey key, std::shared_ptr<kelpie::Actions> actions) {
    hardKeys_[static_cast<std::size_t>(key)] = std::move(actions);
}

const std::string& Device::KeyLabel(HardKey key) const noexcept {
    static const std::string none;
    const std::string* label = LabelSlot(key, labels_);
    return label ? *label : none;
}

void Device::SetKeyLabel(HardKey key, std::string label) {
    std::string* slot = LabelSlot(key, labels_);
    if (!slot)
        throw Error(ErrorKind::InvalidArgument, std::string("The ") +
                                                    HardKeys[static_cast<std::size_t>(key)].Name +
                                                    " key takes no label");
    *slot = std::move(label);
}

} // namespace kelpie
