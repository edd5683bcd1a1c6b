#include "DemoDatabase.h"
#include "HostProgram.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

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

} // namespace
