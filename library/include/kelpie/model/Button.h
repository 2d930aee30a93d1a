// A button record: a rectangle with a font, and for each of its four display
// states an icon and a text/background colour pair, plus the action list that
// runs when it is pressed.
//
// States, in record order: 0 inactive unselected, 1 inactive selected,
// 2 active unselected, 3 active selected. Colours are coded as for frames:
// a packed grey byte per state in the grey formats, a 4-byte group (text in
// byte 0, background in byte 3) per state in the colour format.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>
#include <kelpie/model/Child.h>

namespace kelpie {

class Actions;
class Icon;

enum ButtonState : std::int32_t {
    InactiveUnselected = 0,
    InactiveSelected = 1,
    ActiveUnselected = 2,
    ActiveSelected = 3,
};

class KELPIE_API Button final : public Child {
public:
    Button();
    ~Button() override;

    CCFChildTypes ChildType() const noexcept override { return chtButton; }
    // 38, or 50 in the colour format.
    std::int16_t Size() const noexcept override;
    std::int16_t Width() const noexcept override { return record_.Width; }
    std::int16_t Height() const noexcept override { return record_.Height; }
    CCFFonts Font() const noexcept override { return static_cast<CCFFonts>(record_.Font); }
    std::int32_t Filler1() const noexcept { return record_.Filler1; }

    // Colours of a state (0 to 3); the rules of Frame's colours apply.
    CCFColors TextColorOf(ButtonState state) const noexcept;
    CCFColors BackgroundColorOf(ButtonState state) const noexcept;

    CCFColors InactiveUnselTextColor() const noexcept { return TextColorOf(InactiveUnselected); }
    CCFColors InactiveUnselBackgroundColor() const noexcept {
        return BackgroundColorOf(InactiveUnselected);
    }
    CCFColors InactiveSelTextColor() const noexcept { return TextColorOf(InactiveSelected); }
    CCFColors InactiveSelBackgroundColor() const noexcept {
        return BackgroundColorOf(InactiveSelected);
    }
    CCFColors ActiveUnselTextColor() const noexcept { return TextColorOf(ActiveUnselected); }
    CCFColors ActiveUnselBackgroundColor() const noexcept {
        return BackgroundColorOf(ActiveUnselected);
    }
    CCFColors ActiveSelTextColor() const noexcept { return TextColorOf(ActiveSelected); }
    CCFColors ActiveSelBackgroundColor() const noexcept {
        return BackgroundColorOf(ActiveSelected);
    }

    // Icons of the states: shared, not owned; nullptr when missing.
    kelpie::Icon* IconOf(ButtonState state) const noexcept;
    kelpie::Icon* InactiveUnselIcon() const noexcept { return IconOf(InactiveUnselected); }
    kelpie::Icon* InactiveSelIcon() const noexcept { return IconOf(InactiveSelected); }
    kelpie::Icon* ActiveUnselIcon() const noexcept { return IconOf(ActiveUnselected); }
    kelpie::Icon* ActiveSelIcon() const noexcept { return IconOf(ActiveSelected); }

    // The action list, created empty on first read when none is stored.
    kelpie::Actions& Actions();
    // The stored action list, or nullptr: nothing is created.
    const kelpie::Actions* FindActions() const noexcept { return actions_.get(); }
    kelpie::Actions* FindActions() noexcept { return actions_.get(); }

    kelpie::Button* AsButton() noexcept override { return this; }
    const kelpie::Button* AsButton() const noexcept override { return this; }

    // The button record as read.
    const ButtonRecord& Record() const noexcept { return record_; }

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    void SetRecord(const ButtonRecord& record) { record_ = record; }
    // Overflow for values outside 0 to 255.
    void SetFont(std::int32_t font);
    // The rules of Frame's colour setters apply.
    void SetTextColorOf(ButtonState state, std::int32_t color);
    void SetBackgroundColorOf(ButtonState state, std::int32_t color);
    // Links the icon without owning it.
    void SetIconOf(ButtonState state, kelpie::Icon* icon);
    void SetActions(std::shared_ptr<kelpie::Actions> actions);

    ButtonRecord record_;
    std::weak_ptr<kelpie::Icon> icons_[4];
    std::shared_ptr<kelpie::Actions> actions_;
};

} // namespace kelpie
