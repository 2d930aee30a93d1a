#include <kelpie/model/Panel.h>

#include "model/SizeCheck.h"
#include <kelpie/model/Children.h>

namespace kelpie {

Panel::Panel() = default;
Panel::~Panel() = default;

std::int16_t Panel::Size() const {
    const std::int64_t children = children_ ? children_->Count() : 0;
    return CheckedRecordSize(basStructures::PanelHeadSize + basStructures::EntrySize * children,
                             "Panel");
}

bool Panel::Hidden() const noexcept {
    return (static_cast<std::uint32_t>(record_.NameWord) & basStructures::HiddenBit) != 0;
}

void Panel::SetHidden(bool value) {
    auto word = static_cast<std::uint32_t>(record_.NameWord);
    word = value ? (word | basStructures::HiddenBit) : (word & ~basStructures::HiddenBit);
    record_.NameWord = static_cast<std::int32_t>(word);
}

kelpie::Children& Panel::Children() {
    if (!children_) children_ = std::make_shared<kelpie::Children>();
    return *children_;
}

void Panel::SetChildren(std::shared_ptr<kelpie::Children> children) {
    children_ = std::move(children);
}

} // namespace kelpie
