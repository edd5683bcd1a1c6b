#include "OdbcCatalog.h"

#include "OdbcColumnDescriber.h"
#include "OdbcConnection.h"
#include "OdbcCursor.h"
#include "OdbcStatement.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace tarvand::sql {

namespace {

// Result columns of SQLColumns, SQLPrimaryKeys and SQLStatistics (0-based).
constexpr int catalogColumn = 0, schemaColumn = 1, tableNameColumn = 2;
constexpr int columnsName = 3, columnsDataType = 4, columnsTypeName = 5, columnsSize = 6,
              columnsNullable = 10;
constexpr int keysName = 3, keysSequence = 4;
constexpr int statsNonUnique = 3, statsIndexName = 5, statsType = 6, statsPosition = 7, statsColumn = 8;

QString text(const OdbcCursor& cursor, int column) {
    const std::string_view view = cursor.cellText(column);
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

SQLWCHAR* argument(const QString& value) {
    return value.isEmpty() ? nullptr : odbcText(value);
}

SQLSMALLINT argumentLength(const QString& value) {
    return value.isEmpty() ? 0 : SQLSMALLINT(SQL_NTS);
}

// Moves to the next row about the table. Catalog functions list the tables of that name in every
// schema, ordered by schema; the rows of the first one describe the table the name resolves to.
bool nextRowOf(OdbcCursor& cursor, const QString& table, std::optional<QString>& owner) {
    while (cursor.next()) {
        if (text(cursor, tableNameColumn).compare(table, Qt::CaseInsensitive) != 0) {
            continue;
        }
        QString rowOwner = text(cursor, catalogColumn) + u'.' + text(cursor, schemaColumn);
        if (!owner) {
            owner = std::move(rowOwner);
        } else if (*owner != rowOwner) {
            continue;
        }
        return true;
    }
    return false;
}

} // namespace

OdbcCatalog::OdbcCatalog(std::shared_ptr<OdbcConnection> connection) : connection_(std::move(connection)) {}

OdbcCatalog::Name OdbcCatalog::split(const QString& table) {
    QStringList parts = table.trimmed().split(u'.');
    for (QString& part : parts) {
        part = part.trimmed();
        if (part.startsWith(u'[') && part.endsWith(u']')) {
            part = part.mid(1, part.size() - 2).replace(QStringLiteral("]]"), QStringLiteral("]"));
        }
    }
    Name name;
    name.table = parts.takeLast();
    if (!parts.isEmpty()) {
        name.schema = parts.takeLast();
    }
    if (!parts.isEmpty()) {
        name.catalog = parts.takeLast();
    }
    if (name.catalog.isEmpty() && name.table.startsWith(u'#')) {
        name.catalog = QStringLiteral("tempdb");
    }
    return name;
}

QString OdbcCatalog::pattern(const QString& name) const {
    const QString& escape = connection_->searchPatternEscape();
    if (escape.isEmpty()) {
        return name;
    }
    QString escaped;
    escaped.reserve(name.size() * 2);
    for (const QChar c : name) {
        if (c == u'_' || c == u'%' || escape == c) {
            escaped += escape;
        }
        escaped += c;
    }
    return escaped;
}

std::unique_ptr<OdbcCursor> OdbcCatalog::open(const Call& call) const {
    auto statement = std::make_unique<OdbcStatement>(connection_);
    statement->handle().check(call(statement->handle().get()));
    std::vector<OdbcResultColumn> columns = OdbcColumnDescriber::describe(statement->handle());
    return std::make_unique<OdbcCursor>(std::move(statement), std::move(columns));
}

QList<ColumnInfo> OdbcCatalog::columns(const QString& table) const {
    const Name name = split(table);
    const QString schemaPattern = pattern(name.schema);
    const QString tablePattern = pattern(name.table);
    QList<ColumnInfo> columns;
    {
        // Read to the end and closed before the key lookup: SQL Server runs one statement at a time.
        const std::unique_ptr<OdbcCursor> cursor = open([&](SQLHSTMT statement) {
            return SQLColumnsW(statement, argument(name.catalog), argumentLength(name.catalog),
                               argument(schemaPattern), argumentLength(schemaPattern), odbcText(tablePattern),
                               SQL_NTS, nullptr, 0);
        });
        std::optional<QString> owner;
        while (nextRowOf(*cursor, name.table, owner)) {
            ColumnInfo info;
            info.name = text(*cursor, columnsName);
            const auto sqlType = SQLSMALLINT(cursor->cellInt(columnsDataType));
            const auto size = SQLULEN(std::max<std::int64_t>(cursor->cellInt(columnsSize), 0));
            QString typeName = text(*cursor, columnsTypeName);
            // SQL Server names an identity column's type "int identity".
            static const QString identity = QStringLiteral(" identity");
            if (typeName.endsWith(identity, Qt::CaseInsensitive)) {
                typeName.chop(identity.size());
                info.autoIncrement = true;
            }
            info.kind = OdbcColumnDescriber::kindOf(sqlType);
            info.size = OdbcColumnDescriber::isCharacter(sqlType) && size <= SQLULEN(INT_MAX) ? int(size) : 0;
            info.declaredType = OdbcColumnDescriber::declaredType(typeName, sqlType, size);
            info.baseTable = name.table;
            info.baseColumn = info.name;
            info.notNull = cursor->cellInt(columnsNullable) == SQL_NO_NULLS;
            columns.append(std::move(info));
        }
    }
    if (columns.isEmpty()) {
        return columns;
    }
    const QStringList keys = keyColumns(table);
    for (ColumnInfo& column : columns) {
        column.primaryKey = keys.contains(column.name, Qt::CaseInsensitive);
    }
    return columns;
}

QStringList OdbcCatalog::keyColumns(const QString& table) const {
    const Name name = split(table);
    const QStringList primary = primaryKey(name);
    return primary.isEmpty() ? uniqueIndex(name) : primary;
}

QStringList OdbcCatalog::primaryKey(const Name& name) const {
    const std::unique_ptr<OdbcCursor> cursor = open([&](SQLHSTMT statement) {
        return SQLPrimaryKeysW(statement, argument(name.catalog), argumentLength(name.catalog),
                               argument(name.schema), argumentLength(name.schema), odbcText(name.table),
                               SQL_NTS);
    });
    std::vector<std::pair<std::int64_t, QString>> keys;
    std::optional<QString> owner;
    while (nextRowOf(*cursor, name.table, owner)) {
        keys.emplace_back(cursor->cellInt(keysSequence), text(*cursor, keysName));
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList columns;
    for (auto& key : keys) {
        columns.append(std::move(key.second));
    }
    return columns;
}

QStringList OdbcCatalog::uniqueIndex(const Name& name) const {
    const std::unique_ptr<OdbcCursor> cursor = open([&](SQLHSTMT statement) {
        return SQLStatisticsW(statement, argument(name.catalog), argumentLength(name.catalog),
                              argument(name.schema), argumentLength(name.schema), odbcText(name.table),
                              SQL_NTS, SQL_INDEX_UNIQUE, SQL_QUICK);
    });
    std::optional<QString> index;
    std::vector<std::pair<std::int64_t, QString>> parts;
    std::optional<QString> owner;
    while (nextRowOf(*cursor, name.table, owner)) {
        if (cursor->cellInt(statsType) == SQL_TABLE_STAT || cursor->cellInt(statsNonUnique) != SQL_FALSE) {
            continue;
        }
        const QString indexName = text(*cursor, statsIndexName);
        if (!index) {
            index = indexName;
        } else if (*index != indexName) {
            continue;
        }
        parts.emplace_back(cursor->cellInt(statsPosition), text(*cursor, statsColumn));
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList columns;
    for (auto& part : parts) {
        columns.append(std::move(part.second));
    }
    return columns;
}

} // namespace tarvand::sql
