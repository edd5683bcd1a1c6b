#pragma once

// The ODBC C API as the platform provides it (unixODBC on Linux, odbc32 on Windows), with the
// conversions between QString and the API's UTF-16 strings.

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <QString>
#include <QStringView>

namespace tarvand::sql {

// unixODBC and Windows both use 16-bit SQLWCHAR; a driver manager built with 32-bit wide
// characters would need another conversion and is not supported.
static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "SQLWCHAR must be a UTF-16 code unit");

inline SQLWCHAR* odbcText(const QString& text) {
    // The API takes non-const pointers for input strings that it never writes.
    return const_cast<SQLWCHAR*>(reinterpret_cast<const SQLWCHAR*>(text.utf16()));
}

inline QString fromOdbcText(const SQLWCHAR* text, qsizetype units) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), units);
}

inline QStringView odbcTextView(const void* text, qsizetype units) {
    return QStringView(static_cast<const char16_t*>(text), units);
}

} // namespace tarvand::sql
