#pragma once

#include "OdbcBackend.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A fresh SQLite database file behind Debian's SQLite ODBC driver, reached through the driver
// manager exactly as a SQL Server would be; skips the test where the driver is not installed.
class OdbcTestDatabase : public ::testing::Test {
protected:
    void SetUp() override;

    static QString driverPath();
    QString connectionString() const;
    // Opens another connection to the same database file.
    std::unique_ptr<tarvand::sql::OdbcBackend> connect() const;

    QTemporaryDir dir;
    std::unique_ptr<tarvand::sql::OdbcBackend> db;
};

// The cell's UTF-8 text as a QString.
QString cellString(const tarvand::sql::ResultCursor& cursor, int column);
