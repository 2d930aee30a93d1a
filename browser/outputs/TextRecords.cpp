// Action lists, actions, timers, IR codes and icons as text.
//
// Every action is one compact line with a bracketed letter per kind ("[B]"
// button alias, "[J]" jump, "[D]" delay, "[K]" key alias, "[A]" alias device,
// "[S]" sound); code and timer actions show as their IR code ("[C]") and
// timer ("[T]"), which write their own blocks.
#include "outputs/TextOutput.h"

#include "outputs/ActionTexts.h"
#include "outputs/DrawOutput.h"
#include "outputs/IRCodeWords.h"
#include "outputs/RtfWriter.h"

#include <kelpie/file/basStructures.h>
#include <kelpie/ir/Decode.h>
#include <kelpie/model/Action.h>

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

std::string IconTypeWord(const kelpie::Icon& icon) {
    switch (icon.IconType()) {
    case kelpie::ict2Color:
        return "2 Color";
    case kelpie::ict4Color:
        return "4 Color";
    case kelpie::ict4ColorCompressed:
        return "4 Color (Compressed)";
    case kelpie::ict8Color:
        return "8 color";
    default:
        return RtfWriter::HexWord(icon.RawIconType());
    }
}

} // namespace

Visit TextOutput::ActionList(const std::string& title, kelpie::Actions& actions,
                             const Node& parent, bool expand) {
    const bool writes = Carries(Lines::ActionList);
    if (writes) {
        if (lines_.InReport()) out_.WriteLn(Separator);
        if (IsBodyFontTitle(title))
            out_.WriteText(title);
        else
            out_.WriteProntoText(title);
        out_.WriteLn(" Action List");
    }
    if (!expand) return Below(parent, false);
    // The actions are indented in every report kind, also where the list's
    // own lines are not written (the IR codes it sends).
    Scope list = Indent();
    if (writes) {
        out_.BeginBlock(LineBlock::Properties);
        out_.WriteLn("Position: " + RtfWriter::FormatPosition(actions.Position()));
        out_.WriteLn("Size: " + std::to_string(actions.Size()));
        out_.EndBlock();
    }
    return Below(parent, true, std::move(list));
}

void TextOutput::Action(const kelpie::Action& action, const std::string&, const Node&) {
    // A missing IR code is written where its block would have been.
    if (!Carries(action.ActionType() == kelpie::actCode ? Lines::IRCode : Lines::ActionList))
        return;
    for (const ActionTextPiece& piece : ActionLine(action)) {
        if (piece.Target)
            out_.WriteLink(piece.Text, piece.IsName, *piece.Target);
        else
            piece.IsName ? out_.WriteProntoText(piece.Text) : out_.WriteText(piece.Text);
    }
    out_.WriteLn();
}

Visit TextOutput::Timer(kelpie::Timer& timer, const Node& parent, bool expand) {
    if (!Carries(Lines::ActionList)) return Below(parent, false);
    out_.WriteLn("[T] Timer");
    if (!expand) return Below(parent, false);
    Scope block = Indent();
    out_.BeginBlock(LineBlock::Properties);
    out_.WriteLn("Position: " + RtfWriter::FormatPosition(timer.Position()));
    out_.WriteLn("Size: " + std::to_string(timer.Size()));
    const kelpie::Timer* next = timer.NextTimer();
    out_.WriteLn("Next Timer at: " +
                 (next ? RtfWriter::FormatPosition(next->Position()) : std::string("None")));
    out_.EndBlock();
    return Below(parent, true, std::move(block));
}

Scope TextOutput::TimerEvent(const char* title, bool hasAction) {
    out_.WriteLn();
    out_.WriteLn(title);
    Scope event = Indent();
    if (!hasAction) out_.WriteLn("No Action");
    return event;
}

void TextOutput::TimerEventEnd(std::uint8_t days, std::int16_t time) {
    out_.WriteLn(TimerDaysAndTime(days, time));
}

void TextOutput::TimerEnd(const kelpie::Timer& timer) {
    if (timer.Filler1() != 0) out_.WriteLn("Filler 1: " + std::to_string(timer.Filler1()));
    if (timer.Filler2() != 0) out_.WriteLn("Filler 2: " + std::to_string(timer.Filler2()));
}

void TextOutput::IRCode(const kelpie::IRCode& code, const Node&, bool expand) {
    if (!Carries(Lines::IRCode)) return;
    // Each use of a code shows its block; the first one is the code's entry.
    if (expand) out_.BeginRecord({RecordKind::IRCode, code.Position()});
    out_.WriteText("[C] ");
    out_.WriteProntoText(code.Name());
    out_.WriteLn();
    if (!expand) return;

    // Sizes from the data itself: the 16-bit size properties fail for codes
    // built in memory beyond their range, and a report must not end there.
    const std::vector<std::uint8_t>& data = code.IRCodeData();
    const std::int64_t dataSize = static_cast<std::int64_t>(data.size());
    const Scope block = Indent();
    out_.BeginBlock(LineBlock::Properties);
    out_.WriteLn("Position: " + RtfWriter::FormatPosition(code.Position()));
    out_.WriteLn("Type: " + IRCodeTypeName(code.IRCodeType()));
    out_.WriteLn("Structure Size: " +
                 std::to_string(dataSize + kelpie::basStructures::IRCodeHeadSize));
    out_.WriteLn("IR Code Size: " + std::to_string(dataSize));
    out_.BeginBlock(LineBlock::Dump);
    // The data as big-endian words, ten to a line; an odd last byte is not
    // shown.
    const std::vector<std::string> words = IRCodeDataWords(data);
    std::string line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        line.append(words[i]).append(" ");
        if ((i + 1) % 10 == 0 || i + 1 == words.size()) {
            out_.WriteLn(line);
            line.clear();
        }
    }
    out_.EndBlock();
    // What the words send, for the person browsing: "NEC1, device 4,
    // function 8, 38.0 kHz", or why no protocol fits.
    if (Carries(Lines::IRDecode)) {
        out_.BeginBlock(LineBlock::Properties);
        out_.WriteLn("Decoded: " + kelpie::ir::Decode(data).Describe());
        out_.EndBlock();
    }
}

void TextOutput::Icon(const kelpie::Icon& icon, const std::string& type, bool printIcon,
                      const Node& parent, bool expand, std::int32_t x, std::int32_t y,
                      bool root) {
    // The display pane draws the icon it shows.
    if (root && !lines_.InReport())
        DrawOutput(canvas_, format_).Icon(icon, type, printIcon, parent, expand, x, y, root);
    if (!Carries(Lines::Icon)) return;
    if (lines_.InReport()) out_.WriteLn(Separator);
    // The uses that show the icon's block refer to the first of them.
    if (expand) out_.BeginRecord({RecordKind::Icon, icon.Position()});
    if (!type.empty()) out_.WriteText(type + " ");
    out_.WriteLn("Icon");
    if (!expand) return;

    // Sizes in 64 bits: a record's size word minus its head can leave the
    // 16-bit range, and 32767 x 32767 pixels does not fit 32 bits either.
    const std::int64_t width = icon.Width(), height = icon.Height();
    {
        const Scope block = Indent();
        out_.BeginBlock(LineBlock::Properties);
        out_.WriteLn("Position: " + RtfWriter::FormatPosition(icon.Position()));
        out_.WriteLn("Structure Size: " + std::to_string(icon.Size()));
        out_.WriteLn("Icon Size: " + std::to_string(static_cast<std::int64_t>(icon.Size()) -
                                                    kelpie::basStructures::IconHeadSize));
        out_.WriteLn("Width, Height: (" + std::to_string(width) + ", " + std::to_string(height) +
                     ") [" + std::to_string(width * height) + " pixels]");
        out_.WriteLn("Type: " + IconTypeWord(icon));
        out_.WriteLn("Reference Count: " + std::to_string(icon.ReferenceCount()));
        out_.EndBlock();
    }
    if (lines_.InReport() && printIcon) out_.WriteIconPicture(icon);
}

} // namespace vantor
