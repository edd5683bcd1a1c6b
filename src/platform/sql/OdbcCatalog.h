#pragma once

#include "ColumnInfo.h"
#include "OdbcApi.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

namespace tarvand::sql {

class OdbcConnection;
class OdbcCursor;

// Table metadata through the ODBC catalog functions. Names may carry a schema and a database
// ("dbo.X", "[Acc]..X"); names of temporary tables ("#X", "##X") are looked up in tempdb, where
// SQL Server keeps them.
class OdbcCatalog {
public:
    explicit OdbcCatalog(std::shared_ptr<OdbcConnection> connection);

    // The table's columns in declaration order; empty when there is no such table.
    QList<ColumnInfo> columns(const QString& table) const;
    // The primary key's columns in key order or, failing that, those of the first unique index.
    QStringList keyColumns(const QString& table) const;

private:
    struct Name {
        QString catalog;
        QString schema;
        QString table;
    };
    using Call = std::function<SQLRETURN(SQLHSTMT)>;

    static Name split(const QString& table);
    // Escapes the wildcards of a catalog function's pattern argument.
    QString pattern(const QString& name) const;
    QStringList primaryKey(const Name& name) const;
    QStringList uniqueIndex(const Name& name) const;
    std::unique_ptr<OdbcCursor> open(const Call& call) const;

    std::shared_ptr<OdbcConnection> connection_;
};

} // namespace tarvand::sql
