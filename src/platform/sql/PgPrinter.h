#pragma once

#include "TsqlPrinter.h"

namespace tarvand::sql {

class PgCatalog;

// Prints parsed T-SQL for PostgreSQL with SQL Server's meaning. Names of tables, columns,
// procedures and aliases fold to lower case, as the server folds unquoted names, so that a name
// written in any case finds its object; the statement's own result columns keep the names as the
// query writes them. Variables stay @name and placeholders ?n: PgEngine binds both by position.
// Character values compare as SQL Server's do, without regard to case and trailing blanks: columns
// are bpchar domains under the tsql collation, and every other character value the printer makes
// is bpchar too (text counts trailing blanks), read back as text with its blanks (tsql_text).
// Searches (Like, CharIndex, PatIndex, Replace) go through PgCompatibility's functions, which
// compare without regard to case.
class PgPrinter : public TsqlPrinter {
public:
    // With a catalog, the statement's own query of one table without Order By reads the table in
    // primary-key order.
    explicit PgPrinter(PgCatalog* catalog = nullptr) : catalog_(catalog) {}

    // The PostgreSQL type of a T-SQL column type ("varchar(10)" stays, "money" is numeric(19, 4),
    // "datetime" timestamp, …), with the tsql collation for character types.
    static QString columnType(const QString& type);
    static QString foldedName(const QString& written);

    QString tableName(const TsqlName& name) override;
    QString transaction(const QString& text) const override;

protected:
    QString name(const QString& written) const override { return foldedName(written); }
    QString resultName(const TsqlSelectItem& item) const override;
    QString plus(const TsqlExpr& left, const TsqlExpr& right) override;
    QString exclusiveOr(const QString& left, const QString& right) const override;
    QString like(const TsqlExpr& expr) override;
    // Character values are bpchar, which ignores trailing blanks wherever it is compared.
    QString resultValue(const TsqlExpr& expr) override { return expression(expr); }
    QString numericSide(const TsqlExpr& side, const TsqlExpr& number) override;
    QString comparand(const TsqlExpr& side, const TsqlExpr& other) override;
    QString ordering(bool descending) const override;
    QString collation(ValueType left, ValueType right) const override;
    QString function(const TsqlExpr& expr) override;
    QString cast(const TsqlExpr& expr) override;
    QString systemTable(const TsqlName& name, const QString& alias, bool& handled) override;
    QString variable(const QString& name) override;
    QString unordered(const TsqlSelect& select) override;

private:
    PgCatalog* catalog_;
};

} // namespace tarvand::sql
