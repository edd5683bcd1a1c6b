#pragma once

#include "ProcedureCatalog.h"
#include "ResultCursor.h"
#include "SchemaCommands.h"
#include "SqliteSession.h"
#include "TsqlCompiler.h"
#include "TsqlValue.h"

#include <QHash>
#include <QVariantList>

namespace tarvand::sql {

// Runs compiled T-SQL on the session: queries and data changes as their SQLite text, schema
// statements through SchemaCommands, and the procedural part (variables, If, While, Exec of a
// string, stored-procedure calls) here, with SQL Server's scoping and conversions.
class TsqlRunner {
public:
    TsqlRunner(SqliteSession& session, TsqlCompiler& compiler, ProcedureCatalog& procedures);

    struct Outcome {
        std::unique_ptr<ResultCursor> rows; // the last result set; null when nothing returned rows
        qint64 changes = 0;
    };

    // Runs every batch in order; params bind to the '?' placeholders. With wantRows the rows of the
    // last statement that returns rows come back, read live when that statement ends the script.
    Outcome run(const TsqlScript& script, const QVariantList& params, bool wantRows);

private:
    struct Variable {
        QString type;
        TsqlValue value;
    };
    struct Frame {
        const QVariantList* params = nullptr;
        QHash<QString, Variable> variables; // by lower-case name
        std::unique_ptr<ResultCursor> rows;
        qint64 changes = 0;
        bool wantRows = true;
        bool returned = false;
        int depth = 0;
    };

    void runStatement(const TsqlStatement& statement, Frame& frame, bool live);
    void runBody(const std::vector<TsqlStatementPtr>& body, Frame& frame);
    void select(const TsqlStatement& statement, Frame& frame, bool live);
    void selectInto(const TsqlStatement& statement, Frame& frame);
    void assign(const TsqlStatement& statement, Frame& frame);
    void call(const TsqlStatement& statement, Frame& frame);
    void execString(const TsqlStatement& statement, Frame& frame);
    void declare(const TsqlStatement& statement, Frame& frame);
    void setVariable(const QString& name, const TsqlValue& value, Frame& frame);

    void bind(sqlite3_stmt* stmt, const Frame& frame);
    TsqlValue evaluate(const QString& sql, const Frame& frame);
    TsqlValue argument(const TsqlExpr* expr, const Frame& frame);
    qint64 change(const QString& sql, const Frame& frame);

    SqliteSession& s_;
    TsqlCompiler& compiler_;
    ProcedureCatalog& procedures_;
    SchemaCommands schema_;
};

} // namespace tarvand::sql
