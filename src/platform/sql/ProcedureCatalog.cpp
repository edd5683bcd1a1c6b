#include "ProcedureCatalog.h"

#include "EDatabaseError.h"

#include <QStringList>

namespace tarvand::sql {

namespace {

sqlite3_stmt* prepare(sqlite3* db, const char* sql, const QStringList& values) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray value = values[i].toUtf8();
        sqlite3_bind_text(stmt, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    }
    return stmt;
}

void run(sqlite3* db, const char* sql, const QStringList& values) {
    sqlite3_stmt* stmt = prepare(db, sql, values);
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) {
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
}

} // namespace

ProcedureCatalog::ProcedureCatalog(sqlite3* db) : db_(db) {
    run(db_,
        "CREATE TABLE IF NOT EXISTS main.tsql_procedure (name TEXT PRIMARY KEY COLLATE NOCASE, definition "
        "TEXT "
        "NOT NULL)",
        {});
}

void ProcedureCatalog::store(const QString& name, const QString& definition, bool replace) {
    if (!replace && this->definition(name)) {
        throw EDatabaseError(
            QStringLiteral("There is already an object named '%1' in the database.").arg(name));
    }
    if (replace && !this->definition(name)) {
        throw EDatabaseError(QStringLiteral("Invalid object name '%1'.").arg(name));
    }
    run(db_, "INSERT OR REPLACE INTO main.tsql_procedure (name, definition) VALUES (?1, ?2)",
        {name, definition});
}

void ProcedureCatalog::drop(const QString& name) {
    if (!definition(name)) {
        throw EDatabaseError(
            QStringLiteral(
                "Cannot drop the procedure '%1', because it does not exist or you do not have permission.")
                .arg(name));
    }
    run(db_, "DELETE FROM main.tsql_procedure WHERE name = ?1", {name});
}

std::optional<QString> ProcedureCatalog::definition(const QString& name) const {
    sqlite3_stmt* stmt = prepare(db_, "SELECT definition FROM main.tsql_procedure WHERE name = ?1", {name});
    std::optional<QString> found;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        found = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    return found;
}

} // namespace tarvand::sql
