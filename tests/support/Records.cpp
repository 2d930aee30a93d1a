#include "support/Records.h"

#include "support/Store.h"

#include <stdexcept>
#include <string>

namespace kelpie::builder {

// ---- Actions ----

Action Action::Make(std::uint8_t type, Target parameter1, Target parameter2) {
    Action action;
    action.Type = type;
    action.Parameter1 = parameter1;
    action.Parameter2 = parameter2;
    return action;
}

Action Action::Code(Ref<IRCode> code) {
    Action action = Make(actCode, {}, code);
    action.code_ = code.Typed();
    return action;
}

Action Action::ButtonAlias(Ref<Device> device, Ref<Button> button) {
    return Make(actButtonAlias, device, button);
}

Action Action::Jump(Ref<Device> device, Ref<Panel> panel) {
    return Make(actJump, device, panel);
}

Action Action::Jump(CCFJumpTypes special) {
    return Make(actJump, {}, Raw(special));
}

Action Action::Delay(std::int32_t value) {
    return Make(actDelay, {}, Raw(value));
}

Action Action::KeyAlias(Ref<Device> device, CCFKeyAliases key) {
    return Make(actKeyAlias, device, Raw(key));
}

Action Action::AliasDevice(Ref<Device> device) {
    return Make(actAliasDevice, device, {});
}

Action Action::Timer(Ref<builder::Timer> timer) {
    Action action = Make(actTimer, {}, timer);
    action.timer_ = timer.Typed();
    return action;
}

Action Action::Sound(std::uint8_t duration, std::int16_t frequency, std::uint8_t percent) {
    // File order of the parameter's four bytes: duration, frequency (high,
    // low), percent; the long is big-endian, so duration is its top byte.
    const std::uint32_t bits =
        (static_cast<std::uint32_t>(duration) << 24) |
        (static_cast<std::uint32_t>(static_cast<std::uint16_t>(frequency)) << 8) | percent;
    return Make(actSound, {}, Raw(bits));
}

ActionList& ActionList::Add(Action action) {
    Items.push_back(std::move(action));
    return *this;
}

Action& ActionList::operator[](std::size_t index) {
    if (index >= Items.size())
        throw std::out_of_range("ActionList: no action " + std::to_string(index) +
                                " in a list of " + std::to_string(Items.size()));
    return Items[index];
}

// ---- Children ----

Frame& Container::AddFrame(std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height,
                           NameRef name) {
    Frame& frame = store_->NewFrame();
    frame.Width = width;
    frame.Height = height;
    frame.Name = std::move(name);
    AddChild(x, y, frame);
    return frame;
}

Button& Container::AddButton(std::int16_t x, std::int16_t y, std::int16_t width,
                             std::int16_t height, NameRef name) {
    Button& button = store_->NewButton();
    button.Width = width;
    button.Height = height;
    button.Name = std::move(name);
    AddChild(x, y, button);
    return button;
}

ChildEntry& Container::AddChild(std::int16_t x, std::int16_t y, Frame& frame) {
    ChildEntry& entry = AddChild(x, y, At(frame), chtFrame);
    entry.FollowedFrame = &frame;
    return entry;
}

ChildEntry& Container::AddChild(std::int16_t x, std::int16_t y, Button& button) {
    ChildEntry& entry = AddChild(x, y, At(button), chtButton);
    entry.FollowedButton = &button;
    return entry;
}

ChildEntry& Container::AddChild(std::int16_t x, std::int16_t y, Target object, std::uint8_t type) {
    return Children.emplace_back(x, y, object, type);
}

// ---- Buttons ----

ActionList& Button::Actions() {
    if (auto* list = actions_.Typed()) return *list;
    if (!actions_.IsNone())
        throw std::logic_error("Button::Actions: the action list field holds a raw position");
    ActionList& list = store_->NewActionList();
    actions_ = list;
    return list;
}

Button& Button::SetIcons(Ref<Icon> unselected, Ref<Icon> selected) {
    Icons[InactiveUnselected] = unselected;
    Icons[ActiveUnselected] = unselected;
    Icons[InactiveSelected] = selected;
    Icons[ActiveSelected] = selected;
    return *this;
}

Button& Button::SetColors(std::uint8_t text, std::uint8_t background) {
    for (auto state : {InactiveUnselected, InactiveSelected, ActiveUnselected, ActiveSelected})
        SetColors(state, text, background);
    return *this;
}

Button& Button::SetColors(State state, std::uint8_t text, std::uint8_t background) {
    StateColors[state].Text = text;
    StateColors[state].Background = background;
    return *this;
}

// ---- Devices ----

ActionList& Device::Actions(Key key) {
    auto& field = keys_[static_cast<std::size_t>(key)];
    if (auto* list = field.Typed()) return *list;
    if (!field.IsNone())
        throw std::logic_error("Device::Actions: the key's action list field holds a raw position");
    ActionList& list = store_->NewActionList();
    field = list;
    return list;
}

void Device::UseActions(Key key, Ref<ActionList> list) {
    keys_[static_cast<std::size_t>(key)] = list;
}

const Ref<ActionList>& Device::ActionsField(Key key) const {
    return keys_[static_cast<std::size_t>(key)];
}

Panel& Device::AddPanel(NameRef name) {
    Panel& panel = store_->NewPanel(this, false);
    panel.Name = std::move(name);
    return panel;
}

} // namespace kelpie::builder
