#pragma once

#include "TCustomADODataSet.h"

namespace tarvand::data {

// Every row of one table.
class TADOTable : public TCustomADODataSet {
public:
    TADOTable() = default;

    const QString& TableName() const { return tableName_; }
    void SetTableName(const QString& name); // only while closed; throws EDatabaseError otherwise

    QString UpdateTable() const override { return tableName_; }

protected:
    QString CommandText() const override;

private:
    QString tableName_;
};

} // namespace tarvand::data
