#include "AdminTool.h"

#include "DatabaseSetup.h"
#include "EDatabaseError.h"
#include "SqliteBackend.h"
#include "TsqlTranslator.h"
#include "TsvWriter.h"
#include "WholeNumber.h"

#include <QFileInfo>
#include <cmath>

namespace tarvand::tools {

namespace {

const char* const UsageText =
    "Usage:\n"
    "  tarvand-db init PATH [--assets N] [--force]\n"
    "      Creates the demo company database at PATH; with --assets, N generated assets are added\n"
    "      to the demo register. An existing file is replaced only with --force.\n"
    "  tarvand-db sql PATH STATEMENT [STATEMENT ...]\n"
    "      Runs the T-SQL statements in order on one connection (## temporary tables live across\n"
    "      them) and prints the rows of the last statement that returns rows, tab-separated, with a\n"
    "      header line. NULL prints as nothing; tabs, line breaks and backslashes inside a value\n"
    "      print as \\t, \\n and \\\\.\n"
    "  tarvand-db translate STATEMENT\n"
    "      Prints the SQLite text that the T-SQL bridge runs for the statement.\n"
    "  tarvand-db help\n"
    "      Prints this text.\n"
    "Exit status: 0 done, 1 failed, 2 bad arguments.\n";

constexpr int MaxGeneratedAssets = 10'000'000;

} // namespace

AdminTool::AdminTool(QTextStream& out, QTextStream& err) : out_(out), err_(err) {}

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
            out_ << UsageText;
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
    sql::DatabaseSetup::createDemoDatabase(path, assets, force);
    out_ << QStringLiteral("Created %1").arg(path);
    if (assets > 0) {
        out_ << QStringLiteral(" with %1 generated assets").arg(assets);
    }
    out_ << '\n';
    return 0;
}

int AdminTool::runStatements(const QStringList& arguments) {
    if (arguments.size() < 2) {
        return usage(QStringLiteral("sql needs a PATH and at least one statement."));
    }
    const QString path = arguments.first();
    if (!QFileInfo(path).isFile()) {
        return fail(QStringLiteral("No database at %1.").arg(path));
    }
    sql::SqliteBackend backend(path);
    QStringList header;
    QList<QStringList> rows;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        try {
            auto cursor = backend.query(arguments[i]);
            if (cursor->columns().isEmpty()) {
                continue;
            }
            header.clear();
            rows.clear();
            for (const sql::ColumnInfo& column : cursor->columns()) {
                header.append(column.name);
            }
            while (cursor->next()) {
                QStringList row;
                for (int c = 0; c < header.size(); ++c) {
                    row.append(cellText(*cursor, c));
                }
                rows.append(std::move(row));
            }
        } catch (const EDatabaseError& error) {
            return fail(QStringLiteral("Statement %1 failed: %2").arg(i).arg(error.Message));
        }
    }
    if (!header.isEmpty()) {
        TsvWriter writer(out_);
        writer.writeRow(header);
        for (const QStringList& row : rows) {
            writer.writeRow(row);
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
    out_ << text;
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

QString AdminTool::cellText(const sql::ResultCursor& cursor, int column) {
    switch (cursor.cellKind(column)) {
    case sql::ColumnKind::Unknown:
        return {};
    case sql::ColumnKind::Float: {
        // Whole amounts print without a fraction, as the server shows a decimal(19,0) column.
        const double value = cursor.cellFloat(column);
        if (IsWholeNumber(value, 1e15)) {
            return QString::number(qlonglong(value));
        }
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    }
    default: {
        const std::string_view text = cursor.cellText(column);
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    }
}

} // namespace tarvand::tools
