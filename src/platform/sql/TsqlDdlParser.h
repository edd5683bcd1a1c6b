#pragma once

#include "TsqlExprParser.h"
#include "TsqlStatement.h"

#include <functional>

namespace tarvand::sql {

// Parses the statements that define or change objects: Create/Alter/Drop of tables, indexes,
// constraints and procedures.
class TsqlDdlParser {
public:
    // statement parses one statement of a procedure body.
    TsqlDdlParser(TsqlTokenStream& tokens, TsqlExprParser& expressions,
                  std::function<TsqlStatementPtr()> statement)
        : t_(tokens), e_(expressions), statement_(std::move(statement)) {}

    // At CREATE; startOffset locates it in the source (a procedure keeps its whole definition).
    TsqlStatementPtr create(qsizetype startOffset);
    TsqlStatementPtr drop();
    TsqlStatementPtr alter();

private:
    TsqlStatementPtr createTable();
    TsqlStatementPtr createIndex(bool unique);
    TsqlStatementPtr createProcedure(qsizetype startOffset);
    TsqlColumnDef columnDefinition();
    TsqlKeyDef keyDefinition(const QString& name);
    std::vector<TsqlColumnDef> parameterList();

    TsqlTokenStream& t_;
    TsqlExprParser& e_;
    std::function<TsqlStatementPtr()> statement_;
};

} // namespace tarvand::sql
