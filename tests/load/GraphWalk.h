// Walks a loaded graph the way a reader of the file would: every device of
// the three groups with its hard-key lists and panels, every frame and button
// below, every action (timer actions included) and the special panels.
#pragma once

#include <kelpie/file/CCF.h>
#include <kelpie/model/Actions.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Devices.h>
#include <kelpie/model/Panels.h>
#include <kelpie/model/Timer.h>

#include <functional>

namespace walk {

struct Visitor {
    std::function<void(kelpie::Device&)> device = [](kelpie::Device&) {};
    std::function<void(kelpie::Panel&)> panel = [](kelpie::Panel&) {};
    std::function<void(kelpie::Child&, int depth)> child = [](kelpie::Child&, int) {};
    std::function<void(kelpie::Action&)> action = [](kelpie::Action&) {};
};

inline void Actions(kelpie::Actions& list, const Visitor& v) {
    for (auto& action : list) {
        v.action(action);
        if (kelpie::Timer* timer = action.Timer()) {
            if (timer->StartAction()) v.action(*timer->StartAction());
            if (timer->EndAction()) v.action(*timer->EndAction());
        }
    }
}

inline void Children(kelpie::Children& children, const Visitor& v, int depth) {
    for (auto& child : children) {
        v.child(child, depth);
        if (auto* frame = child.AsFrame(); frame && frame->Children())
            Children(*frame->Children(), v, depth + 1);
        if (auto* button = child.AsButton()) Actions(button->Actions(), v);
    }
}

inline void Panels(kelpie::Panels& panels, const Visitor& v) {
    for (auto& panel : panels) {
        v.panel(panel);
        Children(panel.Children(), v, 1);
    }
}

inline void Graph(kelpie::CCF& ccf, const Visitor& v) {
    for (kelpie::Devices* group : {&ccf.HomeGroup(), &ccf.DevicesGroup(), &ccf.MacrosGroup()}) {
        for (auto& device : *group) {
            v.device(device);
            for (kelpie::Actions* list :
                 {&device.ActionsEntry(), &device.ActionsLeft(), &device.ActionsRight(),
                  &device.ActionsFarLeft(), &device.ActionsFarRight(), &device.ActionsVolMinus(),
                  &device.ActionsVolPlus(), &device.ActionsChanMinus(), &device.ActionsChanPlus(),
                  &device.ActionsMute()})
                Actions(*list, v);
            Panels(device.Panels(), v);
        }
    }
    Panels(ccf.SpecialPanels(), v);
}

} // namespace walk
