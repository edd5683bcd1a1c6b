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

// A cell of a result as the row store keeps it.
QVariant cellValue(const sql::ResultCursor& cursor, int column) {
    switch (cursor.cellKind(column)) {
    case sql::ColumnKind::Integer:
        return qlonglong(cursor.cellInt(column));
    case sql::ColumnKind::Float:
        return cursor.cellFloat(column);
    case sql::ColumnKind::Text:
    case sql::ColumnKind::Blob: {
        const std::string_view text = cursor.cellText(column);
        if (cursor.cellKind(column) == sql::ColumnKind::Blob) {
            return QByteArray(text.data(), qsizetype(text.size()));
        }
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    case sql::ColumnKind::Unknown:
        break;
    }
    return {};
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
    QList<int> defaulted;
    bool hasIdentity = false;
    for (qsizetype c = 0; c < change.columns.size(); ++c) {
        const sql::ColumnInfo& column = change.columns.at(c);
        hasIdentity = hasIdentity || (column.autoIncrement && isBaseColumn(column));
        const QVariant& value = change.values.at(std::size_t(c));
        if (!isBaseColumn(column) || column.autoIncrement || !value.isValid()) {
            if (isBaseColumn(column) && !column.autoIncrement) {
                defaulted.append(int(c));
            }
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
    if (hasIdentity) {
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
    readDefaults(change, defaulted);
}

void SqlRowWriter::readDefaults(RowChange& change, const QList<int>& defaulted) {
    if (defaulted.isEmpty() || keyColumns_.isEmpty()) {
        return;
    }
    const auto valueOf = [&change](int c) {
        for (const auto& [column, value] : change.generated) {
            if (column == c) {
                return value;
            }
        }
        return change.values.at(std::size_t(c));
    };
    QStringList conditions;
    QVariantList params;
    for (const QString& key : keyColumns_) {
        qsizetype c = 0;
        while (c < change.columns.size() &&
               change.columns.at(c).baseColumn.compare(key, Qt::CaseInsensitive) != 0) {
            ++c;
        }
        if (c == change.columns.size() || !valueOf(int(c)).isValid()) {
            return;
        }
        conditions.append(quoted(change.columns.at(c).baseColumn) + QStringLiteral(" = ?"));
        params.append(valueOf(int(c)));
    }
    QStringList names;
    for (const int c : defaulted) {
        names.append(quoted(change.columns.at(c).baseColumn));
    }
    const auto cursor =
        backend_.query(QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                           .arg(names.join(u", "), table_, conditions.join(QStringLiteral(" AND "))),
                       params);
    if (!cursor->next()) {
        return;
    }
    for (qsizetype i = 0; i < defaulted.size(); ++i) {
        change.generated.emplace_back(defaulted.at(i), cellValue(*cursor, int(i)));
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
