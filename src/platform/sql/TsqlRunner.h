#pragma once

#include "ResultCursor.h"
#include "TsqlCompiler.h"
#include "TsqlEngine.h"
#include "TsqlValue.h"

#include <QHash>
#include <QVariantList>

namespace tarvand::sql {

// Runs compiled T-SQL on an engine: queries, data changes and schema statements as the engine's
// printer wrote them, and the procedural part (variables, If, While, Exec of a string,
// stored-procedure calls) here, with SQL Server's scoping and conversions.
class TsqlRunner {
public:
    TsqlRunner(TsqlEngine& engine, TsqlCompiler& compiler) : engine_(engine), compiler_(compiler) {}

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

    static TsqlEngine::Values values(const Frame& frame);
    TsqlValue evaluate(const QString& sql, const Frame& frame);
    TsqlValue argument(const TsqlExpr* expr, const Frame& frame);

    TsqlEngine& engine_;
    TsqlCompiler& compiler_;
};

} // namespace tarvand::sql
