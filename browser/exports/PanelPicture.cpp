#include "exports/PanelPicture.h"

#include "outputs/DrawOutput.h"
#include "outputs/PanelCanvas.h"
#include "walk/Walker.h"

namespace vantor {

void DrawPanelPicture(PanelCanvas& canvas, UserInterface& ui, CCFlocal& file,
                      kelpie::Panel& panel) {
    canvas.ClearPanelPicture();
    DrawOutput draw(canvas, file.CCF().FileFormat());
    Walker(file, draw, ui).DoPanel(panel, {});
}

} // namespace vantor
