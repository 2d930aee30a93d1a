// Frames and buttons as text, with the layout checks of a report.
#include "outputs/TextOutput.h"

#include "outputs/ReportLines.h"
#include "outputs/RtfWriter.h"

#include <kelpie/model/Button.h>
#include <kelpie/model/Frame.h>

namespace vantor {

namespace {

// The remote's visible panel area in pixels.
constexpr std::int64_t PanelWidth = 240;
constexpr std::int64_t PanelHeight = 219;

std::string Pair(std::int64_t a, std::int64_t b) {
    std::string pair("(");
    pair.append(std::to_string(a)).append(",").append(std::to_string(b)).append(")");
    return pair;
}

// Frames and buttons in a report: a separator in the full report, and a
// heading wherever their layout checks or IR codes may follow.
void WriteChildHeading(TextDocument& out, const TextLines& lines, const char* words,
                       const kelpie::Child& child, RecordKind kind) {
    if (lines.InReport() && lines.Carries(Lines::Block)) out.WriteLn("--------------------");
    if (!lines.Carries(Lines::ChildHeading)) return;
    out.BeginRecord({kind, child.Position()});
    out.WriteHeading(HeadingLevel::Child, words, &child.Name());
}

// The lines every frame and button block begins with; the two kinds label
// their name and size slightly differently.
void WritePlacement(TextDocument& out, const kelpie::Child& child, const char* nameLabel,
                    const char* sizeLabel) {
    out.WriteLn(" Properties:");
    out.IndentIn();
    out.BeginBlock(LineBlock::Properties);
    out.WriteLn("Position: " + RtfWriter::FormatPosition(child.Position()));
    WriteNameLine(out, nameLabel, child.Name());
    out.WriteLn("Size: " + std::to_string(child.Size()));
    out.WriteLn("Position : " + Pair(child.X(), child.Y()));
    out.WriteLn(sizeLabel + Pair(child.Width(), child.Height()));
}

} // namespace

void WriteCoordinateErrors(TextDocument& out, std::int32_t x, std::int32_t y, std::int32_t parentX,
                           std::int32_t parentY, std::int32_t width, std::int32_t height,
                           RecordRef concerns) {
    // In 64-bit: offsets accumulate down the nesting and the sums must not wrap.
    const std::int64_t left = std::int64_t{parentX} + x;
    const std::int64_t top = std::int64_t{parentY} + y;
    const std::int64_t right = left + width;  // one past the last column
    const std::int64_t bottom = top + height; // one past the last row
    bool found = true;

    if (right <= 0)
        out.WriteCheck("**** Not visible - too far to left of panel", concerns);
    else if (left > PanelWidth)
        out.WriteCheck("**** Not visible - too far to right of panel", concerns);
    else if (left < 0)
        out.WriteCheck("**** Partly to left of panel by " + std::to_string(-left) + " pixels",
                       concerns);
    else if (right > PanelWidth)
        out.WriteCheck("**** Partly to right of panel by " + std::to_string(right - PanelWidth) +
                           " pixels",
                       concerns);
    else
        found = false;

    bool foundVertical = true;
    if (bottom <= 0)
        out.WriteCheck("**** Not visible - too far above panel", concerns);
    else if (top > PanelHeight)
        out.WriteCheck("**** Not visible - too far below panel", concerns);
    else if (top < 0)
        out.WriteCheck("**** Partly above panel by " + std::to_string(-top) + " pixels", concerns);
    else if (bottom > PanelHeight)
        out.WriteCheck("**** Part below panel by " + std::to_string(bottom - PanelHeight) +
                           " pixels",
                       concerns);
    else
        foundVertical = false;

    if (!found && !foundVertical) return;
    const bool nested = parentX != 0 || parentY != 0;
    std::string line = "**** Location ";
    if (nested) line += "relative to parent ";
    line += "is " + Pair(x, y) + ", ";
    if (nested) line += "absolute location is " + Pair(left, top) + ", absolute ";
    line += "bottom right is " + Pair(right - 1, bottom - 1) + ", size is " +
            std::to_string(width) + " x " + std::to_string(height);
    out.WriteCheck(line, concerns);
}

namespace {

void WriteCoordinateErrors(TextDocument& out, const kelpie::Child& child, RecordKind kind,
                           std::int32_t parentX, std::int32_t parentY) {
    WriteCoordinateErrors(out, child.X(), child.Y(), parentX, parentY, child.Width(),
                          child.Height(), {kind, child.Position()});
}

} // namespace

Visit TextOutput::Frame(kelpie::Frame& frame, const Node& parent, std::int32_t, std::int32_t,
                        std::int32_t parentX, std::int32_t parentY, const Drawing& drawing) {
    DrawShown(drawing);
    WriteChildHeading(out_, lines_, "Frame: ", frame, RecordKind::Frame);
    const bool block = Carries(Lines::Block);
    if (block) {
        std::int32_t points = 0;
        WritePlacement(out_, frame, "Name: ", "Width,Height: ");
        out_.WriteLn("Font: " + RtfWriter::FontName(frame.Font(), points) +
                     ", Text: " + RtfWriter::ColorName(frame.TextColor(), format_) +
                     ", Background: " + RtfWriter::ColorName(frame.BackgroundColor(), format_));
        if (frame.Filler1() != 0) out_.WriteLn("Filler: " + std::to_string(frame.Filler1()));
        out_.WriteLn("Number of child Frames/Buttons is " +
                     std::to_string(frame.Children() ? frame.Children()->Count() : 0));
        out_.EndBlock(); // the checks are lines of their own
    }
    if (Carries(Lines::Check))
        WriteCoordinateErrors(out_, frame, RecordKind::Frame, parentX, parentY);
    Scope subordinates;
    if (block) {
        out_.IndentOut();
        out_.WriteLn(" Subordinates:");
        subordinates = Indent();
    }
    // The display pane shows the frame's own block only.
    return Below(parent, lines_.InReport(), std::move(subordinates));
}

Visit TextOutput::Button(kelpie::Button& button, const Node& parent, std::int32_t, std::int32_t,
                         std::int32_t parentX, std::int32_t parentY, const Drawing& drawing) {
    DrawShown(drawing);
    WriteChildHeading(out_, lines_, "Button: ", button, RecordKind::Button);
    button_ = button.Position();
    const bool block = Carries(Lines::Block);
    if (block) {
        std::int32_t points = 0;
        WritePlacement(out_, button, "Name : ", "Width, Height: ");
        out_.WriteLn("Font: " + RtfWriter::FontName(button.Font(), points));
        const struct {
            const char* Label;
            kelpie::ButtonState State;
        } states[] = {
            {"Inactive Unselected Colors: Text: ", kelpie::InactiveUnselected},
            {"Inactive Selected Colors: Text: ", kelpie::InactiveSelected},
            {"Active Unselected Colors: Text: ", kelpie::ActiveUnselected},
            {"Active Selected Colors: Text: ", kelpie::ActiveSelected},
        };
        for (const auto& state : states)
            out_.WriteLn(state.Label +
                         RtfWriter::ColorName(button.TextColorOf(state.State), format_) +
                         ", Background: " +
                         RtfWriter::ColorName(button.BackgroundColorOf(state.State), format_));
        if (button.Filler1() != 0) out_.WriteLn("Filler: " + std::to_string(button.Filler1()));
        out_.EndBlock();
    }
    if (Carries(Lines::Check))
        WriteCoordinateErrors(out_, button, RecordKind::Button, parentX, parentY);
    if (block) {
        out_.IndentOut();
        out_.WriteLn(" Subordinates:");
    }
    // The display lists the icons and the action list's title; the reports
    // go down into them.
    return Below(parent, true);
}

void TextOutput::ButtonWithoutActions() {
    if (Carries(Lines::Check))
        out_.WriteCheck("**** Button has no actions", {RecordKind::Button, button_});
}

} // namespace vantor
