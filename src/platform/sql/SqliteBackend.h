#pragma once

#include "SqlBackend.h"

#include <QString>
#include <memory>

namespace tarvand::sql {

class SqliteConnection;

// The embedded backend: one SQLite database file, spoken to in SQL Server's dialect through the
// T-SQL bridge.
class SqliteBackend : public SqlBackend {
public:
    // Opens the database file, creating it when absent.
    explicit SqliteBackend(const QString& path);
    ~SqliteBackend() override;

    std::unique_ptr<ResultCursor> query(const QString& statement, const QVariantList& params = {}) override;
    qint64 execute(const QString& statement, const QVariantList& params = {}) override;
    QList<ColumnInfo> tableColumns(const QString& table) override;
    QStringList keyColumns(const QString& table) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;

    QString path() const;

private:
    std::shared_ptr<SqliteConnection> connection_;
};

} // namespace tarvand::sql
