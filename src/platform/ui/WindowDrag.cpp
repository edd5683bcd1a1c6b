#include "WindowDrag.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tarvand::ui {

void WindowDrag::start(QWidget* control) {
    if (control == nullptr) {
        return;
    }
    QWidget* window = control->window();
    if (QWindow* handle = window->windowHandle(); handle != nullptr && handle->startSystemMove()) {
        return;
    }
    new WindowDrag(window, QCursor::pos());
}

WindowDrag::WindowDrag(QWidget* window, const QPoint& grabbedAt)
    : QObject(window), window_(window), offset_(grabbedAt - window->pos()) {
    qApp->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseMove && window_ != nullptr) {
        window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - offset_);
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        qApp->removeEventFilter(this);
        deleteLater();
    }
    return false;
}

} // namespace tarvand::ui
