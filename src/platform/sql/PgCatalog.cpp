#include "PgCatalog.h"

#include "DeclaredType.h"
#include "PgPrinter.h"
#include "SqlEscape.h"

namespace tarvand::sql {

namespace {

ColumnKind kindOfType(const QString& type) {
    if (type == u"smallint" || type == u"integer" || type == u"bigint" || type == u"boolean") {
        return ColumnKind::Integer;
    }
    if (type.startsWith(QLatin1String("numeric")) || type == u"real" || type == u"double precision" ||
        type == u"money") {
        return ColumnKind::Float;
    }
    if (type == u"bytea") {
        return ColumnKind::Blob;
    }
    return ColumnKind::Text;
}

// character varying(10) → 10; 0 for every other type.
int characterLength(const QString& type) {
    if (!type.startsWith(QLatin1String("character"))) {
        return 0;
    }
    const qsizetype open = type.indexOf(u'(');
    return open < 0 ? 0 : type.mid(open + 1, type.indexOf(u')') - open - 1).toInt();
}

} // namespace

Oid PgCatalog::tableOid(const QString& table) {
    QString name = table.trimmed().section(u'.', -1);
    if (name.startsWith(u'[') && name.endsWith(u']')) {
        name = name.mid(1, name.size() - 2);
    } else if (name.startsWith(u'"') && name.endsWith(u'"')) {
        name = name.mid(1, name.size() - 2);
    }
    // An exact (quoted) name first, then the name as the server folds an unquoted one.
    const QString oid =
        connection_.scalar("SELECT c.oid FROM pg_catalog.pg_class c WHERE c.relkind IN ('r', 'p', 'v') AND "
                           "pg_catalog.pg_table_is_visible(c.oid) AND c.relname::text IN ($1::text, "
                           "lower($1::text)) ORDER BY c.relname::text = $1::text DESC "
                           "LIMIT 1",
                           {name});
    return oid.isEmpty() ? 0 : Oid(oid.toUInt());
}

const QList<ColumnInfo>& PgCatalog::columns(Oid table) {
    if (const auto found = columns_.constFind(table); found != columns_.constEnd()) {
        return *found;
    }
    const PgResult result = connection_.run(
        "SELECT a.attnum, tsql_name(a.attname, pg_catalog.col_description(a.attrelid, a.attnum)), "
        "tsql_type(a.atttypid, a.atttypmod), a.attnotnull, "
        "a.attidentity <> '' OR coalesce(pg_catalog.pg_get_expr(d.adbin, d.adrelid), '') LIKE 'nextval(%', "
        "EXISTS (SELECT 1 FROM pg_catalog.pg_index i WHERE i.indrelid = a.attrelid AND i.indisprimary AND "
        "a.attnum = ANY (i.indkey)), tsql_name(c.relname, pg_catalog.obj_description(c.oid, 'pg_class')) "
        "FROM pg_catalog.pg_attribute a JOIN pg_catalog.pg_class c ON c.oid = a.attrelid "
        "LEFT JOIN pg_catalog.pg_attrdef d ON d.adrelid = a.attrelid AND d.adnum = a.attnum "
        "WHERE a.attrelid = $1 AND a.attnum > 0 ORDER BY a.attnum",
        {qlonglong(table)});
    QList<ColumnInfo> columns;
    PGresult* rows = result.get();
    for (int r = 0; r < PQntuples(rows); ++r) {
        const int number = QByteArray(PQgetvalue(rows, r, 0)).toInt();
        while (columns.size() < number - 1) {
            columns.append(ColumnInfo());
        }
        ColumnInfo column;
        column.name = QString::fromUtf8(PQgetvalue(rows, r, 1));
        column.declaredType = QString::fromUtf8(PQgetvalue(rows, r, 2));
        column.kind = kindOfType(column.declaredType);
        column.size = characterLength(column.declaredType);
        column.notNull = *PQgetvalue(rows, r, 3) == 't';
        column.autoIncrement = *PQgetvalue(rows, r, 4) == 't';
        column.primaryKey = *PQgetvalue(rows, r, 5) == 't';
        column.baseTable = QString::fromUtf8(PQgetvalue(rows, r, 6));
        column.baseColumn = column.name;
        columns.append(column);
    }
    return *columns_.insert(table, columns);
}

QStringList PgCatalog::keyColumns(Oid table) {
    // The primary key, else the first unique index without a condition, columns in key order.
    const PgResult result = connection_.run(
        "SELECT tsql_name(a.attname, pg_catalog.col_description(a.attrelid, a.attnum)) FROM (SELECT i.indkey "
        "FROM pg_catalog.pg_index i WHERE i.indrelid = $1 AND "
        "i.indisunique AND i.indpred IS NULL ORDER BY i.indisprimary DESC, i.indexrelid LIMIT 1) k, "
        "LATERAL unnest(k.indkey) WITH ORDINALITY AS u(attnum, position) JOIN pg_catalog.pg_attribute a ON "
        "a.attrelid = $1 AND a.attnum = u.attnum ORDER BY u.position",
        {qlonglong(table)});
    QStringList keys;
    for (int r = 0; r < PQntuples(result.get()); ++r) {
        keys.append(QString::fromUtf8(PQgetvalue(result.get(), r, 0)));
    }
    return keys;
}

const QStringList& PgCatalog::primaryKey(const QString& table) {
    if (const auto found = primaryKeys_.constFind(table); found != primaryKeys_.constEnd()) {
        return *found;
    }
    const PgResult result = connection_.run(
        "SELECT a.attname FROM pg_catalog.pg_index i, LATERAL unnest(i.indkey) WITH ORDINALITY AS u(attnum, "
        "position) JOIN pg_catalog.pg_attribute a ON a.attnum = u.attnum WHERE i.indrelid = "
        "to_regclass($1::text) AND i.indisprimary AND a.attrelid = i.indrelid ORDER BY u.position",
        {table});
    QStringList key;
    for (int r = 0; r < PQntuples(result.get()); ++r) {
        key.append(QString::fromUtf8(PQgetvalue(result.get(), r, 0)));
    }
    return *primaryKeys_.insert(table, key);
}

QString PgCatalog::tableComment(const QString& table) {
    if (table == table.toLower()) {
        return {};
    }
    return QStringLiteral("COMMENT ON TABLE %1 IS '%2'").arg(PgPrinter::foldedName(table), SqlEscape(table));
}

QString PgCatalog::columnComment(const QString& table, const QString& column, const QString& type) {
    const DeclaredType declared(type);
    const bool national = declared.base().startsWith(u'n') && declared.isCharacter();
    if (column == column.toLower() && !national) {
        return {};
    }
    return QStringLiteral("COMMENT ON COLUMN %1.%2 IS '%3'")
        .arg(PgPrinter::foldedName(table), PgPrinter::foldedName(column),
             SqlEscape(national ? column + u'\n' + type : column));
}

QString PgCatalog::writtenTable(const QString& schema, const QString& table) {
    return writtenColumn(schema, table, QString());
}

QString PgCatalog::writtenColumn(const QString& schema, const QString& table, const QString& column) {
    const QString stored = column.isEmpty() ? table : column;
    if (PQtransactionStatus(connection_.handle()) == PQTRANS_INERROR) {
        return stored;
    }
    const QString written = connection_.scalar(
        "SELECT CASE WHEN $3::text = '' THEN tsql_name(c.relname, pg_catalog.obj_description(c.oid, "
        "'pg_class')) ELSE tsql_name(a.attname, pg_catalog.col_description(c.oid, a.attnum)) END FROM "
        "pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace LEFT JOIN "
        "pg_catalog.pg_attribute a ON a.attrelid = c.oid AND a.attname = $3::text WHERE n.nspname = $1 "
        "AND c.relname = $2",
        {schema, table, column});
    return written.isEmpty() ? stored : written;
}

} // namespace tarvand::sql
