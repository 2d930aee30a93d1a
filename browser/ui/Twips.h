// Lengths in twips (1/1440 inch) and screen pixels. The window's layout and
// its stored settings are in twips; they become pixels at the screen's
// logical dpi (96 on most desktops, so 15 twips to a pixel).
#pragma once

class QWidget;

namespace vantor {

constexpr double TwipsPerInch = 1440.0;

// The logical dpi of the screen the widget is on (of the primary screen when
// it has none yet); 96 when no screen is known.
double LogicalDpi(const QWidget* widget = nullptr);
int TwipsToPixels(double twips, const QWidget* widget = nullptr);
double PixelsToTwips(int pixels, const QWidget* widget = nullptr);

} // namespace vantor
