#include "TsvWriter.h"

#include "ResultCursor.h"
#include "WholeNumber.h"

#include <QIODevice>
#include <QLocale>
#include <charconv>

namespace tarvand::tools {

TsvWriter::TsvWriter(QIODevice& out) : out_(out) {
    batch_.reserve(BatchBytes + BatchBytes / 4);
}

void TsvWriter::writeHeader(const QList<sql::ColumnInfo>& columns) {
    for (qsizetype c = 0; c < columns.size(); ++c) {
        if (c > 0) {
            batch_ += '\t';
        }
        const QByteArray name = columns[c].name.toUtf8();
        appendEscaped({name.constData(), std::size_t(name.size())});
    }
    endLine();
}

void TsvWriter::writeRow(const sql::ResultCursor& cursor, qsizetype columnCount) {
    for (int c = 0; c < int(columnCount); ++c) {
        if (c > 0) {
            batch_ += '\t';
        }
        switch (cursor.cellKind(c)) {
        case sql::ColumnKind::Unknown:
            break;
        case sql::ColumnKind::Float:
            appendFloat(cursor.cellFloat(c));
            break;
        default:
            appendEscaped(cursor.cellText(c));
        }
    }
    endLine();
}

bool TsvWriter::flush() {
    if (!batch_.isEmpty()) {
        failed_ = out_.write(batch_) != batch_.size() || failed_;
        batch_.clear();
    }
    return !failed_;
}

void TsvWriter::appendEscaped(std::string_view field) {
    // The escaped characters are ASCII, so the UTF-8 bytes of every other character pass unchanged.
    std::size_t start = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char* escaped = nullptr;
        switch (field[i]) {
        case '\\':
            escaped = "\\\\";
            break;
        case '\t':
            escaped = "\\t";
            break;
        case '\n':
            escaped = "\\n";
            break;
        case '\r':
            escaped = "\\r";
            break;
        default:
            continue;
        }
        batch_.append(field.data() + start, qsizetype(i - start));
        batch_.append(escaped, 2);
        start = i + 1;
    }
    batch_.append(field.data() + start, qsizetype(field.size() - start));
}

void TsvWriter::appendFloat(double value) {
    // Whole amounts print without a fraction, as the server shows a decimal(19,0) column.
    if (IsWholeNumber(value, 1e15)) {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value));
        batch_.append(digits, qsizetype(result.ptr - digits));
        return;
    }
    batch_ += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

void TsvWriter::endLine() {
    batch_ += '\n';
    if (batch_.size() >= BatchBytes) {
        flush();
    }
}

} // namespace tarvand::tools
