#pragma once

#include "TDataLink.h"
#include "TDataSet.h"

#include <QStringList>
#include <functional>

namespace tarvand::data::test {

// A data link that writes down every notification by name, and may act on one (as a grid writes
// its pending cell text on deUpdateRecord).
class RecordingLink : public TDataLink {
public:
    void DataEvent(TDataSet* dataSet, TDataEvent event, long long info) override {
        events.append(name(event));
        if (onEvent) {
            onEvent(dataSet, event, info);
        }
    }
    void DataSetDestroyed(TDataSet*) override { destroyed = true; }

    static QString name(TDataEvent event) {
        switch (event) {
        case TDataEvent::deFieldChange:
            return QStringLiteral("FieldChange");
        case TDataEvent::deRecordChange:
            return QStringLiteral("RecordChange");
        case TDataEvent::deDataSetChange:
            return QStringLiteral("DataSetChange");
        case TDataEvent::deDataSetScroll:
            return QStringLiteral("DataSetScroll");
        case TDataEvent::deUpdateState:
            return QStringLiteral("UpdateState");
        case TDataEvent::deUpdateRecord:
            return QStringLiteral("UpdateRecord");
        case TDataEvent::deCheckBrowseMode:
            return QStringLiteral("CheckBrowseMode");
        case TDataEvent::deActiveChange:
            return QStringLiteral("ActiveChange");
        }
        return {};
    }

    QStringList events;
    bool destroyed = false;
    std::function<void(TDataSet*, TDataEvent, long long)> onEvent;
};

} // namespace tarvand::data::test
