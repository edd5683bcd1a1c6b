#pragma once

#include "SiblingDialog.h"

class QLineEdit;
class QRadioButton;

namespace tarvand::data {
class TField;
}
namespace tarvand::ui {
class TDBGrid;
}

namespace tarvand::siblings {

// Finds a text in the grid's selected column, from the current row down ("next") or up
// ("previous"), going round at the end, and moves the grid's dataset to the row found. The text
// starts as the one searched for last in that column. Enter and F3 search on, Shift+F3 back, Esc
// closes.
class GridSearchDialog : public SiblingDialog {
public:
    // field: the column's field in the grid's open dataset.
    GridSearchDialog(ui::TDBGrid* grid, data::TField* field, const QString& previous,
                     QWidget* parent = nullptr);

    // The text last searched for; the previous text when the user searched nothing.
    QString SearchedText() const { return searched_; }

private:
    void find(bool forward);
    void shortCut(ui::WORD key, ui::TShiftState shift, bool& handled);

    ui::TDBGrid* grid_;
    data::TField* field_;
    QLineEdit* text_;
    QRadioButton* contains_;
    QRadioButton* whole_;
    QString searched_;
};

} // namespace tarvand::siblings
