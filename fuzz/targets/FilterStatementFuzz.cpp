// The filter module's statement builder on arbitrary conditions and queries. Each line up to one
// that starts with "Q" is a condition: its first character joins it with Or when it is '|', its
// second chooses the operator ('0'-'7'), its third makes it numeric when 'n', then come the field
// name, '=' and the value. The rest after "Q" is the statement of the dataset to narrow.
// Whatever the values, the condition keeps a statement one valid Select, and a query that is one
// valid Select stays one when narrowed.
#include "EDatabaseError.h"
#include "FilterStatement.h"
#include "TADOQuery.h"
#include "TsqlCompiler.h"

#include <cstdint>
#include <cstdlib>

using namespace tarvand;
using siblings::FilterCondition;

namespace {

bool isOneSelect(const QString& text) {
    try {
        const auto script = sql::TsqlCompiler::compileUncached(text);
        return script->batches.size() == 1 && script->batches.front().size() == 1 &&
               script->batches.front().front()->kind == sql::TsqlStatement::Kind::Select &&
               script->batches.front().front()->select->into.isEmpty();
    } catch (const EDatabaseError&) {
        return false;
    }
}

FilterCondition conditionOf(const QString& line) {
    FilterCondition condition;
    condition.Link = line.startsWith(u'|') ? FilterCondition::Join::Or : FilterCondition::Join::And;
    const int op = line.size() > 1 ? line.at(1).unicode() - u'0' : 0;
    condition.Op = FilterCondition::Operator(op >= 0 && op <= 7 ? op : 0);
    condition.Numeric = line.size() > 2 && line.at(2) == u'n';
    const QString rest = line.mid(3);
    condition.FieldName = rest.section(u'=', 0, 0);
    condition.Value = rest.section(u'=', 1);
    return condition;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype queryAt = text.startsWith(u'Q') ? 0 : text.indexOf(QStringLiteral("\nQ"));
    QList<FilterCondition> conditions;
    for (const QString& line : text.left(queryAt < 0 ? text.size() : queryAt).split(u'\n'))
        conditions.append(conditionOf(line));
    siblings::FilterStatement::NumberOf(conditions.first().Value);

    const QString condition = siblings::FilterStatement::Condition(conditions);
    if (!condition.isEmpty() && !isOneSelect(QStringLiteral("Select * From Assets Where ") + condition))
        std::abort();
    if (queryAt < 0)
        return 0;
    data::TADOQuery query;
    query.SetSQL(text.mid(queryAt + (queryAt == 0 ? 1 : 2)));
    if (isOneSelect(query.SQL()) && !isOneSelect(siblings::FilterStatement::Statement(&query, condition)))
        std::abort();
    return 0;
}
