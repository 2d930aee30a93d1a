#include "ProgramLogo.h"

#include <QPainter>
#include <QPainterPath>

QPixmap ProgramLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 64 by 64 grid.
    painter.scale(size / 64.0, size / 64.0);

    // The remote's body.
    QPainterPath body;
    body.addRoundedRect(QRectF(14, 3, 36, 58), 7, 7);
    painter.fillPath(body, QColor(0x2E, 0x3A, 0x48));
    // The touch screen with two panel buttons and a frame.
    painter.fillRect(QRectF(18, 8, 28, 26), QColor(0xD8, 0xE8, 0xF0));
    painter.fillRect(QRectF(21, 11, 22, 8), QColor(0x4C, 0xA3, 0xDD));
    painter.fillRect(QRectF(21, 22, 10, 9), QColor(0xF2, 0x9E, 0x38));
    painter.fillRect(QRectF(33, 22, 10, 9), QColor(0xF2, 0x9E, 0x38));
    // The hard keys below the screen.
    painter.setBrush(QColor(0x9A, 0xA8, 0xB4));
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            painter.drawEllipse(QRectF(19 + column * 10, 39 + row * 9, 6, 6));
    return pixmap;
}
