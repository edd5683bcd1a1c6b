#include "DragMove.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace tarvand {

DragMove::DragMove(QWidget* form, QPoint cursor)
    : QObject(form), form_(form), startCursor_(cursor), startPosition_(form->pos()) {
    // The button went down on some control of the form, which keeps the mouse; the moves are
    // seen on their way to it.
    QCoreApplication::instance()->installEventFilter(this);
}

void DragMove::Start(QWidget* form) {
    if (form == nullptr || QCoreApplication::instance() == nullptr)
        return;
    for (DragMove* running : form->findChildren<DragMove*>(Qt::FindDirectChildrenOnly))
        delete running;
    new DragMove(form, QCursor::pos());
}

bool DragMove::eventFilter(QObject* watched, QEvent* event) {
    Q_UNUSED(watched);
    if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (form_ == nullptr || (event->type() == QEvent::MouseMove && !(mouse->buttons() & Qt::LeftButton)) ||
        (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)) {
        deleteLater();
        QCoreApplication::instance()->removeEventFilter(this);
        return false;
    }
    if (event->type() == QEvent::MouseMove)
        form_->move(startPosition_ + (mouse->globalPosition().toPoint() - startCursor_));
    return false;
}

} // namespace tarvand
