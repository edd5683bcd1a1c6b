#include "DBGridDelegate.h"

#include "DBGridCellEditor.h"
#include "DBGridModel.h"
#include "EditMask.h"
#include "Guard.h"
#include "TDBGrid.h"
#include "TField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace tarvand::ui {

DBGridDelegate::DBGridDelegate(TDBGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

QWidget* DBGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
    auto* editor = new DBGridCellEditor(parent);
    editor->setFrame(false);
    editor->setLayoutDirection(grid_->layoutDirection());
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    editor->setAcceptDrops(false);
    editor->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    if (const data::TField* field = grid_->model_->FieldAt(index.column())) {
        const QString mask = EditMask::toInputMask(field->EditMask());
        if (!mask.isEmpty()) {
            editor->setInputMask(mask);
        } else if (field->DataType() == data::TFieldType::ftString && field->Size() > 0) {
            editor->setMaxLength(field->Size());
        }
    }
    connect(editor, &QLineEdit::textEdited, grid_, [this] { grid_->editorTextEdited(); });
    grid_->editorCreated(editor, index.row(), index.column());
    return editor;
}

void DBGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    // What the user typed stays until it is written into the field or undone.
    if (editor == grid_->editor_ && grid_->editorModified_) {
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(index.data(Qt::EditRole).toString());
    }
}

void DBGridDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex&) const {
    if (editor == grid_->editor_) {
        Guard::run([this] { grid_->UpdateData(); });
    }
}

void DBGridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    grid_->editorDestroyed(editor);
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool DBGridDelegate::eventFilter(QObject* object, QEvent* event) {
    if (object != grid_->editor_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return grid_->editorKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
        grid_->editorLostFocus();
        return false;
    default:
        return false;
    }
}

} // namespace tarvand::ui
