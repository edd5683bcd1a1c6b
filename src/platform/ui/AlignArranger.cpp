#include "AlignArranger.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace tarvand::ui {
namespace {

const char* const kAlignProperty = "tarvandAlign";

} // namespace

AlignArranger::AlignArranger(QWidget* container) : QObject(container), container_(container) {
    setObjectName(QStringLiteral("tarvandAlignArranger"));
    container->installEventFilter(this);
}

AlignArranger* AlignArranger::of(QWidget* container) {
    if (auto* existing = container->findChild<AlignArranger*>(QString(), Qt::FindDirectChildrenOnly)) {
        return existing;
    }
    return new AlignArranger(container);
}

void AlignArranger::setAlign(QWidget* control, TAlign align) {
    control->setProperty(kAlignProperty, int(align));
    // The control's own arranger also tells the parent when the control moves, shows or hides.
    of(control);
    if (QWidget* parent = control->parentWidget(); parent != nullptr && !control->isWindow()) {
        of(parent)->arrange();
    }
}

TAlign AlignArranger::alignOf(const QWidget* control) {
    const QVariant value = control->property(kAlignProperty);
    return value.isValid() ? TAlign(value.toInt()) : alNone;
}

void AlignArranger::arrange() {
    if (arranging_) {
        return;
    }
    arranging_ = true;
    QRect free = container_->contentsRect();
    QList<QWidget*> byAlign[alClient + 1];
    for (QObject* child : container_->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || widget->isHidden()) {
            continue;
        }
        const TAlign align = alignOf(widget);
        if (align != alNone) {
            byAlign[align].append(widget);
        }
    }
    for (QWidget* widget : byAlign[alTop]) {
        widget->setGeometry(free.left(), free.top(), free.width(), widget->height());
        free.setTop(free.top() + widget->height());
    }
    for (QWidget* widget : byAlign[alBottom]) {
        widget->setGeometry(free.left(), free.bottom() + 1 - widget->height(), free.width(),
                            widget->height());
        free.setBottom(free.bottom() - widget->height());
    }
    for (QWidget* widget : byAlign[alLeft]) {
        widget->setGeometry(free.left(), free.top(), widget->width(), std::max(0, free.height()));
        free.setLeft(free.left() + widget->width());
    }
    for (QWidget* widget : byAlign[alRight]) {
        widget->setGeometry(free.right() + 1 - widget->width(), free.top(), widget->width(),
                            std::max(0, free.height()));
        free.setRight(free.right() - widget->width());
    }
    for (QWidget* widget : byAlign[alClient]) {
        widget->setGeometry(free.left(), free.top(), std::max(0, free.width()), std::max(0, free.height()));
    }
    arranging_ = false;
}

bool AlignArranger::eventFilter(QObject* watched, QEvent* event) {
    if (watched != container_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::ChildRemoved:
        arrange();
        break;
    case QEvent::Resize:
        arrange();
        [[fallthrough]]; // a strip whose height changed moves its neighbours
    case QEvent::ParentChange:
    case QEvent::Show:
    case QEvent::Hide:
        if (alignOf(container_) != alNone && container_->parentWidget() != nullptr &&
            !container_->isWindow()) {
            of(container_->parentWidget())->arrange();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace tarvand::ui
