#pragma once

#include <QString>
#include <sqlite3.h>

namespace tarvand::sql {

// Owns one sqlite3 handle, opened on a file in write-ahead-log mode with a busy timeout, so that
// several users of one company wait for each other instead of failing. Shared by the backend and the cursors
// it hands out, so that a cursor left open after its backend is gone still reads from a live connection.
class SqliteConnection {
public:
    explicit SqliteConnection(const QString& path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* handle() const { return db_; }

    QString lastError() const;
    // Puts the file of an attached database (schema as named in ATTACH, or "main") in
    // write-ahead-log mode.
    void useWriteAheadLog(const char* schema);

private:
    sqlite3* db_ = nullptr;
};

} // namespace tarvand::sql
