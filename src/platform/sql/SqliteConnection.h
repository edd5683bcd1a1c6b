#pragma once

#include <QString>
#include <sqlite3.h>

namespace tarvand::sql {

// Owns one sqlite3 handle. Shared by the backend and the cursors it hands out, so that a cursor
// left open after its backend is gone still reads from a live connection.
class SqliteConnection {
public:
    explicit SqliteConnection(const QString& path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* handle() const { return db_; }

    QString lastError() const;

private:
    sqlite3* db_ = nullptr;
};

} // namespace tarvand::sql
