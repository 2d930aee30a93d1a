#include "outputs/ActionTexts.h"

#include "model/JumpTargets.h"

#include <kelpie/file/CCFEnums.h>
#include <kelpie/model/Action.h>
#include <kelpie/model/Button.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/IRCode.h>
#include <kelpie/model/Panel.h>

#include <cstdio>
#include <cstdlib>

namespace vantor {

namespace {

ActionTextPiece Text(std::string text) {
    return {std::move(text), false, std::nullopt};
}

// The name of a linked object (of `kind`), or what is missing and where the
// action points: the graph holds no object for that position.
template <class T>
ActionTextPiece NameOrMissing(const T* object, RecordKind kind, const char* what,
                              std::int32_t raw) {
    if (object) return {object->Name(), true, RecordRef{kind, object->Position()}};
    return Text(std::string("(missing ") + what + " at " + Hex8(raw) + ")");
}

} // namespace

std::string Hex8(std::int32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X",
                  static_cast<unsigned>(static_cast<std::uint32_t>(value)));
    return text;
}

std::string DelaySeconds(std::int32_t milliseconds) {
    const std::int64_t value = milliseconds; // no overflow when negating the lowest value
    const std::int64_t magnitude = value < 0 ? -value : value;
    std::string text(value < 0 ? "-" : "");
    text += std::to_string(magnitude / 1000);
    if (const std::int64_t fraction = magnitude % 1000; fraction != 0) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%03d", static_cast<int>(fraction));
        std::string decimals = digits;
        decimals.erase(decimals.find_last_not_of('0') + 1);
        text += "." + decimals;
    }
    return text;
}

std::string KeyWord(std::int32_t key) {
    static const char* const words[] = {"Left", "Right", "Vol-", "Vol+", "Chan-", "Chan+", "Mute"};
    if (key >= 0 && key < 7) return words[key];
    return "Unknown " + std::to_string(key);
}

std::string TimerDaysAndTime(std::uint8_t days, std::int16_t minutes) {
    static const char* const words[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun", "Weekly"};
    std::string text;
    for (int bit = 0; bit < 8; ++bit)
        if (days & (1u << bit)) text += std::string(words[bit]) + " ";
    // Minutes after midnight; a negative value (a broken file) keeps its sign
    // on both parts, as truncating division gives them.
    const int hours = minutes / 60, rest = minutes % 60;
    char clock[16];
    std::snprintf(clock, sizeof clock, "%d:%s%02d", hours, rest < 0 ? "-" : "", std::abs(rest));
    return text + "at " + clock;
}

std::vector<ActionTextPiece> ActionLine(const kelpie::Action& action) {
    const std::int32_t p1 = action.Parameter1(), p2 = action.Parameter2();
    switch (action.ActionType()) {
    case kelpie::actCode:
        return {Text("[C] "), NameOrMissing(action.IRCode(), RecordKind::IRCode, "IR code", p2)};
    case kelpie::actTimer:
        return {Text("[T] Timer (missing timer at " + Hex8(p2) + ")")};
    case kelpie::actButtonAlias:
        return {Text("[B] "), NameOrMissing(action.Device(), RecordKind::Device, "device", p1),
                Text(" - "), NameOrMissing(action.Button(), RecordKind::Button, "button", p2)};
    case kelpie::actJump:
        if (const JumpTargetName* special = SpecialJumpTarget(p2))
            return {Text(std::string("[J] Jump: ") + special->ReportWord)};
        return {Text("[J] Jump: "),
                NameOrMissing(action.Device(), RecordKind::Device, "device", p1), Text(" - "),
                NameOrMissing(action.Panel(), RecordKind::Panel, "panel", p2)};
    case kelpie::actDelay:
        return {Text("[D] " + DelaySeconds(p2) + " sec")};
    case kelpie::actKeyAlias:
        return {Text("[K] "), NameOrMissing(action.Device(), RecordKind::Device, "device", p1),
                Text(" - " + KeyWord(p2))};
    case kelpie::actAliasDevice:
        return {Text("[A] "), NameOrMissing(action.Device(), RecordKind::Device, "device", p1)};
    case kelpie::actSound:
        // The duration is stored in tens of milliseconds.
        return {Text("[S] " + std::to_string(action.BeepFrequency()) + "Hz " +
                     std::to_string(action.BeepPercent()) + "% " +
                     std::to_string(action.BeepDuration()) + "0ms")};
    default:
        return {Text("Unknown Type : " + std::to_string(static_cast<int>(action.ActionType())) +
                     " : " + std::to_string(p1) + "/" + std::to_string(p2))};
    }
}

} // namespace vantor
