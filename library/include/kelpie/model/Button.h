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
    void SetWidth(std::int16_t width) noexcept { record_.Width = width; }
    std::int16_t Height() const noexcept override { return record_.Height; }
    void SetHeight(std::int16_t height) noexcept { record_.Height = height; }
    CCFFonts Font() const noexcept override { return static_cast<CCFFonts>(record_.Font); }
    // Overflow for values outside 0 to 255.
    void SetFont(std::int32_t font);
    std::int32_t Filler1() const noexcept { return record_.Filler1; }

    // Colours of a state (0 to 3); the rules of Frame's colours apply.
    CCFColors TextColorOf(ButtonState state) const noexcept;
    void SetTextColorOf(ButtonState state, std::int32_t color);
    CCFColors BackgroundColorOf(ButtonState state) const noexcept;
    void SetBackgroundColorOf(ButtonState state, std::int32_t color);

    CCFColors InactiveUnselTextColor() const noexcept { return TextColorOf(InactiveUnselected); }
    void SetInactiveUnselTextColor(std::int32_t c) { SetTextColorOf(InactiveUnselected, c); }
    CCFColors InactiveUnselBackgroundColor() const noexcept {
        return BackgroundColorOf(InactiveUnselected);
    }
    void SetInactiveUnselBackgroundColor(std::int32_t c) {
        SetBackgroundColorOf(InactiveUnselected, c);
    }
    CCFColors InactiveSelTextColor() const noexcept { return TextColorOf(InactiveSelected); }
    void SetInactiveSelTextColor(std::int32_t c) { SetTextColorOf(InactiveSelected, c); }
    CCFColors InactiveSelBackgroundColor() const noexcept {
        return BackgroundColorOf(InactiveSelected);
    }
    void SetInactiveSelBackgroundColor(std::int32_t c) {
        SetBackgroundColorOf(InactiveSelected, c);
    }
    CCFColors ActiveUnselTextColor() const noexcept { return TextColorOf(ActiveUnselected); }
    void SetActiveUnselTextColor(std::int32_t c) { SetTextColorOf(ActiveUnselected, c); }
    CCFColors ActiveUnselBackgroundColor() const noexcept {
        return BackgroundColorOf(ActiveUnselected);
    }
    void SetActiveUnselBackgroundColor(std::int32_t c) {
        SetBackgroundColorOf(ActiveUnselected, c);
    }
    CCFColors ActiveSelTextColor() const noexcept { return TextColorOf(ActiveSelected); }
    void SetActiveSelTextColor(std::int32_t c) { SetTextColorOf(ActiveSelected, c); }
    CCFColors ActiveSelBackgroundColor() const noexcept {
        return BackgroundColorOf(ActiveSelected);
    }
    void SetActiveSelBackgroundColor(std::int32_t c) { SetBackgroundColorOf(ActiveSelected, c); }

    // Icons of the states: shared, not owned; nullptr when missing.
    kelpie::Icon* IconOf(ButtonState state) const noexcept;
    void SetIconOf(ButtonState state, kelpie::Icon* icon);
    kelpie::Icon* InactiveUnselIcon() const noexcept { return IconOf(InactiveUnselected); }
    void SetInactiveUnselIcon(kelpie::Icon* icon) { SetIconOf(InactiveUnselected, icon); }
    kelpie::Icon* InactiveSelIcon() const noexcept { return IconOf(InactiveSelected); }
    void SetInactiveSelIcon(kelpie::Icon* icon) { SetIconOf(InactiveSelected, icon); }
    kelpie::Icon* ActiveUnselIcon() const noexcept { return IconOf(ActiveUnselected); }
    void SetActiveUnselIcon(kelpie::Icon* icon) { SetIconOf(ActiveUnselected, icon); }
    kelpie::Icon* ActiveSelIcon() const noexcept { return IconOf(ActiveSelected); }
    void SetActiveSelIcon(kelpie::Icon* icon) { SetIconOf(ActiveSelected, icon); }

    // The action list, created empty on first read when none is stored.
    kelpie::Actions& Actions();
    void SetActions(std::shared_ptr<kelpie::Actions> actions);

    kelpie::Button* AsButton() noexcept override { return this; }

    // ---- Loader operations ----
    KELPIE_INTERNAL void SetRecord(const ButtonRecord& record) { record_ = record; }
    KELPIE_INTERNAL const ButtonRecord& Record() const noexcept { return record_; }

private:
    ButtonRecord record_;
    std::weak_ptr<kelpie::Icon> icons_[4];
    std::shared_ptr<kelpie::Actions> actions_;
};

} // namespace kelpie
