#include "TMyDatabase.h"

#include "TADOQuery.h"
#include "TADOTable.h"
#include "TDBGrid.h"
#include "TGlobal.h"

#include <QFontMetrics>
#include <algorithm>

namespace tarvand {

namespace {

// The FROM and WHERE parts of the grid's data, which the measuring statements repeat.
struct SourceParts {
    QString from;
    QString where;
};

SourceParts sourceParts(const data::TDataSet* dataset) {
    if (const auto* table = dynamic_cast<const data::TADOTable*>(dataset))
        return {QStringLiteral(" From ") + table->TableName(), QString()};
    const auto* query = dynamic_cast<const data::TADOQuery*>(dataset);
    QString text = query->SQL().toUpper();
    text = text.mid(std::max<qsizetype>(text.indexOf(QLatin1String("FROM")), 0));
    for (const QLatin1String end : {QLatin1String("ORDER BY"), QLatin1String("GROUP")}) {
        const qsizetype at = text.indexOf(end);
        if (at >= 0)
            text.truncate(at);
    }
    const qsizetype where = text.indexOf(QLatin1String("WHERE"));
    if (where < 0)
        return {text, QString()};
    return {text.left(where), text.mid(where)};
}

// "Delimiter" and "Sumable" of a column's option text: on when "P" or not given at all.
bool optionOn(const QString& options, const QString& key) {
    if (!options.toUpper().contains(key.toUpper() + QLatin1Char('=')))
        return true;
    return TGlobal::GetSetting(options, key) == QLatin1String("P");
}

bool isAmount(data::TFieldType type) {
    return type == data::TFieldType::ftSmallint || type == data::TFieldType::ftInteger ||
           type == data::TFieldType::ftFloat;
}

// Gives the dataset back its after-scroll handler and record when the fitting ends, also when a
// measuring statement fails.
class ScrollStateKeeper {
public:
    explicit ScrollStateKeeper(data::TDataSet* dataset)
        : dataset_(dataset), afterScroll_(std::move(dataset->AfterScroll)), recNo_(dataset->RecNo()) {
        dataset_->AfterScroll = nullptr;
    }
    ~ScrollStateKeeper() {
        dataset_->AfterScroll = std::move(afterScroll_);
        if (recNo_ > 0)
            dataset_->SetRecNo(recNo_);
    }
    ScrollStateKeeper(const ScrollStateKeeper&) = delete;
    ScrollStateKeeper& operator=(const ScrollStateKeeper&) = delete;

private:
    data::TDataSet* dataset_;
    data::TDataSet::TDataSetNotifyEvent afterScroll_;
    int recNo_;
};

} // namespace

void TMyDatabase::BestFitColumns(ui::TDBGrid* grid, bool keepTitle, int slack) {
    if (grid == nullptr)
        return;
    data::TDataSet* dataset = grid->DataSet();
    if (dynamic_cast<data::TADOTable*>(dataset) == nullptr &&
        dynamic_cast<data::TADOQuery*>(dataset) == nullptr)
        return;
    ui::TDBGridColumns* columns = grid->Columns();
    for (int i = 0; i < columns->Count(); ++i)
        columns->Items(i)->SetWidth(0);

    const QFontMetrics metrics(grid->font());
    data::TADOQuery measure;
    measure.SetConnection(connection_);
    const ScrollStateKeeper keeper(dataset);
    const SourceParts parts = sourceParts(dataset);

    for (int i = 0; i < columns->Count(); ++i) {
        ui::TColumn* column = columns->Items(i);
        const data::TField* field = column->Field();
        if (!column->Visible() || field == nullptr)
            continue;
        // A calculated column has nothing in the database to measure: its title sizes it.
        if (field->Calculated()) {
            column->SetWidth(10 * int(column->Title()->Caption().size()));
            continue;
        }
        const QString name = field->FieldName();
        int width = 0;

        measure.Close();
        measure.SetSQL(QStringLiteral(" Select Top 1 [") + name + QStringLiteral("]  ") + parts.from +
                       QLatin1Char(' ') + parts.where + QStringLiteral(" Group By [") + name +
                       QStringLiteral("] Having Len(LTrim(RTrim([") + name + QStringLiteral("])))>= ") +
                       QStringLiteral("   \t(Select Max(Len(LTrim(RTrim([") + name +
                       QStringLiteral("]))))-") + QString::number(slack) + parts.from + parts.where +
                       QStringLiteral(" ) "));
        measure.Open();
        for (measure.First(); !measure.Eof(); measure.Next()) {
            const QString value = measure.FieldByIndex(0)->AsString().trimmed();
            if (!value.isEmpty())
                width = std::max(width, metrics.horizontalAdvance(value));
        }

        if (isAmount(field->DataType()) && optionOn(column->ImeName(), QStringLiteral("Delimiter")) &&
            optionOn(column->ImeName(), QStringLiteral("Sumable"))) {
            measure.Close();
            measure.SetSQL(QStringLiteral(" Select Sum([") + name + QStringLiteral("]) As X ") + parts.from +
                           parts.where);
            measure.Open();
            const QString total = TGlobal::FormatAmount(measure.FieldByIndex(0)->AsString());
            width = std::max(width, metrics.horizontalAdvance(total));
        }

        if (!keepTitle && width > 1)
            width = std::max(width, metrics.horizontalAdvance(column->Title()->Caption()));
        if (width > 0 && width + 8 > column->Width())
            column->SetWidth(width + 8);
        if (column->Width() == 0)
            column->SetWidth(10 * int(column->Title()->Caption().size()));
    }
}

} // namespace tarvand
