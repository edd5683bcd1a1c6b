#include "DemoDatabase.h"
#include "HostProgram.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

using tarvand::host::HostProgram;
using tarvand::testsupport::DemoDatabase;

namespace {

QByteArray head(const QString& path, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
}

// One damaged or unexpected file the host meets at start, and what it must answer: an exit code
// with a message naming the cause, or a working window (its picture saved).
struct Hostile {
    const char* name;
    const char* file; // what the case writes, in the host's folder; "company.db" replaces the company
    std::function<QByteArray(const QString& company)> content;
    int exitCode;
    const char* said;
};

const Hostile Cases[] = {
    {"text as company", "company.db", [](const QString&) { return QByteArray(4096, 'x'); }, 2, "company.db"},
    {"empty company", "company.db", [](const QString&) { return QByteArray(); }, 2, "company.db"},
    {"truncated company", "company.db", [](const QString& c) { return head(c, 5000); }, 2, "company.db"},
    {"binary Options.ini", "Data/Options.ini",
     [](const QString&) { return head(QStringLiteral(TARVAND_MODULE_FILE), 70000).mid(1000); }, 0, ""},
    {"huge line Options.ini", "Data/Options.ini",
     [](const QString&) { return "[Color]\nDialogColor=" + QByteArray(8 << 20, '9') + "\n"; }, 0, ""},
    {"bad values Options.ini", "Data/Options.ini",
     [](const QString&) {
         return QByteArray("[COLOR]\nDialogColor=clNoSuch\nHintColor=1,2\n=\n[\nLabelColor\n");
     },
     0, ""},
    {"text as module", "tarvand.so", [](const QString&) { return QByteArray("not a library\n"); }, 3,
     "tarvand.so"},
    {"empty module", "tarvand.so", [](const QString&) { return QByteArray(); }, 3, "tarvand.so"},
    {"truncated module", "tarvand.so",
     [](const QString&) { return head(QStringLiteral(TARVAND_MODULE_FILE), 65536); }, 3, "cut short"},
};

class HostileFilesTest : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileFilesTest, IsAnsweredWithoutACrash) {
    const Hostile& hostile = GetParam();
    const DemoDatabase company;
    QTemporaryDir home;
    // A host of its own, so that its folder's Data/Options.ini is the test's.
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Data")));
    const QString host = home.filePath(QStringLiteral("tarvand-host"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TARVAND_HOST_FILE), host));
    QFile file(home.filePath(QLatin1String(hostile.file)));
    const QByteArray content = hostile.content(company.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    const bool ownCompany = QLatin1String(hostile.file) == QLatin1String("company.db");
    const bool ownModule = QLatin1String(hostile.file) == QLatin1String("tarvand.so");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    process.setProcessEnvironment(environment);
    process.start(host, {"--db", ownCompany ? file.fileName() : company.path(), "--module",
                         ownModule ? file.fileName() : QStringLiteral(TARVAND_MODULE_FILE), "--screenshot",
                         home.filePath(QStringLiteral("shot.png"))});
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << hostile.name;
    EXPECT_EQ(process.exitCode(), hostile.exitCode) << hostile.name << ": " << err.toStdString();
    EXPECT_TRUE(err.contains(QLatin1String(hostile.said))) << err.toStdString();
    EXPECT_EQ(QFile::exists(home.filePath(QStringLiteral("shot.png"))), hostile.exitCode == 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileFilesTest, ::testing::ValuesIn(Cases));

// A company the user may read but not change: the host must say so and stop, not fail at open with
// the database's own words nor open a window whose saves fail. Root ignores permissions, so the host
// then runs as nobody.
TEST(ReadOnlyCompanyTest, IsRefusedWithAMessageNamingIt) {
    struct Case {
        const char* journal;
        QFile::Permissions file, folder;
        const char* said;
    };
    const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner |
                     QFile::ExeGroup | QFile::ExeOther;
    const auto writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    const Case cases[] = {{"wal", all, all | writable, "The company database "},
                          {"wal", all | writable, all, "The folder of the company database "},
                          {"delete", all | writable, all, "The folder of the company database "}};
    for (const Case& each : cases) {
        const DemoDatabase demo;
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("company"));
        const QString company = folder + QStringLiteral("/company.db");
        ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("company")) && QFile::copy(demo.path(), company));
        sqlite3* db = nullptr;
        sqlite3_open(company.toUtf8().constData(), &db);
        ASSERT_EQ(sqlite3_exec(db, (QByteArray("PRAGMA journal_mode=") + each.journal).constData(), nullptr,
                               nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
        ASSERT_TRUE(QFile::setPermissions(home.path(), all | writable) &&
                    QFile::setPermissions(company, each.file) && QFile::setPermissions(folder, each.folder));
        QStringList arguments{QStringLiteral(TARVAND_HOST_FILE),
                              "--db",
                              company,
                              "--module",
                              QStringLiteral(TARVAND_MODULE_FILE),
                              "--screenshot",
                              home.filePath("shot.png")};
        if (geteuid() == 0)
            arguments = QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + arguments;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        process.setProcessEnvironment(environment);
        process.start(geteuid() == 0 ? QStringLiteral("setpriv") : arguments.takeFirst(), arguments);
        const bool finished = process.waitForFinished(120000);
        QFile::setPermissions(folder, all | writable);
        ASSERT_TRUE(finished) << each.said << each.journal;
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << err.toStdString();
        EXPECT_EQ(process.exitCode(), 2) << err.toStdString();
        EXPECT_TRUE(err.contains(each.said + company + QStringLiteral(" is read-only"))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(home.filePath("shot.png")));
    }
}

} // namespace
