#include "NodeImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace vantor {

namespace {

using Drawing = std::function<void(QPainter&)>;

// One palette for every picture, so they read as one set.
const QColor Outline(40, 40, 60);
const QColor Body(230, 232, 240);
const QColor Accent(40, 110, 200);
const QColor Warm(230, 160, 40);
const QColor Signal(200, 50, 50);

void Pen(QPainter& p, const QColor& color, qreal width = 1.0) {
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Folder(QPainter& p, const QColor& mark) {
    Pen(p, Outline);
    p.setBrush(QColor(245, 205, 90));
    QPainterPath path;
    path.moveTo(1.5, 3.5);
    path.lineTo(6, 3.5);
    path.lineTo(7.5, 5);
    path.lineTo(14.5, 5);
    path.lineTo(14.5, 13.5);
    path.lineTo(1.5, 13.5);
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(mark);
    p.drawEllipse(QRectF(9, 8, 4, 4));
}

const std::map<QString, Drawing>& NodeDrawings() {
    static const std::map<QString, Drawing> drawings = {
        // The file itself: the remote control, a tall body with its screen.
        {"Pronto",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(QColor(90, 95, 110));
             p.drawRoundedRect(QRectF(3.5, 0.5, 9, 15), 2, 2);
             p.setBrush(QColor(150, 210, 240));
             p.drawRect(QRectF(5, 2, 6, 6));
             p.setBrush(Body);
             p.drawEllipse(QRectF(6.5, 10, 3, 3));
         }},
        {"Home",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Warm);
             p.drawPolygon(QPolygonF({{1, 8}, {8, 1.5}, {15, 8}}));
             p.setBrush(Body);
             p.drawRect(QRectF(3.5, 8, 9, 6.5));
             p.setBrush(Accent);
             p.drawRect(QRectF(7, 10, 2.5, 4.5));
         }},
        {"DeviceGroup", [](QPainter& p) { Folder(p, Accent); }},
        {"MacroGroup", [](QPainter& p) { Folder(p, Signal); }},
        {"Device",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Body);
             p.drawRoundedRect(QRectF(0.5, 4.5, 15, 8), 1.5, 1.5);
             p.setBrush(Accent);
             p.drawRect(QRectF(2.5, 6.5, 6, 4));
             p.setBrush(Warm);
             p.drawEllipse(QRectF(10.5, 7, 3, 3));
         }},
        {"Panel",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Body);
             p.drawRect(QRectF(1.5, 2.5, 13, 11));
             p.setBrush(Accent);
             for (int row = 0; row < 2; ++row)
                 for (int col = 0; col < 2; ++col)
                     p.drawRect(QRectF(3.5 + col * 5, 4.5 + row * 4.5, 4, 3));
         }},
        {"Frame",
         [](QPainter& p) {
             QPen pen(Outline, 1.0, Qt::DashLine);
             p.setPen(pen);
             p.setBrush(Body);
             p.drawRect(QRectF(1.5, 2.5, 13, 11));
             Pen(p, Outline);
             p.setBrush(Warm);
             p.drawRect(QRectF(4.5, 5.5, 7, 5));
         }},
        {"Button",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Accent);
             p.drawRoundedRect(QRectF(1.5, 4.5, 13, 7), 3, 3);
             Pen(p, Body, 1.5);
             p.drawLine(QPointF(5, 8), QPointF(11, 8));
         }},
        {"ActionList",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Body);
             p.drawRect(QRectF(2.5, 1.5, 11, 13));
             Pen(p, Accent, 1.5);
             for (int line = 0; line < 4; ++line)
                 p.drawLine(QPointF(5, 4.5 + line * 2.5), QPointF(11, 4.5 + line * 2.5));
         }},
        {"Action",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Warm);
             p.drawPolygon(
                 QPolygonF({{9.5, 0.5}, {3, 9}, {7.5, 9}, {6, 15.5}, {13, 6.5}, {8.5, 6.5}}));
         }},
        {"IRCode",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Signal);
             p.drawEllipse(QRectF(1, 6, 4, 4));
             p.setBrush(Qt::NoBrush);
             Pen(p, Signal, 1.3);
             p.drawArc(QRectF(2, 3, 8, 10), -60 * 16, 120 * 16);
             p.drawArc(QRectF(0, 0, 15, 16), -60 * 16, 120 * 16);
         }},
        {"Timer",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Body);
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             Pen(p, Accent, 1.5);
             p.drawLine(QPointF(8, 8), QPointF(8, 4));
             p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
         }},
        {"Icon",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(QColor(150, 210, 240));
             p.drawRect(QRectF(1.5, 2.5, 13, 11));
             p.setBrush(QColor(80, 160, 80));
             p.drawPolygon(QPolygonF({{1.5, 13.5}, {6, 7}, {9, 10.5}, {11, 8.5}, {14.5, 13.5}}));
             p.setBrush(Warm);
             p.drawEllipse(QRectF(9.5, 4, 3, 3));
         }},
    };
    return drawings;
}

// The view buttons: a page with what each list mode shows.
void ViewPage(QPainter& p, int mode) {
    Pen(p, Outline);
    p.setBrush(Body);
    p.drawRect(QRectF(0.5, 1.5, 15, 13));
    p.setBrush(Accent);
    p.setPen(Qt::NoPen);
    switch (mode) {
    case 0: // large icons
        p.drawRect(QRectF(2.5, 3.5, 5, 4.5));
        p.drawRect(QRectF(8.5, 3.5, 5, 4.5));
        p.fillRect(QRectF(2.5, 9.5, 5, 1.5), Outline);
        p.fillRect(QRectF(8.5, 9.5, 5, 1.5), Outline);
        break;
    case 1: // small icons
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col) {
                p.drawRect(QRectF(2.5 + col * 6.5, 3.5 + row * 3.5, 2, 2));
                p.fillRect(QRectF(5 + col * 6.5, 4 + row * 3.5, 3, 1), Outline);
            }
        break;
    case 2: // list
        for (int row = 0; row < 4; ++row) {
            p.drawRect(QRectF(2.5, 3 + row * 2.7, 2, 2));
            p.fillRect(QRectF(5.5, 3.5 + row * 2.7, 7.5, 1), Outline);
        }
        break;
    default: // details
        p.fillRect(QRectF(1, 2, 14, 2), Outline);
        for (int row = 0; row < 3; ++row) {
            p.fillRect(QRectF(2.5, 5.5 + row * 2.8, 5, 1), Outline);
            p.fillRect(QRectF(9, 5.5 + row * 2.8, 4.5, 1), Outline);
        }
        break;
    }
}

void Printer(QPainter& p) {
    Pen(p, Outline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(120, 125, 140));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
}

const std::map<QString, Drawing>& ToolbarDrawings() {
    static const std::map<QString, Drawing> drawings = {
        {"Open",
         [](QPainter& p) {
             Folder(p, QColor(245, 205, 90));
             Pen(p, Accent, 1.5);
             p.drawLine(QPointF(11, 1), QPointF(11, 5.5));
             p.drawLine(QPointF(9, 3.5), QPointF(11, 1));
             p.drawLine(QPointF(13, 3.5), QPointF(11, 1));
         }},
        {"Print", Printer},
        // Reports: a written page beside the printer's colours.
        {"PrintFile",
         [](QPainter& p) {
             Pen(p, Outline);
             p.setBrush(Qt::white);
             p.drawPolygon(
                 QPolygonF({{2.5, 0.5}, {10, 0.5}, {13.5, 4}, {13.5, 15.5}, {2.5, 15.5}}));
             Pen(p, Accent, 1.2);
             for (int line = 0; line < 4; ++line)
                 p.drawLine(QPointF(4.5, 5.5 + line * 2.5), QPointF(11.5, 5.5 + line * 2.5));
         }},
        {"View Large Icons", [](QPainter& p) { ViewPage(p, 0); }},
        {"View Small Icons", [](QPainter& p) { ViewPage(p, 1); }},
        {"View List", [](QPainter& p) { ViewPage(p, 2); }},
        {"View Details", [](QPainter& p) { ViewPage(p, 3); }},
    };
    return drawings;
}

QPixmap Render(const Drawing& drawing, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    drawing(painter);
    return pixmap;
}

// Drawn once per key and size set: a large file's tree asks for thousands.
QIcon Lookup(const std::map<QString, Drawing>& drawings, const QString& key,
             std::initializer_list<int> sizes) {
    static std::map<QString, QIcon> cache;
    QString cacheKey = key;
    for (int size : sizes)
        cacheKey += QLatin1Char('/') + QString::number(size);
    if (const auto hit = cache.find(cacheKey); hit != cache.end()) return hit->second;
    const auto at = drawings.find(key);
    QIcon icon;
    if (at == drawings.end()) return icon;
    for (int size : sizes)
        icon.addPixmap(Render(at->second, size));
    cache.emplace(cacheKey, icon);
    return icon;
}

} // namespace

QStringList NodeImageKeys() {
    return {"Action", "ActionList", "Button", "Device", "DeviceGroup", "Frame", "Home",
            "IRCode", "MacroGroup", "Panel",  "Pronto", "Timer",       "Icon"};
}

QIcon NodeImage(const QString& key, bool large) {
    return Lookup(NodeDrawings(), key, {large ? 32 : 16});
}

QIcon NodeImageBothSizes(const QString& key) {
    return Lookup(NodeDrawings(), key, {16, 32});
}

QIcon ToolbarImage(const QString& key) {
    return Lookup(ToolbarDrawings(), key, {16, 32});
}

} // namespace vantor
