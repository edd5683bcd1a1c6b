#include "MemoryCursor.h"

#include "EDatabaseError.h"

namespace tarvand::sql {

MemoryCursor::MemoryCursor(QList<ColumnInfo> columns, sqlite3_stmt* stmt, bool hasRow)
    : columns_(std::move(columns)) {
    const int count = int(columns_.size());
    int rc = hasRow ? SQLITE_ROW : SQLITE_DONE;
    while (rc == SQLITE_ROW) {
        for (int i = 0; i < count; ++i) {
            Cell cell;
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER:
                cell.kind = ColumnKind::Integer;
                break;
            case SQLITE_FLOAT:
                cell.kind = ColumnKind::Float;
                break;
            case SQLITE_TEXT:
                cell.kind = ColumnKind::Text;
                break;
            case SQLITE_BLOB:
                cell.kind = ColumnKind::Blob;
                break;
            default:
                break;
            }
            if (cell.kind != ColumnKind::Unknown) {
                cell.integer = sqlite3_column_int64(stmt, i);
                cell.real = sqlite3_column_double(stmt, i);
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                cell.text.assign(text ? text : "", std::size_t(sqlite3_column_bytes(stmt, i)));
            }
            rows_.push_back(std::move(cell));
        }
        ++rowCount_;
        rc = sqlite3_step(stmt);
    }
    if (rc != SQLITE_DONE) {
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(stmt))));
    }
}

bool MemoryCursor::next() {
    if (!started_) {
        started_ = true;
        current_ = 0;
    } else if (current_ < rowCount_) {
        ++current_;
    }
    return current_ < rowCount_;
}

} // namespace tarvand::sql
