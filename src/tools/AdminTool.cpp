#include "AdminTool.h"

#include "DatabaseSetup.h"
#include "EDatabaseError.h"
#include "PgBackend.h"
#include "SqliteBackend.h"
#include "TsqlTranslator.h"
#include "TsvWriter.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <memory>

namespace tarvand::tools {

namespace {

const char* const UsageText =
    "Usage:\n"
    "  tarvand-db init PATH|URI [--assets N] [--accounts N] [--force]\n"
    "      Creates the demo company database at PATH; with --assets, N generated assets are added\n"
    "      to the demo register; --accounts sets how many generated detail accounts the chart\n"
    "      carries (3000 unless given, 0 for none). An existing file is replaced only with --force.\n"
    "      A postgresql://user@host:port/db URI fills that empty database on a PostgreSQL server.\n"
    "  tarvand-db sql PATH|URI STATEMENT [STATEMENT ...]\n"
    "      Runs the T-SQL statements in order on one connection (## temporary tables live across\n"
    "      them) and prints the rows of the last statement that returns rows, tab-separated, with a\n"
    "      header line. NULL prints as nothing; tabs, line breaks and backslashes inside a value\n"
    "      print as \\t, \\n and \\\\. The last statement's rows print as they are read: should it\n"
    "      fail part way, the rows before the failure stay printed. A postgresql://user@host:port/db\n"
    "      URI names a database on a PostgreSQL server instead of a file.\n"
    "  tarvand-db translate STATEMENT\n"
    "      Prints the SQLite text that the T-SQL bridge runs for the statement.\n"
    "  tarvand-db help\n"
    "      Prints this text.\n"
    "Exit status: 0 done, 1 failed, 2 bad arguments.\n";

constexpr int MaxGeneratedAssets = 10'000'000;

} // namespace

AdminTool::AdminTool(QIODevice& out, QTextStream& err) : out_(out), err_(err) {}

int AdminTool::run(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return usage(QStringLiteral("No command given."));
    }
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    try {
        if (command == QLatin1String("init")) {
            return init(rest);
        }
        if (command == QLatin1String("sql")) {
            return runStatements(rest);
        }
        if (command == QLatin1String("translate")) {
            return translate(rest);
        }
        if (command == QLatin1String("help") || command == QLatin1String("--help") ||
            command == QLatin1String("-h")) {
            print(QString::fromLatin1(UsageText));
            return 0;
        }
    } catch (const Exception& error) {
        return fail(error.Message);
    }
    return usage(QStringLiteral("Unknown command \"%1\".").arg(command));
}

int AdminTool::init(const QStringList& arguments) {
    QString path;
    int assets = 0;
    int accounts = sql::DatabaseSetup::DemoDetailAccounts;
    bool force = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--force")) {
            force = true;
        } else if (argument == QLatin1String("--assets")) {
            if (i + 1 == arguments.size()) {
                return usage(QStringLiteral("--assets needs a number."));
            }
            bool ok = false;
            assets = arguments[++i].toInt(&ok);
            if (!ok || assets < 0 || assets > MaxGeneratedAssets) {
                return usage(QStringLiteral("--assets takes a whole number from 0 to %1, not \"%2\".")
                                 .arg(MaxGeneratedAssets)
                                 .arg(arguments[i]));
            }
        } else if (argument == QLatin1String("--accounts")) {
            if (i + 1 == arguments.size()) {
                return usage(QStringLiteral("--accounts needs a number."));
            }
            bool ok = false;
            accounts = arguments[++i].toInt(&ok);
            if (!ok || accounts < 0 || accounts > sql::DatabaseSetup::MaxDetailAccounts) {
                return usage(QStringLiteral("--accounts takes a whole number from 0 to %1, not \"%2\".")
                                 .arg(sql::DatabaseSetup::MaxDetailAccounts)
                                 .arg(arguments[i]));
            }
        } else if (argument.startsWith(QLatin1String("--"))) {
            return usage(QStringLiteral("Unknown option \"%1\".").arg(argument));
        } else if (path.isEmpty()) {
            path = argument;
        } else {
            return usage(QStringLiteral("init takes one PATH."));
        }
    }
    if (path.isEmpty()) {
        return usage(QStringLiteral("init needs the PATH of the database to create."));
    }
    if (QFileInfo::exists(path) && !force) {
        return fail(QStringLiteral("%1 already exists; add --force to replace it.").arg(path));
    }
    sql::DatabaseSetup::createDemoDatabase(path, assets, force, accounts);
    QString done = QStringLiteral("Created %1 with %2 generated detail accounts").arg(path).arg(accounts);
    if (assets > 0) {
        done += QStringLiteral(" and %1 generated assets").arg(assets);
    }
    print(done + QLatin1Char('\n'));
    return 0;
}

int AdminTool::runStatements(const QStringList& arguments) {
    if (arguments.size() < 2) {
        return usage(QStringLiteral("sql needs a PATH and at least one statement."));
    }
    const QString path = arguments.first();
    const bool server = sql::PgBackend::isUri(path);
    if (!server && !QFileInfo(path).isFile()) {
        return fail(QStringLiteral("No database at %1.").arg(path));
    }
    std::unique_ptr<sql::SqlBackend> opened;
    if (server) {
        opened = std::make_unique<sql::PgBackend>(path);
    } else {
        opened = std::make_unique<sql::SqliteBackend>(path);
    }
    sql::SqlBackend& backend = *opened;
    // The last statement's rows go straight out. Rows of an earlier statement wait in a temporary
    // file, because a later statement may still bring rows of its own that replace them.
    std::unique_ptr<QTemporaryFile> held;
    const qsizetype last = arguments.size() - 1;
    for (qsizetype i = 1; i <= last; ++i) {
        try {
            auto cursor = backend.query(arguments[i]);
            if (cursor->columns().isEmpty()) {
                continue;
            }
            if (i == last) {
                return writeRows(*cursor, out_) ? 0 : fail(QStringLiteral("Cannot write the rows."));
            }
            held = std::make_unique<QTemporaryFile>();
            if (!held->open() || !writeRows(*cursor, *held)) {
                return fail(QStringLiteral("Cannot keep the rows of statement %1 in a temporary file: %2")
                                .arg(i)
                                .arg(held->errorString()));
            }
        } catch (const EDatabaseError& error) {
            return fail(QStringLiteral("Statement %1 failed: %2").arg(i).arg(error.Message));
        }
    }
    if (held) {
        held->seek(0);
        while (!held->atEnd()) {
            const QByteArray chunk = held->read(TsvWriter::BatchBytes);
            if (chunk.isEmpty() || out_.write(chunk) != chunk.size()) {
                return fail(QStringLiteral("Cannot write the rows."));
            }
        }
    }
    return 0;
}

int AdminTool::translate(const QStringList& arguments) {
    if (arguments.size() != 1) {
        return usage(QStringLiteral("translate takes exactly one statement."));
    }
    QString text = sql::TsqlTranslator::translate(arguments.first());
    if (!text.endsWith(QLatin1Char('\n'))) {
        text += QLatin1Char('\n');
    }
    print(text);
    return 0;
}

int AdminTool::usage(const QString& problem) {
    err_ << problem << '\n' << UsageText;
    return 2;
}

int AdminTool::fail(const QString& message) {
    err_ << message << '\n';
    return 1;
}

void AdminTool::print(const QString& text) {
    out_.write(text.toUtf8());
}

bool AdminTool::writeRows(sql::ResultCursor& cursor, QIODevice& device) {
    TsvWriter writer(device);
    writer.writeHeader(cursor.columns());
    const qsizetype columnCount = cursor.columns().size();
    try {
        while (cursor.next()) {
            writer.writeRow(cursor, columnCount);
        }
    } catch (const EDatabaseError&) {
        writer.flush();
        throw;
    }
    return writer.flush();
}

} // namespace tarvand::tools
