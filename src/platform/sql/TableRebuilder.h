#pragma once

#include "TsqlStatement.h"

#include <sqlite3.h>

namespace tarvand::sql {

// Alter Table … Alter Column on SQLite, which cannot change a column in place: the table is built
// anew under its declared name with the changed column, keeping its rows (converted as SQL Server
// converts them), its indexes, triggers and registered constraints. Runs inside the caller's
// savepoint, so a failure leaves the table as it was.
class TableRebuilder {
public:
    explicit TableRebuilder(sqlite3* db) : db_(db) {}

    // Throws EDatabaseError with SQL Server's message when the table or column is missing, when
    // NULLs are stored and Not Null is asked for, or when stored values do not fit the new type.
    void alterColumn(const QString& table, const TsqlColumnDef& column);

private:
    struct ExistingColumn {
        QString name;
        QString type;
        bool notNull = false;
        QString defaultValue;
        int primaryKeyOrder = 0;
        QString collation;
        bool autoIncrement = false;
    };

    QList<ExistingColumn> existingColumns(const QString& schema, const QString& table) const;
    QString definition(const ExistingColumn& column, bool singleKey) const;
    qint64 count(const QString& sql) const;
    void exec(const QString& sql) const;

    sqlite3* db_;
};

} // namespace tarvand::sql
