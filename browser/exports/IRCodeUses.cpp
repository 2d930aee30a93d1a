#include "exports/IRCodeUses.h"

#include "walk/HardKeys.h"

#include <kelpie/model/Button.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Devices.h>
#include <kelpie/model/Frame.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Panels.h>
#include <kelpie/model/Timer.h>

namespace vantor {

namespace {

class UseWalker {
public:
    explicit UseWalker(const std::function<void(const IRCodeUse&)>& use) : use_(use) {}

    void Group(const char* name, const kelpie::Devices& devices) {
        current_ = {};
        current_.Group = name;
        for (const kelpie::Device& device : devices) {
            current_.Device = device.Name();
            current_.Owner = &device;
            current_.Panel.clear();
            current_.FramePath.clear();
            for (const kelpie::HardKeyInfo& key : kelpie::HardKeys) {
                current_.Button = HardKeyTitle(device.KeyLabel(key.Key), key.Name);
                current_.ByHardKey = true;
                if (const kelpie::Actions* list = device.FindHardKey(key.Key)) Actions(*list);
            }
            current_.ByHardKey = false;
            if (const kelpie::Panels* panels = device.FindPanels()) Panels(*panels);
        }
    }

    void Panels(const kelpie::Panels& panels) {
        for (const kelpie::Panel& panel : panels) {
            current_.Panel = panel.Name();
            current_.FramePath.clear();
            if (const kelpie::Children* children = panel.FindChildren()) Children(*children);
        }
    }

    void SpecialPanels(const kelpie::Panels& panels) {
        current_ = {};
        current_.Group = "Macro Recording";
        Panels(panels);
    }

private:
    void Children(const kelpie::Children& children) {
        for (const kelpie::Child& child : children) {
            if (const kelpie::Frame* frame = child.AsFrame()) {
                if (!frame->Children()) continue;
                current_.FramePath.push_back(frame->Name());
                Children(*frame->Children());
                current_.FramePath.pop_back();
            } else if (const kelpie::Button* button = child.AsButton()) {
                current_.Button = button->Name();
                if (const kelpie::Actions* actions = button->FindActions()) Actions(*actions);
            }
        }
    }

    void Actions(const kelpie::Actions& actions) {
        for (const kelpie::Action& action : actions) {
            if (action.ActionType() == kelpie::actCode) {
                Send(action, IRCodeSender::Button);
            } else if (action.ActionType() == kelpie::actTimer && action.Timer()) {
                // One level only: a timer's own actions are not walked for
                // further timers, so a timer chain cannot loop.
                const kelpie::Timer& timer = *action.Timer();
                if (timer.StartAction()) Send(*timer.StartAction(), IRCodeSender::TimerStart);
                if (timer.EndAction()) Send(*timer.EndAction(), IRCodeSender::TimerEnd);
            }
        }
    }

    void Send(const kelpie::Action& action, IRCodeSender sender) {
        if (action.ActionType() != kelpie::actCode || !action.IRCode()) return;
        current_.Sender =
            sender == IRCodeSender::Button && current_.ByHardKey ? IRCodeSender::HardKey : sender;
        current_.Code = action.IRCode();
        use_(current_);
    }

    const std::function<void(const IRCodeUse&)>& use_;
    IRCodeUse current_;
};

} // namespace

void ForEachIRCodeUse(const kelpie::CCF& ccf, const std::function<void(const IRCodeUse&)>& use) {
    UseWalker walker(use);
    walker.Group("Home", ccf.HomeGroup());
    walker.Group("Devices", ccf.DevicesGroup());
    walker.Group("Macros", ccf.MacrosGroup());
    walker.SpecialPanels(ccf.SpecialPanels());
}

const char* SenderWord(IRCodeSender sender) {
    switch (sender) {
    case IRCodeSender::HardKey:
        return "hard key";
    case IRCodeSender::TimerStart:
        return "timer start";
    case IRCodeSender::TimerEnd:
        return "timer end";
    default:
        return "button";
    }
}

} // namespace vantor
