#pragma once

#include <QStringList>
#include <QTextStream>

class QIODevice;

namespace tarvand::sql {
class ResultCursor;
}

namespace tarvand::tools {

// The admin tool tarvand-db: creates demo company databases, runs T-SQL statements against one
// and shows what the T-SQL bridge makes of a statement. Exit
// codes: 0 done, 1 failed (the reason goes to the error stream), 2 bad arguments (with the usage text).
class AdminTool {
public:
    // out: standard output, where rows are written as bytes; err: the error stream.
    AdminTool(QIODevice& out, QTextStream& err);

    // arguments: the command line without the program name.
    int run(const QStringList& arguments);

private:
    int init(const QStringList& arguments);
    int runStatements(const QStringList& arguments);
    int translate(const QStringList& arguments);
    int usage(const QString& problem);
    int fail(const QString& message);
    void print(const QString& text);
    // Writes the header and every row of the cursor. False when the device did not take them.
    static bool writeRows(sql::ResultCursor& cursor, QIODevice& device);

    QIODevice& out_;
    QTextStream& err_;
};

} // namespace tarvand::tools
