#pragma once

#include "ReportColumn.h"

#include <QList>
#include <QString>

namespace tarvand {
struct TPrintParams;
namespace data {
class TDataSet;
}
namespace ui {
class TDBGrid;
}
} // namespace tarvand

namespace tarvand::siblings {

// The table of a report: the grid's columns that show a field, and the rows of the grid's dataset
// read in their current order without moving its cursor. Amount columns are totalled unless the
// column's IME-name options turn "Sumable" off; "Delimiter" groups their figures by thousands.
class ReportTable {
public:
    ReportTable() = default;
    // Every column of the grid with a field; those hidden in the grid are not printed unless
    // chosen later. An open dataset is needed for any rows.
    static ReportTable FromGrid(ui::TDBGrid* grid);

    QList<ReportColumn>& Columns() { return columns_; }
    const QList<ReportColumn>& Columns() const { return columns_; }
    QList<ReportColumn> PrintedColumns() const;

    int RowCount() const;
    // The text the grid shows, trimmed of the blanks that pad codes.
    QString Cell(int row, const ReportColumn& column) const;
    // Whether any printed column is totalled.
    bool HasTotals() const;
    bool Totalled(const ReportColumn& column) const;
    QString Total(const ReportColumn& column) const;

private:
    QString formatAmount(const QString& text, const ReportColumn& column) const;

    QList<ReportColumn> columns_;
    data::TDataSet* dataSet_ = nullptr;
};

} // namespace tarvand::siblings
