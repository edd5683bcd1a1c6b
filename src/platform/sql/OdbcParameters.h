#pragma once

#include "OdbcHandle.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <cstdint>
#include <vector>

namespace tarvand::sql {

// The values of a statement's positional '?' parameters in the buffers the driver reads them from.
// The buffers never move after construction, so the object must outlive the statement's execution.
class OdbcParameters {
public:
    explicit OdbcParameters(const QVariantList& values);
    OdbcParameters(const OdbcParameters&) = delete;
    OdbcParameters& operator=(const OdbcParameters&) = delete;

    void bind(const OdbcHandle& statement);

private:
    struct Slot {
        SQLSMALLINT cType = SQL_C_WCHAR;
        SQLSMALLINT sqlType = SQL_WVARCHAR;
        SQLULEN columnSize = 1;
        SQLLEN indicator = SQL_NULL_DATA;
        std::int64_t integer = 0;
        double real = 0;
        QString text;
        QByteArray bytes;
    };

    static Slot slotFor(const QVariant& value);
    static SQLPOINTER valuePointer(Slot& slot);

    std::vector<Slot> slots_;
};

} // namespace tarvand::sql
