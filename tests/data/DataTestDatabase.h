#pragma once

#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TADOTable.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace tarvand::data::test {

// A company database of its own for one test: an SQLite file in a temporary folder, reached
// through the connection string the host uses, or the database a given connection string names.
class DataTestDatabase {
public:
    explicit DataTestDatabase(const QString& connectionString = {});

    TADOConnection& connection() { return connection_; }
    QString path() const { return dir_.filePath("company.db"); }

    void exec(const QString& statement);
    // The first column of the first row as text; empty when there is no row.
    QString scalar(const QString& statement);
    // A table on the connection, not yet opened (for fields declared before the open).
    std::unique_ptr<TADOTable> table(const QString& name);
    std::unique_ptr<TADOTable> openTable(const QString& name);
    std::unique_ptr<TADOQuery> openQuery(const QString& statement);

    // A table "Makan" (Code varchar(3) primary key, Name varchar(20), Rate int, Value float)
    // holding the given codes with names "name <code>".
    void createCodedTable(const QStringList& codes);

private:
    QTemporaryDir dir_;
    TADOConnection connection_;
};

} // namespace tarvand::data::test
