// Action lists, actions and timers. Code and timer actions hand on to their
// IR code and timer, which are shared records and show as themselves.
#include "walk/Walker.h"

#include <kelpie/model/Action.h>

namespace vantor {

namespace {

// The bracketed letter of the kinds that show as an action node or row; ""
// for unknown kinds (which show nothing).
const char* ActionLetter(kelpie::CCFActionTypes type) {
    switch (type) {
    case kelpie::actCode:
        return "[C]";
    case kelpie::actTimer:
        return "[T]";
    case kelpie::actButtonAlias:
        return "[B]";
    case kelpie::actJump:
        return "[J]";
    case kelpie::actDelay:
        return "[D]";
    case kelpie::actKeyAlias:
        return "[K]";
    case kelpie::actAliasDevice:
        return "[A]";
    case kelpie::actSound:
        return "[S]";
    default:
        return "";
    }
}

} // namespace

void Walker::DoActionList(const std::string& type, kelpie::Actions& actions,
                          const Node& parentNode, bool expandList, bool expandActions) {
    const Level level(depth_);
    Register(actions, "L");
    Visit visit = output_.ActionList(type, actions, parentNode, expandList);
    if (!expandList) return;
    const Scope list = std::move(visit.scope);
    for (kelpie::Action& action : actions)
        DoAction(action, visit.node, expandActions);
}

void Walker::DoAction(kelpie::Action& action, const Node& parentNode, bool expand) {
    const Level level(depth_);
    Register(action, "A");
    const kelpie::CCFActionTypes type = action.ActionType();
    // Code and timer actions are their IR code and timer in every output. One
    // whose record is gone still shows as an action, so that it can be found
    // and its line names what is missing.
    if (type == kelpie::actCode) {
        if (kelpie::IRCode* code = action.IRCode()) return DoIRCode(*code, parentNode, expand);
    } else if (type == kelpie::actTimer) {
        if (kelpie::Timer* timer = action.Timer()) return DoTimer(*timer, parentNode, expand);
    }
    output_.Action(action, ActionLetter(type), parentNode);
}

void Walker::DoTimer(kelpie::Timer& timer, const Node& parentNode, bool expand) {
    const Level level(depth_);
    Register(timer, "T");
    Visit visit = output_.Timer(timer, parentNode, expand);
    if (!visit.below) return;
    const Scope block = std::move(visit.scope);
    const auto event = [&](const char* title, kelpie::Action* action, std::uint8_t days,
                           std::int16_t time) {
        const Scope scope = output_.TimerEvent(title, action != nullptr);
        if (action) DoAction(*action, {}, true);
        output_.TimerEventEnd(days, time);
    };
    event("Start Event: ", timer.StartAction(), timer.StartDays(), timer.StartTime());
    event("End Event: ", timer.EndAction(), timer.EndDays(), timer.EndTime());
    output_.TimerEnd(timer);
}

} // namespace vantor
