#pragma once

#include "SqlBackend.h"

#include <QString>
#include <memory>

namespace tarvand::sql {

class OdbcConnection;

// A company database on SQL Server (or any ODBC data source), shared by many users. Statements
// go to the server exactly as written: the module's dialect is the server's own.
class OdbcBackend : public SqlBackend {
public:
    // Connects with an ODBC connection string ("DSN=…;" or "DRIVER={…};SERVER=…;DATABASE=…;…")
    // without prompting; throws EDatabaseError with the driver's or server's message.
    explicit OdbcBackend(const QString& odbcConnectionString);
    ~OdbcBackend() override;

    // The first result of the statement that has columns (a procedure may run other statements
    // first). Result columns carry their base table and key flags where the driver reports them.
    std::unique_ptr<ResultCursor> query(const QString& statement, const QVariantList& params = {}) override;
    // The rows changed by all statements the text runs.
    qint64 execute(const QString& statement, const QVariantList& params = {}) override;
    QList<ColumnInfo> tableColumns(const QString& table) override;
    QStringList keyColumns(const QString& table) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;

private:
    std::shared_ptr<OdbcConnection> connection_;
};

} // namespace tarvand::sql
