#include "DBGridKeyboard.h"

#include "DBGridModel.h"
#include "Guard.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "VirtualKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace tarvand::ui {

bool DBGridKeyboard::handle(QKeyEvent* event, bool inEditor) {
    const TShiftState shift = event->modifiers() & ~Qt::KeypadModifier;
    int qtKey = event->key();
    if (grid_->OnKeyDown) {
        const WORD original = VirtualKey::fromQt(qtKey);
        WORD key = original;
        if (key != 0) {
            QPointer<TDBGrid> self(grid_);
            if (!Guard::run([&] { grid_->OnKeyDown(grid_, key, shift); }) || self.isNull() || key == 0) {
                return true;
            }
            if (key != original) {
                // A replaced key is handled as that key; it types nothing.
                navigate(VirtualKey::toQt(key), shift, inEditor);
                return true;
            }
        }
    }
    if (navigate(qtKey, shift, inEditor)) {
        return true;
    }
    const QString text = event->text();
    const bool backspace = qtKey == Qt::Key_Backspace;
    const bool character = (backspace || (text.size() == 1 && text.at(0).isPrint())) &&
                           !(shift & (Qt::ControlModifier | Qt::AltModifier));
    if (!character) {
        return false;
    }
    QChar typed = backspace ? QChar(8) : text.at(0);
    if (grid_->OnKeyPress && (!Guard::run([&] { grid_->OnKeyPress(grid_, typed); }) || typed.isNull())) {
        return true;
    }
    typeCharacter(typed, event);
    return true;
}

bool DBGridKeyboard::navigate(int key, TShiftState shift, bool inEditor) {
    const bool plain = !(shift & (Qt::ControlModifier | Qt::AltModifier));
    switch (key) {
    case Qt::Key_Up:
        moveRows(-1);
        return true;
    case Qt::Key_Down:
        moveDown();
        return true;
    case Qt::Key_PageUp:
        moveRows(-grid_->VisibleRowCount());
        return true;
    case Qt::Key_PageDown:
        moveRows(grid_->VisibleRowCount());
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (shift & Qt::ControlModifier) {
            if (data::TDataSet* dataSet = grid_->DataSet(); dataSet != nullptr && grid_->commitGuarded()) {
                Guard::run([&] { key == Qt::Key_Home ? dataSet->First() : dataSet->Last(); });
            }
            return true;
        }
        if (inEditor) {
            return false;
        }
        Guard::run([&] { grid_->SetSelectedIndex(key == Qt::Key_Home ? 0 : grid_->Columns()->Count() - 1); });
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (inEditor || !plain) {
            return false;
        }
        // Visual direction: in a right-to-left grid the next column is on the left.
        stepColumn((key == Qt::Key_Left) == grid_->isRightToLeft() ? 1 : -1, false);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!grid_->options_.testFlag(dgTabs)) {
            return false;
        }
        stepColumn(key == Qt::Key_Backtab || (shift & Qt::ShiftModifier) ? -1 : 1, true);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (grid_->editor_ == nullptr) {
            return false;
        }
        if (grid_->commitGuarded()) {
            grid_->closeCellEditor();
        }
        return true;
    case Qt::Key_Escape:
        return escape();
    case Qt::Key_Insert:
        if (shift != Qt::NoModifier) {
            return false;
        }
        insertRecord();
        return true;
    case Qt::Key_F2:
        grid_->openEditor();
        return true;
    case Qt::Key_Delete:
        // Deleting a record is the popup menu's command, never the grid's.
        return !inEditor || !plain;
    default:
        return false;
    }
}

void DBGridKeyboard::typeCharacter(QChar character, const QKeyEvent* original) {
    if (!grid_->startEditing() || grid_->editor_ == nullptr) {
        return;
    }
    const bool same = original->text() == QString(character);
    QKeyEvent forwarded(QEvent::KeyPress,
                        character == QChar(8) ? int(Qt::Key_Backspace) : (same ? original->key() : 0),
                        original->modifiers(), QString(character));
    grid_->forwarding_ = true;
    QCoreApplication::sendEvent(grid_->editor_, &forwarded);
    grid_->forwarding_ = false;
}

bool DBGridKeyboard::escape() {
    if (grid_->editor_ != nullptr && grid_->editorModified_) {
        grid_->closeCellEditor();
        return true;
    }
    const bool hadEditor = grid_->editor_ != nullptr;
    grid_->closeCellEditor();
    data::TDataSet* dataSet = grid_->DataSet();
    if (dataSet != nullptr && dataSet->Editing()) {
        Guard::run([&] { dataSet->Cancel(); });
        return true;
    }
    return hadEditor;
}

void DBGridKeyboard::moveRows(int distance) {
    data::TDataSet* dataSet = grid_->DataSet();
    if (dataSet == nullptr || !grid_->commitGuarded()) {
        return;
    }
    Guard::run([&] { dataSet->MoveBy(distance); });
}

void DBGridKeyboard::moveDown() {
    data::TDataSet* dataSet = grid_->DataSet();
    if (dataSet == nullptr || !grid_->commitGuarded()) {
        return;
    }
    const bool lastRow = dataSet->RecNo() == dataSet->RecordCount();
    // A new row nobody typed into stays the last row.
    if (lastRow && dataSet->State() == data::TDataSetState::dsInsert && !dataSet->Modified()) {
        return;
    }
    Guard::run([&] {
        const int moved = dataSet->MoveBy(1);
        const bool atEnd = dataSet->IsEmpty() || dataSet->RecNo() == dataSet->RecordCount();
        if (moved == 0 && atEnd && grid_->canModify()) {
            dataSet->Append();
        }
    });
}

void DBGridKeyboard::insertRecord() {
    data::TDataSet* dataSet = grid_->DataSet();
    if (dataSet == nullptr || !grid_->canModify() || !grid_->commitGuarded()) {
        return;
    }
    Guard::run([&] { dataSet->Insert(); });
}

void DBGridKeyboard::stepColumn(int step, bool wrapToNextRow) {
    const int count = grid_->Columns()->Count();
    int index = grid_->selectedIndex_;
    do {
        index += step;
    } while (index >= 0 && index < count && !grid_->Columns()->Items(index)->Visible());
    if (index >= 0 && index < count) {
        Guard::run([&] { grid_->SetSelectedIndex(index); });
        return;
    }
    if (!wrapToNextRow) {
        return;
    }
    if (step > 0) {
        moveDown();
    } else {
        moveRows(-1);
    }
    Guard::run([&] { grid_->SetSelectedIndex(step > 0 ? 0 : count - 1); });
}

} // namespace tarvand::ui
