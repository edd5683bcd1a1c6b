#include "TsqlExprParser.h"

namespace tarvand::sql {

namespace {

TsqlExprPtr node(TsqlExpr::Kind kind, QString text = {}) {
    auto expr = std::make_unique<TsqlExpr>(kind);
    expr->text = std::move(text);
    return expr;
}

bool isComparison(const TsqlToken& token) {
    static const QStringList ops = {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"};
    return token.kind == TsqlTokenKind::Symbol && ops.contains(token.text);
}

} // namespace

TsqlExprPtr TsqlExprParser::binary(const QString& op, TsqlExprPtr left, TsqlExprPtr right) {
    // Operator chains nest to the left; their depth is bounded like that of parentheses.
    t_.countOperator();
    auto expr = node(TsqlExpr::Kind::Binary, op);
    expr->args.push_back(std::move(left));
    expr->args.push_back(std::move(right));
    return expr;
}

TsqlExprPtr TsqlExprParser::expression() {
    const TsqlTokenStream::Nesting nesting(t_);
    return disjunction();
}

TsqlExprPtr TsqlExprParser::disjunction() {
    TsqlExprPtr left = conjunction();
    while (t_.acceptWord(u"OR")) {
        left = binary(QStringLiteral("OR"), std::move(left), conjunction());
    }
    return left;
}

TsqlExprPtr TsqlExprParser::conjunction() {
    TsqlExprPtr left = negation();
    while (t_.acceptWord(u"AND")) {
        left = binary(QStringLiteral("AND"), std::move(left), negation());
    }
    return left;
}

TsqlExprPtr TsqlExprParser::negation() {
    const TsqlTokenStream::Nesting nesting(t_);
    if (t_.acceptWord(u"NOT")) {
        auto expr = node(TsqlExpr::Kind::Unary, QStringLiteral("NOT"));
        expr->args.push_back(negation());
        return expr;
    }
    return predicate();
}

TsqlExprPtr TsqlExprParser::predicate() {
    if (t_.acceptWord(u"EXISTS")) {
        auto expr = node(TsqlExpr::Kind::Exists);
        t_.expectSymbol(u"(");
        expr->select = select();
        t_.expectSymbol(u")");
        return expr;
    }
    TsqlExprPtr left = additive();
    if (isComparison(t_.peek())) {
        QString op = t_.take().text;
        if (op == u"!=") {
            op = QStringLiteral("<>");
        } else if (op == u"!<") {
            op = QStringLiteral(">=");
        } else if (op == u"!>") {
            op = QStringLiteral("<=");
        }
        return binary(op, std::move(left), additive());
    }
    if (t_.acceptWord(u"IS")) {
        auto expr = node(TsqlExpr::Kind::IsNull);
        expr->negated = t_.acceptWord(u"NOT");
        t_.expectWord(u"NULL");
        expr->args.push_back(std::move(left));
        return expr;
    }
    const bool negated =
        t_.peek().isWord(u"NOT") &&
        (t_.peek(1).isWord(u"LIKE") || t_.peek(1).isWord(u"IN") || t_.peek(1).isWord(u"BETWEEN"));
    if (negated) {
        t_.take();
    }
    if (t_.acceptWord(u"LIKE")) {
        auto expr = node(TsqlExpr::Kind::Like);
        expr->negated = negated;
        expr->args.push_back(std::move(left));
        expr->args.push_back(additive());
        if (t_.acceptWord(u"ESCAPE")) {
            expr->args.push_back(additive());
        }
        return expr;
    }
    if (t_.acceptWord(u"BETWEEN")) {
        auto expr = node(TsqlExpr::Kind::Between);
        expr->negated = negated;
        expr->args.push_back(std::move(left));
        expr->args.push_back(additive());
        t_.expectWord(u"AND");
        expr->args.push_back(additive());
        return expr;
    }
    if (t_.acceptWord(u"IN")) {
        t_.expectSymbol(u"(");
        TsqlExprPtr expr;
        if (t_.peek().isWord(u"SELECT")) {
            expr = node(TsqlExpr::Kind::InSelect);
            expr->args.push_back(std::move(left));
            expr->select = select();
        } else {
            expr = node(TsqlExpr::Kind::InList);
            expr->args.push_back(std::move(left));
            do {
                expr->args.push_back(expression());
            } while (t_.acceptSymbol(u","));
        }
        t_.expectSymbol(u")");
        expr->negated = negated;
        return expr;
    }
    if (negated) {
        t_.fail();
    }
    return left;
}

TsqlExprPtr TsqlExprParser::additive() {
    TsqlExprPtr left = multiplicative();
    while (true) {
        const TsqlToken& token = t_.peek();
        if (token.isSymbol(u"+") || token.isSymbol(u"-") || token.isSymbol(u"&") || token.isSymbol(u"|") ||
            token.isSymbol(u"^")) {
            const QString op = t_.take().text;
            left = binary(op, std::move(left), multiplicative());
        } else if (token.isSymbol(u"||")) {
            t_.fail();
        } else {
            return left;
        }
    }
}

TsqlExprPtr TsqlExprParser::multiplicative() {
    TsqlExprPtr left = unary();
    while (t_.peek().isSymbol(u"*") || t_.peek().isSymbol(u"/") || t_.peek().isSymbol(u"%")) {
        const QString op = t_.take().text;
        left = binary(op, std::move(left), unary());
    }
    return left;
}

TsqlExprPtr TsqlExprParser::unary() {
    const TsqlTokenStream::Nesting nesting(t_);
    const TsqlToken& token = t_.peek();
    if (token.isSymbol(u"-") || token.isSymbol(u"+") || token.isSymbol(u"~")) {
        const QString op = t_.take().text;
        if (op != u"~" && t_.peek().kind == TsqlTokenKind::Number) {
            // A signed number stays a literal, so that comparisons with it keep their numeric meaning.
            return node(TsqlExpr::Kind::Number, (op == u"-" ? op : QString()) + t_.take().text);
        }
        auto expr = node(TsqlExpr::Kind::Unary, op);
        expr->args.push_back(unary());
        return expr;
    }
    return primary();
}

TsqlExprPtr TsqlExprParser::primary() {
    const TsqlToken& token = t_.peek();
    switch (token.kind) {
    case TsqlTokenKind::String:
    case TsqlTokenKind::NString: {
        const bool national = token.kind == TsqlTokenKind::NString;
        auto expr = node(TsqlExpr::Kind::String, t_.take().text);
        expr->nationalString = national;
        return expr;
    }
    case TsqlTokenKind::Number:
        return node(TsqlExpr::Kind::Number, t_.take().text);
    case TsqlTokenKind::Variable:
        return node(TsqlExpr::Kind::Variable, t_.take().text);
    case TsqlTokenKind::Placeholder: {
        t_.take();
        auto expr = node(TsqlExpr::Kind::Placeholder);
        expr->ordinal = t_.nextPlaceholder();
        return expr;
    }
    case TsqlTokenKind::Symbol:
        if (token.isSymbol(u"(")) {
            return parenthesised();
        }
        break;
    case TsqlTokenKind::Word:
        if (token.isWord(u"NULL")) {
            t_.take();
            return node(TsqlExpr::Kind::Null);
        }
        if (token.isWord(u"CASE")) {
            return caseExpression();
        }
        if ((token.isWord(u"LEFT") || token.isWord(u"RIGHT")) && t_.peek(1).isSymbol(u"(")) {
            return functionCall(t_.take().text);
        }
        if (!TsqlTokenStream::isReserved(token.text)) {
            return nameOrCall();
        }
        break;
    case TsqlTokenKind::QuotedName:
        return nameOrCall();
    default:
        break;
    }
    t_.fail();
}

TsqlExprPtr TsqlExprParser::parenthesised() {
    t_.expectSymbol(u"(");
    TsqlExprPtr expr;
    if (t_.peek().isWord(u"SELECT")) {
        expr = node(TsqlExpr::Kind::Subquery);
        expr->select = select();
    } else {
        expr = expression();
    }
    t_.expectSymbol(u")");
    return expr;
}

TsqlExprPtr TsqlExprParser::caseExpression() {
    t_.expectWord(u"CASE");
    auto expr = node(TsqlExpr::Kind::Case);
    if (!t_.peek().isWord(u"WHEN")) {
        expr->hasOperand = true;
        expr->args.push_back(expression());
    }
    if (!t_.peek().isWord(u"WHEN")) {
        t_.fail();
    }
    while (t_.acceptWord(u"WHEN")) {
        expr->args.push_back(expression());
        t_.expectWord(u"THEN");
        expr->args.push_back(expression());
    }
    if (t_.acceptWord(u"ELSE")) {
        expr->hasElse = true;
        expr->args.push_back(expression());
    }
    t_.expectWord(u"END");
    return expr;
}

TsqlExprPtr TsqlExprParser::nameOrCall() {
    const bool quoted = t_.peek().kind == TsqlTokenKind::QuotedName;
    QStringList parts{t_.take().text};
    if (!quoted && t_.peek().isSymbol(u"(")) {
        const QString name = parts.first();
        if (name.compare(u"CAST", Qt::CaseInsensitive) == 0) {
            t_.expectSymbol(u"(");
            auto expr = node(TsqlExpr::Kind::Cast);
            expr->args.push_back(expression());
            t_.expectWord(u"AS");
            expr->type = dataType();
            t_.expectSymbol(u")");
            return expr;
        }
        if (name.compare(u"CONVERT", Qt::CaseInsensitive) == 0) {
            t_.expectSymbol(u"(");
            auto expr = node(TsqlExpr::Kind::Cast);
            expr->type = dataType();
            t_.expectSymbol(u",");
            expr->args.push_back(expression());
            if (t_.acceptSymbol(u",")) {
                // Date styles do not apply: dates are kept as text in the company database.
                expression();
            }
            t_.expectSymbol(u")");
            return expr;
        }
        if (name.compare(u"IDENTITY", Qt::CaseInsensitive) == 0) {
            t_.expectSymbol(u"(");
            auto expr = node(TsqlExpr::Kind::Identity, QStringLiteral("1"));
            expr->type = dataType();
            expr->extra = QStringLiteral("1");
            if (t_.acceptSymbol(u",")) {
                expr->text = t_.take().text;
                t_.expectSymbol(u",");
                expr->extra = t_.take().text;
            }
            t_.expectSymbol(u")");
            return expr;
        }
        return functionCall(name);
    }
    while (t_.acceptSymbol(u".")) {
        if (t_.acceptSymbol(u"*")) {
            auto star = node(TsqlExpr::Kind::Star);
            star->parts = parts;
            return star;
        }
        if (t_.peek().kind != TsqlTokenKind::Word && t_.peek().kind != TsqlTokenKind::QuotedName) {
            t_.fail();
        }
        parts.append(t_.take().text);
    }
    if (parts.size() == 2 && t_.peek().isSymbol(u"(")) {
        // schema.function(...): the schema has no meaning on the embedded database.
        return functionCall(parts.last());
    }
    auto column = node(TsqlExpr::Kind::Column);
    column->parts = parts;
    return column;
}

TsqlExprPtr TsqlExprParser::functionCall(const QString& name) {
    auto expr = node(TsqlExpr::Kind::Function, name);
    t_.expectSymbol(u"(");
    if (t_.acceptSymbol(u")")) {
        return expr;
    }
    if (t_.acceptWord(u"DISTINCT")) {
        expr->distinct = true;
    } else {
        t_.acceptWord(u"ALL");
    }
    if (t_.acceptSymbol(u"*")) {
        expr->star = true;
    } else {
        do {
            expr->args.push_back(expression());
        } while (t_.acceptSymbol(u","));
    }
    t_.expectSymbol(u")");
    return expr;
}

std::shared_ptr<TsqlSelect> TsqlExprParser::select() {
    const TsqlTokenStream::Nesting nesting(t_);
    std::shared_ptr<TsqlSelect> first = selectMember();
    TsqlSelect* last = first.get();
    while (t_.acceptWord(u"UNION")) {
        last->unionKind = t_.acceptWord(u"ALL") ? QStringLiteral("UNION ALL") : QStringLiteral("UNION");
        last->next = selectMember();
        last = last->next.get();
    }
    if (t_.acceptWord(u"ORDER")) {
        t_.expectWord(u"BY");
        do {
            TsqlOrderItem item;
            item.expr = expression();
            if (t_.acceptWord(u"DESC")) {
                item.descending = true;
            } else {
                t_.acceptWord(u"ASC");
            }
            first->orderBy.push_back(std::move(item));
        } while (t_.acceptSymbol(u","));
    }
    return first;
}

std::shared_ptr<TsqlSelect> TsqlExprParser::selectMember() {
    t_.expectWord(u"SELECT");
    auto select = std::make_shared<TsqlSelect>();
    if (t_.acceptWord(u"DISTINCT")) {
        select->distinct = true;
    } else {
        t_.acceptWord(u"ALL");
    }
    if (t_.acceptWord(u"TOP")) {
        if (t_.peek().isSymbol(u"(")) {
            t_.take();
            select->top = expression();
            t_.expectSymbol(u")");
        } else if (t_.peek().kind == TsqlTokenKind::Number || t_.peek().kind == TsqlTokenKind::Variable ||
                   t_.peek().kind == TsqlTokenKind::Placeholder) {
            select->top = primary();
        } else {
            t_.fail();
        }
        if (t_.peek().isWord(u"PERCENT") || (t_.peek().isWord(u"WITH") && t_.peek(1).isWord(u"TIES"))) {
            t_.fail(QStringLiteral(
                "Top … Percent and Top … With Ties are not supported by the embedded database."));
        }
    }
    selectItems(*select);
    if (t_.acceptWord(u"INTO")) {
        select->into = objectName();
    }
    if (t_.acceptWord(u"FROM")) {
        fromClause(*select);
    }
    if (t_.acceptWord(u"WHERE")) {
        select->where = expression();
    }
    if (t_.acceptWord(u"GROUP")) {
        t_.expectWord(u"BY");
        do {
            select->groupBy.push_back(expression());
        } while (t_.acceptSymbol(u","));
    }
    if (t_.acceptWord(u"HAVING")) {
        select->having = expression();
    }
    return select;
}

void TsqlExprParser::selectItems(TsqlSelect& select) {
    do {
        TsqlSelectItem item;
        if (t_.peek().isSymbol(u"*")) {
            t_.take();
            item.expr = node(TsqlExpr::Kind::Star);
        } else if (t_.peek().kind == TsqlTokenKind::Variable && t_.peek(1).isSymbol(u"=")) {
            item.assignTo = t_.take().text;
            t_.take();
            item.expr = expression();
        } else if (t_.peekName() && t_.peek(1).isSymbol(u"=")) {
            item.alias = t_.take().text;
            t_.take();
            item.expr = expression();
        } else {
            item.expr = expression();
            item.alias = optionalAlias();
        }
        select.items.push_back(std::move(item));
    } while (t_.acceptSymbol(u","));
}

QString TsqlExprParser::optionalAlias() {
    if (t_.acceptWord(u"AS")) {
        if (t_.peek().kind == TsqlTokenKind::String) {
            return t_.take().text;
        }
        return t_.takeName();
    }
    if (t_.peekName() || t_.peek().kind == TsqlTokenKind::String) {
        return t_.take().text;
    }
    return {};
}

void TsqlExprParser::fromClause(TsqlSelect& select) {
    select.from.push_back(tableSource());
    while (true) {
        if (t_.acceptSymbol(u",")) {
            select.from.push_back(tableSource());
            continue;
        }
        QString join;
        if (t_.acceptWord(u"INNER")) {
            join = QStringLiteral("INNER");
        } else if (t_.peek().isWord(u"LEFT") || t_.peek().isWord(u"RIGHT") || t_.peek().isWord(u"FULL")) {
            join = t_.take().text.toUpper();
            t_.acceptWord(u"OUTER");
        } else if (t_.acceptWord(u"CROSS")) {
            join = QStringLiteral("CROSS");
        } else if (t_.peek().isWord(u"JOIN")) {
            join = QStringLiteral("INNER");
        } else {
            return;
        }
        t_.expectWord(u"JOIN");
        TsqlTableSource source = tableSource();
        source.join = join;
        if (join != u"CROSS") {
            t_.expectWord(u"ON");
            source.on = expression();
        }
        select.from.push_back(std::move(source));
    }
}

TsqlTableSource TsqlExprParser::tableSource() {
    TsqlTableSource source;
    if (t_.peek().isSymbol(u"(")) {
        t_.take();
        source.derived = select();
        t_.expectSymbol(u")");
    } else {
        source.table = objectName();
    }
    source.alias = optionalAlias();
    if (t_.peek().isWord(u"WITH") && t_.peek(1).isSymbol(u"(")) {
        // Locking hints have no meaning on the embedded database.
        t_.take();
        t_.take();
        while (!t_.acceptSymbol(u")")) {
            if (t_.atBatchEnd()) {
                t_.fail();
            }
            t_.take();
        }
    }
    return source;
}

TsqlName TsqlExprParser::objectName() {
    QStringList parts;
    auto namePart = [this]() -> QString {
        const TsqlToken& token = t_.peek();
        if (token.kind == TsqlTokenKind::QuotedName ||
            (token.kind == TsqlTokenKind::Word && !TsqlTokenStream::isReserved(token.text))) {
            return t_.take().text;
        }
        t_.fail();
    };
    parts.append(namePart());
    while (t_.acceptSymbol(u".")) {
        if (t_.peek().isSymbol(u".")) {
            parts.append(QString());
            continue;
        }
        parts.append(namePart());
    }
    if (parts.size() > 3) {
        t_.fail(QStringLiteral("Linked-server names are not supported by the embedded database."));
    }
    TsqlName name;
    name.name = parts.last();
    if (parts.size() == 3) {
        name.database = parts.first();
    }
    return name;
}

QString TsqlExprParser::dataType() {
    if (!t_.peek().isName()) {
        t_.fail();
    }
    QString type = t_.take().text.toLower();
    if (type == u"double" && t_.acceptWord(u"PRECISION")) {
        type = QStringLiteral("float");
    }
    if (t_.acceptSymbol(u"(")) {
        QStringList args;
        do {
            const TsqlToken token = t_.take();
            if (token.kind != TsqlTokenKind::Number && !token.isWord(u"MAX")) {
                t_.fail();
            }
            args.append(token.text.toLower());
        } while (t_.acceptSymbol(u","));
        t_.expectSymbol(u")");
        type += u'(' + args.join(u',') + u')';
    }
    return type;
}

QStringList TsqlExprParser::columnList() {
    QStringList columns;
    t_.expectSymbol(u"(");
    do {
        columns.append(t_.takeName());
        if (!t_.acceptWord(u"ASC")) {
            t_.acceptWord(u"DESC");
        }
    } while (t_.acceptSymbol(u","));
    t_.expectSymbol(u")");
    return columns;
}

} // namespace tarvand::sql
