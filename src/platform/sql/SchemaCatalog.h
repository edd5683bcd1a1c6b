#pragma once

#include <QString>
#include <optional>

namespace tarvand::sql {

// What the schema checks ask of a company database's catalog; each backend answers from its own.
// Names are matched in any letter case, as SQL Server matches them.
class SchemaCatalog {
public:
    enum class Key { None, Primary, Unique };

    virtual ~SchemaCatalog() = default;

    // The table's name as declared, or as written where the backend keeps no other form; empty when
    // there is no such table.
    virtual QString declaredTable(const QString& table) const = 0;
    // Whether a table, index, key constraint or procedure has this name.
    virtual bool objectExists(const QString& name) const = 0;
    virtual bool indexExists(const QString& name) const = 0;
    // The kind of the primary key or unique constraint of that name; None when there is none.
    virtual Key constraintKind(const QString& name) const = 0;
    // Whether the table has a primary key or unique constraint of that name.
    virtual bool constraintOn(const QString& table, const QString& name) const = 0;
    virtual bool hasPrimaryKey(const QString& table) const = 0;
    virtual bool hasRows(const QString& table) const = 0;
    // Whether the column takes NULL; nothing when the table has no such column.
    virtual std::optional<bool> allowsNull(const QString& table, const QString& column) const = 0;
};

} // namespace tarvand::sql
