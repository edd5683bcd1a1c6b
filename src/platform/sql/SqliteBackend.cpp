#include "SqliteBackend.h"

#include "ConstraintCatalog.h"
#include "EDatabaseError.h"
#include "MemoryCursor.h"
#include "ProcedureCatalog.h"
#include "SqliteConnection.h"
#include "SqliteSession.h"
#include "TsqlCompiler.h"
#include "TsqlFunctions.h"
#include "TsqlPrinter.h"
#include "TsqlRunner.h"

namespace tarvand::sql {

namespace {

// "dbo.X", "[X]", "tempdb..##X" → X, as a table of the connection.
QString plainTableName(const QString& written) {
    QString name = written.trimmed().section(u'.', -1);
    if (name.startsWith(u'[') && name.endsWith(u']')) {
        name = name.mid(1, name.size() - 2);
    }
    return name;
}

} // namespace

SqliteBackend::SqliteBackend(const QString& path) : connection_(std::make_shared<SqliteConnection>(path)) {
    sqlite3* db = connection_->handle();
    // "x" must always name a column, never fall back to being a string as SQLite's legacy rule has it.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    TsqlFunctions::registerAll(db);
    constraints_ = std::make_unique<ConstraintCatalog>(db);
    procedures_ = std::make_unique<ProcedureCatalog>(db);
    session_ = std::make_unique<SqliteSession>(connection_, *constraints_);
    compiler_ = std::make_unique<TsqlCompiler>();
    runner_ = std::make_unique<TsqlRunner>(*session_, *compiler_, *procedures_);
}

SqliteBackend::~SqliteBackend() = default;

std::unique_ptr<ResultCursor> SqliteBackend::query(const QString& statement, const QVariantList& params) {
    TsqlRunner::Outcome outcome = runner_->run(*compiler_->compile(statement), params, true);
    if (outcome.rows) {
        return std::move(outcome.rows);
    }
    return std::make_unique<MemoryCursor>();
}

qint64 SqliteBackend::execute(const QString& statement, const QVariantList& params) {
    return runner_->run(*compiler_->compile(statement), params, false).changes;
}

QList<ColumnInfo> SqliteBackend::tableColumns(const QString& table) {
    const QByteArray sql =
        (QStringLiteral("SELECT * FROM ") + TsqlPrinter::quoteName(plainTableName(table))).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(connection_->handle(), sql.constData(), int(sql.size()), &stmt, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(stmt);
        return {};
    }
    QList<ColumnInfo> columns = session_->describer().describe(stmt, false);
    sqlite3_finalize(stmt);
    return columns;
}

QStringList SqliteBackend::keyColumns(const QString& table) {
    const QString name = plainTableName(table);
    if (const auto key = constraints_->primaryKey(name)) {
        return key->columns;
    }
    QStringList keys;
    for (const ColumnInfo& column : tableColumns(name)) {
        if (column.primaryKey) {
            keys.append(column.name);
        }
    }
    if (!keys.isEmpty()) {
        return keys;
    }
    sqlite3_stmt* stmt = nullptr;
    const char* sql =
        "SELECT il.name, ii.name FROM pragma_index_list(?1) AS il, pragma_index_info(il.name) AS ii "
        "WHERE il.\"unique\" = 1 AND il.partial = 0 ORDER BY il.seq, ii.seqno";
    if (sqlite3_prepare_v2(connection_->handle(), sql, -1, &stmt, nullptr) != SQLITE_OK) {
        return {};
    }
    const QByteArray bound = name.toUtf8();
    sqlite3_bind_text(stmt, 1, bound.constData(), int(bound.size()), SQLITE_TRANSIENT);
    QString firstIndex;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const QString index = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        if (!firstIndex.isEmpty() && index != firstIndex) {
            break;
        }
        firstIndex = index;
        keys.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))));
    }
    sqlite3_finalize(stmt);
    return keys;
}

void SqliteBackend::beginTransaction() {
    // A transaction that reads and then writes takes the write lock at once: a reader upgrading
    // later could find another writer ahead and fail where waiting would have done.
    session_->exec(QStringLiteral("BEGIN IMMEDIATE"));
}

void SqliteBackend::commit() {
    session_->exec(QStringLiteral("COMMIT"));
}

void SqliteBackend::rollback() {
    session_->exec(QStringLiteral("ROLLBACK"));
}

} // namespace tarvand::sql
