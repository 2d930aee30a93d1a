// The second pass: once every device, panel, button and timer is loaded,
// link each action to the objects its parameters name.
#include "load/Loader.h"

#include "load/ModelBuilder.h"
#include <kelpie/file/CCF.h>
#include <kelpie/model/Action.h>
#include <kelpie/model/Button.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Timer.h>

#include <cstdio>

namespace kelpie {

namespace {

bool IsSpecialJump(std::int32_t target) {
    switch (static_cast<std::uint32_t>(target)) {
    case jmpScrollDown:
    case jmpScrollUp:
    case jmpMouseMode:
    case jmpBack:
    case jmpForward:
        return true;
    default:
        return false;
    }
}

// Upper-case hexadecimal without prefix or leading zeros; a negative value
// shows as its 32-bit two's complement.
std::string Hex(std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X",
                  static_cast<unsigned>(static_cast<std::uint32_t>(value)));
    return text;
}

} // namespace

void Loader::ResolveReferences() {
    for (Action* action : actionsInLoadOrder_)
        ResolveAction(*action);
}

void Loader::ResolveAction(Action& action) {
    const std::int32_t p1 = action.Parameter1();
    const std::int32_t p2 = action.Parameter2();
    switch (action.ActionType()) {
    case actButtonAlias:
        ModelBuilder::SetDevice(action, &Lookup(devicesByPosition_, p1, mtypDevice, action));
        ModelBuilder::SetButton(action, &Lookup(buttonsByPosition_, p2, mtypButton, action));
        break;
    case actJump:
        if (IsSpecialJump(p2)) break;
        // A jump must land inside the file, past the header.
        if (p2 > file_.FileSize() || p2 < basStructures::HeaderSize(fmtv1)) {
            file_.Notice("Invalid Special Jump action of " + Hex(p2));
            break;
        }
        ModelBuilder::SetDevice(action, &Lookup(devicesByPosition_, p1, mtypDevice, action));
        ModelBuilder::SetPanel(action, &Lookup(panelsByPosition_, p2, mtypPanel, action));
        break;
    case actKeyAlias:
    case actAliasDevice:
        ModelBuilder::SetDevice(action, &Lookup(devicesByPosition_, p1, mtypDevice, action));
        break;
    case actTimer:
        if (Timer* timer = action.Timer(); timer && timer->NextTimerPosition() != 0)
            ModelBuilder::SetNextTimer(
                *timer, &Lookup(timersByPosition_, timer->NextTimerPosition(), mtypTimer, action));
        break;
    default:
        break;
    }
}

} // namespace kelpie
