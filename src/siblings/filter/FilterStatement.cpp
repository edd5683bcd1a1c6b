#include "FilterStatement.h"

#include "SqlEscape.h"
#include "TADOQuery.h"
#include "TADOTable.h"

#include <QRegularExpression>

namespace tarvand::siblings {

namespace {

const QString derivedName = QStringLiteral("Filtered");

QString operatorText(FilterCondition::Operator op) {
    switch (op) {
    case FilterCondition::Operator::Equal:
        return QStringLiteral(" = ");
    case FilterCondition::Operator::NotEqual:
        return QStringLiteral(" <> ");
    case FilterCondition::Operator::Greater:
        return QStringLiteral(" > ");
    case FilterCondition::Operator::Less:
        return QStringLiteral(" < ");
    case FilterCondition::Operator::GreaterOrEqual:
        return QStringLiteral(" >= ");
    case FilterCondition::Operator::LessOrEqual:
        return QStringLiteral(" <= ");
    case FilterCondition::Operator::Contains:
    case FilterCondition::Operator::StartsWith:
        break;
    }
    return QStringLiteral(" Like ");
}

bool isPattern(FilterCondition::Operator op) {
    return op == FilterCondition::Operator::Contains || op == FilterCondition::Operator::StartsWith;
}

} // namespace

QString FilterStatement::NumberOf(const QString& text) {
    QString plain;
    for (QChar c : text.trimmed()) {
        const char16_t u = c.unicode();
        if (u >= u'\u06F0' && u <= u'\u06F9')
            plain.append(QChar(u'0' + (u - u'\u06F0')));
        else if (u >= u'\u0660' && u <= u'\u0669')
            plain.append(QChar(u'0' + (u - u'\u0660')));
        else if (u == u'\u066B' || u == u'/')
            plain.append(QLatin1Char('.')); // the Arabic decimal separator, and the slash written for it
        else if (u != u',' && u != u'\u066C' && u != u'\u060C')
            plain.append(c);
    }
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    return number.match(plain).hasMatch() ? plain : QString();
}

bool FilterStatement::IsPlainName(const QString& name) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

QString FilterStatement::Condition(const QList<FilterCondition>& conditions) {
    QString text;
    for (const FilterCondition& condition : conditions) {
        if (!IsPlainName(condition.FieldName))
            continue;
        if (!text.isEmpty())
            text += condition.Link == FilterCondition::Join::Or ? QStringLiteral(" Or ")
                                                                : QStringLiteral(" And ");
        text += QLatin1Char('(') + comparison(condition) + QLatin1Char(')');
    }
    return text;
}

QString FilterStatement::comparison(const FilterCondition& condition) {
    const QString column = QLatin1Char('[') + condition.FieldName + QLatin1Char(']');
    if (isPattern(condition.Op)) {
        const QString pattern = likePattern(condition.Value.trimmed());
        const QString subject = condition.Numeric
                                    ? QStringLiteral("Cast(") + column + QStringLiteral(" As VarChar(40))")
                                    : QStringLiteral("LTrim(IsNull(") + column + QStringLiteral(", ''))");
        const QString value = condition.Op == FilterCondition::Operator::Contains
                                  ? QStringLiteral("%") + pattern + QStringLiteral("%")
                                  : pattern + QStringLiteral("%");
        return subject + QStringLiteral(" Like '") + SqlEscape(value) + QLatin1Char('\'');
    }
    if (condition.Numeric) {
        // Validated by the dialog; a text that is no number compares with nothing rather than
        // reaching the statement.
        const QString number = NumberOf(condition.Value);
        return QStringLiteral("IsNull(") + column + QStringLiteral(", 0)") + operatorText(condition.Op) +
               (number.isEmpty() ? QStringLiteral("Null") : SqlEscape(number));
    }
    return QStringLiteral("LTrim(RTrim(IsNull(") + column + QStringLiteral(", '')))") +
           operatorText(condition.Op) + QLatin1Char('\'') +
           SqlEscape(databaseText(condition.Value.trimmed())) + QLatin1Char('\'');
}

QString FilterStatement::likePattern(const QString& value) {
    QString pattern;
    for (QChar c : databaseText(value)) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('['))
            pattern += QLatin1Char('[') + c + QLatin1Char(']');
        else
            pattern += c;
    }
    return pattern;
}

QString FilterStatement::databaseText(const QString& value) {
    // The company's texts are in code page 1256, which writes yeh only in its Arabic form; a
    // Persian keyboard's yeh would match nothing.
    QString text = value;
    return text.replace(QChar(u'\u06CC'), QChar(u'\u064A'));
}

QString FilterStatement::Statement(const data::TDataSet* dataSet, const QString& condition) {
    const QString where = condition.isEmpty() ? QString() : QStringLiteral(" Where ") + condition;
    if (const auto* table = dynamic_cast<const data::TADOTable*>(dataSet))
        return QStringLiteral("Select * From ") + table->TableName() + where;
    const auto* query = dynamic_cast<const data::TADOQuery*>(dataSet);
    if (query == nullptr)
        return {};
    QString inner = query->SQL().trimmed();
    // Semicolons only separate statements: around the one statement they are empty ones. A line
    // holding only Go ends the batch, so after the statement it closes nothing inside the parenthesis.
    static const QRegularExpression batchEnd(QStringLiteral("(^|[\\r\\n])[ \\t]*go[ \\t]*$"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (;;) {
        if (inner.endsWith(QLatin1Char(';')))
            inner.chop(1);
        else if (const auto end = batchEnd.match(inner); end.hasMatch())
            inner = inner.left(end.capturedStart()).trimmed();
        else
            break;
    }
    while (inner.startsWith(QLatin1Char(';')))
        inner = inner.mid(1).trimmed();
    QString orderBy;
    const Scan scanned = scan(inner);
    const int at = scanned.orderBy;
    static const QRegularExpression top(QStringLiteral("^\\s*select\\s+(distinct\\s+)?top\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (at >= 0) {
        orderBy = outerOrderBy(inner.mid(at));
        // With Top the order decides which rows the query has, so it stays inside as well.
        if (!top.match(inner).hasMatch())
            inner = inner.left(at).trimmed();
        else if (scanned.endsInLineComment)
            inner += QLatin1Char('\n');
    } else if (scanned.endsInLineComment) {
        // A comment to the end of the text would swallow the parenthesis that closes it.
        inner += QLatin1Char('\n');
    }
    QString statement =
        QStringLiteral("Select * From (") + inner + QStringLiteral(") As ") + derivedName + where;
    if (!orderBy.isEmpty())
        statement += QLatin1Char(' ') + orderBy;
    return statement;
}

FilterStatement::Scan FilterStatement::scan(const QString& sql) {
    // Outside quotes, brackets, comments and parentheses.
    int depth = 0;
    Scan found;
    const QString upper = sql.toUpper();
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            for (++i; i < sql.size(); ++i) {
                if (sql.at(i) != close)
                    continue;
                if (i + 1 < sql.size() && sql.at(i + 1) == close && close != QLatin1Char(']'))
                    ++i;
                else
                    break;
            }
        } else if (sql.mid(i, 2) == QLatin1String("--")) {
            const int end = sql.indexOf(QLatin1Char('\n'), i);
            found.endsInLineComment = end < 0;
            i = end < 0 ? sql.size() : end;
        } else if (sql.mid(i, 2) == QLatin1String("/*")) {
            const int end = sql.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? sql.size() : end + 1;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (depth == 0 && upper.mid(i, 5) == QLatin1String("ORDER") &&
                   (i == 0 || !upper.at(i - 1).isLetterOrNumber())) {
            static const QRegularExpression by(QStringLiteral("^ORDER\\s+BY\\b"));
            if (by.match(upper.mid(i, 20)).hasMatch())
                found.orderBy = i;
        }
    }
    return found;
}

QString FilterStatement::outerOrderBy(const QString& orderBy) {
    // Only plain column names (a table's prefix dropped) still mean something outside.
    static const QRegularExpression head(QStringLiteral("^\\s*order\\s+by\\s+"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression item(
        QStringLiteral("^\\s*(?:\\[?[A-Za-z_]\\w*\\]?\\.)?(\\[?[A-Za-z_]\\w*\\]?)(\\s+(?:asc|desc))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    QString list = orderBy;
    list.remove(head);
    QStringList items;
    for (const QString& part : list.split(QLatin1Char(','))) {
        const QRegularExpressionMatch match = item.match(part);
        if (!match.hasMatch())
            return {};
        items.append(match.captured(1) + match.captured(2));
    }
    return QStringLiteral("Order By ") + items.join(QStringLiteral(", "));
}

} // namespace tarvand::siblings
