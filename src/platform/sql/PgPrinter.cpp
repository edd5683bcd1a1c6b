#include "PgPrinter.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"
#include "PgCatalog.h"
#include "PgCompatibility.h"

#include <algorithm>

namespace tarvand::sql {

namespace {

using Kind = TsqlExpr::Kind;

// The PostgreSQL type of a T-SQL type, without a collation.
QString serverType(const QString& type) {
    const DeclaredType declared(type);
    const QString& base = declared.base();
    const QString length = QString::number(declared.length());
    if (base == u"varchar" || base == u"nvarchar") {
        return declared.hasLength() && declared.length() > 0 ? QStringLiteral("varchar(%1)").arg(length)
                                                             : QStringLiteral("text");
    }
    if (base == u"char" || base == u"nchar") {
        return QStringLiteral("char(%1)").arg(declared.hasLength() ? length : QStringLiteral("1"));
    }
    if (base == u"text" || base == u"ntext" || base == u"sysname") {
        return QStringLiteral("text");
    }
    if (base == u"tinyint" || base == u"bit") {
        return QStringLiteral("smallint");
    }
    if (base == u"decimal" || base == u"numeric") {
        return declared.hasLength() ? QStringLiteral("numeric(%1, %2)").arg(length).arg(declared.scale())
                                    : QStringLiteral("numeric(18, 0)");
    }
    if (base == u"money") {
        return QStringLiteral("numeric(19, 4)");
    }
    if (base == u"smallmoney") {
        return QStringLiteral("numeric(10, 4)");
    }
    if (base == u"float") {
        return QStringLiteral("double precision");
    }
    if (base == u"datetime" || base == u"smalldatetime" || base == u"datetime2") {
        return QStringLiteral("timestamp(3)");
    }
    if (base == u"image" || base == u"varbinary" || base == u"binary") {
        return QStringLiteral("bytea");
    }
    return type;
}

// A character value compared, grouped and sorted as SQL Server's varchar values are: bpchar (no
// length) ignores trailing blanks and keeps them.
QString character(const QString& value) {
    return QStringLiteral("(%1)::bpchar").arg(value);
}

// Whether an expression gives a character value (a date is text to typeOf, not to the server).
bool isCharacter(const TsqlExpr& expr) {
    static const QStringList characters = {"ltrim", "rtrim",   "substring", "upper", "lower", "left",
                                           "right", "replace", "replicate", "space", "char",  "nchar"};
    switch (expr.kind) {
    case Kind::String:
        return true;
    case Kind::Cast: {
        const DeclaredType type(expr.type);
        return type.isCharacter() || type.base() == u"text" || type.base() == u"ntext";
    }
    case Kind::Function: {
        const QString name = expr.text.toLower();
        const bool first = name == u"isnull" || name == u"coalesce" || name == u"min" || name == u"max";
        return characters.contains(name) || (first && !expr.args.empty() && isCharacter(*expr.args[0]));
    }
    case Kind::Binary:
        return expr.text == u"+" && isCharacter(*expr.args[0]) && isCharacter(*expr.args[1]);
    case Kind::Subquery:
        return expr.select->items.size() == 1 && isCharacter(*expr.select->items[0].expr);
    default:
        return false;
    }
}

bool aggregates(const TsqlExpr& expr) {
    static const QStringList functions = {QStringLiteral("count"), QStringLiteral("count_big"),
                                          QStringLiteral("sum"),   QStringLiteral("avg"),
                                          QStringLiteral("min"),   QStringLiteral("max")};
    if (expr.kind == Kind::Function && functions.contains(expr.text.toLower())) {
        return true;
    }
    return std::any_of(expr.args.begin(), expr.args.end(),
                       [](const TsqlExprPtr& arg) { return aggregates(*arg); });
}

} // namespace

QString PgPrinter::columnType(const QString& type) {
    const DeclaredType declared(type);
    if ((declared.base() == u"varchar" || declared.base() == u"nvarchar") && declared.hasLength() &&
        declared.length() > 0) {
        return PgCompatibility::characterType(declared.length()) + QStringLiteral(" COLLATE tsql");
    }
    const QString server = serverType(type);
    return DeclaredType(type).isCharacter() || server == u"text" ? server + QStringLiteral(" COLLATE tsql")
                                                                 : server;
}

QString PgPrinter::foldedName(const QString& written) {
    return quoteName(written.toLower());
}

QString PgPrinter::tableName(const TsqlName& table) {
    // Temporary tables shadow the company's tables by the server's search path; another database
    // of the same server is a schema of the company database.
    if (table.database.isEmpty() || table.database.compare(u"tempdb", Qt::CaseInsensitive) == 0) {
        return name(table.name);
    }
    databases_.insert(table.database.toLower());
    return name(table.database) + u'.' + name(table.name);
}

QString PgPrinter::transaction(const QString& text) const {
    return text.startsWith(QLatin1String("BEGIN")) ? QStringLiteral("BEGIN") : text;
}

QString PgPrinter::resultName(const TsqlSelectItem& item) const {
    if (!item.alias.isEmpty()) {
        return item.alias;
    }
    return item.expr->kind == Kind::Column ? item.expr->parts.last() : QString();
}

QString PgPrinter::plus(const TsqlExpr& left, const TsqlExpr& right) {
    // The server picks '+' by the operands' types: numbers add, character values join with their
    // trailing blanks (the operators PgCompatibility installs), a character value beside a number
    // converts to it.
    const ValueType lt = typeOf(left);
    const ValueType rt = typeOf(right);
    const bool joins = (lt == ValueType::Text && (rt == ValueType::Text || right.kind == Kind::Null)) ||
                       (rt == ValueType::Text && left.kind == Kind::Null);
    return QString(joins ? QStringLiteral("tsql_concat(%1, %2)") : QStringLiteral("(%1 + %2)"))
        .arg(expression(left), expression(right));
}

QString PgPrinter::exclusiveOr(const QString& left, const QString& right) const {
    return QStringLiteral("(%1 # %2)").arg(left, right);
}

QString PgPrinter::like(const TsqlExpr& expr) {
    const TsqlExpr& pattern = *expr.args[1];
    const QString negation = expr.negated ? QStringLiteral("NOT ") : QString();
    if (pattern.kind == Kind::String && !pattern.text.contains(u'[')) {
        // ILIKE compares without regard to case as the server's collation does; the tsql collation
        // allows no pattern matching, so the value is compared under "C".
        const QString escape = expr.args.size() > 2 ? expression(*expr.args[2]) : QStringLiteral("''");
        return QStringLiteral("((%1)::text COLLATE \"C\" %2ILIKE %3 ESCAPE %4)")
            .arg(expression(*expr.args[0]), negation, quoteString(pattern.text), escape);
    }
    return QStringLiteral("(%1tsql_like(%2))").arg(negation, arguments(expr));
}

QString PgPrinter::numericSide(const TsqlExpr& side, const TsqlExpr& number) {
    const bool integral = !number.text.contains(u'.') && !number.text.contains(u'e', Qt::CaseInsensitive);
    return QStringLiteral("tsql_number(%1, '%2')")
        .arg(expression(side), integral ? QStringLiteral("int") : QStringLiteral("float"));
}

QString PgPrinter::comparand(const TsqlExpr& side, const TsqlExpr& other) {
    // Text values compare with their trailing blanks, so a character value that is not a column
    // (whose type is bpchar) compares as bpchar. A literal or variable beside a column takes the
    // column's type; a variable beside a character value becomes text first, as it may hold a
    // number.
    const QString value = expression(side);
    if (side.kind == Kind::Column || other.kind == Kind::Null || typeOf(other) == ValueType::Number) {
        return value;
    }
    const bool text = isCharacter(side);
    if (other.kind == Kind::Column) {
        return text && side.kind != Kind::String ? character(value) : value;
    }
    if (text) {
        return character(value);
    }
    const bool variable = side.kind == Kind::Variable || side.kind == Kind::Placeholder;
    return variable && isCharacter(other) ? character(QStringLiteral("tsql_text(%1)").arg(value)) : value;
}

QString PgPrinter::collation(ValueType left, ValueType right) const {
    // Only character values take a collation; a variable or parameter of another type would refuse it.
    return left == ValueType::Text || right == ValueType::Text ? QStringLiteral(" COLLATE tsql") : QString();
}

QString PgPrinter::ordering(bool descending) const {
    // SQL Server sorts NULL below every value.
    return descending ? QStringLiteral(" DESC NULLS LAST") : QStringLiteral(" NULLS FIRST");
}

QString PgPrinter::cast(const TsqlExpr& expr) {
    const DeclaredType declared(expr.type);
    const QString value = expression(*expr.args[0]);
    if (declared.base() == u"int" || declared.base() == u"integer") {
        return QStringLiteral("tsql_int(%1)").arg(value);
    }
    if (declared.base() == u"char" || declared.base() == u"nchar") {
        // Char(n) keeps its blanks when it is joined to other text.
        return character(QStringLiteral("rpad(tsql_text(%1), %2)")
                             .arg(value)
                             .arg(declared.hasLength() ? declared.length() : 1));
    }
    if (!isCharacter(expr)) {
        return QStringLiteral("CAST(%1 AS %2)").arg(value, serverType(expr.type));
    }
    // Cast(x As Varchar) without a length means Varchar(30) to SQL Server.
    const QString type =
        declared.isCharacter() && !expr.type.contains(u'(') ? expr.type + QStringLiteral("(30)") : expr.type;
    return character(QStringLiteral("CAST(tsql_text(%1) AS %2)").arg(value, serverType(type)));
}

QString PgPrinter::function(const TsqlExpr& expr) {
    const QString name = expr.text.toLower();
    const auto count = expr.args.size();
    const auto require = [&](std::size_t min, std::size_t max) {
        if (count < min || count > max) {
            throw EDatabaseError(
                QStringLiteral("The %1 function requires %2 argument(s).").arg(expr.text).arg(min));
        }
    };
    const auto arg = [&](std::size_t i) { return expression(*expr.args[i]); };
    // Arguments as text with their trailing blanks, results as character values again.
    const auto text = [&](std::size_t i) { return QStringLiteral("tsql_text(%1)").arg(arg(i)); };
    if (expr.star) {
        return name + QStringLiteral("(*)");
    }
    if (name == u"isnull") {
        require(2, 2);
        return QStringLiteral("coalesce(%1, %2)").arg(arg(0), arg(1));
    }
    if (name == u"len") {
        require(1, 1);
        return QStringLiteral("len(%1)").arg(text(0));
    }
    if (name == u"ltrim" || name == u"rtrim" || name == u"upper" || name == u"lower") {
        require(1, 1);
        return character(QStringLiteral("%1(%2)").arg(name, text(0)));
    }
    if (name == u"substring") {
        require(3, 3);
        return character(QStringLiteral("substr(%1, %2, %3)").arg(text(0), arg(1), arg(2)));
    }
    if (name == u"left" || name == u"right" || name == u"replicate") {
        require(2, 2);
        return character(QStringLiteral("%1(%2, %3)").arg(name, text(0), arg(1)));
    }
    if (name == u"replace") {
        require(3, 3);
        return character(QStringLiteral("tsql_replace(%1, %2, %3)").arg(text(0), text(1), text(2)));
    }
    if (name == u"patindex" || name == u"charindex") {
        require(2, name == u"charindex" ? 3 : 2);
        return QStringLiteral("%1(%2, %3%4)")
            .arg(name, text(0), text(1), count > 2 ? QStringLiteral(", ") + arg(2) : QString());
    }
    if (name == u"space") {
        require(1, 1);
        return character(QStringLiteral("space(%1)").arg(arg(0)));
    }
    if (name == u"ceiling") {
        require(1, 1);
        return QStringLiteral("ceiling(%1)").arg(arg(0));
    }
    if (name == u"ascii" || name == u"unicode") {
        require(1, 1);
        return QStringLiteral("ascii(%1)").arg(text(0));
    }
    if (name == u"char" || name == u"nchar") {
        require(1, 1);
        return character(QStringLiteral("chr(%1)").arg(arg(0)));
    }
    if (name == u"datalength") {
        require(1, 1);
        return QStringLiteral("octet_length(%1)").arg(text(0));
    }
    return QStringLiteral("%1(%2%3)")
        .arg(name, expr.distinct ? QStringLiteral("DISTINCT ") : QString(), arguments(expr));
}

QString PgPrinter::systemTable(const TsqlName& table, const QString& alias, bool& handled) {
    const bool tempdb = table.database.compare(u"tempdb", Qt::CaseInsensitive) == 0;
    const QString lower = table.name.toLower();
    const QString as = QStringLiteral(" AS ") + name(alias.isEmpty() ? table.name : alias);
    handled = true;
    if (lower == u"sysobjects" && tempdb) {
        return QStringLiteral(
                   "(SELECT tsql_name(c.relname, pg_catalog.obj_description(c.oid, "
                   "'pg_class'))::varchar(128) "
                   "COLLATE tsql AS name, 'U'::varchar(2) AS xtype, "
                   "'U'::varchar(2) AS type, c.oid::bigint::integer AS id FROM pg_catalog.pg_class c "
                   "WHERE c.relpersistence = 't' AND c.relkind = 'r' AND "
                   "pg_catalog.pg_table_is_visible(c.oid))") +
               as;
    }
    if ((lower == u"sysobjects" || lower == u"sysindexes") && (table.database.isEmpty() || tempdb)) {
        return name(lower) + as;
    }
    handled = false;
    return {};
}

QString PgPrinter::variable(const QString& written) {
    if (written.startsWith(QStringLiteral("@@"))) {
        if (written.mid(2).compare(u"identity", Qt::CaseInsensitive) == 0) {
            return QStringLiteral("tsql_identity()");
        }
        if (written.mid(2).compare(u"rowcount", Qt::CaseInsensitive) == 0) {
            // Bound by PgEngine: the rows the last data-changing statement touched.
            return QStringLiteral("@@rowcount");
        }
        throw EDatabaseError(QStringLiteral("%1 is not supported on PostgreSQL.").arg(written));
    }
    return written;
}

QString PgPrinter::unordered(const TsqlSelect& select) {
    // SQL Server reads a table with a clustered primary key in key order, where PostgreSQL returns
    // an updated row last: a grid that requeries the table keeps its rows in place only in key order.
    if (!catalog_ || select.next || select.distinct || !select.groupBy.empty() || select.having ||
        select.from.size() != 1 ||
        std::any_of(select.items.begin(), select.items.end(),
                    [](const TsqlSelectItem& item) { return aggregates(*item.expr); })) {
        return {};
    }
    const TsqlTableSource& source = select.from.front();
    const QString lower = source.table.name.toLower();
    if (source.derived || !source.table.database.isEmpty() || lower == u"sysobjects" ||
        lower == u"sysindexes") {
        return {};
    }
    const QString table = tableName(source.table);
    const QString qualifier = source.alias.isEmpty() ? table : name(source.alias);
    QStringList order;
    for (const QString& column : catalog_->primaryKey(table)) {
        order.append(qualifier + u'.' + foldedName(column));
    }
    return order.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
}

} // namespace tarvand::sql
