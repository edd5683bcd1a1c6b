#include "TsqlSchemaWriter.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "SchemaChecks.h"

namespace tarvand::sql {

QString TsqlSchemaWriter::columnList(const QStringList& columns) {
    QStringList quoted;
    for (const QString& column : columns) {
        quoted.append(TsqlPrinter::quoteName(column));
    }
    return quoted.join(QStringLiteral(", "));
}

QString TsqlSchemaWriter::collationFor(const QString& type, const QString& written) {
    const DeclaredType declared(type);
    if (!declared.isCharacter() && declared.base() != u"text" && declared.base() != u"ntext") {
        return {};
    }
    // Case-sensitive collations (…_CS_…) compare exactly; every other one like SQL Server's default.
    return written.contains(QStringLiteral("_CS"), Qt::CaseInsensitive) ? QStringLiteral("BINARY")
                                                                        : QStringLiteral("TSQL");
}

QString TsqlSchemaWriter::column(const TsqlColumnDef& column, TsqlPrinter& printer) {
    const QString name = TsqlPrinter::quoteName(column.name);
    if (column.identity) {
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    QString text = name + u' ' + column.type;
    const QString collation = collationFor(column.type, column.collation);
    if (!collation.isEmpty()) {
        text += QStringLiteral(" COLLATE ") + collation;
    }
    if (column.notNull) {
        text += QStringLiteral(" NOT NULL");
    }
    if (column.defaultValue) {
        text += QStringLiteral(" DEFAULT (") + printer.expression(*column.defaultValue) + u')';
    }
    return text + lengthCheck(column.name, column.type);
}

QString TsqlSchemaWriter::lengthCheck(const QString& column, const QString& type) {
    const DeclaredType declared(type);
    if (declared.characterLength() <= 0) {
        return {};
    }
    // SQL Server refuses a value longer than the declared length instead of storing it.
    return QStringLiteral(" CONSTRAINT %1 CHECK (length(%2) <= %3)")
        .arg(TsqlPrinter::quoteName(lengthCheckPrefix() + column), TsqlPrinter::quoteName(column))
        .arg(declared.characterLength());
}

QString TsqlSchemaWriter::constraintName(const TsqlKeyDef& key, const QString& table) {
    if (!key.name.isEmpty()) {
        return key.name;
    }
    return key.primaryKey ? QStringLiteral("PK__%1").arg(table)
                          : QStringLiteral("UQ__%1__%2").arg(table, key.columns.join(u'_'));
}

QString TsqlSchemaWriter::index(const QString& name, const QString& table, const QStringList& columns,
                                bool unique) {
    // SQLite places an index (and a trigger) in the schema of its table, so a temporary table's
    // indexes are temporary without saying so.
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), TsqlPrinter::quoteName(name),
             TsqlPrinter::quoteName(table), columnList(columns));
}

QString TsqlSchemaWriter::uniqueIndex(const QString& name, const QString& table, const QStringList& columns) {
    return index(name, table, columns, true);
}

QString TsqlSchemaWriter::ignoreDuplicatesTriggerName(const QString& index) {
    return index + QStringLiteral("__ignore_dup_key");
}

QString TsqlSchemaWriter::ignoreDuplicatesTrigger(const QString& index, const QString& table,
                                                  const QStringList& columns) {
    QStringList conditions;
    for (const QString& column : columns) {
        const QString quoted = TsqlPrinter::quoteName(column);
        conditions.append(quoted + QStringLiteral(" = NEW.") + quoted);
    }
    return QStringLiteral(
               "CREATE TRIGGER %1 BEFORE INSERT ON %2 WHEN EXISTS (SELECT 1 FROM %2 WHERE %3) BEGIN "
               "SELECT RAISE(IGNORE); END")
        .arg(TsqlPrinter::quoteName(ignoreDuplicatesTriggerName(index)), TsqlPrinter::quoteName(table),
             conditions.join(QStringLiteral(" AND ")));
}

TsqlSchemaWriter::Table TsqlSchemaWriter::createTable(const TsqlStatement& statement, TsqlPrinter& printer) {
    const QString& table = statement.table.name;
    if (!statement.table.database.isEmpty() &&
        statement.table.database.compare(u"tempdb", Qt::CaseInsensitive) != 0) {
        throw EDatabaseError(QStringLiteral("Tables can only be created in the company database."));
    }
    SchemaChecks::definition(statement);
    Table result;
    const TsqlKeyDef* primary = nullptr;
    for (const TsqlKeyDef& key : statement.keys) {
        primary = key.primaryKey ? &key : primary;
    }
    QStringList columns;
    int identities = 0;
    qint64 seed = 1;
    for (const TsqlColumnDef& definition : statement.columnDefs) {
        if (definition.identity) {
            ++identities;
            seed = definition.identitySeed;
        }
        const bool keyColumn = primary && primary->columns.contains(definition.name, Qt::CaseInsensitive);
        if (keyColumn && !definition.notNull && !definition.identity) {
            // Primary-key columns never hold NULL in SQL Server, whatever their definition says.
            TsqlColumnDef notNull;
            notNull.name = definition.name;
            notNull.type = definition.type;
            notNull.notNull = true;
            notNull.collation = definition.collation;
            QString text = column(notNull, printer);
            if (definition.defaultValue) {
                text += QStringLiteral(" DEFAULT (") + printer.expression(*definition.defaultValue) + u')';
            }
            columns.append(text);
        } else {
            columns.append(column(definition, printer));
        }
    }
    const bool temporary = isTemporary(table);
    result.statements.append(QStringLiteral("CREATE %1TABLE %2 (%3)")
                                 .arg(temporary ? QStringLiteral("TEMP ") : QString(),
                                      TsqlPrinter::quoteName(table), columns.join(QStringLiteral(", "))));
    if (identities == 1 && seed != 1) {
        result.statements.append(
            QStringLiteral("INSERT INTO %1sqlite_sequence (name, seq) VALUES (%2, %3)")
                .arg(temporary ? QStringLiteral("temp.") : QString(), TsqlPrinter::quoteString(table))
                .arg(seed - 1));
    }
    for (const TsqlKeyDef& key : statement.keys) {
        const QString name = constraintName(key, table);
        result.statements.append(uniqueIndex(name, table, key.columns));
        result.constraints.append({name, table, key.primaryKey, key.columns});
    }
    return result;
}

} // namespace tarvand::sql
