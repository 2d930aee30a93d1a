#include <kelpie/model/Button.h>

#include "model/ColorAccess.h"
#include <kelpie/icons/Icon.h>
#include <kelpie/model/Actions.h>

namespace kelpie {

namespace {
std::size_t Slot(ButtonState state) {
    return static_cast<std::size_t>(state) & 3;
}
} // namespace

Button::Button() = default;
Button::~Button() = default;

std::int16_t Button::Size() const noexcept {
    return static_cast<std::int16_t>(basStructures::ButtonSize(FileFormat()));
}

void Button::SetFont(std::int32_t font) {
    record_.Font = ColorAccess::CheckedByte(font, "Font");
}

CCFColors Button::TextColorOf(ButtonState state) const noexcept {
    const auto k = Slot(state);
    return ColorAccess::Text(FileFormat(), record_.PackedColors[k], record_.ColorGroups[k]);
}
void Button::SetTextColorOf(ButtonState state, std::int32_t color) {
    const auto k = Slot(state);
    ColorAccess::Set(FileFormat(), record_.PackedColors[k], record_.ColorGroups[k], false, color);
}
CCFColors Button::BackgroundColorOf(ButtonState state) const noexcept {
    const auto k = Slot(state);
    return ColorAccess::Background(FileFormat(), record_.PackedColors[k], record_.ColorGroups[k]);
}
void Button::SetBackgroundColorOf(ButtonState state, std::int32_t color) {
    const auto k = Slot(state);
    ColorAccess::Set(FileFormat(), record_.PackedColors[k], record_.ColorGroups[k], true, color);
}

kelpie::Icon* Button::IconOf(ButtonState state) const noexcept {
    return icons_[Slot(state)].lock().get();
}
void Button::SetIconOf(ButtonState state, kelpie::Icon* icon) {
    icons_[Slot(state)] = icon ? icon->weak_from_this() : std::weak_ptr<kelpie::Icon>();
}

kelpie::Actions& Button::Actions() {
    if (!actions_) actions_ = std::make_shared<kelpie::Actions>();
    return *actions_;
}
void Button::SetActions(std::shared_ptr<kelpie::Actions> actions) {
    actions_ = std::move(actions);
}

} // namespace kelpie
