#pragma once

#include "OdbcApi.h"

namespace tarvand::sql {

// Owns one ODBC handle (environment, connection or statement) and frees it exactly once.
class OdbcHandle {
public:
    // Allocates a handle of the given type under parent (SQL_NULL_HANDLE for an environment);
    // throws EDatabaseError with the parent's diagnostics when the driver refuses.
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~OdbcHandle();
    OdbcHandle(OdbcHandle&& other) noexcept;
    OdbcHandle& operator=(OdbcHandle&& other) noexcept;
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE get() const { return handle_; }
    SQLSMALLINT type() const { return type_; }

    // Throws EDatabaseError with this handle's diagnostics unless rc reports success (SQL_NO_DATA
    // counts as success: an update that touches no rows is not a failure).
    void check(SQLRETURN rc) const;

private:
    SQLSMALLINT type_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

} // namespace tarvand::sql
