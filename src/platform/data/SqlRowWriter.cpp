#include "SqlRowWriter.h"

#include "EDatabaseError.h"
#include "FieldConversion.h"
#include "ResultCursor.h"
#include "RowChange.h"
#include "SqlBackend.h"

namespace tarvand::data {

namespace {

const QString kRowNotLocated = QStringLiteral(
    "Row cannot be located for updating. Some values may have been changed since it was last read.");

QString quoted(const QString& column) {
    QString name = column;
    return u'[' + name.replace(u']', QStringLiteral("]]")) + u']';
}

// A column that stands for a column of the table (not an expression of the query).
bool isBaseColumn(const sql::ColumnInfo& column) {
    return !column.baseColumn.isEmpty();
}

// Columns SQL Server cannot compare with '=' do not help to find a row.
bool isComparable(const sql::ColumnInfo& column) {
    const QString type = column.declaredType.trimmed().toLower();
    return column.kind != sql::ColumnKind::Blob && type != u"text" && type != u"ntext" && type != u"image";
}

} // namespace

SqlRowWriter::SqlRowWriter(sql::SqlBackend& backend, QString table, QStringList keyColumns)
    : backend_(backend), table_(std::move(table)), keyColumns_(std::move(keyColumns)) {}

void SqlRowWriter::write(RowChange& change) {
    switch (change.kind) {
    case RowChange::Kind::Insert:
        insert(change);
        return;
    case RowChange::Kind::Update:
        update(change);
        return;
    case RowChange::Kind::Delete:
        remove(change);
        return;
    }
}

void SqlRowWriter::insert(RowChange& change) {
    QStringList names;
    QStringList marks;
    QVariantList params;
    bool hasIdentity = false;
    for (qsizetype c = 0; c < change.columns.size(); ++c) {
        const sql::ColumnInfo& column = change.columns.at(c);
        hasIdentity = hasIdentity || (column.autoIncrement && isBaseColumn(column));
        const QVariant& value = change.values.at(std::size_t(c));
        if (!isBaseColumn(column) || column.autoIncrement || !value.isValid()) {
            continue;
        }
        names.append(quoted(column.baseColumn));
        marks.append(QStringLiteral("?"));
        params.append(value);
    }
    const QString statement = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_)
                                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                    .arg(table_, names.join(u", "), marks.join(u", "));
    backend_.execute(statement, params);
    if (!hasIdentity) {
        return;
    }
    // What ADO itself asks after an insert; it reads the connection's last generated identity.
    const auto cursor = backend_.query(QStringLiteral("SELECT @@IDENTITY"));
    const QVariant identity = cursor->next() && cursor->cellKind(0) != sql::ColumnKind::Unknown
                                  ? QVariant(qlonglong(cursor->cellInt(0)))
                                  : QVariant();
    for (qsizetype c = 0; c < change.columns.size(); ++c) {
        if (change.columns.at(c).autoIncrement && isBaseColumn(change.columns.at(c))) {
            change.generated.emplace_back(int(c), identity);
        }
    }
}

void SqlRowWriter::update(const RowChange& change) {
    QStringList assignments;
    QVariantList params;
    QList<int> changed;
    for (qsizetype c = 0; c < change.columns.size(); ++c) {
        const sql::ColumnInfo& column = change.columns.at(c);
        const QVariant& value = change.values.at(std::size_t(c));
        if (!isBaseColumn(column) || column.autoIncrement ||
            FieldConversion::sameValue(value, change.original.at(std::size_t(c)))) {
            continue;
        }
        assignments.append(quoted(column.baseColumn) + QStringLiteral(" = ?"));
        params.append(value);
        changed.append(int(c));
    }
    if (assignments.isEmpty()) {
        return;
    }
    changeOneRow(QStringLiteral("UPDATE %1 SET %2").arg(table_, assignments.join(u", ")), params, change,
                 changed);
}

void SqlRowWriter::remove(const RowChange& change) {
    changeOneRow(QStringLiteral("DELETE FROM %1").arg(table_), {}, change, {});
}

QString SqlRowWriter::locate(const RowChange& change, const QList<int>& changed, QVariantList& params,
                             bool& byKey) const {
    QList<int> keyIndexes;
    for (const QString& key : keyColumns_) {
        for (qsizetype c = 0; c < change.columns.size(); ++c) {
            if (change.columns.at(c).baseColumn.compare(key, Qt::CaseInsensitive) == 0) {
                keyIndexes.append(int(c));
                break;
            }
        }
    }
    byKey = !keyColumns_.isEmpty() && keyIndexes.size() == keyColumns_.size();
    if (!byKey) {
        keyIndexes.clear();
        for (qsizetype c = 0; c < change.columns.size(); ++c) {
            if (isBaseColumn(change.columns.at(c)) && isComparable(change.columns.at(c))) {
                keyIndexes.append(int(c));
            }
        }
    }
    if (keyIndexes.isEmpty()) {
        throw EDatabaseError(kRowNotLocated);
    }
    // The changed columns must still hold what was read: a value another user wrote since then
    // is not overwritten unseen.
    for (const int c : changed) {
        if (!keyIndexes.contains(c) && isComparable(change.columns.at(c))) {
            keyIndexes.append(c);
        }
    }
    QStringList conditions;
    for (const int c : keyIndexes) {
        const QVariant& value = change.original.at(std::size_t(c));
        const QString name = quoted(change.columns.at(c).baseColumn);
        if (value.isValid()) {
            conditions.append(name + QStringLiteral(" = ?"));
            params.append(value);
        } else {
            conditions.append(name + QStringLiteral(" IS NULL"));
        }
    }
    return QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

void SqlRowWriter::changeOneRow(const QString& statement, const QVariantList& params, const RowChange& change,
                                const QList<int>& changed) {
    QVariantList whereParams;
    bool byKey = false;
    const QString where = locate(change, changed, whereParams, byKey);
    if (!byKey) {
        // Without a key, identical rows cannot be told apart: change one only when it is alone.
        const auto count =
            backend_.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table_) + where, whereParams);
        if (!count->next() || count->cellInt(0) != 1) {
            throw EDatabaseError(kRowNotLocated);
        }
    }
    if (backend_.execute(statement + where, params + whereParams) != 1) {
        throw EDatabaseError(kRowNotLocated);
    }
}

} // namespace tarvand::data
