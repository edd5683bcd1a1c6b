#pragma once

#include <sqlite3.h>

namespace tarvand::sql {

// The T-SQL functions and the collation the bridge's SQLite text relies on, registered on a
// connection: tsql_add, tsql_cast, tsql_number, tsql_substring, tsql_replace, tsql_patindex, tsql_like,
// tsql_charindex, tsql_right, tsql_replicate, tsql_col_length, tsql_object_id, and the TSQL
// collation (ASCII case-insensitive, trailing blanks ignored, like SQL Server's default).
class TsqlFunctions {
public:
    static void registerAll(sqlite3* db);
    // The TSQL collation's comparison, exposed for the code that orders values the same way.
    static int compare(const char* a, int lengthA, const char* b, int lengthB);
};

} // namespace tarvand::sql
