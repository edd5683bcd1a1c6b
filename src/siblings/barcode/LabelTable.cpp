#include "LabelTable.h"

#include "Exception.h"
#include "TADOQuery.h"
#include "TField.h"
#include "TGlobal.h"

namespace tarvand::siblings {

QList<LabelItem> LabelTable::Read(data::TADOConnection* connection, const QString& table,
                                  const QString& codeColumn, const QString& nameColumn,
                                  const QString& priceColumn) {
    QList<LabelItem> items;
    if (connection == nullptr || table.isEmpty() || codeColumn.isEmpty())
        return items;
    try {
        data::TADOQuery query;
        query.SetConnection(connection);
        // The table and its columns are the caller's own names, never typed by a user.
        query.SetSQL(QStringLiteral("Select * From ") + table);
        query.Open();
        const data::TField* code = query.FieldByName(codeColumn);
        const data::TField* name = nameColumn.isEmpty() ? nullptr : query.FindField(nameColumn);
        const data::TField* price = priceColumn.isEmpty() ? nullptr : query.FindField(priceColumn);
        const data::TField* date = query.FindField(QStringLiteral("CurDate"));
        for (query.First(); !query.Eof(); query.Next())
            items.append(
                {code->AsString().trimmed(), name ? name->AsString().trimmed() : QString(),
                 price ? TGlobal::FormatAmount(QString::number(price->AsFloat(), 'f', 0)) : QString(),
                 date ? date->AsString().trimmed() : QString()});
    } catch (const Exception&) {
        items.clear();
    }
    return items;
}

} // namespace tarvand::siblings
