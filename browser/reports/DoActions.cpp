// Action lists, actions and timers.
//
// Every action is one compact line with a bracketed letter per kind ("[B]"
// button alias, "[J]" jump, "[D]" delay, "[K]" key alias, "[A]" alias device,
// "[S]" sound); code and timer actions hand on to their IR code ("[C]") and
// timer ("[T]"), which are shared records and write their own blocks.
#include "model/CCFlocal.h"
#include "model/basCCF.h"
#include "reports/ActionTexts.h"
#include "reports/OutputRules.h"

#include <kelpie/model/Button.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/Panel.h>

#include <array>
#include <string_view>

namespace vantor {

namespace {

constexpr const char* Separator = "--------------------";

// Titles written in the body font; every other title (a key name taken from
// the file, "FarLeft", "FarRight", an empty title) is written in the remote's
// font.
bool IsBodyFontTitle(const std::string& title) {
    constexpr std::array<std::string_view, 9> bodyTitles = {
        "Button", "Entry", "Left", "Right", "Chan+", "Chan-", "Vol+", "Vol-", "Mute"};
    for (std::string_view body : bodyTitles)
        if (title == body) return true;
    return false;
}

// The bracketed letter of the kinds that show as an action node or row; ""
// for code and timer actions (their IR code or timer shows instead) and for
// unknown kinds (which show nothing).
const char* ActionLetter(kelpie::CCFActionTypes type) {
    switch (type) {
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

void CCFlocal::DoActionList(const std::string& type, kelpie::Actions& actions,
                            const std::string& parentNode, bool expandList, bool expandActions) {
    SaveObject(actions, "L");
    const std::int32_t mode = browser_.OutputMode;
    RtfWriter& out = browser_.Writer;
    const bool writes = WritesLine(mode, browser_.ReportKind, {rkFull});

    std::string node;
    if (mode == omTree) node = AddToTreeView(parentNode, "L", type, actions.Position());
    if (writes) {
        if (mode == omReportFile) out.WriteLn(Separator);
        if (IsBodyFontTitle(type))
            out.WriteText(type);
        else
            out.WriteProntoText(type);
        out.WriteLn(" Action List");
    }
    if (!expandList) return;
    out.IndentIn();
    if (writes) {
        out.WriteLn("Position: " + RtfWriter::FormatPosition(actions.Position()));
        out.WriteLn("Size: " + std::to_string(actions.Size()));
    }
    for (kelpie::Action& action : actions)
        DoAction(action, node, expandActions);
    out.IndentOut();
}

void CCFlocal::DoAction(kelpie::Action& action, const std::string& parentNode, bool expand) {
    SaveObject(action, "A");
    const std::int32_t mode = browser_.OutputMode;
    const kelpie::CCFActionTypes type = action.ActionType();

    // Code and timer actions are their IR code and timer in every output.
    if (type == kelpie::actCode) {
        if (kelpie::IRCode* code = action.IRCode()) return DoIRCode(*code, parentNode, expand);
    } else if (type == kelpie::actTimer) {
        if (kelpie::Timer* timer = action.Timer()) return DoTimer(*timer, parentNode, expand);
    }
    // A code or timer action whose record is gone still shows as an action,
    // so that it can be found and its line names what is missing.
    std::string letter = ActionLetter(type);
    if (type == kelpie::actCode) letter = "[C]";
    if (type == kelpie::actTimer) letter = "[T]";

    if (mode == omTree) {
        if (!letter.empty()) AddToTreeView(parentNode, "A", letter, action.Position());
        return;
    }
    if (mode == omListView) {
        if (!letter.empty())
            browser_.ListControl.AddRow(
                {letter, "Action", {}, MakeTag(Key(), "A", action.Position())});
        return;
    }
    // A missing IR code or timer is written where its block would have been.
    const bool writes = type == kelpie::actCode
                            ? WritesLine(mode, browser_.ReportKind, {rkFull, rkIRCodes})
                            : WritesLine(mode, browser_.ReportKind, {rkFull});
    if (!writes) return;
    RtfWriter& out = browser_.Writer;
    for (const ActionTextPiece& piece : ActionLine(action))
        piece.IsName ? out.WriteProntoText(piece.Text) : out.WriteText(piece.Text);
    out.WriteLn();
}

void CCFlocal::DoTimer(kelpie::Timer& timer, const std::string& parentNode, bool expand) {
    SaveObject(timer, "T");
    const std::int32_t mode = browser_.OutputMode;
    if (mode == omTree) {
        AddToTreeView(parentNode, "T", "", timer.Position());
        return;
    }
    if (mode == omListView) {
        browser_.ListControl.AddRow({"[T]", "Timer", {}, MakeTag(Key(), "T", timer.Position())});
        return;
    }
    if (!WritesLine(mode, browser_.ReportKind, {rkFull})) return;

    RtfWriter& out = browser_.Writer;
    out.WriteLn("[T] Timer");
    if (!expand) return;
    out.IndentIn();
    out.WriteLn("Position: " + RtfWriter::FormatPosition(timer.Position()));
    out.WriteLn("Size: " + std::to_string(timer.Size()));
    const kelpie::Timer* next = timer.NextTimer();
    out.WriteLn("Next Timer at: " +
                (next ? RtfWriter::FormatPosition(next->Position()) : std::string("None")));

    const auto writeEvent = [&](const char* title, kelpie::Action* action, std::uint8_t days,
                                std::int16_t time) {
        out.WriteLn();
        out.WriteLn(title);
        out.IndentIn();
        if (action)
            DoAction(*action, "", true);
        else
            out.WriteLn("No Action");
        out.WriteLn(TimerDaysAndTime(days, time));
        out.IndentOut();
    };
    writeEvent("Start Event: ", timer.StartAction(), timer.StartDays(), timer.StartTime());
    writeEvent("End Event: ", timer.EndAction(), timer.EndDays(), timer.EndTime());

    if (timer.Filler1() != 0) out.WriteLn("Filler 1: " + std::to_string(timer.Filler1()));
    if (timer.Filler2() != 0) out.WriteLn("Filler 2: " + std::to_string(timer.Filler2()));
    out.IndentOut();
}

} // namespace vantor
