#include "SqlServerErrors.h"

#include "TsqlSchemaWriter.h"

#include <QRegularExpression>

namespace tarvand::sql {

namespace {

QString sqliteText(sqlite3_stmt* stmt, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
}

// The unique indexes of a table with their columns, from SQLite's own catalog.
QList<std::pair<QString, QStringList>> uniqueIndexes(sqlite3* db, const QString& table) {
    QList<std::pair<QString, QStringList>> indexes;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql =
        "SELECT il.name, ii.name FROM pragma_index_list(?1) AS il, pragma_index_info(il.name) AS ii "
        "WHERE il.\"unique\" = 1 ORDER BY il.name, ii.seqno";
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        return indexes;
    }
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(stmt, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const QString index = sqliteText(stmt, 0);
        if (indexes.isEmpty() || indexes.last().first != index) {
            indexes.append({index, {}});
        }
        indexes.last().second.append(sqliteText(stmt, 1));
    }
    sqlite3_finalize(stmt);
    return indexes;
}

} // namespace

QString SqlServerErrors::duplicateKey(const ConstraintCatalog::Constraint& constraint) {
    return QStringLiteral("Violation of %1 constraint '%2'. Cannot insert duplicate key in object 'dbo.%3'.")
        .arg(constraint.primaryKey ? QStringLiteral("PRIMARY KEY") : QStringLiteral("UNIQUE KEY"),
             constraint.name, constraint.table);
}

QString SqlServerErrors::duplicateIndexRow(const QString& table, const QString& index) {
    return QStringLiteral("Cannot insert duplicate key row in object 'dbo.%1' with unique index '%2'.")
        .arg(table, index);
}

QString SqlServerErrors::duplicateKeyFound(const QString& table, const QString& index,
                                           const QStringList& values) {
    return QStringLiteral(
               "The CREATE UNIQUE INDEX statement terminated because a duplicate key was found for "
               "the object name 'dbo.%1' and the index name '%2'. The duplicate key value is (%3).")
        .arg(table, index, values.join(QStringLiteral(", ")));
}

QString SqlServerErrors::nullNotAllowed(const QString& table, const QString& column) {
    return QStringLiteral(
               "Cannot insert the value NULL into column '%1', table '%2'; column does not allow nulls.")
        .arg(column, table);
}

QString SqlServerErrors::uniqueFailure(sqlite3* db, const QString& detail, const ConstraintCatalog& catalog) {
    static const QRegularExpression indexForm(QStringLiteral("^index '(.+)'$"));
    if (const auto match = indexForm.match(detail); match.hasMatch()) {
        if (const auto constraint = catalog.find(match.captured(1))) {
            return duplicateKey(*constraint);
        }
        return {};
    }
    // "T.a, T.b": the table and the key columns of the violated index.
    QString table;
    QStringList columns;
    for (const QString& part : detail.split(QStringLiteral(", "))) {
        const qsizetype dot = part.indexOf(u'.');
        table = part.left(dot);
        columns.append(part.mid(dot + 1));
    }
    if (const auto constraint = catalog.matching(table, columns)) {
        ConstraintCatalog::Constraint named = *constraint;
        named.table = table;
        return duplicateKey(named);
    }
    QStringList wanted = columns;
    wanted.sort(Qt::CaseInsensitive);
    for (auto [index, indexColumns] : uniqueIndexes(db, table)) {
        indexColumns.sort(Qt::CaseInsensitive);
        if (indexColumns.join(u',').compare(wanted.join(u','), Qt::CaseInsensitive) == 0) {
            if (index.startsWith(QStringLiteral("sqlite_autoindex_"))) {
                break;
            }
            return duplicateIndexRow(table, index);
        }
    }
    return duplicateKey({QStringLiteral("PK__%1").arg(table), table, true, columns});
}

QString SqlServerErrors::translate(sqlite3* db, int extendedCode, const QString& message,
                                   const ConstraintCatalog& catalog) {
    if (extendedCode == SQLITE_CONSTRAINT_UNIQUE || extendedCode == SQLITE_CONSTRAINT_PRIMARYKEY) {
        const qsizetype colon = message.indexOf(QStringLiteral("failed: "));
        if (colon >= 0) {
            const QString translated = uniqueFailure(db, message.mid(colon + 8), catalog);
            if (!translated.isEmpty()) {
                return translated;
            }
        }
        return message;
    }
    if (extendedCode == SQLITE_CONSTRAINT_CHECK && message.contains(TsqlSchemaWriter::lengthCheckPrefix())) {
        return QStringLiteral("String or binary data would be truncated.");
    }
    if (extendedCode == SQLITE_CONSTRAINT_NOTNULL) {
        const QString detail = message.section(QStringLiteral("failed: "), 1);
        const qsizetype dot = detail.indexOf(u'.');
        return nullNotAllowed(detail.left(dot), detail.mid(dot + 1));
    }
    static const QRegularExpression noTable(QStringLiteral("^no such table: (?:main\\.|temp\\.)?(.+)$"));
    if (const auto match = noTable.match(message); match.hasMatch()) {
        return QStringLiteral("Invalid object name '%1'.").arg(match.captured(1));
    }
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.+)$"));
    if (const auto match = noColumn.match(message); match.hasMatch()) {
        const QString column = match.captured(1);
        if (column.contains(u'.')) {
            return QStringLiteral("The multi-part identifier \"%1\" could not be bound.").arg(column);
        }
        return QStringLiteral("Invalid column name '%1'.").arg(column);
    }
    static const QRegularExpression noFunction(QStringLiteral("^no such function: (.+)$"));
    if (const auto match = noFunction.match(message); match.hasMatch()) {
        return QStringLiteral("'%1' is not a recognized built-in function name.").arg(match.captured(1));
    }
    static const QRegularExpression exists(QStringLiteral("^(?:table|index) (.+) already exists$"));
    if (const auto match = exists.match(message); match.hasMatch()) {
        QString name = match.captured(1);
        name.remove(u'"');
        return QStringLiteral("There is already an object named '%1' in the database.").arg(name);
    }
    return message;
}

} // namespace tarvand::sql
