#pragma once

#include "FilterCondition.h"

#include <QList>
#include <QString>

namespace tarvand::data {
class TDataSet;
}

namespace tarvand::siblings {

// The SQL of a filter, in the T-SQL every backend of the module understands. Text columns compare
// without the blanks that pad codes and with empty for NULL; "contains" and "starts with" are
// LIKE patterns in which the user's %, _ and [ stand for themselves. Every value passes
// SqlEscape; a numeric value must be a number, and is written as one.
class FilterStatement {
public:
    // The number a numeric condition's value stands for, in SQL's form ("1250000", "-3.5"):
    // Persian digits and thousands separators are accepted. Empty when the text is no number.
    static QString NumberOf(const QString& text);
    // Whether the field name may be spliced into SQL: a plain identifier.
    static bool IsPlainName(const QString& name);

    // The WHERE condition of the conditions, in the order given (AND binding before OR).
    static QString Condition(const QList<FilterCondition>& conditions);
    // The statement of the dataset's rows narrowed by the condition: "Select * From <table> Where …"
    // for a table; for a query its own statement as a derived table, its ORDER BY moved outside
    // when it names result columns. Empty for a dataset that is neither.
    static QString Statement(const data::TDataSet* dataSet, const QString& condition);

private:
    static QString comparison(const FilterCondition& condition);
    static QString likePattern(const QString& value);
    static QString databaseText(const QString& value);
    struct Scan {
        int orderBy = -1;               // where the statement's own ORDER BY starts
        bool endsInLineComment = false; // the text ends inside a "--" comment
    };
    static Scan scan(const QString& sql);
    static QString outerOrderBy(const QString& orderBy);
};

} // namespace tarvand::siblings
