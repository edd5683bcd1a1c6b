#pragma once

#include <QString>
#include <libpq-fe.h>

namespace tarvand::sql {

class PgConnection;

// PostgreSQL's errors in the words SQL Server uses for the same failure, where the module reads
// them: duplicate keys name the constraint and its table, too-long values and NULLs into Not Null
// columns, missing tables and columns. Other errors keep the server's own message.
class PgErrors {
public:
    // The message for a failed result; catalog questions go over connection when it is usable.
    static QString translate(const PGresult* result, PgConnection& connection);

private:
    static QString duplicateKey(const QString& constraint, const QString& table, PgConnection& connection);
};

} // namespace tarvand::sql
