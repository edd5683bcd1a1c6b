#pragma once

#include "TsqlExpr.h"
#include "TsqlName.h"

namespace tarvand::sql {

// One source in a FROM clause with the join that attaches it to the sources before it.
struct TsqlTableSource {
    QString
        join; // empty for the first source and comma joins, else "INNER", "LEFT", "RIGHT", "FULL", "CROSS"
    TsqlName table;
    std::shared_ptr<TsqlSelect> derived; // set for (Select …) As alias
    QString alias;
    TsqlExprPtr on;
};

struct TsqlSelectItem {
    TsqlExprPtr expr;
    QString alias;
    QString assignTo; // @variable of "Select @v = expr"
};

struct TsqlOrderItem {
    TsqlExprPtr expr;
    bool descending = false;
};

// A SELECT, possibly compound (Union members chained through next).
struct TsqlSelect {
    bool distinct = false;
    TsqlExprPtr top;
    std::vector<TsqlSelectItem> items;
    TsqlName into;
    std::vector<TsqlTableSource> from;
    TsqlExprPtr where;
    std::vector<TsqlExprPtr> groupBy;
    TsqlExprPtr having;
    std::vector<TsqlOrderItem> orderBy; // of the whole compound, kept on its first member
    QString unionKind;                  // "UNION" or "UNION ALL" joining next
    std::shared_ptr<TsqlSelect> next;
};

} // namespace tarvand::sql
