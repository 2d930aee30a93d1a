#include <kelpie/model/Action.h>

#include "file/basCCFRoutines.h"
#include <kelpie/model/Button.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/IRCode.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Timer.h>

namespace kelpie {

namespace {
template <class T> std::weak_ptr<T> LinkTo(T* object) {
    return object ? object->weak_from_this() : std::weak_ptr<T>();
}
} // namespace

Action::Action() = default;
Action::~Action() = default;

std::int16_t Action::BeepFrequency() const noexcept {
    return basCCFRoutines::SplitSound(record_.Parameter2).Frequency;
}
std::uint8_t Action::BeepPercent() const noexcept {
    return basCCFRoutines::SplitSound(record_.Parameter2).Percent;
}
std::uint8_t Action::BeepDuration() const noexcept {
    return basCCFRoutines::SplitSound(record_.Parameter2).Duration;
}

kelpie::Device* Action::Device() const noexcept {
    return device_.lock().get();
}
kelpie::Panel* Action::Panel() const noexcept {
    return panel_.lock().get();
}
kelpie::Button* Action::Button() const noexcept {
    auto child = button_.lock();
    return child ? child->AsButton() : nullptr;
}
kelpie::IRCode* Action::IRCode() const noexcept {
    return irCode_.lock().get();
}

void Action::SetIRCode(kelpie::IRCode* irCode) {
    irCode_ = LinkTo(irCode);
}
void Action::SetTimer(std::shared_ptr<kelpie::Timer> timer) {
    timer_ = std::move(timer);
}
void Action::SetDevice(kelpie::Device* device) {
    device_ = LinkTo(device);
}
void Action::SetPanel(kelpie::Panel* panel) {
    panel_ = LinkTo(panel);
}
void Action::SetButton(kelpie::Button* button) {
    button_ = button ? button->weak_from_this() : std::weak_ptr<Child>();
}

void Action::Clear() {
    irCode_.reset();
    timer_.reset();
    device_.reset();
    panel_.reset();
    button_.reset();
    record_ = ActionRecord{};
}

void Action::SetActionCode(kelpie::IRCode* irCode) {
    Clear();
    record_.ActionType = actCode;
    SetIRCode(irCode);
}

void Action::SetActionButtonAlias(kelpie::Device* device, kelpie::Button* button) {
    Clear();
    record_.ActionType = actButtonAlias;
    SetDevice(device);
    SetButton(button);
}

void Action::SetActionJump(kelpie::Device* device, kelpie::Panel* panel) {
    Clear();
    record_.ActionType = actJump;
    SetDevice(device);
    SetPanel(panel);
}

void Action::SetActionJumpX(std::int32_t jump) {
    Clear();
    record_.ActionType = actJump;
    record_.Parameter2 = jump;
}

void Action::SetActionDelay(std::int32_t delay) {
    Clear();
    record_.ActionType = actDelay;
    record_.Parameter2 = delay;
}

void Action::SetActionKeyAlias(kelpie::Device* device, std::int32_t key) {
    Clear();
    record_.ActionType = actKeyAlias;
    SetDevice(device);
    record_.Parameter2 = key;
}

void Action::SetActionAliasDevice(kelpie::Device* device) {
    Clear();
    record_.ActionType = actAliasDevice;
    SetDevice(device);
}

void Action::SetActionTimer() {
    Clear();
    record_.ActionType = actTimer;
    timer_ = std::make_shared<kelpie::Timer>();
}

void Action::SetActionSound(std::int16_t frequency, std::uint8_t percent, std::uint8_t duration) {
    Clear();
    record_.ActionType = actSound;
    record_.Parameter2 = basCCFRoutines::JoinSound(frequency, percent, duration);
}

} // namespace kelpie
