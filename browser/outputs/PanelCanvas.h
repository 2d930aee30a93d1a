// The panel picture: the remote's 240 by 219 pixel screen, on which panels,
// frames, buttons and icons are drawn as the remote shows them, with the
// viewer's options (which button state, which children outlined, canvas
// colour). The drawing procedures of the panel viewer.
#pragma once

#include <kelpie/file/CCFEnums.h>
#include <kelpie/model/Button.h>
#include "outputs/IconCache.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QStaticText>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace kelpie {
class Icon;
}

namespace vantor {

class UserInterface;

enum class Highlight { None, Buttons, Frames, All };
// What is being drawn, for its highlight colour.
enum class DrawKind { None, Frame, Button };

struct ViewerOptions {
    kelpie::ButtonState ShowButtonsAs = kelpie::ActiveUnselected;
    vantor::Highlight Highlight = Highlight::None;
    bool HighlightCanvas = false;
};

class PanelCanvas {
public:
    static constexpr int Width = 240;
    static constexpr int Height = 219;

    explicit PanelCanvas(UserInterface& ui);

    ViewerOptions Options;
    // Called before an icon is drawn: the desktop shows (or restores) the
    // viewer window there.
    std::function<void()> BeforeIconDrawn;

    const QImage& Image() const noexcept { return image_; }

    // The canvas shows only its background: white, or blue when the canvas
    // is highlighted.
    void ClearPanelPicture();
    void FillRectangle(std::int32_t color, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, DrawKind kind, kelpie::CCFFileFormats format);
    void DrawHighlight(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                       DrawKind kind);
    void DrawIcon(const kelpie::Icon& icon, std::int32_t x, std::int32_t y, DrawKind kind);
    void DrawCenteredText(const std::string& text, std::int32_t font, std::int32_t color,
                          std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                          kelpie::CCFFileFormats format);
    // Saves everything drawn so far as a BMP file; false on failure.
    bool SavePanelPicture(const std::string& path) const;

    // A colour value of a frame or button on screen: a grey level in the grey
    // formats, a palette index in the colour format.
    static QColor ScreenColor(std::int32_t color, kelpie::CCFFileFormats format);

private:
    // The icon's picture as an image, decoded once per icon.
    const QImage& IconImage(const kelpie::Icon& icon);
    // The names' font at a size, its metrics, and the names laid out in it
    // so far with their widths.
    struct LaidOutName {
        int Advance = 0;
        QStaticText Text;
    };
    struct NameFontMetrics {
        QFont Font;
        QFontMetrics Metrics;
        std::unordered_map<std::string, LaidOutName> Names;
    };
    NameFontMetrics& NameFontAt(std::int32_t points);

    UserInterface& ui_;
    QImage image_;
    IconCache<QImage> icons_;
    std::unordered_map<std::int32_t, NameFontMetrics> nameFonts_;
};

} // namespace vantor
