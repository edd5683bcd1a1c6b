#pragma once

#include "TMyDatabase.h"

#include <QString>

namespace tarvand {

namespace data {
class TADOQuery;
class TDataSet;
} // namespace data

// Checks one account chain of a row against the chart of accounts: a general and a subsidiary
// account that exist and are active, and the detail account and project that the subsidiary
// account demands, among those it (or the detail account, for projects) admits. The chain has no
// detail-2 level: the row is the detail-2 account. Levels the subsidiary account does not carry are
// emptied in the row, and with no general account the whole chain is.
class AccountChainCheck {
public:
    // query runs the lookups; the group lengths are those of the company's code structure.
    AccountChainCheck(data::TADOQuery& query, int tafsilyGroupLength, int projectGroupLength);

    // The name of the first field of the chain (prefix + "Koll", "Moein", "Tafsily", "ProjectCod")
    // in error, after its message; empty when the chain is valid. levels gets the subsidiary
    // account's level string and group lists once it was found.
    QString Validate(data::TDataSet& row, const QString& prefix, MoeinLevels& levels) const;

private:
    data::TADOQuery& query_;
    int tafsilyGroupLength_;
    int projectGroupLength_;
};

} // namespace tarvand
