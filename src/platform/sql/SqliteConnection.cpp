#include "SqliteConnection.h"

#include "EDatabaseError.h"

namespace tarvand::sql {

SqliteConnection::SqliteConnection(const QString& path) : path_(path) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr) != SQLITE_OK) {
        const QString message =
            db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw EDatabaseError(QStringLiteral("Cannot open database \"%1\": %2").arg(path, message));
    }
    sqlite3_extended_result_codes(db_, 1);
    // Other engineers' tools may hold the file briefly; waiting beats failing on a busy file.
    sqlite3_busy_timeout(db_, 5000);
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close_v2(db_);
}

sqlite3_stmt* SqliteConnection::prepare(const QByteArray& sql) const {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db_, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                           nullptr) != SQLITE_OK) {
        throw EDatabaseError(lastError());
    }
    return stmt;
}

void SqliteConnection::exec(const QByteArray& sql) const {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db_));
        sqlite3_free(message);
        throw EDatabaseError(text);
    }
}

QString SqliteConnection::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

} // namespace tarvand::sql
