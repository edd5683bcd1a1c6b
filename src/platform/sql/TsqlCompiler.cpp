#include "TsqlCompiler.h"

#include "TsqlPrinter.h"

namespace tarvand::sql {

namespace {

// The module names each temporary table after the time, so distinct texts keep coming; a bound
// keeps the cache from growing through a long working day.
constexpr qsizetype cacheLimit = 4096;

} // namespace

TsqlCompiler::TsqlCompiler() : printers_([] { return std::make_unique<TsqlPrinter>(); }) {}

std::shared_ptr<const TsqlScript> TsqlCompiler::compile(const QString& source) {
    if (const auto found = cache_.constFind(source); found != cache_.constEnd()) {
        return *found;
    }
    std::shared_ptr<const TsqlScript> script = compileUncached(source, printers_);
    // A text compiled once (literal values, a temporary table named after the time) is likely
    // never sent again; it is kept from its second compilation on, so that one-off texts do not
    // push out the statements that repeat.
    const size_t hash = qHash(source);
    if (!seenOnce_.contains(hash)) {
        if (seenOnce_.size() >= cacheLimit) {
            seenOnce_.clear();
        }
        seenOnce_.insert(hash);
        return script;
    }
    if (cache_.size() >= cacheLimit) {
        cache_.clear();
    }
    cache_.insert(source, script);
    return script;
}

std::shared_ptr<TsqlScript> TsqlCompiler::compileUncached(const QString& source, const Printers& printers) {
    const Printers sqlite = [] { return std::make_unique<TsqlPrinter>(); };
    auto script = std::make_shared<TsqlScript>();
    script->batches = TsqlParser::parse(source);
    for (TsqlBatch& batch : script->batches) {
        for (TsqlStatementPtr& statement : batch) {
            compileStatement(*statement, printers ? printers : sqlite);
        }
    }
    return script;
}

void TsqlCompiler::compileStatement(TsqlStatement& statement, const Printers& printers) {
    using Kind = TsqlStatement::Kind;
    const std::unique_ptr<TsqlPrinter> made = printers();
    TsqlPrinter& printer = *made;
    const auto evaluation = [&printer](const TsqlExpr& expr) {
        return QStringLiteral("SELECT ") + printer.expression(expr);
    };
    switch (statement.kind) {
    case Kind::Select:
        statement.sqlite = printer.select(*statement.select);
        break;
    case Kind::Insert:
        statement.sqlite = printer.insert(statement);
        break;
    case Kind::Update:
        statement.sqlite = printer.update(statement);
        break;
    case Kind::Delete:
        statement.sqlite = printer.remove(statement);
        break;
    case Kind::Truncate:
        statement.sqlite = QStringLiteral("DELETE FROM ") + printer.tableName(statement.table);
        break;
    case Kind::If:
    case Kind::While:
        statement.sqlite =
            QStringLiteral("SELECT CASE WHEN %1 THEN 1 ELSE 0 END").arg(printer.expression(*statement.expr));
        break;
    case Kind::SetVariable:
    case Kind::ExecString:
        statement.sqlite = evaluation(*statement.expr);
        break;
    case Kind::Transaction:
        statement.sqlite = printer.transaction(statement.text);
        break;
    case Kind::Declare:
        for (const TsqlColumnDef& variable : statement.parameters) {
            statement.sqliteParts.append(variable.defaultValue ? evaluation(*variable.defaultValue)
                                                               : QString());
        }
        break;
    default:
        break;
    }
    for (const QString& database : printer.databases()) {
        statement.databases.append(database);
    }
    for (TsqlStatementPtr& inner : statement.body) {
        compileStatement(*inner, printers);
    }
}

} // namespace tarvand::sql
