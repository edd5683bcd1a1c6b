#include "DataTestDatabase.h"

#include <gtest/gtest.h>

namespace tarvand::data::test {

DataTestDatabase::DataTestDatabase(const QString& connectionString) {
    EXPECT_TRUE(dir_.isValid());
    connection_.SetConnectionString(connectionString.isEmpty() ? "Provider=SQLite;Data Source=" + path()
                                                               : connectionString);
    connection_.Open();
}

void DataTestDatabase::exec(const QString& statement) {
    connection_.Execute(statement);
}

QString DataTestDatabase::scalar(const QString& statement) {
    const std::unique_ptr<TADOQuery> query = openQuery(statement);
    return query->IsEmpty() ? QString() : query->FieldByIndex(0)->AsString();
}

std::unique_ptr<TADOTable> DataTestDatabase::table(const QString& name) {
    auto table = std::make_unique<TADOTable>();
    table->SetConnection(&connection_);
    table->SetTableName(name);
    return table;
}

std::unique_ptr<TADOTable> DataTestDatabase::openTable(const QString& name) {
    auto opened = table(name);
    opened->Open();
    return opened;
}

std::unique_ptr<TADOQuery> DataTestDatabase::openQuery(const QString& statement) {
    auto query = std::make_unique<TADOQuery>();
    query->SetConnection(&connection_);
    query->SetSQL(statement);
    query->Open();
    return query;
}

void DataTestDatabase::createCodedTable(const QStringList& codes) {
    exec(QStringLiteral("Create Table Makan (Code varchar(3) Not Null Primary Key, Name varchar(20) Null, "
                        "Rate int Null, Value float Null)"));
    for (const QString& code : codes) {
        exec(QStringLiteral("Insert Into Makan (Code, Name) Values ('%1', 'name %1')").arg(code));
    }
}

} // namespace tarvand::data::test
