#include "TsqlPrinter.h"

#include "DeclaredType.h"
#include "EDatabaseError.h"

#include <QScopeGuard>

namespace tarvand::sql {

namespace {

using Kind = TsqlExpr::Kind;

bool isIntegerLiteral(const TsqlExpr& expr) {
    return expr.kind == Kind::Number && !expr.text.contains(u'.') &&
           !expr.text.contains(u'e', Qt::CaseInsensitive);
}

QString functionName(const TsqlExpr& expr) {
    return expr.text.toLower();
}

// System views of SQL Server, read from SQLite's own catalog and the bridge's constraint catalog.
const QString sysIndexes = QStringLiteral(
    "(SELECT name AS \"Name\", tbl_name AS \"TableName\" FROM main.sqlite_master WHERE type = 'index' AND "
    "name NOT "
    "LIKE 'sqlite!_%' ESCAPE '!' UNION SELECT name, tbl_name FROM temp.sqlite_master WHERE type = 'index' "
    "AND name "
    "NOT LIKE 'sqlite!_%' ESCAPE '!' UNION SELECT name, table_name FROM main.tsql_constraint)");
const QString sysObjects = QStringLiteral(
    "(SELECT name AS \"Name\", CASE type WHEN 'table' THEN 'U' ELSE 'V' END AS \"xtype\", CASE type WHEN "
    "'table' "
    "THEN 'U' ELSE 'V' END AS \"type\" FROM main.sqlite_master WHERE type IN ('table', 'view') AND name NOT "
    "LIKE "
    "'sqlite!_%' ESCAPE '!' AND name NOT LIKE 'tsql!_%' ESCAPE '!' UNION ALL SELECT name, 'P', 'P' FROM "
    "main.tsql_procedure UNION ALL SELECT name, kind, kind FROM main.tsql_constraint)");
const QString tempObjects = QStringLiteral(
    "(SELECT name AS \"Name\", 'U' AS \"xtype\", 'U' AS \"type\" FROM temp.sqlite_master WHERE type "
    "= 'table' AND name NOT LIKE 'tsql!_%' ESCAPE '!')");

} // namespace

QString TsqlPrinter::quoteName(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString TsqlPrinter::quoteString(const QString& value) {
    QString quoted = value;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

TsqlPrinter::ValueType TsqlPrinter::typeOf(const TsqlExpr& expr) const {
    switch (expr.kind) {
    case Kind::String:
        return ValueType::Text;
    case Kind::Number:
    case Kind::Like:
    case Kind::IsNull:
    case Kind::Between:
    case Kind::InList:
    case Kind::InSelect:
    case Kind::Exists:
    case Kind::Identity:
    case Kind::Unary:
        return ValueType::Number;
    case Kind::Binary:
        if (expr.text == u"+") {
            const ValueType left = typeOf(*expr.args[0]);
            return left == typeOf(*expr.args[1]) ? left : ValueType::Unknown;
        }
        return ValueType::Number;
    case Kind::Cast: {
        const ColumnKind kind = DeclaredType(expr.type).kind();
        return kind == ColumnKind::Text                                   ? ValueType::Text
               : kind == ColumnKind::Integer || kind == ColumnKind::Float ? ValueType::Number
                                                                          : ValueType::Unknown;
    }
    case Kind::Function: {
        static const QStringList numbers = {"len",   "patindex", "charindex", "col_length", "count",
                                            "ascii", "sum",      "avg",       "abs",        "round",
                                            "floor", "ceiling",  "unicode",   "datalength", "object_id"};
        static const QStringList texts = {"ltrim",   "rtrim", "substring", "upper",     "lower",
                                          "replace", "left",  "right",     "replicate", "space",
                                          "getdate", "char",  "nchar"};
        const QString name = functionName(expr);
        if (numbers.contains(name)) {
            return ValueType::Number;
        }
        if (texts.contains(name)) {
            return ValueType::Text;
        }
        if ((name == u"min" || name == u"max") && expr.args.size() == 1) {
            return typeOf(*expr.args[0]);
        }
        if ((name == u"isnull" || name == u"coalesce") && !expr.args.empty()) {
            const ValueType first = typeOf(*expr.args[0]);
            for (const auto& arg : expr.args) {
                if (arg->kind != Kind::Null && typeOf(*arg) != first) {
                    return ValueType::Unknown;
                }
            }
            return first;
        }
        return ValueType::Unknown;
    }
    case Kind::Case: {
        ValueType result = ValueType::Unknown;
        bool first = true;
        for (std::size_t i = expr.hasOperand ? 2 : 1; i < expr.args.size(); i += 2) {
            const ValueType branch = typeOf(*expr.args[i]);
            result = first ? branch : (branch == result ? result : ValueType::Unknown);
            first = false;
        }
        if (expr.hasElse) {
            result = typeOf(*expr.args.back()) == result ? result : ValueType::Unknown;
        }
        return result;
    }
    case Kind::Subquery:
        return expr.select->items.size() == 1 ? typeOf(*expr.select->items[0].expr) : ValueType::Unknown;
    default:
        return ValueType::Unknown;
    }
}

QString TsqlPrinter::declaredTypeOf(const TsqlExpr& expr) const {
    switch (expr.kind) {
    case Kind::Cast:
        // Cast(x As Varchar) without a length means Varchar(30) to SQL Server.
        return DeclaredType(expr.type).isCharacter() && !expr.type.contains(u'(')
                   ? expr.type + QStringLiteral("(30)")
                   : expr.type;
    case Kind::String:
        return QStringLiteral("%1(%2)")
            .arg(expr.nationalString ? QStringLiteral("nvarchar") : QStringLiteral("varchar"))
            .arg(std::max<qsizetype>(1, expr.text.size()));
    case Kind::Number:
        return isIntegerLiteral(expr) ? QStringLiteral("int") : QStringLiteral("float");
    case Kind::Identity:
        return QStringLiteral("int");
    case Kind::Subquery:
        return expr.select->items.size() == 1 ? declaredTypeOf(*expr.select->items[0].expr) : QString();
    case Kind::Function: {
        const QString name = functionName(expr);
        if (name == u"len" || name == u"patindex" || name == u"charindex" || name == u"count" ||
            name == u"col_length") {
            return QStringLiteral("int");
        }
        break;
    }
    case Kind::Binary:
        if (expr.text == u"+" && (DeclaredType(declaredTypeOf(*expr.args[0])).kind() == ColumnKind::Text ||
                                  DeclaredType(declaredTypeOf(*expr.args[1])).kind() == ColumnKind::Text)) {
            return QStringLiteral("varchar");
        }
        break;
    default:
        break;
    }
    return typeOf(expr) == ValueType::Text ? QStringLiteral("varchar") : QString();
}

QString TsqlPrinter::expression(const TsqlExpr& expr) {
    switch (expr.kind) {
    case Kind::String:
        return quoteString(expr.text);
    case Kind::Number:
        return expr.text;
    case Kind::Null:
        return QStringLiteral("NULL");
    case Kind::Column:
        return column(expr);
    case Kind::Star:
        return expr.parts.isEmpty() ? QStringLiteral("*") : name(expr.parts.last()) + QStringLiteral(".*");
    case Kind::Variable:
        return variable(expr.text);
    case Kind::Placeholder:
        return u'?' + QString::number(expr.ordinal);
    case Kind::Unary:
        if (expr.text == u"NOT") {
            return QStringLiteral("(NOT %1)").arg(expression(*expr.args[0]));
        }
        return QStringLiteral("(%1%2)").arg(expr.text, expression(*expr.args[0]));
    case Kind::Binary:
        return binary(expr);
    case Kind::Like:
        return like(expr);
    case Kind::IsNull:
        return QStringLiteral("(%1 IS %2NULL)").arg(expression(*expr.args[0]), expr.negated ? "NOT " : "");
    case Kind::Between: {
        const bool numeric = expr.args[1]->kind == Kind::Number && expr.args[2]->kind == Kind::Number;
        const QString value = numeric && typeOf(*expr.args[0]) != ValueType::Number
                                  ? numericSide(*expr.args[0], *expr.args[1])
                                  : expression(*expr.args[0]);
        return QStringLiteral("(%1 %2BETWEEN %3 AND %4)")
            .arg(value, expr.negated ? "NOT " : "", expression(*expr.args[1]), expression(*expr.args[2]));
    }
    case Kind::InList: {
        bool numbers = true;
        for (std::size_t i = 1; i < expr.args.size(); ++i) {
            numbers = numbers && expr.args[i]->kind == Kind::Number;
        }
        const TsqlExpr& value = *expr.args[0];
        QString left;
        if (numbers && typeOf(value) != ValueType::Number) {
            left = numericSide(value, *expr.args[1]);
        } else {
            left = comparand(value, *expr.args[1]);
            if (value.kind != Kind::Column && typeOf(value) != ValueType::Number) {
                left += collation(typeOf(value), typeOf(*expr.args[1]));
            }
        }
        return QStringLiteral("(%1 %2IN (%3))").arg(left, expr.negated ? "NOT " : "", arguments(expr, 1));
    }
    case Kind::InSelect: {
        const TsqlExpr& value = *expr.args[0];
        QString left = expression(value);
        if (value.kind != Kind::Column && typeOf(value) != ValueType::Number) {
            left += collation(typeOf(value), ValueType::Unknown);
        }
        return QStringLiteral("(%1 %2IN (%3))").arg(left, expr.negated ? "NOT " : "", subquery(*expr.select));
    }
    case Kind::Exists:
        return QStringLiteral("(%1EXISTS (%2))").arg(expr.negated ? "NOT " : "", subquery(*expr.select));
    case Kind::Function:
        return function(expr);
    case Kind::Cast:
        return cast(expr);
    case Kind::Case: {
        QString text = QStringLiteral("(CASE");
        std::size_t i = 0;
        if (expr.hasOperand) {
            text += u' ' + expression(*expr.args[0]);
            i = 1;
        }
        const std::size_t pairsEnd = expr.hasElse ? expr.args.size() - 1 : expr.args.size();
        for (; i < pairsEnd; i += 2) {
            text += QStringLiteral(" WHEN %1 THEN %2")
                        .arg(expression(*expr.args[i]), expression(*expr.args[i + 1]));
        }
        if (expr.hasElse) {
            text += QStringLiteral(" ELSE ") + expression(*expr.args.back());
        }
        return text + QStringLiteral(" END)");
    }
    case Kind::Subquery:
        return u'(' + subquery(*expr.select) + u')';
    case Kind::Identity:
        throw EDatabaseError(QStringLiteral(
            "The IDENTITY function can only be used when the SELECT statement has an INTO clause."));
    }
    return {};
}

QString TsqlPrinter::like(const TsqlExpr& expr) {
    const TsqlExpr& pattern = *expr.args[1];
    const QString negation = expr.negated ? QStringLiteral("NOT ") : QString();
    if (pattern.kind == Kind::String && !pattern.text.contains(u'[')) {
        // The server ignores the trailing blanks of the value matched, not those of the pattern.
        QString text = QStringLiteral("(rtrim(%1, ' ') %2LIKE %3")
                           .arg(expression(*expr.args[0]), negation, quoteString(pattern.text));
        if (expr.args.size() > 2) {
            text += QStringLiteral(" ESCAPE ") + expression(*expr.args[2]);
        }
        return text + u')';
    }
    return QStringLiteral("(%1tsql_like(%2))").arg(negation, arguments(expr));
}

QString TsqlPrinter::resultValue(const TsqlExpr& expr) {
    // A column keeps its own collation; a value that may be character takes the TSQL collation, so
    // a Union, a Distinct or a comparison over a derived table compares it as the server does.
    const bool plain = expr.kind == Kind::Column || expr.kind == Kind::Star || expr.kind == Kind::Null ||
                       typeOf(expr) == ValueType::Number;
    return plain ? expression(expr) : expression(expr) + collation(typeOf(expr), ValueType::Unknown);
}

QString TsqlPrinter::cast(const TsqlExpr& expr) {
    return QStringLiteral("tsql_cast(%1, %2)").arg(expression(*expr.args[0]), quoteString(expr.type));
}

QString TsqlPrinter::arguments(const TsqlExpr& expr, int from) {
    QStringList list;
    for (std::size_t i = std::size_t(from); i < expr.args.size(); ++i) {
        list.append(expression(*expr.args[i]));
    }
    return list.join(QStringLiteral(", "));
}

QString TsqlPrinter::variable(const QString& name) {
    if (name.startsWith(QStringLiteral("@@"))) {
        const QString global = name.mid(2).toLower();
        if (global == u"identity") {
            return QStringLiteral("last_insert_rowid()");
        }
        if (global == u"rowcount") {
            return QStringLiteral("changes()");
        }
        throw EDatabaseError(QStringLiteral("%1 is not supported by the embedded database.").arg(name));
    }
    return name;
}

QString TsqlPrinter::column(const TsqlExpr& expr) {
    const QStringList& parts = expr.parts;
    if (parts.size() == 1) {
        return name(parts[0]);
    }
    return name(parts[parts.size() - 2]) + u'.' + name(parts.last());
}

QString TsqlPrinter::binary(const TsqlExpr& expr) {
    const QString& op = expr.text;
    const TsqlExpr& left = *expr.args[0];
    const TsqlExpr& right = *expr.args[1];
    static const QStringList comparisons = {"=", "<>", "<", ">", "<=", ">="};
    if (comparisons.contains(op)) {
        return comparison(op, left, right);
    }
    if (op == u"+") {
        return plus(left, right);
    }
    if (op == u"^") {
        return exclusiveOr(expression(left), expression(right));
    }
    return QStringLiteral("(%1 %2 %3)").arg(expression(left), op, expression(right));
}

QString TsqlPrinter::plus(const TsqlExpr& left, const TsqlExpr& right) {
    const ValueType lt = typeOf(left);
    const ValueType rt = typeOf(right);
    if (lt == ValueType::Text && rt == ValueType::Text) {
        return QStringLiteral("(%1 || %2)").arg(expression(left), expression(right));
    }
    if (lt == ValueType::Number && rt == ValueType::Number) {
        return QStringLiteral("(%1 + %2)").arg(expression(left), expression(right));
    }
    return QStringLiteral("tsql_add(%1, %2)").arg(expression(left), expression(right));
}

QString TsqlPrinter::exclusiveOr(const QString& left, const QString& right) const {
    return QStringLiteral("((%1 | %2) - (%1 & %2))").arg(left, right);
}

QString TsqlPrinter::comparison(const QString& op, const TsqlExpr& left, const TsqlExpr& right) {
    const ValueType lt = typeOf(left);
    const ValueType rt = typeOf(right);
    const QString l = left.kind != Kind::Number && right.kind == Kind::Number && lt != ValueType::Number
                          ? numericSide(left, right)
                          : comparand(left, right);
    const QString r = right.kind != Kind::Number && left.kind == Kind::Number && rt != ValueType::Number
                          ? numericSide(right, left)
                          : comparand(right, left);
    const bool textual = left.kind != Kind::Column && right.kind != Kind::Column && lt != ValueType::Number &&
                         rt != ValueType::Number && left.kind != Kind::Null && right.kind != Kind::Null;
    return QStringLiteral("(%1 %2 %3%4)").arg(l, op, r, textual ? collation(lt, rt) : QString());
}

QString TsqlPrinter::numericSide(const TsqlExpr& side, const TsqlExpr& number) {
    // SQL Server converts a character side to the number's type ('00012' = 12 holds); a numeric
    // side keeps its value (0.5 = 0 stays false).
    return QStringLiteral("tsql_number(%1, '%2')")
        .arg(expression(side), isIntegerLiteral(number) ? QStringLiteral("int") : QStringLiteral("float"));
}

QString TsqlPrinter::function(const TsqlExpr& expr) {
    const QString name = functionName(expr);
    const auto count = expr.args.size();
    const auto require = [&](std::size_t min, std::size_t max) {
        if (count < min || count > max) {
            throw EDatabaseError(
                QStringLiteral("The %1 function requires %2 argument(s).").arg(expr.text).arg(min));
        }
    };
    const auto arg = [&](std::size_t i) { return expression(*expr.args[i]); };
    if (expr.star) {
        return name + QStringLiteral("(*)");
    }
    if (name == u"isnull") {
        require(2, 2);
        return QStringLiteral("ifnull(%1, %2)").arg(arg(0), arg(1));
    }
    if (name == u"len") {
        require(1, 1);
        return QStringLiteral("length(rtrim(%1))").arg(arg(0));
    }
    if (name == u"ltrim" || name == u"rtrim" || name == u"upper" || name == u"lower") {
        require(1, 1);
        return QStringLiteral("%1(%2)").arg(name, arg(0));
    }
    if (name == u"substring") {
        require(3, 3);
        return QStringLiteral("tsql_substring(%1)").arg(arguments(expr));
    }
    if (name == u"left") {
        require(2, 2);
        return QStringLiteral("tsql_substring(%1, 1, %2)").arg(arg(0), arg(1));
    }
    static const QHash<QString, std::pair<int, int>> bridged = {
        {"replace", {3, 3}},   {"patindex", {2, 2}}, {"charindex", {2, 3}}, {"col_length", {2, 2}},
        {"object_id", {1, 2}}, {"right", {2, 2}},    {"replicate", {2, 2}},
    };
    if (const auto found = bridged.find(name); found != bridged.end()) {
        require(std::size_t(found->first), std::size_t(found->second));
        return QStringLiteral("tsql_%1(%2)").arg(name, arguments(expr, 0));
    }
    if (name == u"space") {
        require(1, 1);
        return QStringLiteral("tsql_replicate(' ', %1)").arg(arg(0));
    }
    if (name == u"getdate") {
        require(0, 0);
        return QStringLiteral("strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime')");
    }
    if (name == u"ceiling") {
        require(1, 1);
        return QStringLiteral("ceil(%1)").arg(arg(0));
    }
    if (name == u"ascii" || name == u"unicode") {
        require(1, 1);
        return QStringLiteral("unicode(%1)").arg(arg(0));
    }
    if (name == u"nchar") {
        require(1, 1);
        return QStringLiteral("char(%1)").arg(arg(0));
    }
    if (name == u"datalength") {
        require(1, 1);
        return QStringLiteral("length(CAST(%1 AS BLOB))").arg(arg(0));
    }
    return QStringLiteral("%1(%2%3)")
        .arg(name, expr.distinct ? QStringLiteral("DISTINCT ") : QString(), arguments(expr));
}

QString TsqlPrinter::select(const TsqlSelect& select) {
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(++d) {}
        ~Nesting() { --depth; }
    } nesting(depth_);
    if (depth_ == 1) {
        resultNames_.clear();
    }
    if (!select.next) {
        return selectBody(select, true);
    }
    QString text;
    for (const TsqlSelect* member = &select; member; member = member->next.get()) {
        QString body = selectBody(*member, false);
        if (member->top) {
            body = QStringLiteral("SELECT * FROM (%1 LIMIT %2) AS \"tsql_top\"")
                       .arg(body, expression(*member->top));
        }
        text += body;
        if (member->next) {
            text += u' ' + member->unionKind + u' ';
        }
    }
    return text + orderBy(select);
}

QString TsqlPrinter::subquery(const TsqlSelect& query) {
    // A query inside an expression is never the statement's own, even in an If, a Set or a Delete.
    ++depth_;
    const auto restore = qScopeGuard([this] { --depth_; });
    return select(query);
}

QString TsqlPrinter::orderBy(const TsqlSelect& select) {
    if (select.orderBy.empty()) {
        return depth_ == 1 ? unordered(select) : QString();
    }
    QStringList order;
    for (const TsqlOrderItem& item : select.orderBy) {
        const TsqlExpr& expr = *item.expr;
        // The statement's own query orders by its result columns under the names they carry.
        const auto result = expr.kind == Kind::Column && expr.parts.size() == 1 && depth_ == 1
                                ? resultNames_.constFind(expr.parts[0].toLower())
                                : resultNames_.constEnd();
        order.append((result != resultNames_.constEnd() ? quoteName(*result) : expression(expr)) +
                     ordering(item.descending));
    }
    return QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
}

QString TsqlPrinter::resultName(const TsqlSelectItem& item) const {
    return item.alias;
}

QString TsqlPrinter::selectBody(const TsqlSelect& select, bool withOrder) {
    QStringList items;
    for (const TsqlSelectItem& item : select.items) {
        if (item.expr->kind == Kind::Identity && !select.into.isEmpty()) {
            items.append(QStringLiteral("NULL AS ") + quoteName(identityMarker()));
            continue;
        }
        QString text = resultValue(*item.expr);
        if (depth_ == 1 && select.into.isEmpty()) {
            const QString result = resultName(item);
            if (!result.isEmpty()) {
                text += QStringLiteral(" AS ") + quoteName(result);
                resultNames_.insert(result.toLower(), result);
            }
        } else if (!item.alias.isEmpty()) {
            text += QStringLiteral(" AS ") + name(item.alias);
        }
        items.append(text);
    }
    QString text = QStringLiteral("SELECT ") + (select.distinct ? QStringLiteral("DISTINCT ") : QString()) +
                   items.join(QStringLiteral(", "));
    if (!select.from.empty()) {
        text += QStringLiteral(" FROM ");
        for (const TsqlTableSource& source : select.from) {
            if (source.join.isEmpty()) {
                if (&source != &select.from.front()) {
                    text += QStringLiteral(", ");
                }
            } else {
                text += u' ' + source.join + QStringLiteral(" JOIN ");
            }
            text += tableSource(source);
            if (source.on) {
                text += QStringLiteral(" ON ") + expression(*source.on);
            }
        }
    }
    if (select.where) {
        text += QStringLiteral(" WHERE ") + expression(*select.where);
    }
    if (!select.groupBy.empty()) {
        QStringList groups;
        for (const auto& group : select.groupBy) {
            groups.append(expression(*group));
        }
        text += QStringLiteral(" GROUP BY ") + groups.join(QStringLiteral(", "));
    }
    if (select.having) {
        text += QStringLiteral(" HAVING ") + expression(*select.having);
    }
    if (withOrder) {
        text += orderBy(select);
        if (select.top) {
            text += QStringLiteral(" LIMIT ") + expression(*select.top);
        }
    }
    return text;
}

QString TsqlPrinter::tableSource(const TsqlTableSource& source) {
    const QString alias = source.alias.isEmpty() ? QString() : QStringLiteral(" AS ") + name(source.alias);
    if (source.derived) {
        return u'(' + select(*source.derived) + u')' + alias;
    }
    bool handled = false;
    const QString system = systemTable(source.table, source.alias, handled);
    if (handled) {
        return system;
    }
    return tableName(source.table) + alias;
}

QString TsqlPrinter::systemTable(const TsqlName& name, const QString& alias, bool& handled) {
    const bool tempdb = name.database.compare(u"tempdb", Qt::CaseInsensitive) == 0;
    const QString lower = name.name.toLower();
    const QString as = QStringLiteral(" AS ") + this->name(alias.isEmpty() ? name.name : alias);
    handled = true;
    if (lower == u"sysobjects") {
        if (tempdb) {
            return tempObjects + as;
        }
        if (name.database.isEmpty()) {
            return sysObjects + as;
        }
    }
    if (lower == u"sysindexes" && (name.database.isEmpty() || tempdb)) {
        return sysIndexes + as;
    }
    handled = false;
    return {};
}

QString TsqlPrinter::tableName(const TsqlName& name) {
    if (name.database.isEmpty()) {
        return this->name(name.name);
    }
    if (name.database.compare(u"tempdb", Qt::CaseInsensitive) == 0) {
        return QStringLiteral("temp.") + this->name(name.name);
    }
    databases_.insert(name.database);
    return this->name(name.database) + u'.' + this->name(name.name);
}

QString TsqlPrinter::insert(const TsqlStatement& statement) {
    QString text = QStringLiteral("INSERT INTO ") + tableName(statement.table);
    if (!statement.columns.isEmpty()) {
        QStringList columns;
        for (const QString& column : statement.columns) {
            columns.append(name(column));
        }
        text += QStringLiteral(" (") + columns.join(QStringLiteral(", ")) + u')';
    }
    if (statement.select) {
        return text + u' ' + select(*statement.select);
    }
    if (statement.rows.empty()) {
        return text + QStringLiteral(" DEFAULT VALUES");
    }
    QStringList rows;
    for (const auto& row : statement.rows) {
        QStringList values;
        for (const auto& value : row) {
            values.append(expression(*value));
        }
        rows.append(u'(' + values.join(QStringLiteral(", ")) + u')');
    }
    return text + QStringLiteral(" VALUES ") + rows.join(QStringLiteral(", "));
}

QString TsqlPrinter::update(const TsqlStatement& statement) {
    QStringList assignments;
    for (const auto& [column, value] : statement.assignments) {
        assignments.append(name(column) + QStringLiteral(" = ") + expression(*value));
    }
    QString text = QStringLiteral("UPDATE %1 SET %2").arg(tableName(statement.table), assignments.join(", "));
    if (statement.where) {
        text += QStringLiteral(" WHERE ") + expression(*statement.where);
    }
    return text;
}

QString TsqlPrinter::remove(const TsqlStatement& statement) {
    QString text = QStringLiteral("DELETE FROM ") + tableName(statement.table);
    if (statement.where) {
        text += QStringLiteral(" WHERE ") + expression(*statement.where);
    }
    return text;
}

} // namespace tarvand::sql
