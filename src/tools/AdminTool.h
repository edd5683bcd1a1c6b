#pragma once

#include <QStringList>
#include <QTextStream>

namespace tarvand::sql {
class ResultCursor;
}

namespace tarvand::tools {

// The admin tool tarvand-db: creates demo company databases, runs T-SQL statements against one
// and shows what the T-SQL bridge makes of a statement. Exit
// codes: 0 done, 1 failed (the reason goes to the error stream), 2 bad arguments (with the usage text).
class AdminTool {
public:
    AdminTool(QTextStream& out, QTextStream& err);

    // arguments: the command line without the program name.
    int run(const QStringList& arguments);

private:
    int init(const QStringList& arguments);
    int runStatements(const QStringList& arguments);
    int translate(const QStringList& arguments);
    int usage(const QString& problem);
    int fail(const QString& message);
    static QString cellText(const sql::ResultCursor& cursor, int column);

    QTextStream& out_;
    QTextStream& err_;
};

} // namespace tarvand::tools
