#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <sqlite3.h>

namespace tarvand::sql {

// Named primary-key and unique constraints, which SQLite does not keep by name. Each is enforced
// by a unique index of the same name; the catalog remembers which index is which constraint, so
// that SysIndexes, key lookups and duplicate-key messages speak of constraints. Entries of
// permanent tables live in main.tsql_constraint, those of temporary tables in
// temp.tsql_constraint, so they share the fate of their tables and of transactions.
class ConstraintCatalog {
public:
    struct Constraint {
        QString name;
        QString table;
        bool primaryKey = true;
        QStringList columns;
    };

    // Creates the catalog tables where they are missing.
    explicit ConstraintCatalog(sqlite3* db);

    void add(const Constraint& constraint, bool temporary);
    void remove(const QString& name);
    void removeTable(const QString& table);
    std::optional<Constraint> find(const QString& name) const;
    std::optional<Constraint> primaryKey(const QString& table) const;
    // The constraint of table whose key columns are exactly these (in any order, any case).
    std::optional<Constraint> matching(const QString& table, const QStringList& columns) const;

private:
    QList<Constraint> select(const char* condition, const QString& value) const;
    void run(const char* sql, const QStringList& values) const;

    sqlite3* db_;
};

} // namespace tarvand::sql
