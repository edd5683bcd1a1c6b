#include "DBGridCellEditor.h"

#include <QKeyEvent>

namespace tarvand::ui {

DBGridCellEditor::DBGridCellEditor(QWidget* parent) : QLineEdit(parent) {}

void DBGridCellEditor::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    event->accept();
}

} // namespace tarvand::ui
