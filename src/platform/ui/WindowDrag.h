#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace tarvand::ui {

// Moves a borderless window with the mouse while the left button stays down, as its caption
// strip asks on a press: through the window system where it can move windows itself, otherwise
// by following the mouse until the button is released.
class WindowDrag : public QObject {
    Q_OBJECT

public:
    // Starts moving the window that holds control; call from a mouse-press handler.
    static void start(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowDrag(QWidget* window, const QPoint& grabbedAt);

    QPointer<QWidget> window_;
    QPoint offset_;
};

} // namespace tarvand::ui
