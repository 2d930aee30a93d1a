// A panel drawn as the remote shows it, as the viewer draws it: its frames
// and buttons with their icons and names, on a cleared canvas.
#pragma once

namespace kelpie {
class Panel;
}

namespace vantor {

class CCFlocal;
class PanelCanvas;
class UserInterface;

void DrawPanelPicture(PanelCanvas& canvas, UserInterface& ui, CCFlocal& file,
                      kelpie::Panel& panel);

} // namespace vantor
