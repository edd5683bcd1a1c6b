#include "DataLinkList.h"

#include "TDataLink.h"

namespace tarvand::data {

void DataLinkList::add(TDataLink* link) {
    if (link && !links_.contains(link)) {
        links_.append(link);
    }
}

void DataLinkList::remove(TDataLink* link) {
    links_.removeAll(link);
}

bool DataLinkList::enable() {
    if (disableCount_ == 0) {
        return false;
    }
    return --disableCount_ == 0;
}

void DataLinkList::notify(TDataSet* dataSet, TDataEvent event, long long info) const {
    if (disableCount_ > 0) {
        return;
    }
    // A link may remove itself (or another) while handling the event.
    const QList<TDataLink*> receivers = links_;
    for (TDataLink* link : receivers) {
        if (links_.contains(link)) {
            link->DataEvent(dataSet, event, info);
        }
    }
}

} // namespace tarvand::data
