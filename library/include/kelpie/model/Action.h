// One step of an action list: a 9-byte record of a type byte and two longs
// whose meaning depends on the type (send an IR code, alias a button, jump to
// a panel, wait, alias a hard key, alias a device, start a timer, beep).
// Where a parameter names another record, the loader links the object it
// built for it; a link is missing when the action carries none.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>

#include <cstdint>
#include <memory>

namespace kelpie {

class Button;
class Child;
class Device;
class IRCode;
class Panel;
class Timer;

class KELPIE_API Action : public std::enable_shared_from_this<Action> {
public:
    Action();
    ~Action();
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

    std::int32_t Position() const noexcept { return position_; }
    std::int16_t Size() const noexcept { return 9; }
    CCFActionTypes ActionType() const noexcept {
        return static_cast<CCFActionTypes>(record_.ActionType);
    }
    std::int32_t Parameter1() const noexcept { return record_.Parameter1; }
    std::int32_t Parameter2() const noexcept { return record_.Parameter2; }

    // The sound parameter's parts, decoded from Parameter2 whatever the type.
    std::int16_t BeepFrequency() const noexcept;
    std::uint8_t BeepPercent() const noexcept;
    std::uint8_t BeepDuration() const noexcept;

    // Links; nullptr when missing.
    kelpie::Device* Device() const noexcept;
    kelpie::Panel* Panel() const noexcept;
    kelpie::Button* Button() const noexcept;
    kelpie::IRCode* IRCode() const noexcept;
    // The timer an actTimer action starts; the action owns it.
    kelpie::Timer* Timer() const noexcept { return timer_.get(); }

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    // Each replaces everything but the position (type, parameters, links).
    void SetActionCode(kelpie::IRCode* irCode);
    void SetActionButtonAlias(kelpie::Device* device, kelpie::Button* button);
    void SetActionJump(kelpie::Device* device, kelpie::Panel* panel);
    void SetActionJumpX(std::int32_t jump);
    void SetActionDelay(std::int32_t delay);
    void SetActionKeyAlias(kelpie::Device* device, std::int32_t key);
    void SetActionAliasDevice(kelpie::Device* device);
    // Makes this a timer action with a new, empty timer.
    void SetActionTimer();
    void SetActionSound(std::int16_t frequency, std::uint8_t percent, std::uint8_t duration);

    void SetRecord(const ActionRecord& record) { record_ = record; }
    void SetPosition(std::int32_t position) noexcept { position_ = position; }
    void SetIRCode(kelpie::IRCode* irCode);
    void SetTimer(std::shared_ptr<kelpie::Timer> timer);
    void SetDevice(kelpie::Device* device);
    void SetPanel(kelpie::Panel* panel);
    void SetButton(kelpie::Button* button);
    // Drops every link and zeroes type and parameters; keeps the position.
    void Clear();

    ActionRecord record_;
    std::int32_t position_ = 0;
    std::weak_ptr<kelpie::IRCode> irCode_;
    std::shared_ptr<kelpie::Timer> timer_;
    std::weak_ptr<kelpie::Device> device_;
    std::weak_ptr<kelpie::Panel> panel_;
    std::weak_ptr<kelpie::Child> button_;
};

} // namespace kelpie
