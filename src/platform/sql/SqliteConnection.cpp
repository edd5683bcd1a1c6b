#include "SqliteConnection.h"

#include "EDatabaseError.h"

namespace tarvand::sql {

SqliteConnection::SqliteConnection(const QString& path) {
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
    useWriteAheadLog("main");
}

void SqliteConnection::useWriteAheadLog(const char* schema) {
    // In-memory and temporary databases have no file, and no other user to share it with.
    const char* file = sqlite3_db_filename(db_, schema);
    if (!file || !*file) {
        return;
    }
    // Readers and the one writer then work side by side. The mode stays with the file; when
    // another program keeps the file busy past the timeout, the file keeps its rollback journal,
    // which is slower for many users but just as safe.
    const QByteArray pragma = QByteArray("PRAGMA \"") + QByteArray(schema).replace('"', "\"\"") +
                              QByteArray("\".journal_mode = WAL");
    sqlite3_exec(db_, pragma.constData(), nullptr, nullptr, nullptr);
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close_v2(db_);
}

QString SqliteConnection::lastError() const {
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

} // namespace tarvand::sql
