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
                       const std::string& name) {
    if (lines.InReport() && lines.Carries(Lines::Block)) out.WriteLn("--------------------");
    if (lines.Carries(Lines::ChildHeading)) out.WriteHeading(HeadingLevel::Child, words, &name);
}

// The lines every frame and button block begins with; the two kinds label
// their name and size slightly differently.
void WritePlacement(TextDocument& out, const kelpie::Child& child, const char* nameLabel,
                    const char* sizeLabel) {
    out.WriteLn(" Properties:");
    out.IndentIn();
    out.WriteLn("Position: " + RtfWriter::FormatPosition(child.Position()));
    WriteNameLine(out, nameLabel, child.Name());
    out.WriteLn("Size: " + std::to_string(child.Size()));
    out.WriteLn("Position : " + Pair(child.X(), child.Y()));
    out.WriteLn(sizeLabel + Pair(child.Width(), child.Height()));
}

} // namespace

void WriteCoordinateErrors(TextDocument& out, std::int32_t x, std::int32_t y, std::int32_t parentX,
                           std::int32_t parentY, std::int32_t width, std::int32_t height) {
    // In 64-bit: offsets accumulate down the nesting and the sums must not wrap.
    const std::int64_t left = std::int64_t{parentX} + x;
    const std::int64_t top = std::int64_t{parentY} + y;
    const std::int64_t right = left + width;  // one past the last column
    const std::int64_t bottom = top + height; // one past the last row
    bool found = true;

    if (right <= 0)
        out.WriteLn("**** Not visible - too far to left of panel");
    else if (left > PanelWidth)
        out.WriteLn("**** Not visible - too far to right of panel");
    else if (left < 0)
        out.WriteLn("**** Partly to left of panel by " + std::to_string(-left) + " pixels");
    else if (right > PanelWidth)
        out.WriteLn("**** Partly to right of panel by " + std::to_string(right - PanelWidth) +
                    " pixels");
    else
        found = false;

    bool foundVertical = true;
    if (bottom <= 0)
        out.WriteLn("**** Not visible - too far above panel");
    else if (top > PanelHeight)
        out.WriteLn("**** Not visible - too far below panel");
    else if (top < 0)
        out.WriteLn("**** Partly above panel by " + std::to_string(-top) + " pixels");
    else if (bottom > PanelHeight)
        out.WriteLn("**** Part below panel by " + std::to_string(bottom - PanelHeight) + " pixels");
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
    out.WriteLn(line);
}

namespace {

void WriteCoordinateErrors(TextDocument& out, const kelpie::Child& child, std::int32_t parentX,
                           std::int32_t parentY) {
    WriteCoordinateErrors(out, child.X(), child.Y(), parentX, parentY, child.Width(),
                          child.Height());
}

} // namespace

Visit TextOutput::Frame(kelpie::Frame& frame, const Node& parent, std::int32_t, std::int32_t,
                        std::int32_t parentX, std::int32_t parentY, const Drawing& drawing) {
    DrawShown(drawing);
    WriteChildHeading(out_, lines_, "Frame: ", frame.Name());
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
    }
    if (Carries(Lines::Check)) WriteCoordinateErrors(out_, frame, parentX, parentY);
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
    WriteChildHeading(out_, lines_, "Button: ", button.Name());
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
    }
    if (Carries(Lines::Check)) WriteCoordinateErrors(out_, button, parentX, parentY);
    if (block) {
        out_.IndentOut();
        out_.WriteLn(" Subordinates:");
    }
    // The display lists the icons and the action list's title; the reports
    // go down into them.
    return Below(parent, true);
}

void TextOutput::ButtonWithoutActions() {
    if (Carries(Lines::Check)) out_.WriteLn("**** Button has no actions");
}

} // namespace vantor
