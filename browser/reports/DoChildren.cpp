// Frames, buttons and the layout checks.
#include "model/CCFlocal.h"
#include "model/basCCF.h"
#include "reports/ReportLines.h"

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
void WriteChildHeading(RtfWriter& out, std::int32_t kind, const char* words,
                       const std::string& name) {
    if (kind == rkFull) out.WriteLn("--------------------");
    if (kind == rkFull || kind == rkIRCodes || kind == rkErrors)
        WriteNamedHeading(out, HeadingChild, words, name);
}

// The state a button is drawn in, as the viewer's options choose it. An
// option that names no state falls back to active unselected.
kelpie::ButtonState DrawnState(ViewerOptions& options) {
    switch (options.ShowButtonsAs) {
    case kelpie::ActiveSelected:
    case kelpie::InactiveSelected:
    case kelpie::InactiveUnselected:
        return options.ShowButtonsAs;
    default:
        options.ShowButtonsAs = kelpie::ActiveUnselected;
        return kelpie::ActiveUnselected;
    }
}

// The lines every frame and button block begins with; the two kinds label
// their name and size slightly differently.
void WritePlacement(RtfWriter& out, const kelpie::Child& child, const char* nameLabel,
                    const char* sizeLabel) {
    out.WriteLn(" Properties:");
    out.IndentIn();
    out.WriteLn("Position: " + RtfWriter::FormatPosition(child.Position()));
    WriteNameLine(out, nameLabel, child.Name());
    out.WriteLn("Size: " + std::to_string(child.Size()));
    out.WriteLn("Position : " + Pair(child.X(), child.Y()));
    out.WriteLn(sizeLabel + Pair(child.Width(), child.Height()));
}

// A frame or button as the remote shows it: its icon (drawn by `drawIcon`),
// or else a box of its background colour, then its name centred over it.
template <class DrawIconAt>
void DrawChild(PanelCanvas& canvas, const kelpie::Child& child, kelpie::Icon* icon,
               DrawIconAt drawIcon, std::int32_t background, std::int32_t text, DrawKind kind,
               std::int32_t x, std::int32_t y, kelpie::CCFFileFormats format) {
    if (icon)
        drawIcon(*icon);
    else
        canvas.FillRectangle(background, x, y, child.Width(), child.Height(), kind, format);
    if (!child.Name().empty())
        canvas.DrawCenteredText(child.Name(), child.Font(), text, x, y, child.Width(),
                                child.Height(), format);
}

} // namespace

void CCFlocal::DoChild(kelpie::Child& child, const std::string& parentNode, std::int32_t parentX,
                       std::int32_t parentY, bool& hasActions) {
    const std::int32_t type = child.ChildType();
    if (kelpie::Frame* frame = type == kelpie::chtFrame ? child.AsFrame() : nullptr)
        DoFrame(*frame, parentNode, parentX, parentY, hasActions);
    else if (kelpie::Button* button = type == kelpie::chtButton ? child.AsButton() : nullptr)
        DoButton(*button, parentNode, parentX, parentY, hasActions);
    else
        browser_.Ui.ShowMessage("Unknown child type " + std::to_string(type));
}

void CCFlocal::DoFrame(kelpie::Frame& frame, const std::string& parentNode, std::int32_t parentX,
                       std::int32_t parentY, bool& hasActions) {
    SaveObject(static_cast<kelpie::Child&>(frame), "F");
    const std::int32_t mode = browser_.OutputMode;
    const std::int32_t kind = browser_.ReportKind;
    const kelpie::CCFFileFormats format = CCF().FileFormat();
    RtfWriter& out = browser_.Writer;
    const bool fullText = mode == omDisplay || (mode == omReportFile && kind == rkFull);
    // The frame's place on the panel; its children are placed from here.
    const std::int32_t x = parentX + frame.X();
    const std::int32_t y = parentY + frame.Y();

    std::string node;
    switch (mode) {
    case omTree:
        node = AddToTreeView(parentNode, "F", frame.Name(), frame.Position());
        if (kelpie::Icon* icon = frame.Icon()) DoIcon(*icon, "Frame", false, node, true, x, y);
        break;
    case omListView:
        browser_.ListControl.AddRow(
            {frame.Name(),
             "Frame",
             {"Frame", std::to_string(frame.X()), std::to_string(frame.Y())},
             MakeTag(key_, "F", frame.Position())});
        return;
    case omDrawPanel:
        DrawChild(
            browser_.Canvas, frame, frame.Icon(),
            [&](kelpie::Icon& icon) { DoIcon(icon, "Frame", false, "", false, x, y); },
            frame.BackgroundColor(), frame.TextColor(), DrawKind::Frame, x, y, format);
        break;
    case omReportFile:
        WriteChildHeading(out, kind, "Frame: ", frame.Name());
        break;
    default:
        break;
    }

    if (fullText) {
        std::int32_t points = 0;
        WritePlacement(out, frame, "Name: ", "Width,Height: ");
        out.WriteLn("Font: " + RtfWriter::FontName(frame.Font(), points) +
                    ", Text: " + RtfWriter::ColorName(frame.TextColor(), format) +
                    ", Background: " + RtfWriter::ColorName(frame.BackgroundColor(), format));
        if (frame.Filler1() != 0) out.WriteLn("Filler: " + std::to_string(frame.Filler1()));
        out.WriteLn("Number of child Frames/Buttons is " +
                    std::to_string(frame.Children() ? frame.Children()->Count() : 0));
    }
    if (mode == omReportFile && (kind == rkFull || kind == rkErrors))
        ReportCoordinateErrors(frame.X(), frame.Y(), parentX, parentY, frame.Width(),
                               frame.Height());
    if (fullText) {
        out.IndentOut();
        out.WriteLn(" Subordinates:");
        out.IndentIn();
        if (kelpie::Icon* icon = frame.Icon())
            DoIcon(*icon, "Frame", false, "", mode != omDisplay, x, y);
        out.IndentOut();
    }

    if (mode == omDisplay || !frame.Children()) return;
    out.IndentIn();
    for (kelpie::Child& child : *frame.Children())
        DoChild(child, node, x, y, hasActions);
    out.IndentOut();
}

void CCFlocal::DoButton(kelpie::Button& button, const std::string& parentNode, std::int32_t parentX,
                        std::int32_t parentY, bool& hasActions) {
    SaveObject(static_cast<kelpie::Child&>(button), "B");
    const std::int32_t mode = browser_.OutputMode;
    const std::int32_t kind = browser_.ReportKind;
    const kelpie::CCFFileFormats format = CCF().FileFormat();
    RtfWriter& out = browser_.Writer;
    const bool fullText = mode == omDisplay || (mode == omReportFile && kind == rkFull);
    const std::int32_t x = parentX + button.X();
    const std::int32_t y = parentY + button.Y();

    std::string node;
    switch (mode) {
    case omTree:
        node = AddToTreeView(parentNode, "B", button.Name(), button.Position());
        break;
    case omListView:
        browser_.ListControl.AddRow(
            {button.Name(),
             "Button",
             {"Button", std::to_string(button.X()), std::to_string(button.Y())},
             MakeTag(key_, "B", button.Position())});
        return;
    case omDrawPanel: {
        const kelpie::ButtonState state = DrawnState(browser_.Canvas.Options);
        DrawChild(
            browser_.Canvas, button, button.IconOf(state),
            [&](kelpie::Icon& icon) { DoIcon(icon, "Button", false, "", false, x, y); },
            button.BackgroundColorOf(state), button.TextColorOf(state), DrawKind::Button, x, y,
            format);
        return;
    }
    case omReportFile:
        WriteChildHeading(out, kind, "Button: ", button.Name());
        break;
    default:
        break;
    }

    if (fullText) {
        std::int32_t points = 0;
        WritePlacement(out, button, "Name : ", "Width, Height: ");
        out.WriteLn("Font: " + RtfWriter::FontName(button.Font(), points));
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
            out.WriteLn(state.Label +
                        RtfWriter::ColorName(button.TextColorOf(state.State), format) +
                        ", Background: " +
                        RtfWriter::ColorName(button.BackgroundColorOf(state.State), format));
        if (button.Filler1() != 0) out.WriteLn("Filler: " + std::to_string(button.Filler1()));
    }
    if (mode == omReportFile && (kind == rkFull || kind == rkErrors))
        ReportCoordinateErrors(button.X(), button.Y(), parentX, parentY, button.Width(),
                               button.Height());
    if (fullText) {
        out.IndentOut();
        out.WriteLn(" Subordinates:");
    }

    // The display lists the icons and the action list's title; the tree and
    // the reports go down into them.
    const bool expand = mode != omDisplay;
    const struct {
        kelpie::Icon* Icon;
        const char* Type;
    } icons[] = {
        {button.InactiveUnselIcon(), "Inactive Unselected"},
        {button.InactiveSelIcon(), "Inactive Selected"},
        {button.ActiveUnselIcon(), "Active Unselected"},
        {button.ActiveSelIcon(), "Active Selected"},
    };
    out.IndentIn();
    for (const auto& icon : icons)
        if (icon.Icon) DoIcon(*icon.Icon, icon.Type, false, node, expand, x, y);
    if (button.Actions().Count() >= 1) {
        hasActions = true;
        DoActionList("Button", button.Actions(), node, expand, expand);
    } else if (mode == omReportFile && (kind == rkFull || kind == rkErrors)) {
        out.WriteLn("**** Button has no actions");
    }
    out.IndentOut();
}

void CCFlocal::ReportCoordinateErrors(std::int32_t x, std::int32_t y, std::int32_t parentX,
                                      std::int32_t parentY, std::int32_t width,
                                      std::int32_t height) {
    RtfWriter& out = browser_.Writer;
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

} // namespace vantor
