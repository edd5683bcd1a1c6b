#pragma once

#include "ResultCursor.h"
#include "TsqlStatement.h"
#include "TsqlValue.h"

#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tarvand::sql {

class TsqlPrinter;

// What TsqlRunner needs of a database engine: the printer of its dialect, the statements the
// printer wrote run with their values, the schema statements, and the stored procedures. The
// texts name their values as ?1, ?2, … (the caller's parameters) and @name (variables).
class TsqlEngine {
public:
    // The value of "?n" or "@name"; throws EDatabaseError when there is none.
    using Values = std::function<QVariant(const QString& name)>;
    using Row = std::function<void(const std::vector<TsqlValue>& values)>;

    virtual ~TsqlEngine() = default;

    virtual std::unique_ptr<TsqlPrinter> printer() const = 0;
    // Makes the databases a text names as db..table reachable.
    virtual void attach(const QStringList& databases) = 0;
    // Runs a data change; returns the rows changed.
    virtual qint64 change(const QString& sql, const Values& values) = 0;
    // Runs a query, handing each row to row.
    virtual void each(const QString& sql, const Values& values, const Row& row) = 0;
    // Runs a query for its result set; live lets the cursor read on as the caller asks for rows.
    virtual std::unique_ptr<ResultCursor> rows(const QString& sql, const Values& values, bool live) = 0;
    // Select … Into: the new table takes the declared types of the query's columns (an Identity()
    // item numbers the rows in the query's order); returns the rows inserted.
    virtual qint64 selectInto(const TsqlStatement& statement, const Values& values) = 0;
    // Create/Alter/Drop of tables, indexes, constraints and procedures, and Begin/Commit/Rollback.
    virtual void schema(const TsqlStatement& statement) = 0;
    virtual std::optional<QString> procedure(const QString& name) = 0;
};

} // namespace tarvand::sql
