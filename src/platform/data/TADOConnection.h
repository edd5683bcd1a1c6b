#pragma once

#include "EDatabaseError.h"
#include "SqlBackend.h"

#include <QList>
#include <QString>
#include <memory>

namespace tarvand::data {

class TCustomADODataSet;

// The connection to a company database. The connection string chooses the backend:
//   "Provider=SQLite;Data Source=<file>"        embedded database through the T-SQL bridge
//   "Provider=MSDASQL;<ODBC connection string>" SQL Server (or any ODBC source), text sent unchanged
// A bare file path is taken as the SQLite form.
class TADOConnection {
public:
    TADOConnection() = default;
    explicit TADOConnection(std::unique_ptr<sql::SqlBackend> backend);
    ~TADOConnection();
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    const QString& ConnectionString() const { return connectionString_; }
    void SetConnectionString(const QString& value);
    bool Connected() const { return backend_ != nullptr; }
    void Open();  // throws EDatabaseError when the database cannot be reached
    void Close(); // closes every dataset attached to it first

    // Runs a statement for its effect; returns the rows changed.
    qint64 Execute(const QString& statement);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return inTransaction_; }

    sql::SqlBackend& Backend(); // throws EDatabaseError when not connected

private:
    friend class TCustomADODataSet;
    void attach(TCustomADODataSet* dataSet);
    void detach(TCustomADODataSet* dataSet);

    QString connectionString_;
    std::unique_ptr<sql::SqlBackend> backend_;
    QList<TCustomADODataSet*> dataSets_;
    bool inTransaction_ = false;
};

} // namespace tarvand::data
