#include "OdbcDiagnostics.h"

#include <QStringList>
#include <vector>

namespace tarvand::sql {

QString OdbcDiagnostics::message(SQLSMALLINT handleType, SQLHANDLE handle, SQLRETURN rc) {
    QStringList errors;
    QStringList notes;
    std::vector<SQLWCHAR> text(512);
    for (SQLSMALLINT record = 1; handle != SQL_NULL_HANDLE; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        SQLRETURN got = SQLGetDiagRecW(handleType, handle, record, state, &native, text.data(),
                                       SQLSMALLINT(text.size()), &length);
        if (got == SQL_SUCCESS_WITH_INFO && std::size_t(length) >= text.size()) {
            text.resize(std::size_t(length) + 1);
            got = SQLGetDiagRecW(handleType, handle, record, state, &native, text.data(),
                                 SQLSMALLINT(text.size()), &length);
        }
        if (!SQL_SUCCEEDED(got)) {
            break;
        }
        const qsizetype units = std::min<qsizetype>(length, qsizetype(text.size()) - 1);
        const QString line = withoutVendorTags(fromOdbcText(text.data(), units)).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const bool informational = state[0] == '0' && state[1] == '1';
        (informational ? notes : errors).append(line);
    }
    if (!errors.isEmpty()) {
        return errors.join(u'\n');
    }
    if (!notes.isEmpty()) {
        return notes.join(u'\n');
    }
    if (rc == SQL_INVALID_HANDLE) {
        return QStringLiteral("The ODBC driver was called with an invalid handle.");
    }
    return QStringLiteral("The ODBC driver reported a failure (return code %1) without a message.").arg(rc);
}

QString OdbcDiagnostics::withoutVendorTags(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u'[') {
        const qsizetype close = text.indexOf(u']', start);
        if (close < 0) {
            break;
        }
        start = close + 1;
        while (start < text.size() && text.at(start).isSpace()) {
            ++start;
        }
    }
    const QString rest = text.mid(start).trimmed();
    return rest.isEmpty() ? text : rest;
}

} // namespace tarvand::sql
