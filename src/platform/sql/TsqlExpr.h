#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace tarvand::sql {

struct TsqlSelect;

// One node of a parsed T-SQL expression. A single node type with a kind keeps the printer and
// the parser small; the fields a kind uses are listed beside it.
struct TsqlExpr {
    enum class Kind {
        String,      // text: the value (nationalString for N'…')
        Number,      // text: as written
        Null,        //
        Column,      // parts: multi-part name, last part the column
        Star,        // parts: qualifier, possibly empty
        Variable,    // text: @name
        Placeholder, // ordinal: 1-based position among the statement's '?'
        Unary,       // text: operator ("-", "+", "~", "NOT"); args[0]
        Binary,      // text: operator in upper case ("+", "=", "AND", ...); args[0], args[1]
        Like,        // negated; args: value, pattern, optional escape
        IsNull,      // negated; args[0]
        Between,     // negated; args: value, low, high
        InList,      // negated; args: value, items...
        InSelect,    // negated; args[0] value; select
        Exists,      // negated; select
        Function,    // text: name as written; args; distinct; star for Count(*)
        Cast,        // args[0]; type: target type text
        Case,        // args: [operand,] when, then, ..., [else]; hasOperand, hasElse
        Subquery,    // select
        Identity,    // type; text: seed; increment in extra
    };

    explicit TsqlExpr(Kind k) : kind(k) {}

    Kind kind;
    QString text;
    QString type;
    QString extra;
    QStringList parts;
    bool negated = false;
    bool distinct = false;
    bool star = false;
    bool nationalString = false;
    bool hasOperand = false;
    bool hasElse = false;
    int ordinal = 0;
    std::vector<std::unique_ptr<TsqlExpr>> args;
    std::shared_ptr<TsqlSelect> select;
};

using TsqlExprPtr = std::unique_ptr<TsqlExpr>;

} // namespace tarvand::sql
