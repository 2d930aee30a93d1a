#include "SplitterGrip.h"

#include <QMouseEvent>

namespace vantor {

SplitterGrip::SplitterGrip(Qt::Orientation orientation, QWidget* parent) : QWidget(parent) {
    // A vertical grip separates left from right: the west-east arrow.
    setCursor(orientation == Qt::Vertical ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void SplitterGrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    if (Pressed) Pressed();
}

void SplitterGrip::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ && Moved) Moved(event->position().toPoint());
}

void SplitterGrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (Released) Released();
}

} // namespace vantor
