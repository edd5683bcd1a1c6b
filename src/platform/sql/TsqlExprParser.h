#pragma once

#include "TsqlSelect.h"
#include "TsqlTokenStream.h"

namespace tarvand::sql {

// Parses expressions, SELECT statements, object names and data types from a token stream.
class TsqlExprParser {
public:
    explicit TsqlExprParser(TsqlTokenStream& tokens) : t_(tokens) {}

    TsqlExprPtr expression();
    // Select starting at the SELECT keyword.
    std::shared_ptr<TsqlSelect> select();
    // [database.[schema].]name, also database..name.
    TsqlName objectName();
    // A data type as written: "varchar(10)", "decimal(19,0)", "int".
    QString dataType();
    // A parenthesised list of column names, each optionally followed by Asc or Desc.
    QStringList columnList();

private:
    TsqlExprPtr disjunction();
    TsqlExprPtr conjunction();
    TsqlExprPtr negation();
    TsqlExprPtr predicate();
    TsqlExprPtr additive();
    TsqlExprPtr multiplicative();
    TsqlExprPtr unary();
    TsqlExprPtr primary();
    TsqlExprPtr parenthesised();
    TsqlExprPtr caseExpression();
    TsqlExprPtr nameOrCall();
    TsqlExprPtr functionCall(const QString& name);
    std::shared_ptr<TsqlSelect> selectMember();
    void selectItems(TsqlSelect& select);
    void fromClause(TsqlSelect& select);
    TsqlTableSource tableSource();
    QString optionalAlias();
    TsqlExprPtr binary(const QString& op, TsqlExprPtr left, TsqlExprPtr right);

    TsqlTokenStream& t_;
};

} // namespace tarvand::sql
