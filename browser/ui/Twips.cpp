#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace vantor {

double LogicalDpi(const QWidget* widget) {
    QScreen* screen = widget ? widget->screen() : nullptr;
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int TwipsToPixels(double twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * LogicalDpi(widget) / TwipsPerInch));
}

double PixelsToTwips(int pixels, const QWidget* widget) {
    return pixels * TwipsPerInch / LogicalDpi(widget);
}

} // namespace vantor
