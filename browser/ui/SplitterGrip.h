// An invisible grip between two panes. It only reports the mouse: press,
// moves while pressed and release, with the pointer's position relative to
// the grip in pixels; the window decides what a drag does.
#pragma once

#include <QWidget>

#include <functional>

namespace vantor {

class SplitterGrip final : public QWidget {
public:
    SplitterGrip(Qt::Orientation orientation, QWidget* parent);

    std::function<void()> Pressed;
    std::function<void(QPoint pointer)> Moved;
    std::function<void()> Released;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace vantor
