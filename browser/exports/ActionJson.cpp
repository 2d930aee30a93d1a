#include "exports/ActionJson.h"

#include "model/JumpTargets.h"

#include <kelpie/model/Button.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/IRCode.h>
#include <kelpie/model/Panel.h>
#include <kelpie/model/Timer.h>

namespace vantor {

namespace {

const char* ActionTypeWord(kelpie::CCFActionTypes type) {
    switch (type) {
    case kelpie::actCode:
        return "code";
    case kelpie::actButtonAlias:
        return "button alias";
    case kelpie::actJump:
        return "jump";
    case kelpie::actDelay:
        return "delay";
    case kelpie::actKeyAlias:
        return "key alias";
    case kelpie::actAliasDevice:
        return "alias device";
    case kelpie::actTimer:
        return "timer";
    case kelpie::actSound:
        return "sound";
    default:
        return "unknown";
    }
}

const char* KeyWord(std::int32_t key) {
    static constexpr const char* Keys[] = {"left",         "right",      "volume down", "volume up",
                                           "channel down", "channel up", "mute"};
    return key >= 0 && key < 7 ? Keys[key] : nullptr;
}

} // namespace

void WriteActionJson(JsonWriter& json, const kelpie::Action& action) {
    const auto object = json.Object();
    json.Member("position", action.Position());
    json.Member("type", ActionTypeWord(action.ActionType()));
    json.Member("type_number", static_cast<std::int32_t>(action.ActionType()));
    json.Member("parameter1", action.Parameter1());
    json.Member("parameter2", action.Parameter2());
    switch (action.ActionType()) {
    case kelpie::actCode:
        json.Member("ir_code", PositionOf(action.IRCode()));
        break;
    case kelpie::actButtonAlias:
        json.Member("device", PositionOf(action.Device()));
        json.Member("button", PositionOf(action.Button()));
        break;
    case kelpie::actJump:
        if (const JumpTargetName* special = SpecialJumpTarget(action.Parameter2())) {
            json.Member("special", special->JsonWord);
        } else {
            json.Member("device", PositionOf(action.Device()));
            json.Member("panel", PositionOf(action.Panel()));
        }
        break;
    case kelpie::actDelay:
        json.Member("delay", action.Parameter2());
        break;
    case kelpie::actKeyAlias:
        json.Member("device", PositionOf(action.Device()));
        if (const char* key = KeyWord(action.Parameter2()))
            json.Member("key", key);
        else
            json.Member("key", nullptr);
        break;
    case kelpie::actAliasDevice:
        json.Member("device", PositionOf(action.Device()));
        break;
    case kelpie::actTimer:
        json.Member("timer", PositionOf(action.Timer()));
        break;
    case kelpie::actSound:
        json.Member("frequency", action.BeepFrequency());
        json.Member("percent", action.BeepPercent());
        json.Member("duration", action.BeepDuration());
        break;
    default:
        break;
    }
}

} // namespace vantor
