#include "PgSchemaCommands.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "PgCatalog.h"
#include "PgCompatibility.h"
#include "PgConnection.h"
#include "PgPrinter.h"
#include "SchemaChecks.h"
#include "SqlServerErrors.h"
#include "TsqlSchemaWriter.h"

namespace tarvand::sql {

namespace {

using Kind = TsqlStatement::Kind;

QString names(const QStringList& columns) {
    QStringList quoted;
    for (const QString& column : columns) {
        quoted.append(PgPrinter::foldedName(column));
    }
    return quoted.join(QStringLiteral(", "));
}

} // namespace

void PgSchemaCommands::run(const TsqlStatement& statement) {
    const SchemaChecks checks(*this);
    if (!statement.table.isEmpty()) {
        SchemaChecks::requireLocal(statement.table);
    }
    const QString target = PgPrinter::foldedName(statement.table.name);
    QStringList ddl;
    switch (statement.kind) {
    case Kind::CreateTable:
        checks.createTable(statement);
        ddl = createTable(statement);
        break;
    case Kind::CreateIndex:
        checks.createIndex(statement);
        if (statement.unique) {
            requireDistinct(statement.table.name, statement.name, statement.columns);
        }
        ddl = createIndex(statement);
        break;
    case Kind::AlterColumn:
        ddl = alterColumn(statement);
        break;
    case Kind::AddConstraint: {
        const ConstraintCatalog::Constraint constraint = checks.addConstraint(statement);
        requireDistinct(constraint.table, constraint.name, constraint.columns);
        ddl.append(QStringLiteral("ALTER TABLE %1 ADD %2")
                       .arg(target, key(statement.keys.front(), constraint.table)));
        break;
    }
    case Kind::AddColumns:
        addColumns(statement, checks.addColumns(statement));
        return;
    case Kind::DropConstraint:
        checks.dropConstraint(statement);
        ddl.append(QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT %2")
                       .arg(target, TsqlPrinter::quoteName(statement.name)));
        break;
    case Kind::DropTable:
        for (const QString& table : checks.dropTable(statement)) {
            ddl.append(QStringLiteral("DROP TABLE %1").arg(PgPrinter::foldedName(table)));
        }
        break;
    case Kind::DropIndex:
        checks.dropIndex(statement);
        ddl.append(QStringLiteral("DROP INDEX %1").arg(storedName(statement.name, "'i', 'I'")));
        ddl.append(QStringLiteral("DROP FUNCTION IF EXISTS %1() CASCADE")
                       .arg(PgPrinter::foldedName(QStringLiteral("tsql_ignore_") + statement.name)));
        break;
    case Kind::CreateProcedure:
        storeProcedure(statement);
        return;
    case Kind::DropProcedure:
        for (const QString& name : statement.names) {
            dropProcedure(name);
        }
        return;
    default:
        throw EDatabaseError(QStringLiteral("Incorrect syntax near '%1'.").arg(statement.text));
    }
    for (const QString& sql : std::as_const(ddl)) {
        connection_.run(sql.toUtf8());
    }
}

QString PgSchemaCommands::storedName(const QString& name, const char* kinds) const {
    return connection_.scalar(
        QByteArray("SELECT quote_ident(c.relname) FROM pg_catalog.pg_class c WHERE c.relkind IN (") + kinds +
            ") AND lower(c.relname) = lower($1) AND c.relnamespace <> 'pg_catalog'::regnamespace AND "
            "pg_catalog.pg_table_is_visible(c.oid) LIMIT 1",
        {name});
}

bool PgSchemaCommands::relationExists(const QString& name, const char* kinds) const {
    return !storedName(name, kinds).isEmpty();
}

QString PgSchemaCommands::declaredTable(const QString& table) const {
    // The server keeps the folded name; the statement's own spelling is the one messages quote.
    return relationExists(table, "'r', 'p'") ? table : QString();
}

bool PgSchemaCommands::objectExists(const QString& name) const {
    return relationExists(name, "'r', 'p', 'v', 'i', 'I'") || procedure(name).has_value();
}

bool PgSchemaCommands::indexExists(const QString& name) const {
    return relationExists(name, "'i', 'I'");
}

SchemaCatalog::Key PgSchemaCommands::constraintKind(const QString& name) const {
    const QString kind = connection_.scalar(
        "SELECT k.contype FROM pg_catalog.pg_constraint k WHERE k.contype IN ('p', 'u') AND "
        "lower(k.conname) = lower($1) AND pg_catalog.pg_table_is_visible(k.conrelid) LIMIT 1",
        {name});
    return kind == u"p" ? Key::Primary : kind == u"u" ? Key::Unique : Key::None;
}

bool PgSchemaCommands::constraintOn(const QString& table, const QString& name) const {
    return !connection_
                .scalar("SELECT 1 FROM pg_catalog.pg_constraint WHERE conrelid = to_regclass($1::text) AND "
                        "contype IN ('p', 'u') AND lower(conname) = lower($2)",
                        {PgPrinter::foldedName(table), name})
                .isEmpty();
}

bool PgSchemaCommands::hasRows(const QString& table) const {
    return !connection_
                .scalar(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(PgPrinter::foldedName(table)).toUtf8())
                .isEmpty();
}

bool PgSchemaCommands::hasPrimaryKey(const QString& table) const {
    return !connection_
                .scalar("SELECT 1 FROM pg_catalog.pg_constraint WHERE conrelid = to_regclass($1::text) AND "
                        "contype = 'p'",
                        {PgPrinter::foldedName(table)})
                .isEmpty();
}

std::optional<bool> PgSchemaCommands::allowsNull(const QString& table, const QString& column) const {
    const QString notNull = connection_.scalar(
        "SELECT a.attnotnull FROM pg_catalog.pg_attribute a WHERE a.attrelid = to_regclass($1::text) AND "
        "lower(a.attname) = lower($2) AND a.attnum > 0 AND NOT a.attisdropped",
        {PgPrinter::foldedName(table), column});
    if (notNull.isEmpty()) {
        return std::nullopt;
    }
    return notNull == u"f";
}

void PgSchemaCommands::requireDistinct(const QString& table, const QString& index,
                                       const QStringList& columns) {
    // Rows with a NULL in the key do not count, as the server's unique index does not count them.
    QStringList present;
    for (const QString& column : columns) {
        present.append(PgPrinter::foldedName(column) + QStringLiteral(" IS NOT NULL"));
    }
    const PgResult result = connection_.run(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 GROUP BY %1 HAVING count(*) > 1 LIMIT 1")
            .arg(names(columns), PgPrinter::foldedName(table), present.join(QStringLiteral(" AND ")))
            .toUtf8());
    if (PQntuples(result.get()) == 0) {
        return;
    }
    QStringList values;
    for (int c = 0; c < PQnfields(result.get()); ++c) {
        values.append(QString::fromUtf8(PQgetvalue(result.get(), 0, c)));
    }
    throw EDatabaseError(SqlServerErrors::duplicateKeyFound(table, index, values));
}

QString PgSchemaCommands::columnType(const QString& declared) {
    const QString type = PgPrinter::columnType(declared);
    const DeclaredType parsed(declared);
    if (type.startsWith(PgCompatibility::characterType(parsed.length()) + u' ')) {
        PgCompatibility::createCharacterType(connection_, parsed.length());
    }
    return type;
}

QStringList PgSchemaCommands::comments(const TsqlStatement& statement) {
    QStringList comments;
    if (statement.kind == Kind::CreateTable) {
        comments.append(PgCatalog::tableComment(statement.table.name));
    }
    for (const TsqlColumnDef& definition : statement.columnDefs) {
        comments.append(PgCatalog::columnComment(statement.table.name, definition.name, definition.type));
    }
    comments.removeAll(QString());
    return comments;
}

QString PgSchemaCommands::column(const TsqlColumnDef& definition) {
    QString text = PgPrinter::foldedName(definition.name) + u' ';
    const QString type = columnType(definition.type);
    if (!definition.collation.isEmpty() && type.contains(QLatin1String("COLLATE"))) {
        // A case-sensitive collation compares exactly; any other compares as tsql does.
        text += type.section(QStringLiteral(" COLLATE"), 0, 0) +
                (definition.collation.contains(QLatin1String("_CS"), Qt::CaseInsensitive)
                     ? QStringLiteral(" COLLATE \"C\"")
                     : QStringLiteral(" COLLATE tsql"));
    } else {
        text += type;
    }
    if (definition.identity) {
        text +=
            QStringLiteral(" GENERATED BY DEFAULT AS IDENTITY (START WITH %1)").arg(definition.identitySeed);
    }
    if (definition.defaultValue) {
        PgPrinter printer;
        text += QStringLiteral(" DEFAULT ") + printer.expression(*definition.defaultValue);
    }
    if (definition.notNull) {
        text += QStringLiteral(" NOT NULL");
    }
    return text;
}

QString PgSchemaCommands::key(const TsqlKeyDef& definition, const QString& table) {
    // Named as written, or as SQL Server names an unnamed key: the duplicate-key messages and
    // SysIndexes quote the name.
    return QStringLiteral("CONSTRAINT %1 %2 (%3)")
        .arg(TsqlPrinter::quoteName(TsqlSchemaWriter::constraintName(definition, table)),
             definition.primaryKey ? QStringLiteral("PRIMARY KEY") : QStringLiteral("UNIQUE"),
             names(definition.columns));
}

QStringList PgSchemaCommands::createTable(const TsqlStatement& statement) {
    QStringList parts;
    for (const TsqlColumnDef& definition : statement.columnDefs) {
        parts.append(column(definition));
    }
    for (const TsqlKeyDef& definition : statement.keys) {
        parts.append(key(definition, statement.table.name));
    }
    const bool temporary = statement.table.name.startsWith(u'#');
    return QStringList{QStringLiteral("CREATE %1TABLE %2 (%3)")
                           .arg(temporary ? QStringLiteral("TEMP ") : QString(),
                                PgPrinter::foldedName(statement.table.name),
                                parts.join(QStringLiteral(", ")))} +
           comments(statement);
}

QStringList PgSchemaCommands::createIndex(const TsqlStatement& statement) {
    const QString target = PgPrinter::foldedName(statement.table.name);
    QStringList ddl{QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                        .arg(statement.unique ? QStringLiteral("UNIQUE ") : QString(),
                             TsqlPrinter::quoteName(statement.name), target, names(statement.columns))};
    if (statement.unique && statement.ignoreDupKey) {
        // A later insert of a key already there does nothing; an update to one still fails.
        QStringList same;
        for (const QString& column : statement.columns) {
            const QString name = PgPrinter::foldedName(column);
            same.append(QStringLiteral("t.%1 IS NOT DISTINCT FROM NEW.%1").arg(name));
        }
        const QString function = PgPrinter::foldedName(QStringLiteral("tsql_ignore_") + statement.name);
        ddl.append(
            QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $f$BEGIN IF "
                           "EXISTS (SELECT 1 FROM %2 AS t WHERE %3) THEN RETURN NULL; END IF; RETURN NEW; "
                           "END$f$")
                .arg(function, target, same.join(QStringLiteral(" AND "))));
        ddl.append(QStringLiteral("CREATE TRIGGER %1 BEFORE INSERT ON %2 FOR EACH ROW EXECUTE FUNCTION %1()")
                       .arg(function, target));
    }
    return ddl;
}

void PgSchemaCommands::addColumns(const TsqlStatement& statement, const QString& table) {
    const QString target = PgPrinter::foldedName(table);
    QStringList parts;
    for (const TsqlColumnDef& definition : statement.columnDefs) {
        parts.append(QStringLiteral("ADD COLUMN ") + column(definition));
    }
    QStringList ddl{QStringLiteral("ALTER TABLE %1 %2").arg(target, parts.join(QStringLiteral(", ")))};
    ddl += comments(statement);
    for (const QString& sql : std::as_const(ddl)) {
        connection_.run(sql.toUtf8());
    }
    // The keys come once the new columns hold their values, so that duplicates among them are
    // refused as a new key's are.
    for (const TsqlKeyDef& definition : statement.keys) {
        requireDistinct(table, TsqlSchemaWriter::constraintName(definition, table), definition.columns);
        connection_.run(QStringLiteral("ALTER TABLE %1 ADD %2").arg(target, key(definition, table)).toUtf8());
    }
}

QStringList PgSchemaCommands::alterColumn(const TsqlStatement& statement) {
    const TsqlColumnDef& definition = statement.columnDefs.front();
    const QString target = PgPrinter::foldedName(statement.table.name);
    const QString name = PgPrinter::foldedName(definition.name);
    if (definition.notNull &&
        !connection_
             .scalar(QStringLiteral("SELECT 1 FROM %1 WHERE %2 IS NULL LIMIT 1").arg(target, name).toUtf8())
             .isEmpty()) {
        throw EDatabaseError(SqlServerErrors::nullNotAllowed(statement.table.name, definition.name) +
                             QStringLiteral(" UPDATE fails."));
    }
    const QString type = columnType(definition.type);
    const QString bare = type.section(QStringLiteral(" COLLATE"), 0, 0);
    // A character column takes the values as they are (a value too long is refused); any other
    // type converts the stored text as the server converts it.
    const QString conversion =
        type == bare ? QStringLiteral(" USING %1::text::%2").arg(name, bare) : QString();
    // The column keeps the name it was created with; its comment follows the new type.
    const QString created = connection_.scalar(
        "SELECT tsql_name(a.attname, pg_catalog.col_description(a.attrelid, a.attnum)) FROM "
        "pg_catalog.pg_attribute a WHERE a.attrelid = to_regclass($1::text) AND a.attname = $2::text",
        {target, definition.name.toLower()});
    const QString comment = PgCatalog::columnComment(
        statement.table.name, created.isEmpty() ? definition.name : created, definition.type);
    return {QStringLiteral("ALTER TABLE %1 ALTER COLUMN %2 TYPE %3%4, ALTER COLUMN %2 %5")
                .arg(target, name, type, conversion,
                     definition.notNull ? QStringLiteral("SET NOT NULL") : QStringLiteral("DROP NOT NULL")),
            comment.isEmpty() ? QStringLiteral("COMMENT ON COLUMN %1.%2 IS NULL").arg(target, name)
                              : comment};
}

std::optional<QString> PgSchemaCommands::procedure(const QString& name) const {
    const PgResult result =
        connection_.run("SELECT definition FROM tsql_procedure WHERE name = $1", {name.toLower()});
    if (PQntuples(result.get()) == 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(PQgetvalue(result.get(), 0, 0));
}

void PgSchemaCommands::storeProcedure(const TsqlStatement& statement) {
    const QString key = statement.name.toLower();
    const bool exists =
        procedure(key).has_value() ||
        !connection_.scalar("SELECT to_regclass($1::text)", {PgPrinter::foldedName(key)}).isEmpty();
    if (!statement.replace && exists) {
        throw EDatabaseError(
            QStringLiteral("There is already an object named '%1' in the database.").arg(statement.name));
    }
    if (statement.replace && !procedure(key)) {
        throw EDatabaseError(QStringLiteral("Invalid object name '%1'.").arg(statement.name));
    }
    connection_.run(
        "INSERT INTO tsql_procedure (name, definition) VALUES ($1, $2) ON CONFLICT (name) DO UPDATE "
        "SET definition = EXCLUDED.definition",
        {key, statement.text});
}

void PgSchemaCommands::dropProcedure(const QString& name) {
    const PgResult result = connection_.run("DELETE FROM tsql_procedure WHERE name = $1", {name.toLower()});
    if (QByteArray(PQcmdTuples(result.get())).toLongLong() == 0) {
        throw EDatabaseError(
            QStringLiteral(
                "Cannot drop the procedure '%1', because it does not exist or you do not have permission.")
                .arg(name));
    }
}

} // namespace tarvand::sql
