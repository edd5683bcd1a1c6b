#include "PgCatalog.h"

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
        "SELECT a.attnum, a.attname, tsql_type(a.atttypid, a.atttypmod), a.attnotnull, "
        "a.attidentity <> '' OR coalesce(pg_catalog.pg_get_expr(d.adbin, d.adrelid), '') LIKE 'nextval(%', "
        "EXISTS (SELECT 1 FROM pg_catalog.pg_index i WHERE i.indrelid = a.attrelid AND i.indisprimary AND "
        "a.attnum = ANY (i.indkey)), c.relname "
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
        "SELECT a.attname FROM (SELECT i.indkey FROM pg_catalog.pg_index i WHERE i.indrelid = $1 AND "
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

} // namespace tarvand::sql
