#include "outputs/PanelCanvas.h"

#include "outputs/PictureFile.h"

#include "outputs/PictureEncoder.h"

#include "model/Sinks.h"
#include "outputs/RtfWriter.h"

#include <kelpie/Error.h>
#include <kelpie/icons/BitmapHandler.h>
#include <kelpie/icons/Icon.h>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vantor {

namespace {

const QColor CanvasWhite(255, 255, 255);
const QColor CanvasBlue(0, 0, 255);
const QColor FrameGreen(0, 255, 0);
const QColor ButtonRed(255, 0, 0);

// The part of a box that lies on the canvas. Boxes come from the file and
// their offsets add up down the nesting, so they are clipped in 64-bit before
// any of them reaches the painter; a box without a positive size is empty.
QRect OnCanvas(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) return {};
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(x + width, PanelCanvas::Width);
    const std::int64_t bottom = std::min<std::int64_t>(y + height, PanelCanvas::Height);
    if (left >= right || top >= bottom) return {};
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

// Names are drawn in the remote's own font. Where it is not installed, a
// plain sans-serif of the same size stands in so the name stays readable.
// The remote's fonts are sized in points on a screen of about 96 dots per
// inch: 12 points are 16 pixels. The size is set in pixels so the picture
// does not depend on the resolution of the machine that draws it.
QFont NameFont(std::int32_t points) {
    QFont font(QStringLiteral("Pronto"));
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("Pronto"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPixelSize(std::max(1, (points * 96 + 36) / 72));
    // The remote's screen has no smoothing: every pixel of a letter is in the
    // text's colour. (It also keeps a panel picture to a few colours, which
    // is what makes the report's pictures small and quick to encode.)
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

PanelCanvas::PanelCanvas(UserInterface& ui) : ui_(ui), image_(Width, Height, QImage::Format_RGB32) {
    image_.fill(CanvasWhite);
}

void PanelCanvas::ClearPanelPicture() {
    image_.fill(Options.HighlightCanvas ? CanvasBlue : CanvasWhite);
}

void PanelCanvas::FillRectangle(std::int32_t color, std::int32_t x, std::int32_t y,
                                std::int32_t width, std::int32_t height, DrawKind kind,
                                kelpie::CCFFileFormats format) {
    // The box covers exactly width by height pixels, from (x, y) to
    // (x + width - 1, y + height - 1): the same last pixel as its outline, so
    // neighbouring boxes meet without overlapping.
    const QRect box = OnCanvas(x, y, width, height);
    if (!box.isEmpty()) {
        QPainter painter(&image_);
        painter.fillRect(box, ScreenColor(color, format));
    }
    DrawHighlight(x, y, width, height, kind);
}

void PanelCanvas::DrawHighlight(std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height, DrawKind kind) {
    const bool frames =
        Options.Highlight == Highlight::Frames || Options.Highlight == Highlight::All;
    const bool buttons =
        Options.Highlight == Highlight::Buttons || Options.Highlight == Highlight::All;
    QColor color;
    if (kind == DrawKind::Frame && frames)
        color = FrameGreen;
    else if (kind == DrawKind::Button && buttons)
        color = ButtonRed;
    else
        return;
    // A one-pixel outline on the box's own edge pixels, drawn as four strips
    // so that no pen geometry moves it by half a pixel.
    const std::int64_t x0 = x, y0 = y, w = width, h = height;
    if (w <= 0 || h <= 0) return;
    const QRect edges[] = {OnCanvas(x0, y0, w, 1), OnCanvas(x0, y0 + h - 1, w, 1),
                           OnCanvas(x0, y0, 1, h), OnCanvas(x0 + w - 1, y0, 1, h)};
    QPainter painter(&image_);
    for (const QRect& edge : edges)
        if (!edge.isEmpty()) painter.fillRect(edge, color);
}

void PanelCanvas::DrawIcon(const kelpie::Icon& icon, std::int32_t x, std::int32_t y,
                           DrawKind kind) {
    if (icon.IconType() == kelpie::ictUnknown) return;
    if (BeforeIconDrawn) BeforeIconDrawn();
    try {
        const QImage& bitmap = IconImage(icon);
        if (bitmap.isNull())
            throw kelpie::Error(kelpie::ErrorKind::InvalidArgument,
                                "The icon at " + std::to_string(icon.Position()) +
                                    " gave no readable picture");
        // Positions far off the canvas cannot reach the painter's int range.
        if (!OnCanvas(x, y, bitmap.width(), bitmap.height()).isEmpty()) {
            QPainter painter(&image_);
            painter.drawImage(QPoint(x, y), bitmap);
        }
        DrawHighlight(x, y, icon.Width(), icon.Height(), kind);
    } catch (const kelpie::Error& error) {
        ui_.ShowMessage("Error drawing bitmap\n" + std::to_string(static_cast<int>(error.Kind())) +
                        " " + error.what());
    }
}

const QImage& PanelCanvas::IconImage(const kelpie::Icon& icon) {
    return icons_.Get(icon, [](const kelpie::Icon& from) { return DecodeIcon(from); });
}

void PanelCanvas::DrawCenteredText(const std::string& text, std::int32_t font, std::int32_t color,
                                   std::int32_t x, std::int32_t y, std::int32_t width,
                                   std::int32_t height, kelpie::CCFFileFormats format) {
    if (font == kelpie::fntNone) return;
    std::int32_t points = 0;
    RtfWriter::FontName(font, points);
    // A font value the remote does not know has no size to draw at.
    if (points == 0) return;
    NameFontMetrics& drawing = NameFontAt(points);
    // Names in the file are 8-bit characters.
    const QString name = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    // Centred on the box; a long name may overflow it. The same names come
    // back on every panel: each is measured and laid out once.
    if (drawing.Names.size() >= 65536) drawing.Names.clear();
    const auto [laidOut, added] = drawing.Names.try_emplace(text);
    if (added) {
        laidOut->second.Advance = drawing.Metrics.horizontalAdvance(name);
        laidOut->second.Text.setText(name);
        laidOut->second.Text.setTextFormat(Qt::PlainText);
        laidOut->second.Text.prepare(QTransform(), drawing.Font);
    }
    const double left = x + width / 2.0 - laidOut->second.Advance / 2.0;
    const double top = y + height / 2.0 - drawing.Metrics.height() / 2.0;
    if (left < -32768 || left > 32767 || top < -32768 || top > 32767)
        return; // nowhere near the canvas
    QPainter painter(&image_);
    painter.setFont(drawing.Font);
    painter.setPen(ScreenColor(color, format));
    painter.drawStaticText(QPointF(left, top), laidOut->second.Text);
}

PanelCanvas::NameFontMetrics& PanelCanvas::NameFontAt(std::int32_t points) {
    auto found = nameFonts_.find(points);
    if (found == nameFonts_.end()) {
        const QFont font = NameFont(points);
        found = nameFonts_.emplace(points, NameFontMetrics{font, QFontMetrics(font), {}}).first;
    }
    return found->second;
}

bool PanelCanvas::SavePanelPicture(const std::string& path) const {
    std::string error;
    return WritePictureFile(path, image_, "BMP", {}, error);
}

QColor PanelCanvas::ScreenColor(std::int32_t color, kelpie::CCFFileFormats format) {
    if (format == kelpie::fmtv1 || format == kelpie::fmtv2) {
        // Grey levels 0 to 3 in steps of 85; anything above white stays white.
        const int grey = std::clamp(color, 0, 3) * 85;
        return QColor(grey, grey, grey);
    }
    std::uint8_t red = 0, green = 0, blue = 0;
    if (color >= 0) kelpie::BitmapHandler().PaletteToRGB(color, red, green, blue);
    return QColor(red, green, blue);
}

} // namespace vantor
