// Frames and buttons.
#include "walk/Walker.h"

#include "model/Sinks.h"

#include <kelpie/model/Button.h>
#include <kelpie/model/Frame.h>

namespace vantor {

void Walker::DoChild(kelpie::Child& child, const Node& parentNode, std::int32_t parentX,
                     std::int32_t parentY, bool& hasActions) {
    const std::int32_t type = child.ChildType();
    if (kelpie::Frame* frame = type == kelpie::chtFrame ? child.AsFrame() : nullptr)
        DoFrame(*frame, parentNode, parentX, parentY, hasActions);
    else if (kelpie::Button* button = type == kelpie::chtButton ? child.AsButton() : nullptr)
        DoButton(*button, parentNode, parentX, parentY, hasActions);
    else
        ui_.ShowMessage("Unknown child type " + std::to_string(type));
}

void Walker::DoFrame(kelpie::Frame& frame, const Node& parentNode, std::int32_t parentX,
                     std::int32_t parentY, bool& hasActions) {
    const Level level(depth_);
    Register(static_cast<kelpie::Child&>(frame), "F");
    // The frame's place on the panel; its children are placed from here.
    const std::int32_t x = parentX + frame.X();
    const std::int32_t y = parentY + frame.Y();
    const Drawing drawing{[this, &frame](WalkOutput& draw) {
                              bool drawnHasActions = false;
                              Walker(file_, draw, ui_).DoFrame(frame, {}, 0, 0, drawnHasActions);
                          },
                          AtRoot()};
    Visit visit = output_.Frame(frame, parentNode, x, y, parentX, parentY, drawing);
    {
        const Scope subordinates = std::move(visit.scope);
        if (kelpie::Icon* icon = frame.Icon(); icon && visit.icons)
            DoIcon(*icon, "Frame", false, visit.node, visit.expand, x, y);
    }
    if (!visit.below || !frame.Children()) return;
    const Scope children = output_.Indented();
    for (kelpie::Child& child : *frame.Children())
        DoChild(child, visit.node, x, y, hasActions);
}

void Walker::DoButton(kelpie::Button& button, const Node& parentNode, std::int32_t parentX,
                      std::int32_t parentY, bool& hasActions) {
    const Level level(depth_);
    Register(static_cast<kelpie::Child&>(button), "B");
    const std::int32_t x = parentX + button.X();
    const std::int32_t y = parentY + button.Y();
    const Drawing drawing{[this, &button](WalkOutput& draw) {
                              bool drawnHasActions = false;
                              Walker(file_, draw, ui_).DoButton(button, {}, 0, 0, drawnHasActions);
                          },
                          AtRoot()};
    const Visit visit = output_.Button(button, parentNode, x, y, parentX, parentY, drawing);
    if (!visit.below) return;

    const struct {
        kelpie::Icon* Icon;
        const char* Type;
    } icons[] = {
        {button.InactiveUnselIcon(), "Inactive Unselected"},
        {button.InactiveSelIcon(), "Inactive Selected"},
        {button.ActiveUnselIcon(), "Active Unselected"},
        {button.ActiveSelIcon(), "Active Selected"},
    };
    const Scope subordinates = output_.Indented();
    for (const auto& icon : icons)
        if (icon.Icon) DoIcon(*icon.Icon, icon.Type, false, visit.node, visit.expand, x, y);
    if (kelpie::Actions* actions = button.FindActions(); actions && actions->Count() >= 1) {
        hasActions = true;
        DoActionList("Button", *actions, visit.node, visit.expand, visit.expand);
    } else {
        output_.ButtonWithoutActions();
    }
}

} // namespace vantor
