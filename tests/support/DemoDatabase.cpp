#include "DemoDatabase.h"

#include "DatabaseSetup.h"
#include "Exception.h"
#include "PgTestServer.h"

#include <QFile>

namespace tarvand::testsupport {

namespace {

// The demo database as DatabaseSetup builds it, made once per test program.
QString demoTemplate() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("demo-template.db"));
        sql::DatabaseSetup::createDemoDatabase(file);
        return file;
    }();
    return path;
}

// The same on the PostgreSQL server: the name of a database that new ones copy.
QString serverTemplate() {
    static const QString name = [] {
        const QString uri = PgTestServer::createDatabase();
        sql::DatabaseSetup::createDemoDatabase(uri);
        return uri.section(u'/', -1);
    }();
    return name;
}

} // namespace

DemoDatabase::DemoDatabase(int extraAssets, bool onServer)
    : path_(dir_.filePath(QStringLiteral("company.db"))) {
    if (onServer) {
        path_ = PgTestServer::createDatabase(serverTemplate());
        return;
    }
    if (!dir_.isValid())
        throw Exception(QStringLiteral("Cannot create a temporary folder: %1").arg(dir_.errorString()));
    if (extraAssets > 0) {
        sql::DatabaseSetup::createDemoDatabase(path_, extraAssets);
        return;
    }
    if (!QFile::copy(demoTemplate(), path_))
        throw Exception(QStringLiteral("Cannot copy the demo database to %1").arg(path_));
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
}

std::unique_ptr<sql::SqliteBackend> DemoDatabase::open() const {
    return std::make_unique<sql::SqliteBackend>(path_);
}

} // namespace tarvand::testsupport
