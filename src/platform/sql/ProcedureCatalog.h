#pragma once

#include <QString>
#include <optional>
#include <sqlite3.h>

namespace tarvand::sql {

// Stored procedures of the company database: name and T-SQL definition (the whole Create
// Procedure text), kept in main.tsql_procedure.
class ProcedureCatalog {
public:
    // Creates the catalog table where it is missing.
    explicit ProcedureCatalog(sqlite3* db);

    // Throws EDatabaseError when the name is taken and replace is false.
    void store(const QString& name, const QString& definition, bool replace);
    // Throws EDatabaseError when there is no such procedure.
    void drop(const QString& name);
    std::optional<QString> definition(const QString& name) const;

private:
    sqlite3* db_;
};

} // namespace tarvand::sql
