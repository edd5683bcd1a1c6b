#include "SqliteSession.h"

#include "EDatabaseError.h"
#include "SqlServerErrors.h"

#include <QDir>
#include <QFileInfo>

namespace tarvand::sql {

SqliteSession::SqliteSession(std::shared_ptr<SqliteConnection> connection, ConstraintCatalog& constraints)
    : connection_(std::move(connection)), constraints_(constraints) {}

namespace {

// Enough for the statements of a form and its procedures; a long day's one-off texts (temporary
// table names carry the time) must not pile up.
constexpr qsizetype idleLimit = 128;
constexpr qsizetype seenLimit = 4096;

} // namespace

SqliteSession::~SqliteSession() {
    for (sqlite3_stmt* stmt : std::as_const(idle_)) {
        sqlite3_finalize(stmt);
    }
}

sqlite3_stmt* SqliteSession::take(const QString& sql) {
    if (sqlite3_stmt* stmt = idle_.take(sql)) {
        return stmt;
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db(), text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                           nullptr) != SQLITE_OK) {
        fail(stmt);
    }
    return stmt;
}

void SqliteSession::recycle(const QString& sql, sqlite3_stmt* stmt) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (idle_.contains(sql)) {
        sqlite3_finalize(stmt);
        return;
    }
    // A text run once (literal values, a temporary table named after the time) is likely never
    // run again: keeping it prepared would only crowd out the statements that are.
    const size_t hash = qHash(sql);
    if (!seenOnce_.contains(hash)) {
        if (seenOnce_.size() >= seenLimit)
            seenOnce_.clear();
        seenOnce_.insert(hash);
        sqlite3_finalize(stmt);
        return;
    }
    if (idle_.size() >= idleLimit) {
        for (sqlite3_stmt* old : std::as_const(idle_)) {
            sqlite3_finalize(old);
        }
        idle_.clear();
    }
    idle_.insert(sql, stmt);
}

ColumnDescriber SqliteSession::describer() const {
    ConstraintCatalog* catalog = &constraints_;
    return ColumnDescriber(db(), [catalog](const QString& table) {
        const auto key = catalog->primaryKey(table);
        return key ? key->columns : QStringList();
    });
}

void SqliteSession::fail(sqlite3_stmt* stmt) const {
    const int code = sqlite3_extended_errcode(db());
    const QString message = QString::fromUtf8(sqlite3_errmsg(db()));
    if (stmt) {
        sqlite3_finalize(stmt);
    }
    throw EDatabaseError(SqlServerErrors::translate(db(), code, message, constraints_));
}

sqlite3_stmt* SqliteSession::prepare(const QString& sql) const {
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db(), text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        fail(stmt);
    }
    return stmt;
}

qint64 SqliteSession::exec(const QString& sql) const {
    sqlite3_stmt* stmt = prepare(sql);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        fail(stmt);
    }
    const qint64 changed = sqlite3_stmt_readonly(stmt) ? 0 : sqlite3_changes64(db());
    sqlite3_finalize(stmt);
    return changed;
}

qint64 SqliteSession::scalar(const QString& sql, const QStringList& values) const {
    sqlite3_stmt* stmt = prepare(sql);
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray value = values[i].toUtf8();
        sqlite3_bind_text(stmt, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    }
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        fail(stmt);
    }
    const qint64 value = rc == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return value;
}

void SqliteSession::attach(const QStringList& databases) {
    for (const QString& name : databases) {
        const QString key = name.toLower();
        if (attached_.contains(key) ||
            scalar(QStringLiteral("SELECT count(*) FROM pragma_database_list WHERE name = ?1 COLLATE NOCASE"),
                   {name}) > 0) {
            attached_.insert(key);
            continue;
        }
        const char* mainFile = sqlite3_db_filename(db(), "main");
        if (!mainFile || !*mainFile) {
            throw EDatabaseError(
                QStringLiteral("Database '%1' does not exist: the company database has no folder.")
                    .arg(name));
        }
        const QFileInfo main(QString::fromUtf8(mainFile));
        const QString suffix = main.suffix().isEmpty() ? QStringLiteral("db") : main.suffix();
        const QString path = main.dir().filePath(name + u'.' + suffix);
        sqlite3_stmt* stmt =
            prepare(QStringLiteral("ATTACH DATABASE ?1 AS \"%1\"").arg(QString(name).replace(u'"', "\"\"")));
        const QByteArray file = path.toUtf8();
        sqlite3_bind_text(stmt, 1, file.constData(), int(file.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            fail(stmt);
        }
        sqlite3_finalize(stmt);
        connection_->useWriteAheadLog(name.toUtf8().constData());
        attached_.insert(key);
    }
}

} // namespace tarvand::sql
