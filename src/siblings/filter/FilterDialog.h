#pragma once

#include "FilterField.h"
#include "SiblingDialog.h"

#include <QList>
#include <QString>
#include <optional>

class QVBoxLayout;

namespace tarvand {
class TMyDatabase;
namespace ui {
class TDBGrid;
}
} // namespace tarvand

namespace tarvand::siblings {

class FilterRow;

// Builds a filter on the grid's visible columns: lines of column, operator and value joined by
// "and" / "or". "Count" runs the statement and tells how many rows it keeps; OK checks the values
// (numbers for numeric columns, something to look for in "contains"), runs the statement once on
// the company database so that a statement the database refuses never leaves the dialog, and
// ends it. Enter is OK, Esc cancels.
class FilterDialog : public SiblingDialog {
public:
    FilterDialog(ui::TDBGrid* grid, const QList<FilterField>& fields, TMyDatabase* database,
                 const QString& reportText, QWidget* parent = nullptr);

    // The grid's columns a filter can test: visible, with a field of the database's own.
    static QList<FilterField> FieldsOf(ui::TDBGrid* grid);

    // The SQL of the filtered rows, once the dialog ended with OK.
    QString Statement() const { return statement_; }
    const QList<FilterRow*>& Rows() const { return rows_; }

private:
    FilterRow* addRow();
    void removeRow(FilterRow* row);
    bool build();
    std::optional<int> countRows();
    void count();
    void accept();

    ui::TDBGrid* grid_;
    QList<FilterField> fields_;
    TMyDatabase* database_;
    QVBoxLayout* rowsLayout_;
    QList<FilterRow*> rows_;
    QString statement_;
};

} // namespace tarvand::siblings
