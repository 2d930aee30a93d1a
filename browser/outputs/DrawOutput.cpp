#include "outputs/DrawOutput.h"

#include "outputs/PanelCanvas.h"

#include <kelpie/model/Button.h>
#include <kelpie/model/Frame.h>

#include <string_view>

namespace vantor {

namespace {

Visit NothingBelow(const Node& parent) {
    Visit visit{parent};
    visit.below = false;
    visit.icons = false;
    return visit;
}

// How an icon is outlined on the panel picture, from the word its caller
// titles it with: a frame's icon ("Frame"), a button's state icons (their
// state names), or nothing (an icon drawn alone, titled "").
DrawKind IconDrawKind(const std::string& type) {
    if (type == "Frame") return DrawKind::Frame;
    for (std::string_view state : {"Button", "Inactive Unselected", "Inactive Selected",
                                   "Active Unselected", "Active Selected"})
        if (type == state) return DrawKind::Button;
    return DrawKind::None;
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

// A frame or button as the remote shows it: its icon, or else a box of its
// background colour, then its name centred over it.
void DrawChild(PanelCanvas& canvas, const kelpie::Child& child, const kelpie::Icon* icon,
               std::int32_t background, std::int32_t text, DrawKind kind, std::int32_t x,
               std::int32_t y, kelpie::CCFFileFormats format) {
    if (icon)
        canvas.DrawIcon(*icon, x, y, kind);
    else
        canvas.FillRectangle(background, x, y, child.Width(), child.Height(), kind, format);
    if (!child.Name().empty())
        canvas.DrawCenteredText(child.Name(), child.Font(), text, x, y, child.Width(),
                                child.Height(), format);
}

} // namespace

Visit DrawOutput::Header(const kelpie::CCF&, const Node& parent, bool) {
    return NothingBelow(parent);
}

Visit DrawOutput::Device(kelpie::Device&, const Node& parent) {
    return NothingBelow(parent);
}

Visit DrawOutput::Frame(kelpie::Frame& frame, const Node& parent, std::int32_t x, std::int32_t y,
                        std::int32_t, std::int32_t, const Drawing&) {
    DrawChild(canvas_, frame, frame.Icon(), frame.BackgroundColor(), frame.TextColor(),
              DrawKind::Frame, x, y, format_);
    Visit visit{parent}; // the children are drawn over it
    visit.icons = false;
    return visit;
}

Visit DrawOutput::Button(kelpie::Button& button, const Node& parent, std::int32_t x,
                         std::int32_t y, std::int32_t, std::int32_t, const Drawing&) {
    const kelpie::ButtonState state = DrawnState(canvas_.Options);
    DrawChild(canvas_, button, button.IconOf(state), button.BackgroundColorOf(state),
              button.TextColorOf(state), DrawKind::Button, x, y, format_);
    return NothingBelow(parent);
}

Visit DrawOutput::Timer(kelpie::Timer&, const Node& parent, bool) {
    return NothingBelow(parent);
}

void DrawOutput::Icon(const kelpie::Icon& icon, const std::string& type, bool, const Node&, bool,
                      std::int32_t x, std::int32_t y, bool) {
    canvas_.DrawIcon(icon, x, y, IconDrawKind(type));
}

} // namespace vantor
