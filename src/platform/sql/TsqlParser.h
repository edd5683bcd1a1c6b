#pragma once

#include "TsqlDdlParser.h"
#include "TsqlExprParser.h"
#include "TsqlStatement.h"

namespace tarvand::sql {

// The statements of one batch (a script's text up to a GO line).
using TsqlBatch = std::vector<TsqlStatementPtr>;

// Parses T-SQL scripts into statements. Constructs outside the bridge's dialect are rejected with
// an EDatabaseError that names the place, never skipped.
class TsqlParser {
public:
    // Parses every batch of the script; statements may be separated by ';' or simply follow each other.
    static std::vector<TsqlBatch> parse(const QString& script);

private:
    explicit TsqlParser(TsqlTokenStream& tokens)
        : t_(tokens), e_(tokens), ddl_(tokens, e_, [this] { return statement(false); }) {}

    TsqlBatch batch();
    TsqlStatementPtr statement(bool firstInBatch);
    TsqlStatementPtr insert();
    TsqlStatementPtr update();
    TsqlStatementPtr remove();
    TsqlStatementPtr call();
    TsqlStatementPtr execute();
    TsqlStatementPtr conditional();
    TsqlStatementPtr loop();
    TsqlStatementPtr block();
    TsqlStatementPtr declare();
    TsqlStatementPtr set();
    TsqlStatementPtr transaction();

    TsqlTokenStream& t_;
    TsqlExprParser e_;
    TsqlDdlParser ddl_;
};

} // namespace tarvand::sql
