#pragma once

#include <QString>
#include <libpq-fe.h>

namespace tarvand::sql {

class PgCatalog;
class PgConnection;

// PostgreSQL's errors in the words SQL Server uses for the same failure, where the module reads
// them: duplicate keys name the constraint and its table, too-long values and NULLs into Not Null
// columns, missing tables and columns. Other errors keep the server's own message.
class PgErrors {
public:
    // The message for a failed result; catalog questions go over connection when it is usable.
    // With the catalog, tables and columns the server names are named as they were created; with
    // the statement's T-SQL text (source), names of objects that are not there (or already are)
    // as the statement writes them. Without them the server's folded names stand.
    static QString translate(const PGresult* result, PgConnection& connection, PgCatalog* catalog = nullptr,
                             const QString& source = {});

private:
    static QString duplicateKey(const QString& constraint, const QString& table, PgConnection& connection);
};

} // namespace tarvand::sql
