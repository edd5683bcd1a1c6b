#include "CommandLine.h"

#include <gtest/gtest.h>

using tarvand::host::CommandLine;

namespace {

CommandLine::Result parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("tarvand-host"));
    return CommandLine::Parse(arguments);
}

void expectError(const QStringList& arguments, const QString& mentioned) {
    const CommandLine::Result result = parse(arguments);
    EXPECT_EQ(result.Action, CommandLine::Outcome::Error) << arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(result.Message.contains(mentioned))
        << result.Message.toStdString() << " should mention " << mentioned.toStdString();
}

} // namespace

TEST(CommandLine, DefaultsChooseTheDemoCompanyYearAndFirstUser) {
    const CommandLine::Result result = parse({});
    ASSERT_EQ(result.Action, CommandLine::Outcome::Run);
    EXPECT_TRUE(result.Options.DatabasePath.isEmpty());
    EXPECT_EQ(result.Options.CompanyCode, QStringLiteral("01"));
    EXPECT_EQ(result.Options.FiscalYear, QStringLiteral("1403"));
    EXPECT_EQ(result.Options.UserId, 1);
    EXPECT_TRUE(result.Options.ModulePath.isEmpty());
    EXPECT_TRUE(result.Options.ScreenshotPath.isEmpty());
    EXPECT_EQ(result.Options.Tab, -1);
}

TEST(CommandLine, ReadsEveryOption) {
    const CommandLine::Result result =
        parse({"--db", "/data/company.db", "--company", "02", "--year", "1402", "--user", "2", "--module",
               "/opt/lib/libtarvand.so", "--screenshot", "/tmp/shot.PNG", "--tab", "3"});
    ASSERT_EQ(result.Action, CommandLine::Outcome::Run) << result.Message.toStdString();
    EXPECT_EQ(result.Options.DatabasePath, QStringLiteral("/data/company.db"));
    EXPECT_EQ(result.Options.CompanyCode, QStringLiteral("02"));
    EXPECT_EQ(result.Options.FiscalYear, QStringLiteral("1402"));
    EXPECT_EQ(result.Options.UserId, 2);
    EXPECT_EQ(result.Options.ModulePath, QStringLiteral("/opt/lib/libtarvand.so"));
    EXPECT_EQ(result.Options.ScreenshotPath, QStringLiteral("/tmp/shot.PNG"));
    EXPECT_EQ(result.Options.Tab, 3);
}

TEST(CommandLine, AcceptsTheEqualsForm) {
    const CommandLine::Result result = parse({"--user=2", "--year=1404"});
    ASSERT_EQ(result.Action, CommandLine::Outcome::Run);
    EXPECT_EQ(result.Options.UserId, 2);
    EXPECT_EQ(result.Options.FiscalYear, QStringLiteral("1404"));
}

TEST(CommandLine, HelpListsTheOptions) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLine::Result result = parse({option});
        ASSERT_EQ(result.Action, CommandLine::Outcome::Help);
        for (const char* name :
             {"--db", "--company", "--year", "--user", "--module", "--screenshot", "--tab"})
            EXPECT_TRUE(result.Message.contains(QLatin1String(name))) << name;
    }
}

TEST(CommandLine, RefusesUnknownOptionsAndStrayArguments) {
    expectError({"--colour", "red"}, QStringLiteral("colour"));
    expectError({"company.db"}, QStringLiteral("company.db"));
    expectError({"--db"}, QStringLiteral("db"));
}

TEST(CommandLine, RefusesMalformedValues) {
    expectError({"--year", "403"}, QStringLiteral("--year"));
    expectError({"--year", "14O3"}, QStringLiteral("--year"));
    expectError({"--year", "0403"}, QStringLiteral("--year"));
    expectError({"--user", "0"}, QStringLiteral("--user"));
    expectError({"--user", "-3"}, QStringLiteral("--user"));
    expectError({"--user", "first"}, QStringLiteral("--user"));
    expectError({"--company", ""}, QStringLiteral("--company"));
    expectError({"--company", "01' Or '1'='1"}, QStringLiteral("--company"));
    expectError({"--db", " "}, QStringLiteral("--db"));
    expectError({"--module", ""}, QStringLiteral("--module"));
    expectError({"--screenshot", "shot.jpg"}, QStringLiteral(".png"));
    expectError({"--screenshot", ".png"}, QStringLiteral(".png"));
    expectError({"--tab", "-1"}, QStringLiteral("--tab"));
    expectError({"--tab", "second"}, QStringLiteral("--tab"));
}

TEST(CommandLine, RefusesAnOptionGivenTwice) {
    expectError({"--user", "1", "--user", "2"}, QStringLiteral("--user"));
}
