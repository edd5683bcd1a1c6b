#pragma once

#include "ColumnInfo.h"
#include "ResultCursor.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace tarvand::sql {

// One connection to a company database. Statements are written in SQL Server's dialect; the
// backend translates them where its engine speaks another one. Positional parameters are written
// as '?'. Every failure throws EDatabaseError with the server's message.
class SqlBackend {
public:
    virtual ~SqlBackend() = default;

    // Runs a statement that returns rows. A statement that returns none yields a cursor with no
    // columns and no rows.
    virtual std::unique_ptr<ResultCursor> query(const QString& statement, const QVariantList& params = {}) = 0;
    // Runs a statement for its effect; returns the number of rows changed (0 for DDL).
    virtual qint64 execute(const QString& statement, const QVariantList& params = {}) = 0;

    // The columns of a table (or temporary table) in declaration order; empty when it does not exist.
    virtual QList<ColumnInfo> tableColumns(const QString& table) = 0;
    // Key columns by which a row of the table is identified: its primary key or, failing that, the
    // columns of a unique index; empty when the table has neither.
    virtual QStringList keyColumns(const QString& table) = 0;

    virtual void beginTransaction() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
};

} // namespace tarvand::sql
