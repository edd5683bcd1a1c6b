#pragma once

namespace tarvand::sql {

class PgConnection;

// What a PostgreSQL company database needs so that the module's T-SQL keeps SQL Server's meaning
// there: the case-insensitive collation tsql, '+' joining character values, the T-SQL functions
// (IsNull, Len, CharIndex, Replicate, Space, GetDate, COL_LENGTH, Object_Id) and the system views
// SysObjects and SysIndexes, whose names compare without regard to case. Installed once per
// database, by the first connection that finds them missing.
class PgCompatibility {
public:
    static void install(PgConnection& connection);
};

} // namespace tarvand::sql
