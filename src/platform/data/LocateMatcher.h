#pragma once

#include "DataTypes.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace tarvand::data {

class TDataSet;
class TField;

// The test Locate applies to each record: every key field against its key value. Text fields
// compare as text (a NULL field reads as empty text), honouring the case-insensitive and
// partial-key options; numeric fields compare by value; a NULL key value matches NULL only.
class LocateMatcher {
public:
    // Throws EDatabaseError when there are no fields or the number of values does not match them.
    LocateMatcher(QList<TField*> fields, const QVariant& keyValues, TLocateOptions options);

    const QList<TField*>& fields() const { return fields_; }
    bool matches(int key, const QVariant& fieldValue) const;
    // The position (0-based, in the dataset's current order) of the first matching record, or -1.
    int firstMatch(const TDataSet& dataSet) const;

private:
    QList<TField*> fields_;
    QVariantList values_;
    std::vector<std::optional<double>> numbers_;
    TLocateOptions options_;
};

} // namespace tarvand::data
