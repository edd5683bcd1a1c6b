#pragma once

#include "SqliteBackend.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace tarvand::testsupport {

// A fresh demo company database (schema, stored procedures, demo data) in a temporary folder of
// its own, removed with the object. Tests may change it freely. The demo is built through
// DatabaseSetup once per test program and copied for each instance, so creating one is cheap.
class DemoDatabase {
public:
    // extraAssets > 0 builds a database of its own with that many generated assets. onServer puts
    // the company on the test run's PostgreSQL server, copied from a demo made once per program.
    explicit DemoDatabase(int extraAssets = 0, bool onServer = false);

    // The file, or the postgresql:// URI of a database on the server.
    QString path() const { return path_; }
    // The temporary folder holding the database, for other files a test needs.
    QString folder() const { return dir_.path(); }
    // A new connection to the database.
    std::unique_ptr<sql::SqliteBackend> open() const;

private:
    QTemporaryDir dir_;
    QString path_;
};

} // namespace tarvand::testsupport
