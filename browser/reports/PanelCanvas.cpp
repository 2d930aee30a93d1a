#include "reports/PanelCanvas.h"

namespace vantor {

PanelCanvas::PanelCanvas(UserInterface& ui) : ui_(ui), image_(Width, Height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
}

// Being built: the drawing procedures.
void PanelCanvas::ClearPanelPicture() {}
void PanelCanvas::FillRectangle(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, DrawKind,
                                kelpie::CCFFileFormats) {}
void PanelCanvas::DrawHighlight(std::int32_t, std::int32_t, std::int32_t, std::int32_t, DrawKind) {}
void PanelCanvas::DrawIcon(const kelpie::Icon&, std::int32_t, std::int32_t, DrawKind) {}
void PanelCanvas::DrawCenteredText(const std::string&, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                   std::int32_t, std::int32_t, kelpie::CCFFileFormats) {}
bool PanelCanvas::SavePanelPicture(const std::string&) const { return false; }
QColor PanelCanvas::ScreenColor(std::int32_t, kelpie::CCFFileFormats) { return Qt::black; }

} // namespace vantor
