#pragma once

#include "OdbcApi.h"

#include <QString>

namespace tarvand::sql {

// Turns an ODBC handle's diagnostic records into the text users and editors see: the server's own
// message, as SQL Server words it, without the driver manager's and driver's bracketed tags.
class OdbcDiagnostics {
public:
    // The messages of the handle's error records, one a line, in the order the driver gives them;
    // informational records (SQLSTATE class 01, e.g. "The statement has been terminated.") only
    // when there is no error record. rc names the failure when the driver left no record.
    static QString message(SQLSMALLINT handleType, SQLHANDLE handle, SQLRETURN rc);

    // "[Microsoft][ODBC Driver 18 for SQL Server][SQL Server]Invalid object name 'X'." ->
    // "Invalid object name 'X'."
    static QString withoutVendorTags(const QString& text);
};

} // namespace tarvand::sql
