#pragma once

#include <QString>

namespace tarvand::sql {

class PgConnection;

// What a PostgreSQL company database needs so that the module's T-SQL keeps SQL Server's meaning
// there: the case-insensitive collation tsql, '+' joining character values, the T-SQL functions
// (IsNull, Len, CharIndex, Replace, Like, Replicate, Space, GetDate, COL_LENGTH, Object_Id) and the system
// views SysObjects and SysIndexes, whose names compare without regard to case. Installed once per database,
// by the first connection that finds them missing.
class PgCompatibility {
public:
    static void install(PgConnection& connection);

    // The type of a varchar(length) column: a domain over bpchar under tsql, whose values compare
    // without regard to case and trailing blanks as SQL Server's do, no longer than length.
    static QString characterType(int length);
    static void createCharacterType(PgConnection& connection, int length);
    // The name of the check that refuses a value too long for its character type.
    static const char* lengthConstraint() { return "tsql_length"; }
};

} // namespace tarvand::sql
