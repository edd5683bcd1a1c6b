#pragma once

#include "ColumnInfo.h"

#include <QByteArray>
#include <QList>
#include <string_view>

class QIODevice;

namespace tarvand::sql {
class ResultCursor;
}

namespace tarvand::tools {

// Writes rows as tab-separated UTF-8 text, one line per row, straight from a cursor's current row.
// A field's backslashes, tabs and line breaks are written as \\, \t, \n and \r, so that every row
// stays on one line with the same number of fields. A null field is written as nothing.
// Lines are gathered into a batch of about BatchBytes and handed to the device a batch at a time,
// so the memory taken does not grow with the number of rows.
class TsvWriter {
public:
    static constexpr qsizetype BatchBytes = 256 * 1024;

    explicit TsvWriter(QIODevice& out);
    TsvWriter(const TsvWriter&) = delete;
    TsvWriter& operator=(const TsvWriter&) = delete;

    void writeHeader(const QList<sql::ColumnInfo>& columns);
    void writeRow(const sql::ResultCursor& cursor, qsizetype columnCount);
    // Hands the batch to the device. False when the device did not take all of it.
    bool flush();

private:
    void appendEscaped(std::string_view field);
    void appendFloat(double value);
    void endLine();

    QIODevice& out_;
    QByteArray batch_;
    bool failed_ = false;
};

} // namespace tarvand::tools
