#pragma once

#include "ColumnDescriber.h"
#include "ConstraintCatalog.h"
#include "SqliteConnection.h"

#include <QHash>
#include <QSet>
#include <memory>

namespace tarvand::sql {

// The connection as the bridge's commands use it: statements prepared and run with errors in
// SQL Server's words, other databases attached on demand, savepoints around compound changes.
class SqliteSession {
public:
    SqliteSession(std::shared_ptr<SqliteConnection> connection, ConstraintCatalog& constraints);
    ~SqliteSession();
    SqliteSession(const SqliteSession&) = delete;
    SqliteSession& operator=(const SqliteSession&) = delete;

    sqlite3* db() const { return connection_->handle(); }
    const std::shared_ptr<SqliteConnection>& connection() const { return connection_; }
    ConstraintCatalog& constraints() const { return constraints_; }
    ColumnDescriber describer() const;

    sqlite3_stmt* prepare(const QString& sql) const;
    // A statement from the cache of recently used ones (prepared when missing); hand it back with
    // recycle() when done, so that statements sent again and again (row writes, procedure bodies)
    // are compiled by SQLite once.
    sqlite3_stmt* take(const QString& sql);
    // Resets stmt and keeps it for the next take() of the same text; finalizes it when that text
    // already has a statement waiting.
    void recycle(const QString& sql, sqlite3_stmt* stmt);
    // Runs one statement without parameters to its end; returns the rows it changed.
    qint64 exec(const QString& sql) const;
    // First column of the first row as an integer (0 without a row); values bind to ?1, ?2, …
    qint64 scalar(const QString& sql, const QStringList& values = {}) const;
    // Throws the connection's last error, reworded; finalizes stmt first when given.
    [[noreturn]] void fail(sqlite3_stmt* stmt = nullptr) const;

    // Attaches the databases named as db..table: files of that name beside the company database,
    // created empty when absent.
    void attach(const QStringList& databases);

private:
    std::shared_ptr<SqliteConnection> connection_;
    ConstraintCatalog& constraints_;
    QSet<QString> attached_;
    QHash<QString, sqlite3_stmt*> idle_;
    // Hashes of texts recycled once: a text is kept prepared from its second run on.
    QSet<size_t> seenOnce_;
};

} // namespace tarvand::sql
