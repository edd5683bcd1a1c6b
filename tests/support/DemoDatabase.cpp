#include "DemoDatabase.h"

#include "DatabaseSetup.h"
#include "Exception.h"

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

} // namespace

DemoDatabase::DemoDatabase(int extraAssets) : path_(dir_.filePath(QStringLiteral("company.db"))) {
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
