#pragma once

#include "ColumnInfo.h"
#include "PgConnection.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace tarvand::sql {

// What the module asks of a PostgreSQL database's catalog: the columns of a table with their
// declared types, lengths, nullability, identity and key membership, and a table's key. Column
// lists are kept per table until the schema changes. Tables and columns are stored under folded
// names; the names as the module wrote them are kept in their comments (first line: the name,
// second line: the T-SQL type of a national character column) and read back through tsql_name,
// so they survive reconnects and Alter Column and go with the object.
class PgCatalog {
public:
    explicit PgCatalog(PgConnection& connection) : connection_(connection) {}

    // The table (or temporary table) of that name as the server resolves it, written plain or as
    // "[X]" / "dbo.X"; 0 when there is none.
    Oid tableOid(const QString& table);
    // The columns of a table in declaration order, by attribute number (index 0 is attribute 1;
    // dropped attributes leave empty entries).
    const QList<ColumnInfo>& columns(Oid table);
    QStringList keyColumns(Oid table);
    // The primary key's columns (stored names) of a table as PgPrinter prints its name; empty
    // without one. Kept until the schema changes.
    const QStringList& primaryKey(const QString& table);
    // The statements that keep a table's written name, and a column's written name and national
    // type; empty when the stored name and type say all.
    static QString tableComment(const QString& table);
    static QString columnComment(const QString& table, const QString& column, const QString& type);
    // The written name of the table a server message names by schema and stored name, and of one
    // of its columns; the stored names when the catalog cannot be read (a failed transaction).
    QString writtenTable(const QString& schema, const QString& table);
    QString writtenColumn(const QString& schema, const QString& table, const QString& column);
    // Forgets what was read, after a statement that may have changed the schema.
    void clear() {
        columns_.clear();
        primaryKeys_.clear();
        ++generation_;
    }
    // Counts the clears, so that texts printed with what was read (PgPrinter's key order) can be
    // forgotten with it.
    int generation() const { return generation_; }

private:
    PgConnection& connection_;
    QHash<Oid, QList<ColumnInfo>> columns_;
    QHash<QString, QStringList> primaryKeys_;
    int generation_ = 0;
};

} // namespace tarvand::sql
