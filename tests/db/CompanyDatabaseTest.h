#pragma once

#include "DemoDatabase.h"
#include "ResultTable.h"

#include <gtest/gtest.h>

// Base of the tests that work on a demo company database of their own.
class CompanyDatabaseTest : public ::testing::Test {
protected:
    tarvand::testsupport::ResultTable select(const QString& statement) {
        return tarvand::testsupport::ResultTable::read(*db, statement);
    }
    qint64 exec(const QString& statement) { return db->execute(statement); }
    // The first column of the first row, as a number.
    qlonglong number(const QString& statement) {
        return select(statement).rows.value(0).value(0).toLongLong();
    }

    tarvand::testsupport::DemoDatabase demo;
    std::unique_ptr<tarvand::sql::SqliteBackend> db = demo.open();
};
