#include "SchemaCommands.h"

#include "EDatabaseError.h"
#include "SchemaChecks.h"
#include "SqlServerErrors.h"
#include "SqliteSavepoint.h"
#include "TableRebuilder.h"
#include "TsqlSchemaWriter.h"

namespace tarvand::sql {

namespace {

QString schemaOf(const QString& table) {
    return TsqlSchemaWriter::isTemporary(table) ? QStringLiteral("temp") : QStringLiteral("main");
}

} // namespace

QString SchemaCommands::declaredTable(const QString& table) const {
    sqlite3_stmt* stmt = s_.prepare(
        QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE")
            .arg(schemaOf(table)));
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(stmt, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    QString declared;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        declared = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    return declared;
}

bool SchemaCommands::objectExists(const QString& name) const {
    return s_.scalar(QStringLiteral(
                         "SELECT count(*) FROM (SELECT name FROM main.sqlite_master UNION ALL SELECT name "
                         "FROM temp.sqlite_master UNION ALL SELECT name FROM main.tsql_constraint UNION "
                         "ALL SELECT name FROM temp.tsql_constraint) WHERE name = ?1 COLLATE NOCASE"),
                     {name}) > 0 ||
           procedures_.definition(name).has_value();
}

bool SchemaCommands::indexExists(const QString& name) const {
    return s_.scalar(
               QStringLiteral(
                   "SELECT count(*) FROM (SELECT name FROM main.sqlite_master WHERE type = 'index' "
                   "UNION ALL SELECT name FROM temp.sqlite_master WHERE type = 'index') WHERE name = ?1 "
                   "COLLATE NOCASE"),
               {name}) > 0;
}

SchemaCatalog::Key SchemaCommands::constraintKind(const QString& name) const {
    const auto constraint = s_.constraints().find(name);
    return !constraint ? Key::None : constraint->primaryKey ? Key::Primary : Key::Unique;
}

bool SchemaCommands::constraintOn(const QString& table, const QString& name) const {
    const auto constraint = s_.constraints().find(name);
    return constraint && constraint->table.compare(table, Qt::CaseInsensitive) == 0;
}

bool SchemaCommands::hasPrimaryKey(const QString& table) const {
    return s_.constraints().primaryKey(table).has_value();
}

bool SchemaCommands::hasRows(const QString& table) const {
    return s_.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1.%2)")
                         .arg(schemaOf(table), TsqlPrinter::quoteName(table))) != 0;
}

std::optional<bool> SchemaCommands::allowsNull(const QString& table, const QString& column) const {
    const QByteArray tableName = table.toUtf8();
    const QByteArray columnName = column.toUtf8();
    const QByteArray schema = schemaOf(table).toUtf8();
    int notNull = 0;
    int primaryKey = 0;
    if (sqlite3_table_column_metadata(s_.db(), schema.constData(), tableName.constData(),
                                      columnName.constData(), nullptr, nullptr, &notNull, &primaryKey,
                                      nullptr) != SQLITE_OK) {
        return std::nullopt;
    }
    return !notNull && !primaryKey;
}

void SchemaCommands::createUniqueIndex(const QString& name, const QString& table,
                                       const QStringList& columns) {
    const QString sql = TsqlSchemaWriter::uniqueIndex(name, table, columns);
    sqlite3_stmt* stmt = s_.prepare(sql);
    if (sqlite3_step(stmt) == SQLITE_DONE) {
        sqlite3_finalize(stmt);
        return;
    }
    if (sqlite3_extended_errcode(s_.db()) != SQLITE_CONSTRAINT_UNIQUE) {
        s_.fail(stmt);
    }
    sqlite3_finalize(stmt);
    QStringList quoted;
    for (const QString& column : columns) {
        quoted.append(TsqlPrinter::quoteName(column));
    }
    const QString list = quoted.join(QStringLiteral(", "));
    sqlite3_stmt* duplicate =
        s_.prepare(QStringLiteral("SELECT %1 FROM %2 GROUP BY %1 HAVING count(*) > 1 LIMIT 1")
                       .arg(list, TsqlPrinter::quoteName(table)));
    QStringList values;
    if (sqlite3_step(duplicate) == SQLITE_ROW) {
        for (int i = 0; i < columns.size(); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(duplicate, i));
            values.append(text ? QString::fromUtf8(text) : QStringLiteral("<NULL>"));
        }
    }
    sqlite3_finalize(duplicate);
    throw EDatabaseError(SqlServerErrors::duplicateKeyFound(table, name, values));
}

void SchemaCommands::createTable(const TsqlStatement& statement) {
    SchemaChecks(*this).createTable(statement);
    TsqlPrinter printer;
    const TsqlSchemaWriter::Table table = TsqlSchemaWriter::createTable(statement, printer);
    SqliteSavepoint savepoint(s_);
    for (const QString& sql : table.statements) {
        s_.exec(sql);
    }
    for (const auto& constraint : table.constraints) {
        s_.constraints().add(constraint, TsqlSchemaWriter::isTemporary(constraint.table));
    }
    savepoint.release();
}

void SchemaCommands::createIndex(const TsqlStatement& statement) {
    const QString table = SchemaChecks(*this).createIndex(statement);
    SqliteSavepoint savepoint(s_);
    if (statement.unique) {
        createUniqueIndex(statement.name, table, statement.columns);
    } else {
        s_.exec(TsqlSchemaWriter::index(statement.name, table, statement.columns, false));
    }
    if (statement.unique && statement.ignoreDupKey) {
        s_.exec(TsqlSchemaWriter::ignoreDuplicatesTrigger(statement.name, table, statement.columns));
    }
    savepoint.release();
}

void SchemaCommands::addConstraint(const TsqlStatement& statement) {
    const ConstraintCatalog::Constraint constraint = SchemaChecks(*this).addConstraint(statement);
    SqliteSavepoint savepoint(s_);
    createUniqueIndex(constraint.name, constraint.table, constraint.columns);
    s_.constraints().add(constraint, TsqlSchemaWriter::isTemporary(constraint.table));
    savepoint.release();
}

void SchemaCommands::addColumns(const TsqlStatement& statement) {
    const QString table = SchemaChecks(*this).addColumns(statement);
    TsqlPrinter printer;
    SqliteSavepoint savepoint(s_);
    for (const TsqlColumnDef& column : statement.columnDefs) {
        if (column.identity) {
            throw EDatabaseError(QStringLiteral(
                "Identity columns cannot be added to an existing table on the embedded database."));
        }
        // SQLite adds no Not Null column without a default, even to an empty table: it is added
        // nullable and then made Not Null.
        const bool notNullLater = column.notNull && !column.defaultValue;
        TsqlColumnDef nullable;
        nullable.name = column.name;
        nullable.type = column.type;
        nullable.collation = column.collation;
        s_.exec(QStringLiteral("ALTER TABLE %1.%2 ADD COLUMN %3")
                    .arg(schemaOf(table), TsqlPrinter::quoteName(table),
                         TsqlSchemaWriter::column(notNullLater ? nullable : column, printer)));
        if (notNullLater) {
            TableRebuilder(s_.db()).alterColumn(table, column);
        }
    }
    for (const TsqlKeyDef& key : statement.keys) {
        const QString name = TsqlSchemaWriter::constraintName(key, table);
        createUniqueIndex(name, table, key.columns);
        s_.constraints().add({name, table, key.primaryKey, key.columns},
                             TsqlSchemaWriter::isTemporary(table));
    }
    savepoint.release();
}

void SchemaCommands::alterColumn(const TsqlStatement& statement) {
    SchemaChecks::requireLocal(statement.table);
    SqliteSavepoint savepoint(s_);
    TableRebuilder(s_.db()).alterColumn(statement.table.name, statement.columnDefs.front());
    savepoint.release();
}

void SchemaCommands::dropTable(const TsqlStatement& statement) {
    const QStringList tables = SchemaChecks(*this).dropTable(statement);
    SqliteSavepoint savepoint(s_);
    for (const QString& table : tables) {
        s_.exec(QStringLiteral("DROP TABLE %1.%2").arg(schemaOf(table), TsqlPrinter::quoteName(table)));
        s_.constraints().removeTable(table);
    }
    savepoint.release();
}

void SchemaCommands::dropIndex(const TsqlStatement& statement) {
    SchemaChecks(*this).dropIndex(statement);
    SqliteSavepoint savepoint(s_);
    s_.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1")
                .arg(TsqlPrinter::quoteName(TsqlSchemaWriter::ignoreDuplicatesTriggerName(statement.name))));
    s_.exec(QStringLiteral("DROP INDEX %1").arg(TsqlPrinter::quoteName(statement.name)));
    savepoint.release();
}

void SchemaCommands::dropConstraint(const TsqlStatement& statement) {
    SchemaChecks(*this).dropConstraint(statement);
    const auto constraint = s_.constraints().find(statement.name);
    SqliteSavepoint savepoint(s_);
    s_.exec(QStringLiteral("DROP INDEX %1").arg(TsqlPrinter::quoteName(constraint->name)));
    s_.constraints().remove(constraint->name);
    savepoint.release();
}

void SchemaCommands::createProcedure(const TsqlStatement& statement) {
    if (!statement.replace && objectExists(statement.name)) {
        throw EDatabaseError(
            QStringLiteral("There is already an object named '%1' in the database.").arg(statement.name));
    }
    procedures_.store(statement.name, statement.text, statement.replace);
}

void SchemaCommands::dropProcedure(const TsqlStatement& statement) {
    for (const QString& name : statement.names) {
        procedures_.drop(name);
    }
}

} // namespace tarvand::sql
