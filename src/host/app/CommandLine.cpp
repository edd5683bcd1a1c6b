#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

namespace tarvand::host {

namespace {

const QString dbOption = QStringLiteral("db");
const QString companyOption = QStringLiteral("company");
const QString yearOption = QStringLiteral("year");
const QString userOption = QStringLiteral("user");
const QString moduleOption = QStringLiteral("module");
const QString screenshotOption = QStringLiteral("screenshot");
const QString tabOption = QStringLiteral("tab");
const QString helpOption = QStringLiteral("help");

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Tarvand host: opens a company database and shows the base-information module."));
    parser.addOption(
        {dbOption,
         QStringLiteral("Company database file, postgresql://user@host:port/db URI or ADO connection "
                        "string (default: the demo company in the user's data folder, created on "
                        "first start)."),
         QStringLiteral("path")});
    parser.addOption({companyOption, QStringLiteral("Company code (default: 01)."), QStringLiteral("code")});
    parser.addOption(
        {yearOption, QStringLiteral("Fiscal year, four digits (default: 1403)."), QStringLiteral("year")});
    parser.addOption({userOption, QStringLiteral("User id (default: 1)."), QStringLiteral("id")});
    parser.addOption({moduleOption,
                      QStringLiteral("The module library to load (default: the one built beside the host)."),
                      QStringLiteral("path")});
    parser.addOption({screenshotOption,
                      QStringLiteral("Show the window, save a picture of it to this PNG file and exit."),
                      QStringLiteral("file.png")});
    parser.addOption({tabOption, QStringLiteral("Show the module's tab with this index (0 is the first)."),
                      QStringLiteral("n")});
    parser.addOption({{QStringLiteral("h"), helpOption}, QStringLiteral("Show this help and exit.")});
}

// The parser names the program after the application object, which does not exist yet while the
// command line is read.
QString helpOf(const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    return QStringLiteral("Usage: tarvand-host [options]") + text.mid(text.indexOf(QLatin1Char('\n')));
}

CommandLine::Result failure(const QString& message) {
    CommandLine::Result result;
    result.Action = CommandLine::Outcome::Error;
    result.Message = message;
    return result;
}

} // namespace

CommandLine::Result CommandLine::Parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    describe(parser);
    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(helpOption)) {
        Result result;
        result.Action = Outcome::Help;
        result.Message = helpOf(parser);
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return failure(
            QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().constFirst()));
    for (const QString& name : parser.optionNames()) {
        if (parser.values(name).size() > 1)
            return failure(QStringLiteral("The option --%1 is given more than once.").arg(name));
    }

    Result result;
    HostOptions& options = result.Options;
    if (parser.isSet(dbOption)) {
        options.DatabasePath = parser.value(dbOption);
        if (options.DatabasePath.trimmed().isEmpty())
            return failure(QStringLiteral("--db needs the path of a company database."));
    }
    if (parser.isSet(companyOption)) {
        options.CompanyCode = parser.value(companyOption);
        static const QRegularExpression companyPattern(QStringLiteral("^[0-9A-Za-z]{1,8}$"));
        if (!companyPattern.match(options.CompanyCode).hasMatch())
            return failure(QStringLiteral("--company needs a code of 1 to 8 letters or digits, not \"%1\".")
                               .arg(options.CompanyCode));
    }
    if (parser.isSet(yearOption)) {
        options.FiscalYear = parser.value(yearOption);
        static const QRegularExpression yearPattern(QStringLiteral("^[0-9]{4}$"));
        if (!yearPattern.match(options.FiscalYear).hasMatch() ||
            options.FiscalYear.startsWith(QLatin1Char('0')))
            return failure(QStringLiteral("--year needs a solar year of four digits, not \"%1\".")
                               .arg(options.FiscalYear));
    }
    if (parser.isSet(userOption)) {
        bool ok = false;
        options.UserId = parser.value(userOption).toInt(&ok);
        if (!ok || options.UserId <= 0)
            return failure(
                QStringLiteral("--user needs a positive user id, not \"%1\".").arg(parser.value(userOption)));
    }
    if (parser.isSet(moduleOption)) {
        options.ModulePath = parser.value(moduleOption);
        if (options.ModulePath.trimmed().isEmpty())
            return failure(QStringLiteral("--module needs the path of the module library."));
    }
    if (parser.isSet(screenshotOption)) {
        options.ScreenshotPath = parser.value(screenshotOption);
        if (!options.ScreenshotPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ||
            options.ScreenshotPath.size() <= 4)
            return failure(QStringLiteral("--screenshot needs a file name ending in .png, not \"%1\".")
                               .arg(options.ScreenshotPath));
    }
    if (parser.isSet(tabOption)) {
        bool ok = false;
        options.Tab = parser.value(tabOption).toInt(&ok);
        if (!ok || options.Tab < 0)
            return failure(QStringLiteral("--tab needs a tab index of 0 or more, not \"%1\".")
                               .arg(parser.value(tabOption)));
    }
    return result;
}

} // namespace tarvand::host
