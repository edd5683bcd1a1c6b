#pragma once

#include "TsqlStatement.h"

#include <QSet>

namespace tarvand::sql {

// Prints parsed T-SQL expressions, queries and data-changing statements as SQLite text with SQL
// Server's meaning: Top becomes Limit, '+' is decided by operand type (statically where the types
// are certain, by tsql_add at run time otherwise), T-SQL functions map to SQLite's or to the
// bridge's own, system tables become views over SQLite's catalog, comparisons of character values
// use the TSQL collation and a number compared with a character value converts that value.
class TsqlPrinter {
public:
    // What the printer can tell about a value's type without running the statement.
    enum class ValueType { Unknown, Text, Number };

    // Column name given to the placeholder of an Identity() item in a Select … Into query.
    static QString identityMarker() { return QStringLiteral("tsql_identity"); }

    QString expression(const TsqlExpr& expr);
    // The query of a Select; an Into clause is left out, Identity() items print as NULL named
    // identityMarker(), "@v = expr" items as plain columns.
    QString select(const TsqlSelect& select);
    QString insert(const TsqlStatement& statement);
    QString update(const TsqlStatement& statement);
    QString remove(const TsqlStatement& statement);
    QString tableName(const TsqlName& name);

    ValueType typeOf(const TsqlExpr& expr) const;
    // The SQL Server type an expression has when it is stored by Select … Into ("varchar(1)" for
    // ' ', "float" for Cast(0 As Float)); empty where only the engine can tell.
    QString declaredTypeOf(const TsqlExpr& expr) const;

    // Databases named as db..table, which must be attached before the text runs.
    const QSet<QString>& databases() const { return databases_; }

    static QString quoteName(const QString& name);
    static QString quoteString(const QString& value);

private:
    QString operand(const TsqlExpr& expr);
    QString binary(const TsqlExpr& expr);
    QString comparison(const QString& op, const TsqlExpr& left, const TsqlExpr& right);
    QString numericSide(const TsqlExpr& side, const TsqlExpr& number);
    QString function(const TsqlExpr& expr);
    QString column(const TsqlExpr& expr);
    QString selectBody(const TsqlSelect& select, bool withOrder);
    QString tableSource(const TsqlTableSource& source);
    QString systemTable(const TsqlName& name, const QString& alias, bool& handled);
    QString variable(const QString& name);
    QString arguments(const TsqlExpr& expr, int from = 0);

    QSet<QString> databases_;
};

} // namespace tarvand::sql
