#include "HostSession.h"
#include "DemoDatabase.h"
#include "Exception.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TGlobal.h"
#include "TMyDatabase.h"
#include "TMyDate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tarvand::Exception;
using tarvand::TGlobal;
using tarvand::TMyDate;
using tarvand::host::HostOptions;
using tarvand::host::HostSession;
using tarvand::testsupport::DemoDatabase;

namespace {

const QDate today(2026, 12, 5);

HostOptions optionsFor(const DemoDatabase& database) {
    HostOptions options;
    options.DatabasePath = database.path();
    return options;
}

// The message of the Exception the session's construction throws; empty when none.
QString failureOf(const HostOptions& options) {
    try {
        HostSession session(options, QStringLiteral("/suite"), today);
    } catch (const Exception& error) {
        return error.Message;
    }
    return QString();
}

} // namespace

TEST(HostSession, FillsGlobalFromTheCommandLineClockAndFolder) {
    const DemoDatabase database;
    HostOptions options = optionsFor(database);
    options.UserId = 2;
    options.FiscalYear = QStringLiteral("1402");
    const HostSession session(options, QStringLiteral("/opt/suite"), today);
    const TGlobal& global = *session.Global();
    EXPECT_EQ(global.CompanyCode, QStringLiteral("01"));
    EXPECT_EQ(global.FiscalYear, QStringLiteral("1402"));
    EXPECT_EQ(global.WorkDate, QStringLiteral("1405/09/14"));
    EXPECT_EQ(global.UserId, 2);
    EXPECT_EQ(global.AppPath, QDir::toNativeSeparators(QStringLiteral("/opt/suite")));
    EXPECT_EQ(global.PeriodFrom, QStringLiteral("1402/01/01"));
    EXPECT_EQ(global.PeriodTo, QStringLiteral("1402/12/29"));
    EXPECT_EQ(global.PlatformName, QStringLiteral("Windows NT"));
    EXPECT_EQ(global.KeyboardLayout, QStringLiteral("WIN"));
    EXPECT_EQ(session.CompanyName(), QStringLiteral("شركت توليدي نمونه سازان پارس"));
}

TEST(HostSession, PeriodEndsOnTheLastDayTheDateCheckAccepts) {
    TGlobal global;
    const TMyDate myDate;
    HostOptions options;
    const QList<std::pair<const char*, const char*>> ends = {
        {"1403", "1403/12/29"}, {"1404", "1404/12/30"}, {"1405", "1405/12/29"}, {"1408", "1408/12/30"}};
    for (const auto& [year, end] : ends) {
        options.FiscalYear = QLatin1String(year);
        HostSession::FillGlobal(global, options, QStringLiteral("/suite"), today, myDate);
        EXPECT_EQ(global.PeriodFrom, options.FiscalYear + QStringLiteral("/01/01"));
        EXPECT_EQ(global.PeriodTo, QLatin1String(end));
        EXPECT_TRUE(myDate.IsValidDate(global.PeriodTo)) << year;
    }
}

TEST(HostSession, CopyAndPrintRightsComeFromTheUsersSettings) {
    const DemoDatabase database;
    HostOptions options = optionsFor(database);
    const HostSession administrator(options, QStringLiteral("/suite"), today);
    EXPECT_EQ(administrator.Global()->CopyAllowed, QStringLiteral("YES"));
    EXPECT_EQ(administrator.Global()->PrintAllowed, QStringLiteral("YES"));
    EXPECT_EQ(administrator.UserName(), QStringLiteral("مدير سيستم"));

    options.UserId = 2;
    const HostSession clerk(options, QStringLiteral("/suite"), today);
    EXPECT_EQ(clerk.Global()->CopyAllowed, QStringLiteral("NO"));
}

TEST(HostSession, SessionTagsAreShortNameSafeAndDifferPerSession) {
    const QRegularExpression nameSafe(QStringLiteral("^[A-Z0-9_]{3,12}$"));
    QStringList tags;
    for (int i = 0; i < 20; ++i)
        tags << HostSession::NewSessionTag(7);
    for (const QString& tag : tags) {
        EXPECT_TRUE(nameSafe.match(tag).hasMatch()) << tag.toStdString();
        EXPECT_TRUE(tag.contains(QLatin1String("7")));
    }
    tags.removeDuplicates();
    EXPECT_GT(tags.size(), 15);
}

TEST(HostSession, DatabaseObjectWorksOnTheSessionsConnection) {
    const DemoDatabase database;
    const HostSession session(optionsFor(database), QStringLiteral("/suite"), today);
    ASSERT_TRUE(session.Connection()->Connected());
    EXPECT_EQ(session.MyDatabase()->Connection(), session.Connection());
    EXPECT_EQ(session.MyDatabase()->LookupValue(QStringLiteral("UserId"), QStringLiteral("2"),
                                                QStringLiteral("UserName"), QStringLiteral("UserSdc")),
              QStringLiteral("كارشناس اموال"));
}

TEST(HostSession, RefusesAUserTheDatabaseDoesNotKnow) {
    const DemoDatabase database;
    HostOptions options = optionsFor(database);
    options.UserId = 9;
    const QString message = failureOf(options);
    EXPECT_TRUE(message.contains(QLatin1String("user 9"))) << message.toStdString();
}

TEST(HostSession, RefusesACompanyOrYearTheDatabaseDoesNotHold) {
    const DemoDatabase database;
    HostOptions options = optionsFor(database);
    options.FiscalYear = QStringLiteral("1399");
    EXPECT_TRUE(failureOf(options).contains(QLatin1String("1399")));
    options.FiscalYear = QStringLiteral("1403");
    options.CompanyCode = QStringLiteral("07");
    EXPECT_TRUE(failureOf(options).contains(QLatin1String("company 07")));
}

TEST(HostSession, RefusesAMissingDatabaseWithoutCreatingIt) {
    QTemporaryDir folder;
    HostOptions options;
    options.DatabasePath = folder.filePath(QStringLiteral("nowhere.db"));
    EXPECT_TRUE(failureOf(options).contains(options.DatabasePath));
    EXPECT_FALSE(QFile::exists(options.DatabasePath));
}

TEST(HostSession, RefusesAFileThatIsNotACompanyDatabase) {
    QTemporaryDir folder;
    HostOptions options;
    options.DatabasePath = folder.filePath(QStringLiteral("notes.db"));
    QFile file(options.DatabasePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are notes, not a database\n");
    file.close();
    const QString message = failureOf(options);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_TRUE(message.contains(options.DatabasePath)) << message.toStdString();
}

#if defined(Q_OS_LINUX)
TEST(HostSession, CreatesTheDemoCompanyInTheUsersDataFolderOnFirstStart) {
    QTemporaryDir dataHome;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    const QString expected = HostSession::DefaultDatabasePath();
    EXPECT_TRUE(expected.startsWith(dataHome.path()));
    EXPECT_FALSE(QFile::exists(expected));
    {
        const HostSession session(HostOptions(), QStringLiteral("/suite"), today);
        EXPECT_EQ(session.DatabasePath(), expected);
        EXPECT_FALSE(session.CompanyName().isEmpty());
    }
    EXPECT_TRUE(QFile::exists(expected));
    // A second start opens the same file and keeps what the first one wrote.
    {
        const HostSession session(HostOptions(), QStringLiteral("/suite"), today);
        session.Connection()->Execute(QStringLiteral("Update UserSdc Set UserName = 'x' Where UserId = '2'"));
    }
    {
        HostOptions options;
        options.UserId = 2;
        const HostSession session(options, QStringLiteral("/suite"), today);
        EXPECT_EQ(session.UserName(), QStringLiteral("x"));
    }
    if (previous.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", previous);
}
#endif
