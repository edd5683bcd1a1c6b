#include "TableRebuilder.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "SqlServerErrors.h"
#include "TsqlPrinter.h"
#include "TsqlSchemaWriter.h"

namespace tarvand::sql {

namespace {

QString columnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

void TableRebuilder::exec(const QString& sql) const {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(db_));
        sqlite3_free(error);
        throw EDatabaseError(message);
    }
}

qint64 TableRebuilder::count(const QString& sql) const {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db_)));
    }
    const qint64 result = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return result;
}

QList<TableRebuilder::ExistingColumn> TableRebuilder::existingColumns(const QString& schema,
                                                                      const QString& table) const {
    QList<ExistingColumn> columns;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql =
        QStringLiteral("SELECT name, type, \"notnull\", dflt_value, pk FROM %1.pragma_table_info(?1)")
            .arg(schema)
            .toUtf8();
    if (sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db_)));
    }
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(stmt, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ExistingColumn column;
        column.name = columnText(stmt, 0);
        column.type = columnText(stmt, 1);
        column.notNull = sqlite3_column_int(stmt, 2) != 0;
        column.defaultValue = columnText(stmt, 3);
        column.primaryKeyOrder = sqlite3_column_int(stmt, 4);
        columns.append(column);
    }
    sqlite3_finalize(stmt);
    const QByteArray schemaName = schema.toUtf8();
    for (ExistingColumn& column : columns) {
        const QByteArray columnName = column.name.toUtf8();
        const char* collation = nullptr;
        int autoIncrement = 0;
        if (sqlite3_table_column_metadata(db_, schemaName.constData(), name.constData(),
                                          columnName.constData(), nullptr, &collation, nullptr, nullptr,
                                          &autoIncrement) == SQLITE_OK) {
            column.collation = QString::fromUtf8(collation ? collation : "BINARY");
            column.autoIncrement = autoIncrement != 0;
        }
    }
    return columns;
}

QString TableRebuilder::definition(const ExistingColumn& column, bool singleKey) const {
    QString text = TsqlPrinter::quoteName(column.name) + u' ' + column.type;
    if (singleKey && column.primaryKeyOrder > 0) {
        text += QStringLiteral(" PRIMARY KEY");
        if (column.autoIncrement) {
            text += QStringLiteral(" AUTOINCREMENT");
        }
    }
    if (!column.collation.isEmpty() && column.collation.compare(u"BINARY", Qt::CaseInsensitive) != 0) {
        text += QStringLiteral(" COLLATE ") + column.collation;
    }
    if (column.notNull) {
        text += QStringLiteral(" NOT NULL");
    }
    if (!column.defaultValue.isEmpty()) {
        text += QStringLiteral(" DEFAULT (") + column.defaultValue + u')';
    }
    return text + TsqlSchemaWriter::lengthCheck(column.name, column.type);
}

void TableRebuilder::alterColumn(const QString& table, const TsqlColumnDef& change) {
    const QString schema =
        TsqlSchemaWriter::isTemporary(table) ? QStringLiteral("temp") : QStringLiteral("main");
    sqlite3_stmt* stmt = nullptr;
    const QByteArray lookup =
        QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE")
            .arg(schema)
            .toUtf8();
    sqlite3_prepare_v2(db_, lookup.constData(), int(lookup.size()), &stmt, nullptr);
    const QByteArray wanted = table.toUtf8();
    sqlite3_bind_text(stmt, 1, wanted.constData(), int(wanted.size()), SQLITE_TRANSIENT);
    QString declared;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        declared = columnText(stmt, 0);
    }
    sqlite3_finalize(stmt);
    if (declared.isEmpty()) {
        throw EDatabaseError(
            QStringLiteral(
                "Cannot find the object \"%1\" because it does not exist or you do not have permissions.")
                .arg(table));
    }
    QList<ExistingColumn> columns = existingColumns(schema, declared);
    ExistingColumn* target = nullptr;
    int keyColumns = 0;
    for (ExistingColumn& column : columns) {
        if (column.name.compare(change.name, Qt::CaseInsensitive) == 0) {
            target = &column;
        }
        keyColumns += column.primaryKeyOrder > 0 ? 1 : 0;
    }
    if (!target) {
        throw EDatabaseError(QStringLiteral("Invalid column name '%1'.").arg(change.name));
    }
    const QString quotedTable = schema + u'.' + TsqlPrinter::quoteName(declared);
    const QString quotedColumn = TsqlPrinter::quoteName(target->name);
    if (change.notNull &&
        count(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 IS NULL").arg(quotedTable, quotedColumn)) >
            0) {
        throw EDatabaseError(SqlServerErrors::nullNotAllowed(declared, target->name) +
                             QStringLiteral(" UPDATE fails."));
    }
    const DeclaredType type(change.type);
    if (type.isCharacter() && type.hasLength() &&
        count(QStringLiteral("SELECT count(*) FROM %1 WHERE length(%2) > %3")
                  .arg(quotedTable, quotedColumn)
                  .arg(type.length())) > 0) {
        throw EDatabaseError(QStringLiteral("String or binary data would be truncated."));
    }
    target->type = change.type;
    target->notNull = change.notNull;
    target->collation = TsqlSchemaWriter::collationFor(change.type, change.collation);

    QStringList definitions;
    QStringList keys;
    QStringList names;
    QStringList values;
    for (const ExistingColumn& column : columns) {
        definitions.append(definition(column, keyColumns == 1));
        names.append(TsqlPrinter::quoteName(column.name));
        values.append(&column == target ? QStringLiteral("tsql_cast(%1, %2)")
                                              .arg(TsqlPrinter::quoteName(column.name),
                                                   TsqlPrinter::quoteString(change.type))
                                        : TsqlPrinter::quoteName(column.name));
        if (column.primaryKeyOrder > 0) {
            keys.append(TsqlPrinter::quoteName(column.name));
        }
    }
    if (keyColumns > 1) {
        definitions.append(QStringLiteral("PRIMARY KEY (%1)").arg(keys.join(QStringLiteral(", "))));
    }

    QStringList dependents;
    const QByteArray dependentSql =
        QStringLiteral(
            "SELECT sql FROM %1.sqlite_master WHERE tbl_name = ?1 AND type IN ('index', 'trigger') AND "
            "sql IS NOT NULL")
            .arg(schema)
            .toUtf8();
    sqlite3_prepare_v2(db_, dependentSql.constData(), int(dependentSql.size()), &stmt, nullptr);
    const QByteArray declaredName = declared.toUtf8();
    sqlite3_bind_text(stmt, 1, declaredName.constData(), int(declaredName.size()), SQLITE_TRANSIENT);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        dependents.append(columnText(stmt, 0));
    }
    sqlite3_finalize(stmt);

    // The identity's high-water mark lives beside the table and goes with it: keep it, so that
    // numbers of deleted rows are not handed out again.
    bool autoIncrement = false;
    for (const ExistingColumn& column : columns) {
        autoIncrement = autoIncrement || column.autoIncrement;
    }
    const QString sequence = schema + QStringLiteral(".sqlite_sequence");
    const qint64 highWater = autoIncrement
                                 ? count(QStringLiteral("SELECT ifnull(max(seq), 0) FROM %1 WHERE name = %2")
                                             .arg(sequence, TsqlPrinter::quoteString(declared)))
                                 : 0;

    const QString scratch = QStringLiteral("tsql_rebuild_") + declared;
    const QString quotedScratch = schema + u'.' + TsqlPrinter::quoteName(scratch);
    exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quotedScratch, definitions.join(QStringLiteral(", "))));
    exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4")
             .arg(quotedScratch, names.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")),
                  quotedTable));
    exec(QStringLiteral("DROP TABLE %1").arg(quotedTable));
    exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quotedScratch, TsqlPrinter::quoteName(declared)));
    for (const QString& dependent : dependents) {
        exec(dependent);
    }
    if (autoIncrement) {
        exec(QStringLiteral("DELETE FROM %1 WHERE name = %2")
                 .arg(sequence, TsqlPrinter::quoteString(declared)));
        exec(QStringLiteral("INSERT INTO %1 (name, seq) VALUES (%2, %3)")
                 .arg(sequence, TsqlPrinter::quoteString(declared))
                 .arg(highWater));
    }
}

} // namespace tarvand::sql
