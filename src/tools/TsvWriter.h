#pragma once

#include <QStringList>
#include <QTextStream>

namespace tarvand::tools {

// Writes rows as tab-separated text, one line per row. A field's backslashes, tabs and line
// breaks are written as \\, \t, \n and \r, so that every row stays on one line with the same number
// of fields. A null field is written as nothing.
class TsvWriter {
public:
    explicit TsvWriter(QTextStream& out);

    void writeRow(const QStringList& fields);
    static QString escape(const QString& field);

private:
    QTextStream& out_;
};

} // namespace tarvand::tools
