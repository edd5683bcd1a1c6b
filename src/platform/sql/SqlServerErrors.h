#pragma once

#include "ConstraintCatalog.h"

#include <QString>

namespace tarvand::sql {

// Rewords SQLite's errors the way SQL Server reports the same failure, where the module reads the
// text: duplicate keys name the constraint or index, missing objects and columns use the server's
// sentences. Anything else keeps SQLite's words.
class SqlServerErrors {
public:
    static QString translate(sqlite3* db, int extendedCode, const QString& message,
                             const ConstraintCatalog& catalog);

    static QString duplicateKey(const ConstraintCatalog::Constraint& constraint);
    static QString duplicateIndexRow(const QString& table, const QString& index);
    static QString nullNotAllowed(const QString& table, const QString& column);
    // A unique index or key refused over rows already holding one key twice (values: that key).
    static QString duplicateKeyFound(const QString& table, const QString& index, const QStringList& values);

private:
    static QString uniqueFailure(sqlite3* db, const QString& detail, const ConstraintCatalog& catalog);
};

} // namespace tarvand::sql
