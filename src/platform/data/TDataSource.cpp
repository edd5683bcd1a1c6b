#include "TDataSource.h"

#include "TDataSet.h"

namespace tarvand::data {

TDataSource::~TDataSource() {
    if (dataSet_) {
        dataSet_->RemoveDataLink(this);
    }
    // Controls often outlive their source (a form's members die before its child widgets).
    const QList<TDataLink*> links = links_;
    links_.clear();
    for (TDataLink* link : links) {
        link->DataSourceDestroyed(this);
    }
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) {
        return;
    }
    if (dataSet_) {
        dataSet_->RemoveDataLink(this);
    }
    dataSet_ = dataSet;
    if (dataSet_) {
        dataSet_->AddDataLink(this);
    }
    // To the controls another dataset is as if the old one closed and the new one opened.
    forward(TDataEvent::deActiveChange, 0);
}

void TDataSource::SetEnabled(bool value) {
    if (value == enabled_) {
        return;
    }
    enabled_ = value;
    const QList<TDataLink*> links = links_;
    for (TDataLink* link : links) {
        if (links_.contains(link)) {
            link->DataEvent(dataSet_, TDataEvent::deActiveChange, 0);
        }
    }
}

void TDataSource::AddLink(TDataLink* link) {
    if (link && link != this && !links_.contains(link)) {
        links_.append(link);
    }
}

void TDataSource::RemoveLink(TDataLink* link) {
    links_.removeAll(link);
}

void TDataSource::DataEvent(TDataSet* dataSet, TDataEvent event, long long info) {
    if (dataSet != dataSet_) {
        return;
    }
    forward(event, info);
}

void TDataSource::DataSetDestroyed(TDataSet* dataSet) {
    if (dataSet != dataSet_) {
        return;
    }
    dataSet_ = nullptr;
    const QList<TDataLink*> links = links_;
    for (TDataLink* link : links) {
        if (links_.contains(link)) {
            link->DataSetDestroyed(dataSet);
        }
    }
}

void TDataSource::forward(TDataEvent event, long long info) {
    if (!enabled_) {
        return;
    }
    // A control may unregister itself (or another) while handling the event.
    const QList<TDataLink*> links = links_;
    for (TDataLink* link : links) {
        if (links_.contains(link)) {
            link->DataEvent(dataSet_, event, info);
        }
    }
    switch (event) {
    case TDataEvent::deUpdateState:
    case TDataEvent::deActiveChange:
        if (OnStateChange) {
            OnStateChange(this);
        }
        break;
    case TDataEvent::deFieldChange:
        if (OnDataChange) {
            OnDataChange(this, reinterpret_cast<TField*>(info));
        }
        break;
    case TDataEvent::deRecordChange:
    case TDataEvent::deDataSetChange:
    case TDataEvent::deDataSetScroll:
        if (OnDataChange) {
            OnDataChange(this, nullptr);
        }
        break;
    case TDataEvent::deUpdateRecord:
    case TDataEvent::deCheckBrowseMode:
        break;
    }
}

} // namespace tarvand::data
