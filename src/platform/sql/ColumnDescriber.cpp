#include "ColumnDescriber.h"

#include "DeclaredType.h"

#include <QHash>

namespace tarvand::sql {

namespace {

QString utf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

ColumnKind ColumnDescriber::kindOfValue(int storageClass) {
    switch (storageClass) {
    case SQLITE_INTEGER:
        return ColumnKind::Integer;
    case SQLITE_FLOAT:
        return ColumnKind::Float;
    case SQLITE_TEXT:
        return ColumnKind::Text;
    case SQLITE_BLOB:
        return ColumnKind::Blob;
    default:
        return ColumnKind::Unknown;
    }
}

ColumnDescriber::ColumnDescriber(sqlite3* db, KeyLookup keys) : db_(db), keys_(std::move(keys)) {}

QList<ColumnInfo> ColumnDescriber::describe(sqlite3_stmt* stmt, bool hasRow) const {
    const int count = sqlite3_column_count(stmt);
    QList<ColumnInfo> columns;
    columns.reserve(count);
    QHash<QString, QStringList> catalogKeys;
    for (int i = 0; i < count; ++i) {
        ColumnInfo info;
        info.name = utf8(sqlite3_column_name(stmt, i));
        info.declaredType = utf8(sqlite3_column_decltype(stmt, i));
        const char* database = sqlite3_column_database_name(stmt, i);
        const char* table = sqlite3_column_table_name(stmt, i);
        const char* origin = sqlite3_column_origin_name(stmt, i);
        if (table && origin) {
            info.baseTable = utf8(table);
            info.baseColumn = utf8(origin);
            int notNull = 0;
            int primaryKey = 0;
            int autoIncrement = 0;
            if (sqlite3_table_column_metadata(db_, database, table, origin, nullptr, nullptr, &notNull,
                                              &primaryKey, &autoIncrement) == SQLITE_OK) {
                info.notNull = notNull != 0;
                info.autoIncrement = autoIncrement != 0;
                info.primaryKey = primaryKey != 0;
            }
            if (keys_) {
                auto found = catalogKeys.find(info.baseTable);
                if (found == catalogKeys.end()) {
                    found = catalogKeys.insert(info.baseTable, keys_(info.baseTable));
                }
                if (!found->isEmpty()) {
                    info.primaryKey = found->contains(info.baseColumn, Qt::CaseInsensitive);
                }
            }
        }
        if (!info.declaredType.isEmpty()) {
            const DeclaredType type(info.declaredType);
            info.kind = type.kind();
            info.size = type.characterLength();
        }
        if (info.kind == ColumnKind::Unknown && hasRow) {
            info.kind = kindOfValue(sqlite3_column_type(stmt, i));
        }
        columns.append(std::move(info));
    }
    return columns;
}

} // namespace tarvand::sql
