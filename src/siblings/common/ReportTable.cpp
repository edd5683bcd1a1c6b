#include "ReportTable.h"

#include "TColumn.h"
#include "TColumnTitle.h"
#include "TDBGrid.h"
#include "TDBGridColumns.h"
#include "TDataSet.h"
#include "TField.h"
#include "TGlobal.h"
#include "WholeNumber.h"

#include <cmath>

namespace tarvand::siblings {

namespace {

const QString onValue = QStringLiteral("P");

bool isAmount(data::TFieldType type) {
    switch (type) {
    case data::TFieldType::ftSmallint:
    case data::TFieldType::ftInteger:
    case data::TFieldType::ftFloat:
    case data::TFieldType::ftBCD:
        return true;
    default:
        return false;
    }
}

// A missing key counts as on.
bool optionOn(const QString& options, const QString& key) {
    const QString value = TGlobal::GetSetting(options, key);
    return value.isEmpty() || value == onValue;
}

} // namespace

ReportTable ReportTable::FromGrid(ui::TDBGrid* grid) {
    ReportTable table;
    if (grid == nullptr)
        return table;
    table.dataSet_ = grid->DataSet();
    ui::TDBGridColumns* columns = grid->Columns();
    for (int i = 0; i < columns->Count(); ++i) {
        ui::TColumn* gridColumn = columns->Items(i);
        data::TField* field = gridColumn->Field();
        if (field == nullptr)
            continue;
        ReportColumn column;
        column.Caption = gridColumn->Title()->Caption().trimmed();
        column.FieldName = field->FieldName();
        column.FieldIndex = field->Index();
        column.GridWidth = gridColumn->Width() > 0 ? gridColumn->Width() : grid->columnWidth(i);
        column.Amount = isAmount(field->DataType());
        column.Sumable = optionOn(gridColumn->ImeName(), QStringLiteral("Sumable"));
        column.Delimiter = optionOn(gridColumn->ImeName(), QStringLiteral("Delimiter"));
        column.OwnFormat = !field->DisplayFormat().isEmpty();
        column.Printed = gridColumn->Visible();
        column.Centered = (gridColumn->Alignment() & Qt::AlignHCenter) != 0;
        table.columns_.append(column);
    }
    return table;
}

QList<ReportColumn> ReportTable::PrintedColumns() const {
    QList<ReportColumn> printed;
    for (const ReportColumn& column : columns_) {
        if (column.Printed)
            printed.append(column);
    }
    return printed;
}

int ReportTable::RowCount() const {
    return dataSet_ != nullptr && dataSet_->Active() ? dataSet_->RecordCount() : 0;
}

QString ReportTable::Cell(int row, const ReportColumn& column) const {
    if (dataSet_ == nullptr || !dataSet_->Active())
        return {};
    return formatAmount(dataSet_->DisplayTextAt(row, column.FieldIndex).trimmed(), column);
}

bool ReportTable::HasTotals() const {
    for (const ReportColumn& column : columns_) {
        if (column.Printed && Totalled(column))
            return true;
    }
    return false;
}

bool ReportTable::Totalled(const ReportColumn& column) const {
    return column.Amount && column.Sumable;
}

QString ReportTable::Total(const ReportColumn& column) const {
    if (!Totalled(column))
        return {};
    double sum = 0;
    bool whole = true;
    const int rows = RowCount();
    for (int row = 0; row < rows; ++row) {
        const double value = dataSet_->ValueAt(row, column.FieldIndex).toDouble();
        sum += value;
        whole = whole && IsWholeNumber(value);
    }
    const QString text =
        whole ? QString::number(static_cast<qint64>(std::llround(sum))) : QString::number(sum, 'f', 2);
    return column.Delimiter ? TGlobal::FormatAmount(text) : text;
}

QString ReportTable::formatAmount(const QString& text, const ReportColumn& column) const {
    if (!column.Amount || !column.Delimiter || column.OwnFormat || text.isEmpty())
        return text;
    return TGlobal::FormatAmount(text);
}

} // namespace tarvand::siblings
