#pragma once

#include <QStyledItemDelegate>

namespace tarvand::ui {

class TDBGrid;

// Makes and runs the grid's cell editor, a line edit with the field's edit mask and length. Every
// key and the loss of focus of the editor go to the grid, which decides; nothing is committed
// behind the grid's back.
class DBGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit DBGridDelegate(TDBGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TDBGrid* grid_;
};

} // namespace tarvand::ui
