#pragma once

#include "ColumnInfo.h"
#include "PgConnection.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace tarvand::sql {

// What the module asks of a PostgreSQL database's catalog: the columns of a table with their
// declared types, lengths, nullability, identity and key membership, and a table's key. Column
// lists are kept per table until the schema changes.
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
    // Forgets what was read, after a statement that may have changed the schema.
    void clear() { columns_.clear(); }

private:
    PgConnection& connection_;
    QHash<Oid, QList<ColumnInfo>> columns_;
};

} // namespace tarvand::sql
