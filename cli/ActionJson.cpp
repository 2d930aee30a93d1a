#include "ActionJson.h"

#include "model/Button.h"
#include "model/Device.h"
#include "model/IRCode.h"
#include "model/Panel.h"
#include "model/Timer.h"

namespace vantor {

namespace {

using Json = nlohmann::ordered_json;

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

const char* SpecialJump(std::int32_t target) {
    switch (static_cast<std::uint32_t>(target)) {
    case kelpie::jmpScrollDown:
        return "scroll down";
    case kelpie::jmpScrollUp:
        return "scroll up";
    case kelpie::jmpMouseMode:
        return "mouse mode";
    case kelpie::jmpBack:
        return "back";
    case kelpie::jmpForward:
        return "forward";
    default:
        return nullptr;
    }
}

const char* KeyWord(std::int32_t key) {
    static constexpr const char* Keys[] = {"left",         "right",      "volume down", "volume up",
                                           "channel down", "channel up", "mute"};
    return key >= 0 && key < 7 ? Keys[key] : nullptr;
}

} // namespace

nlohmann::ordered_json ActionJson(const kelpie::Action& action) {
    Json json;
    json["position"] = action.Position();
    json["type"] = ActionTypeWord(action.ActionType());
    json["type_number"] = static_cast<std::int32_t>(action.ActionType());
    json["parameter1"] = action.Parameter1();
    json["parameter2"] = action.Parameter2();
    switch (action.ActionType()) {
    case kelpie::actCode:
        json["ir_code"] = PositionOf(action.IRCode());
        break;
    case kelpie::actButtonAlias:
        json["device"] = PositionOf(action.Device());
        json["button"] = PositionOf(action.Button());
        break;
    case kelpie::actJump:
        if (const char* special = SpecialJump(action.Parameter2())) {
            json["special"] = special;
        } else {
            json["device"] = PositionOf(action.Device());
            json["panel"] = PositionOf(action.Panel());
        }
        break;
    case kelpie::actDelay:
        json["delay"] = action.Parameter2();
        break;
    case kelpie::actKeyAlias: {
        json["device"] = PositionOf(action.Device());
        const char* key = KeyWord(action.Parameter2());
        json["key"] = key ? Json(key) : Json();
        break;
    }
    case kelpie::actAliasDevice:
        json["device"] = PositionOf(action.Device());
        break;
    case kelpie::actTimer:
        json["timer"] = PositionOf(action.Timer());
        break;
    case kelpie::actSound:
        json["frequency"] = action.BeepFrequency();
        json["percent"] = action.BeepPercent();
        json["duration"] = action.BeepDuration();
        break;
    default:
        break;
    }
    return json;
}

} // namespace vantor
