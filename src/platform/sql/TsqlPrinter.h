#pragma once

#include "TsqlStatement.h"

#include <QSet>

namespace tarvand::sql {

// Prints parsed T-SQL expressions, queries and data-changing statements as SQLite text with SQL
// Server's meaning: Top becomes Limit, '+' is decided by operand type (statically where the types
// are certain, by tsql_add at run time otherwise), T-SQL functions map to SQLite's or to the
// bridge's own, system tables become views over SQLite's catalog, comparisons of character values
// use the TSQL collation and a number compared with a character value converts that value.
// PgPrinter prints the same statements for PostgreSQL, overriding what its dialect does otherwise.
class TsqlPrinter {
public:
    virtual ~TsqlPrinter() = default;

    // What the printer can tell about a value's type without running the statement.
    enum class ValueType { Unknown, Text, Number };

    // Column name given to the placeholder of an Identity() item in a Select … Into query.
    static QString identityMarker() { return QStringLiteral("tsql_identity"); }

    QString expression(const TsqlExpr& expr);
    // The statement text of Begin/Commit/Rollback Transaction (as the parser wrote it).
    virtual QString transaction(const QString& text) const { return text; }
    // The query of a Select; an Into clause is left out, Identity() items print as NULL named
    // identityMarker(), "@v = expr" items as plain columns.
    QString select(const TsqlSelect& select);
    QString insert(const TsqlStatement& statement);
    QString update(const TsqlStatement& statement);
    QString remove(const TsqlStatement& statement);
    virtual QString tableName(const TsqlName& name);

    ValueType typeOf(const TsqlExpr& expr) const;
    // The SQL Server type an expression has when it is stored by Select … Into ("varchar(1)" for
    // ' ', "float" for Cast(0 As Float)); empty where only the engine can tell.
    QString declaredTypeOf(const TsqlExpr& expr) const;

    // Databases named as db..table, which must be attached before the text runs.
    const QSet<QString>& databases() const { return databases_; }

    static QString quoteName(const QString& name);
    static QString quoteString(const QString& value);

protected:
    // An identifier of a table, column or alias.
    virtual QString name(const QString& written) const { return quoteName(written); }
    // The name a top-level select item gives its result column ("" for none).
    virtual QString resultName(const TsqlSelectItem& item) const;
    virtual QString plus(const TsqlExpr& left, const TsqlExpr& right);
    virtual QString exclusiveOr(const QString& left, const QString& right) const;
    virtual QString like(const TsqlExpr& expr);
    // The value of a select item.
    virtual QString resultValue(const TsqlExpr& expr);
    virtual QString numericSide(const TsqlExpr& side, const TsqlExpr& number);
    // One side of a comparison (or the value of an In list) that is not converted to a number.
    virtual QString comparand(const TsqlExpr& side, const TsqlExpr&) { return expression(side); }
    // The collation clause for a comparison of two values that are not both columns and not
    // numbers.
    virtual QString collation(ValueType, ValueType) const { return QStringLiteral(" COLLATE TSQL"); }
    // The direction of an Order By item.
    virtual QString ordering(bool descending) const {
        return descending ? QStringLiteral(" DESC") : QString();
    }
    virtual QString function(const TsqlExpr& expr);
    virtual QString cast(const TsqlExpr& expr);
    virtual QString systemTable(const TsqlName& name, const QString& alias, bool& handled);
    virtual QString variable(const QString& name);
    // The order of the statement's own query when it writes none: none here.
    virtual QString unordered(const TsqlSelect&) { return {}; }
    QString arguments(const TsqlExpr& expr, int from = 0);

    QSet<QString> databases_;

private:
    QString binary(const TsqlExpr& expr);
    QString comparison(const QString& op, const TsqlExpr& left, const TsqlExpr& right);
    QString column(const TsqlExpr& expr);
    QString orderBy(const TsqlSelect& select);
    QString subquery(const TsqlSelect& query);
    QString selectBody(const TsqlSelect& select, bool withOrder);
    QString tableSource(const TsqlTableSource& source);

    // Nesting of the select being printed: 1 for a statement's own query.
    int depth_ = 0;
    // Result names of the statement's own query, by lower-case name, for its Order By.
    QHash<QString, QString> resultNames_;
};

} // namespace tarvand::sql
