#include "DemoDatabase.h"
#include "HostProgram.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tarvand::host::HostProgram;
using tarvand::testsupport::DemoDatabase;

namespace {

struct HostRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the host as a user would, headless, with a data folder of the test's own.
class HostExecutableTest : public ::testing::Test {
protected:
    HostRun run(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TARVAND_HOST_FILE), arguments);
        HostRun result;
        EXPECT_TRUE(process.waitForFinished(120000)) << "tarvand-host did not finish";
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }
    // Runs the host and expects it to fail with `code`, naming `mentioned`.
    void expectFailure(const QStringList& arguments, int code, const QString& mentioned) {
        const HostRun result = run(arguments);
        EXPECT_EQ(result.exitCode, code) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.err.contains(mentioned)) << result.err.toStdString();
    }
    QString file(const QString& name) const { return home.filePath(name); }

    QTemporaryDir home;
    const DemoDatabase database;
};

// How many different colours a picture has: a blank or failed rendering has one or two.
int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

} // namespace

TEST_F(HostExecutableTest, EachFailureHasItsExitCodeAndNamesTheCauseAndHelpIsNoFailure) {
    const QString db = database.path();
    expectFailure({"--year", "99"}, HostProgram::UsageError, QStringLiteral("--year"));
    expectFailure({"--db", file(QStringLiteral("nowhere.db"))}, HostProgram::DatabaseError,
                  file(QStringLiteral("nowhere.db")));
    expectFailure({"--db", db, "--module", file(QStringLiteral("Tarvand.dll"))}, HostProgram::ModuleError,
                  file(QStringLiteral("Tarvand")));
    expectFailure({"--db", db, "--screenshot", file(QStringLiteral("x.png")), "--tab", "99"},
                  HostProgram::UsageError, QStringLiteral("99"));
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("x.png"))));
    const HostRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, HostProgram::Success);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tarvand-host"))) << help.out.toStdString();
}

TEST_F(HostExecutableTest, ScreenshotsShowTheChosenTabOfTheModuleForEitherUser) {
    QList<QImage> pictures;
    for (const QStringList& choice :
         {QStringList{"--tab", "0"}, QStringList{"--tab", "3"}, QStringList{"--user", "2"}}) {
        const QString picture = file(QStringLiteral("shots/%1.png").arg(pictures.size()));
        const HostRun result = run(QStringList{"--db", database.path(), "--screenshot", picture} + choice);
        ASSERT_EQ(result.exitCode, HostProgram::Success) << result.err.toStdString();
        QImage image;
        ASSERT_TRUE(image.load(picture));
        EXPECT_GT(colourCount(image), 20);
        pictures << image;
    }
    EXPECT_EQ(pictures[0].size(), pictures[1].size());
    EXPECT_NE(pictures[0], pictures[1]);
}
