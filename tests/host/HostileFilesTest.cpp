#include "DemoDatabase.h"
#include "HostProgram.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using tarvand::host::HostProgram;
using tarvand::testsupport::DemoDatabase;

namespace {

QByteArray head(const QString& path, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
}

// The demo company in rollback-journal mode: header bytes 18 and 19 say 1 where a write-ahead-log file
// says 2.
QByteArray rollbackJournal(const QString& company) {
    QByteArray file = head(company, 1 << 30);
    file[18] = file[19] = 1;
    return file;
}

// One damaged or unexpected file the host meets at start, and what it must answer: an exit code
// with a message naming the cause, or a working window (its picture saved). A company the user may
// read but not change (the file, or its folder) is refused at start rather than failing at open
// with the database's own words or at the first save; root ignores permissions, so the host then
// runs as nobody.
struct Hostile {
    const char* name;
    const char* file; // what the case writes, in the host's folder; "company.db" replaces the company
    std::function<QByteArray(const QString& company)> content;
    int exitCode;
    const char* said;
    enum { Writable, ReadOnlyFile, ReadOnlyFolder } lock = Writable;
};

const Hostile Cases[] = {
    {"text as company", "company.db", [](const QString&) { return QByteArray(4096, 'x'); }, 2, "company.db"},
    {"empty company", "company.db", [](const QString&) { return QByteArray(); }, 2, "company.db"},
    {"truncated company", "company.db", [](const QString& c) { return head(c, 5000); }, 2, "company.db"},
    {"read-only company", "company.db", [](const QString& c) { return head(c, 1 << 30); }, 2,
     "The company database ", Hostile::ReadOnlyFile},
    {"company in a read-only folder", "company.db", [](const QString& c) { return head(c, 1 << 30); }, 2,
     "The folder of the company database ", Hostile::ReadOnlyFolder},
    {"rollback-journal company in a read-only folder", "company.db", rollbackJournal, 2,
     "The folder of the company database ", Hostile::ReadOnlyFolder},
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
    QStringList arguments{host,
                          "--db",
                          ownCompany ? file.fileName() : company.path(),
                          "--module",
                          ownModule ? file.fileName() : QStringLiteral(TARVAND_MODULE_FILE),
                          "--screenshot",
                          home.filePath(QStringLiteral("shot.png"))};
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther |
                                        QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (hostile.lock != Hostile::Writable) {
        ASSERT_TRUE(
            file.setPermissions(readable |
                                (hostile.lock == Hostile::ReadOnlyFile ? QFile::Permissions() : writable)) &&
            QFile::setPermissions(host, readable) &&
            QFile::setPermissions(
                home.path(),
                readable | (hostile.lock == Hostile::ReadOnlyFolder ? QFile::Permissions() : writable)));
        if (geteuid() == 0)
            arguments =
                QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"} + arguments;
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    process.setProcessEnvironment(environment);
    process.start(arguments.takeFirst(), arguments);
    const bool finished = process.waitForFinished(120000);
    QFile::setPermissions(home.path(), readable | writable);
    ASSERT_TRUE(finished) << hostile.name;
    const QString err = QString::fromUtf8(process.readAllStandardError());
    ASSERT_EQ(process.exitStatus(), QProcess::NormalExit) << hostile.name;
    EXPECT_EQ(process.exitCode(), hostile.exitCode) << hostile.name << ": " << err.toStdString();
    EXPECT_TRUE(
        err.contains(QLatin1String(hostile.said) +
                     (hostile.lock == Hostile::Writable ? QString() : file.fileName() + " is read-only")))
        << err.toStdString();
    EXPECT_EQ(QFile::exists(home.filePath(QStringLiteral("shot.png"))), hostile.exitCode == 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileFilesTest, ::testing::ValuesIn(Cases));

} // namespace
