#include "TPopupMenu.h"

#include "Guard.h"
#include "TImageList.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace tarvand::ui {

TPopupMenu::TPopupMenu(QObject* owner) : QObject(owner), items_(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() {
    for (const QPointer<QWidget>& control : controls_) {
        if (control) {
            control->removeEventFilter(this);
        }
    }
    delete menu_.data();
}

TImageList* TPopupMenu::Images() const {
    return images_;
}

void TPopupMenu::SetImages(TImageList* images) {
    images_ = images;
}

QWidget* TPopupMenu::PopupComponent() const {
    return popupComponent_;
}

QMenu* TPopupMenu::OpenMenu() const {
    return menu_;
}

bool TPopupMenu::Popup(int x, int y) {
    bool allowed = true;
    if (OnPopup) {
        allowed = Guard::run([this] { OnPopup(this); });
    }
    if (!allowed) {
        return false;
    }
    delete menu_.data();
    auto* menu = new QMenu(popupComponent_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setLayoutDirection(popupComponent_ ? popupComponent_->layoutDirection() : Qt::RightToLeft);
    for (int i = 0; i < items_->Count(); ++i) {
        items_->Items(i)->AppendTo(menu, images_);
    }
    menu_ = menu;
    menu->popup(QPoint(x, y));
    return true;
}

bool TPopupMenu::IsShortCut(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == 0 || event->key() == Qt::Key_unknown) {
        return false;
    }
    return items_->DispatchShortCut(QKeyCombination(modifiers, Qt::Key(event->key())));
}

void TPopupMenu::Attach(QWidget* control) {
    controls_.removeAll(nullptr);
    if (!controls_.contains(control)) {
        controls_.append(control);
        control->installEventFilter(this);
        control->setContextMenuPolicy(Qt::DefaultContextMenu);
    }
}

void TPopupMenu::Detach(QWidget* control) {
    controls_.removeAll(control);
    control->removeEventFilter(this);
}

bool TPopupMenu::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control == nullptr) {
        return false;
    }
    if (event->type() == QEvent::ContextMenu) {
        popupComponent_ = control;
        const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
        Popup(at.x(), at.y());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        return IsShortCut(static_cast<QKeyEvent*>(event));
    }
    return false;
}

} // namespace tarvand::ui
