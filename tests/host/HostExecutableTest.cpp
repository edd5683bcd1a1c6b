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

const QString hostFile = QStringLiteral(TARVAND_HOST_FILE);
const QString moduleFile = QStringLiteral(TARVAND_MODULE_FILE);
const QString platformFile = QStringLiteral(TARVAND_PLATFORM_FILE);

struct HostRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the host as a user would, headless, with a data folder of the test's own.
class HostExecutableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
    }

    HostRun run(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.path());
        process.setProcessEnvironment(environment);
        process.start(hostFile, arguments);
        HostRun result;
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "tarvand-host did not finish";
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString file(const QString& name) const { return home_.filePath(name); }

    QTemporaryDir home_;
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

TEST_F(HostExecutableTest, HelpListsTheOptionsAndExitsWithoutAWindow) {
    const HostRun result = run({QStringLiteral("--help")});
    EXPECT_EQ(result.exitCode, HostProgram::Success);
    EXPECT_TRUE(result.out.contains(QStringLiteral("--screenshot"))) << result.out.toStdString();
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("Usage: tarvand-host")));
}

TEST_F(HostExecutableTest, AMistakeInTheCommandLineIsReported) {
    const HostRun result = run({QStringLiteral("--year"), QStringLiteral("99")});
    EXPECT_EQ(result.exitCode, HostProgram::UsageError);
    EXPECT_TRUE(result.err.contains(QStringLiteral("--year"))) << result.err.toStdString();
}

TEST_F(HostExecutableTest, AMissingDatabaseIsReported) {
    const QString missing = file(QStringLiteral("nowhere.db"));
    const HostRun result = run({QStringLiteral("--db"), missing});
    EXPECT_EQ(result.exitCode, HostProgram::DatabaseError);
    EXPECT_TRUE(result.err.contains(missing)) << result.err.toStdString();
}

TEST_F(HostExecutableTest, AModuleThatCannotBeLoadedIsReportedByName) {
    const DemoDatabase database;
    const QString missing = file(QStringLiteral("Tarvand.dll"));
    HostRun result = run({QStringLiteral("--db"), database.path(), QStringLiteral("--module"), missing});
    EXPECT_EQ(result.exitCode, HostProgram::ModuleError);
    EXPECT_TRUE(result.err.contains(file(QStringLiteral("Tarvand")))) << result.err.toStdString();

    result = run({QStringLiteral("--db"), database.path(), QStringLiteral("--module"), platformFile});
    EXPECT_EQ(result.exitCode, HostProgram::ModuleError);
    EXPECT_TRUE(result.err.contains(QStringLiteral("does not export Ostavan"))) << result.err.toStdString();
}

TEST_F(HostExecutableTest, ScreenshotShowsTheModuleInTheMainWindow) {
    const DemoDatabase database;
    const QString picture = file(QStringLiteral("shots/main.png"));
    const HostRun result =
        run({QStringLiteral("--db"), database.path(), QStringLiteral("--screenshot"), picture});
    ASSERT_EQ(result.exitCode, HostProgram::Success) << result.err.toStdString();
    QImage image;
    ASSERT_TRUE(image.load(picture));
    EXPECT_GE(image.width(), 640);
    EXPECT_GE(image.height(), 480);
    EXPECT_GT(colourCount(image), 20);
}

TEST_F(HostExecutableTest, ScreenshotShowsTheChosenTab) {
    const DemoDatabase database;
    const QString first = file(QStringLiteral("tab0.png"));
    const QString fourth = file(QStringLiteral("tab3.png"));
    ASSERT_EQ(run({QStringLiteral("--db"), database.path(), QStringLiteral("--screenshot"), first,
                   QStringLiteral("--tab"), QStringLiteral("0")})
                  .exitCode,
              HostProgram::Success);
    ASSERT_EQ(run({QStringLiteral("--db"), database.path(), QStringLiteral("--screenshot"), fourth,
                   QStringLiteral("--tab"), QStringLiteral("3")})
                  .exitCode,
              HostProgram::Success);
    QImage one, other;
    ASSERT_TRUE(one.load(first));
    ASSERT_TRUE(other.load(fourth));
    EXPECT_EQ(one.size(), other.size());
    EXPECT_NE(one, other);
}

TEST_F(HostExecutableTest, ATabTheWindowDoesNotHaveIsReported) {
    const DemoDatabase database;
    const HostRun result =
        run({QStringLiteral("--db"), database.path(), QStringLiteral("--screenshot"),
             file(QStringLiteral("x.png")), QStringLiteral("--tab"), QStringLiteral("99")});
    EXPECT_EQ(result.exitCode, HostProgram::UsageError);
    EXPECT_TRUE(result.err.contains(QStringLiteral("99"))) << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("x.png"))));
}

TEST_F(HostExecutableTest, TheRestrictedUserGetsAWindowToo) {
    const DemoDatabase database;
    const QString picture = file(QStringLiteral("clerk.png"));
    const HostRun result = run({QStringLiteral("--db"), database.path(), QStringLiteral("--user"),
                                QStringLiteral("2"), QStringLiteral("--screenshot"), picture});
    ASSERT_EQ(result.exitCode, HostProgram::Success) << result.err.toStdString();
    EXPECT_TRUE(QImage(picture).width() > 0);
}

TEST_F(HostExecutableTest, AnUnknownUserIsReported) {
    const DemoDatabase database;
    const HostRun result =
        run({QStringLiteral("--db"), database.path(), QStringLiteral("--user"), QStringLiteral("5")});
    EXPECT_EQ(result.exitCode, HostProgram::DatabaseError);
    EXPECT_TRUE(result.err.contains(QStringLiteral("user 5"))) << result.err.toStdString();
}

TEST_F(HostExecutableTest, FirstStartCreatesTheDemoCompanyInTheUsersDataFolder) {
    const QString picture = file(QStringLiteral("first.png"));
    const HostRun result = run({QStringLiteral("--screenshot"), picture});
    ASSERT_EQ(result.exitCode, HostProgram::Success) << result.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(file(QStringLiteral("data/tarvand/demo-company.db"))));
    EXPECT_TRUE(QFileInfo::exists(picture));
}

TEST_F(HostExecutableTest, TheBuildLaysOutTheApplicationFolder) {
    const QString folder = QFileInfo(hostFile).absolutePath();
    for (const char* name : {"Data/Options.ini", "DLLs/GlobalForms", "EXCEL", "WORD", "html"})
        EXPECT_TRUE(QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(name))) << name;
    QFile options(folder + QStringLiteral("/Data/Options.ini"));
    ASSERT_TRUE(options.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(options.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("[Color]")));
    EXPECT_TRUE(text.contains(QStringLiteral("GridTextBRColor=0x009C7863")));
}
