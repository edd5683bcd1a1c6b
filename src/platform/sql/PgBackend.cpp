#include "PgBackend.h"

#include "EDatabaseError.h"
#include "MemoryCursor.h"
#include "PgCatalog.h"
#include "PgCompatibility.h"
#include "PgConnection.h"
#include "PgEngine.h"
#include "PgErrors.h"
#include "PgServerError.h"
#include "TsqlCompiler.h"
#include "TsqlPrinter.h"

#include <QScopeGuard>

namespace tarvand::sql {

PgBackend::PgBackend(const QString& uri)
    : connection_(std::make_unique<PgConnection>(uri)), catalog_(std::make_unique<PgCatalog>(*connection_)) {
    PgCompatibility::install(*connection_);
    engine_ = std::make_unique<PgEngine>(*connection_, *catalog_);
    PgEngine* engine = engine_.get();
    compiler_ = std::make_unique<TsqlCompiler>([engine] { return engine->printer(); });
    runner_ = std::make_unique<TsqlRunner>(*engine_, *compiler_);
}

PgBackend::~PgBackend() = default;

bool PgBackend::isUri(const QString& name) {
    const QString text = name.trimmed();
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

TsqlRunner::Outcome PgBackend::run(const QString& statement, const QVariantList& params, bool wantRows) {
    try {
        const int generation = catalog_->generation();
        const auto forget = qScopeGuard([&] {
            if (catalog_->generation() != generation) {
                compiler_->forget();
            }
        });
        const std::shared_ptr<const TsqlScript> script = compiler_->compile(statement);
        if (PQtransactionStatus(connection_->handle()) != PQTRANS_INTRANS) {
            return runner_->run(*script, params, wantRows);
        }
        TsqlRunner::Outcome outcome;
        engine_->atomically([&] { outcome = runner_->run(*script, params, wantRows); });
        return outcome;
    } catch (const PgServerError& error) {
        // The failed statement is undone by now, so the catalog can be asked how the module wrote
        // the names the server reports, and the statement how it writes those it does not find.
        throw EDatabaseError(PgErrors::translate(error.result(), *connection_, catalog_.get(), statement));
    }
}

std::unique_ptr<ResultCursor> PgBackend::query(const QString& statement, const QVariantList& params) {
    TsqlRunner::Outcome outcome = run(statement, params, true);
    if (outcome.rows) {
        return std::move(outcome.rows);
    }
    return std::make_unique<MemoryCursor>();
}

qint64 PgBackend::execute(const QString& statement, const QVariantList& params) {
    return run(statement, params, false).changes;
}

QList<ColumnInfo> PgBackend::tableColumns(const QString& table) {
    const Oid oid = catalog_->tableOid(table);
    if (oid == 0) {
        return {};
    }
    QList<ColumnInfo> columns;
    for (const ColumnInfo& column : catalog_->columns(oid)) {
        if (!column.name.isEmpty()) {
            columns.append(column);
        }
    }
    return columns;
}

QStringList PgBackend::keyColumns(const QString& table) {
    const Oid oid = catalog_->tableOid(table);
    return oid == 0 ? QStringList() : catalog_->keyColumns(oid);
}

void PgBackend::beginTransaction() {
    // One transaction at a time on a company database, each waiting (five seconds at most for
    // each lock) for the one before to end: a transaction that reads and then writes (the highest
    // number, then the next one) must not find another writer between its reading and its writing.
    try {
        connection_->control("BEGIN; SET LOCAL lock_timeout = '5s'; SELECT pg_advisory_xact_lock(7002)");
    } catch (const EDatabaseError&) {
        try {
            connection_->control("ROLLBACK");
        } catch (const EDatabaseError&) {
            // The failed start is the one to report.
        }
        throw;
    }
}

void PgBackend::commit() {
    connection_->control("COMMIT");
}

void PgBackend::rollback() {
    connection_->control("ROLLBACK");
}

} // namespace tarvand::sql
