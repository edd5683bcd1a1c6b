#include "OdbcHandle.h"

#include "EDatabaseError.h"
#include "OdbcDiagnostics.h"

#include <utility>

namespace tarvand::sql {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
    const SQLRETURN rc = SQLAllocHandle(type, parent, &handle_);
    if (!SQL_SUCCEEDED(rc)) {
        handle_ = SQL_NULL_HANDLE;
        if (parent == SQL_NULL_HANDLE) {
            throw EDatabaseError(QStringLiteral("The ODBC driver manager could not be initialised."));
        }
        const SQLSMALLINT parentType = type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV;
        throw EDatabaseError(OdbcDiagnostics::message(parentType, parent, rc));
    }
}

OdbcHandle::~OdbcHandle() {
    if (handle_ != SQL_NULL_HANDLE) {
        SQLFreeHandle(type_, handle_);
    }
}

OdbcHandle::OdbcHandle(OdbcHandle&& other) noexcept
    : type_(other.type_), handle_(std::exchange(other.handle_, SQLHANDLE(SQL_NULL_HANDLE))) {}

OdbcHandle& OdbcHandle::operator=(OdbcHandle&& other) noexcept {
    if (this != &other) {
        if (handle_ != SQL_NULL_HANDLE) {
            SQLFreeHandle(type_, handle_);
        }
        type_ = other.type_;
        handle_ = std::exchange(other.handle_, SQLHANDLE(SQL_NULL_HANDLE));
    }
    return *this;
}

void OdbcHandle::check(SQLRETURN rc) const {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) {
        return;
    }
    throw EDatabaseError(OdbcDiagnostics::message(type_, handle_, rc));
}

} // namespace tarvand::sql
