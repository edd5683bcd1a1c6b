#pragma once

#include "TsqlScript.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <memory>

namespace tarvand::sql {

class TsqlPrinter;

// Parses T-SQL and prints the text of each statement in the engine's dialect (SQLite's unless a
// printer of another is given), keeping the result per distinct
// source text that has been sent more than once, so that a statement sent again and again costs
// one hash lookup.
class TsqlCompiler {
public:
    using Printers = std::function<std::unique_ptr<TsqlPrinter>()>;

    TsqlCompiler();
    explicit TsqlCompiler(Printers printers) : printers_(std::move(printers)) {}

    std::shared_ptr<const TsqlScript> compile(const QString& source);
    // Forgets the kept texts, which a schema change may have outdated where the printer read the
    // catalog.
    void forget() {
        cache_.clear();
        seenOnce_.clear();
    }
    static std::shared_ptr<TsqlScript> compileUncached(const QString& source, const Printers& printers = {});

private:
    static void compileStatement(TsqlStatement& statement, const Printers& printers);

    Printers printers_;
    QHash<QString, std::shared_ptr<const TsqlScript>> cache_;
    QSet<size_t> seenOnce_;
};

} // namespace tarvand::sql
