#include "TEdit.h"

#include "Guard.h"

#include <QKeyEvent>

namespace tarvand::ui {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent), TControl(this) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange) {
            Guard::run([this] { OnChange(this); });
        }
    });
}

void TEdit::SetMaxLength(int length) {
    // 0 means no limit, as in the form library.
    setMaxLength(length > 0 ? length : 32767);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool character = text.size() == 1 && (text.at(0).isPrint() || text.at(0) == QChar(8)) &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!character || !OnKeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = text.at(0);
    if (!Guard::run([&] { OnKeyPress(this, key); }) || key.isNull()) {
        return;
    }
    if (key == text.at(0)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(QEvent::KeyPress, key == QChar(8) ? int(Qt::Key_Backspace) : 0, event->modifiers(),
                       QString(key));
    QLineEdit::keyPressEvent(&replaced);
}

} // namespace tarvand::ui
