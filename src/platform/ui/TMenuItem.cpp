#include "TMenuItem.h"

#include "Guard.h"
#include "TImageList.h"

#include <QAction>
#include <QMenu>

namespace tarvand::ui {

TMenuItem::TMenuItem(QObject* owner) : QObject(owner) {}

TMenuItem::~TMenuItem() {
    if (parent_ != nullptr) {
        parent_->items_.removeAll(this);
    }
    const QList<TMenuItem*> items = items_;
    for (TMenuItem* item : items) {
        item->parent_ = nullptr;
        if (item->parent() == this) {
            delete item;
        }
    }
}

void TMenuItem::SetCaption(const QString& caption) {
    caption_ = caption;
}

void TMenuItem::SetShortCut(const QKeySequence& shortCut) {
    shortCut_ = shortCut;
}

QString TMenuItem::ShortCutText() const {
    return shortCut_.toString(QKeySequence::PortableText);
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_ != nullptr) {
        item->parent_->Remove(item);
    }
    items_.insert(std::clamp(index, 0, Count()), item);
    item->parent_ = this;
    if (item->parent() == nullptr) {
        item->setParent(this);
    }
}

void TMenuItem::Remove(TMenuItem* item) {
    if (items_.removeAll(item) > 0) {
        item->parent_ = nullptr;
        if (item->parent() == this) {
            item->setParent(nullptr);
        }
    }
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = items_.at(index);
    Remove(item);
    delete item;
}

void TMenuItem::Clear() {
    while (!items_.isEmpty()) {
        Delete(Count() - 1);
    }
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    return int(items_.indexOf(const_cast<TMenuItem*>(item)));
}

int TMenuItem::MenuIndex() const {
    return parent_ != nullptr ? parent_->IndexOf(this) : -1;
}

void TMenuItem::Click() {
    if (OnClick) {
        Guard::run([this] { OnClick(this); });
    }
}

bool TMenuItem::DispatchShortCut(const QKeyCombination& key) {
    if (!enabled_) {
        return false;
    }
    if (!shortCut_.isEmpty() && shortCut_[0] == key) {
        Click();
        return true;
    }
    for (TMenuItem* item : items_) {
        if (item->DispatchShortCut(key)) {
            return true;
        }
    }
    return false;
}

void TMenuItem::AppendTo(QMenu* menu, const TImageList* images) {
    if (!visible_) {
        return;
    }
    if (IsLine()) {
        menu->addSeparator();
        return;
    }
    const QIcon icon = images != nullptr ? images->Icon(imageIndex_) : QIcon();
    if (!items_.isEmpty()) {
        QMenu* sub = menu->addMenu(icon, caption_);
        sub->setEnabled(enabled_);
        for (TMenuItem* item : items_) {
            item->AppendTo(sub, images);
        }
        return;
    }
    QAction* action = menu->addAction(icon, caption_);
    action->setEnabled(enabled_);
    action->setCheckable(checked_);
    action->setChecked(checked_);
    action->setShortcut(shortCut_);
    // The shortcut is only shown here: the owning control dispatches it.
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, this, [this] { Click(); });
}

} // namespace tarvand::ui
