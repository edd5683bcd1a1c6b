#pragma once

#include "SiblingDialog.h"

#include <QString>

class QListWidget;
class QListWidgetItem;

namespace tarvand::ui {
class TDBGrid;
}

namespace tarvand::siblings {

// Sorts the grid's dataset by several columns. The grid's columns stand in one list, the sort in
// the other, in order, each with its direction; the sort the dataset has already is where the
// dialog starts. Keys: Insert or a double click adds the column, Delete removes a sort column,
// Space or a double click turns its direction, Ctrl+Up and Ctrl+Down move it; Enter applies.
class AdvSortDialog : public SiblingDialog {
public:
    explicit AdvSortDialog(ui::TDBGrid* grid, QWidget* parent = nullptr);

    // The dataset's sort text for the chosen columns: " Field ASC , Other DESC ", empty for none.
    QString SortText() const;
    // Sets the sort text on the grid's dataset and marks the sorted titles: red ascending, blue
    // descending, the others black, as a title click does.
    void Apply() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addColumn(QListWidgetItem* item);
    void addChosen();
    void removeChosen();
    void toggleChosen();
    void moveChosen(int distance);
    void addSortItem(const QString& field, const QString& caption, bool descending);
    void updateButtons();

    ui::TDBGrid* grid_;
    QListWidget* columns_;
    QListWidget* sort_;
    QList<QWidget*> sortButtons_;
    QWidget* addButton_ = nullptr;
};

} // namespace tarvand::siblings
