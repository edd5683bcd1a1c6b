#pragma once

#include "TsqlScript.h"

#include <QHash>
#include <QSet>
#include <memory>

namespace tarvand::sql {

// Parses T-SQL and prints the SQLite text of each statement, keeping the result per distinct
// source text that has been sent more than once, so that a statement sent again and again costs
// one hash lookup.
class TsqlCompiler {
public:
    std::shared_ptr<const TsqlScript> compile(const QString& source);
    static std::shared_ptr<TsqlScript> compileUncached(const QString& source);

private:
    static void compileStatement(TsqlStatement& statement);

    QHash<QString, std::shared_ptr<const TsqlScript>> cache_;
    QSet<size_t> seenOnce_;
};

} // namespace tarvand::sql
