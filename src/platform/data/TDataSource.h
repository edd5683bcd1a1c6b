#pragma once

#include "TDataLink.h"

#include <QList>
#include <functional>

namespace tarvand::data {

class TDataSet;

// Connects data-aware controls to a dataset: controls register links with the source and receive
// the dataset's notifications through it, so that a control can be moved to another dataset by
// changing the source's DataSet alone.
class TDataSource : public TDataLink {
public:
    TDataSource() = default;
    ~TDataSource() override;

    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    void AddLink(TDataLink* link);
    void RemoveLink(TDataLink* link);

    void DataEvent(TDataSet* dataSet, TDataEvent event, long long info) override;
    void DataSetDestroyed(TDataSet* dataSet) override;

    std::function<void(TDataSource*, TField*)> OnDataChange; // record changed or scrolled (field or null)
    std::function<void(TDataSource*)> OnStateChange;

private:
    void forward(TDataEvent event, long long info);

    TDataSet* dataSet_ = nullptr;
    bool enabled_ = true;
    QList<TDataLink*> links_;
};

} // namespace tarvand::data
