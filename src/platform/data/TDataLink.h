#pragma once

#include "DataTypes.h"

namespace tarvand::data {

class TDataSet;
class TField;

// Receiver of a dataset's notifications; data sources and data-aware controls derive from it.
class TDataLink {
public:
    virtual ~TDataLink() = default;
    // info: the TField* for deFieldChange, the scroll distance for deDataSetScroll, 0 otherwise.
    virtual void DataEvent(TDataSet* dataSet, TDataEvent event, long long info) = 0;
};

} // namespace tarvand::data
