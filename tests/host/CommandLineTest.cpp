#include "CommandLine.h"

#include <gtest/gtest.h>

using tarvand::host::CommandLine;

namespace {

CommandLine::Result parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("tarvand-host"));
    return CommandLine::Parse(arguments);
}

} // namespace

TEST(CommandLine, ReadsEveryOptionInBothFormsHelpsAndRefusesWhatItCannotUse) {
    const tarvand::host::HostOptions defaults = parse({}).Options;
    EXPECT_EQ(defaults.CompanyCode + defaults.FiscalYear, QStringLiteral("011403"));
    EXPECT_EQ(defaults.UserId, 1);
    EXPECT_EQ(defaults.Tab, -1);
    const CommandLine::Result result =
        parse({"--db", "/data/company.db", "--company=02", "--year", "1402", "--user=2", "--module",
               "/opt/lib/libtarvand.so", "--screenshot", "/tmp/shot.PNG", "--tab", "3"});
    ASSERT_EQ(result.Action, CommandLine::Outcome::Run) << result.Message.toStdString();
    const tarvand::host::HostOptions& options = result.Options;
    EXPECT_EQ(QStringList({options.DatabasePath, options.CompanyCode, options.FiscalYear, options.ModulePath,
                           options.ScreenshotPath}),
              QStringList({"/data/company.db", "02", "1402", "/opt/lib/libtarvand.so", "/tmp/shot.PNG"}));
    EXPECT_EQ(options.UserId, 2);
    EXPECT_EQ(options.Tab, 3);
    for (const char* help : {"--help", "-h"}) {
        const CommandLine::Result result = parse({help});
        ASSERT_EQ(result.Action, CommandLine::Outcome::Help);
        for (const char* name :
             {"--db", "--company", "--year", "--user", "--module", "--screenshot", "--tab"})
            EXPECT_TRUE(result.Message.contains(QLatin1String(name))) << name;
    }
    const QList<std::pair<QStringList, const char*>> refused = {{{"--colour", "red"}, "colour"},
                                                                {{"company.db"}, "company.db"},
                                                                {{"--db"}, "db"},
                                                                {{"--year", "403"}, "--year"},
                                                                {{"--year", "14O3"}, "--year"},
                                                                {{"--year", "0403"}, "--year"},
                                                                {{"--user", "0"}, "--user"},
                                                                {{"--user", "-3"}, "--user"},
                                                                {{"--user", "first"}, "--user"},
                                                                {{"--company", ""}, "--company"},
                                                                {{"--company", "01' Or '1'='1"}, "--company"},
                                                                {{"--db", " "}, "--db"},
                                                                {{"--module", ""}, "--module"},
                                                                {{"--screenshot", "shot.jpg"}, ".png"},
                                                                {{"--screenshot", ".png"}, ".png"},
                                                                {{"--tab", "-1"}, "--tab"},
                                                                {{"--tab", "second"}, "--tab"},
                                                                {{"--user", "1", "--user", "2"}, "--user"}};
    for (const auto& [arguments, mentioned] : refused) {
        const CommandLine::Result result = parse(arguments);
        EXPECT_EQ(result.Action, CommandLine::Outcome::Error)
            << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.Message.contains(QLatin1String(mentioned))) << result.Message.toStdString();
    }
}
