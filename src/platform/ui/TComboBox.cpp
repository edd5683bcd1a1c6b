#include "TComboBox.h"

#include "Guard.h"

namespace tarvand::ui {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent), TControl(this) {
    connect(this, &QComboBox::activated, this, [this] {
        if (OnChange) {
            Guard::run([this] { OnChange(this); });
        }
    });
}

QStringList TComboBox::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i) {
        items.append(itemText(i));
    }
    return items;
}

void TComboBox::SetItems(const QStringList& items) {
    clear();
    addItems(items);
}

void TComboBox::SetItemIndex(int index) {
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

} // namespace tarvand::ui
