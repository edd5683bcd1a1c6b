#include "TADOTable.h"

namespace tarvand::data {

void TADOTable::SetTableName(const QString& name) {
    if (Active()) {
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an open dataset"));
    }
    tableName_ = name.trimmed();
}

QString TADOTable::CommandText() const {
    if (tableName_.isEmpty()) {
        throw EDatabaseError(QStringLiteral("Missing TableName property"));
    }
    return QStringLiteral("Select * From ") + tableName_;
}

} // namespace tarvand::data
