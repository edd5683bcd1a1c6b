#pragma once

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
    TsqlParser(TsqlTokenStream& tokens) : t_(tokens), e_(tokens) {}

    TsqlBatch batch();
    TsqlStatementPtr statement(bool firstInBatch);
    TsqlStatementPtr insert();
    TsqlStatementPtr update();
    TsqlStatementPtr remove();
    TsqlStatementPtr create(qsizetype startOffset);
    TsqlStatementPtr createTable();
    TsqlStatementPtr createIndex(bool unique);
    TsqlStatementPtr createProcedure(qsizetype startOffset);
    TsqlStatementPtr drop();
    TsqlStatementPtr alter();
    TsqlStatementPtr call(bool bareName);
    TsqlStatementPtr execute();
    TsqlStatementPtr conditional();
    TsqlStatementPtr loop();
    TsqlStatementPtr block();
    TsqlStatementPtr declare();
    TsqlStatementPtr set();
    TsqlStatementPtr transaction();
    TsqlColumnDef columnDefinition();
    TsqlKeyDef keyDefinition(const QString& name);
    std::vector<TsqlColumnDef> parameterList();

    TsqlTokenStream& t_;
    TsqlExprParser e_;
};

} // namespace tarvand::sql
