#pragma once

#include "DataTypes.h"

namespace tarvand::data {

class TDataSet;
class TDataSource;
class TField;

// Receiver of a dataset's notifications; data sources and data-aware controls derive from it.
class TDataLink {
public:
    virtual ~TDataLink() = default;
    // info: the TField* for deFieldChange, the scroll distance for deDataSetScroll, 0 otherwise.
    virtual void DataEvent(TDataSet* dataSet, TDataEvent event, long long info) = 0;
    // The dataset is being destroyed: a link that keeps a pointer to it must drop it.
    virtual void DataSetDestroyed(TDataSet* dataSet) { static_cast<void>(dataSet); }
    // A data source this link is registered with is being destroyed: drop the pointer to it.
    virtual void DataSourceDestroyed(TDataSource* source) { static_cast<void>(source); }
};

} // namespace tarvand::data
