#pragma once

#include "DataTypes.h"

#include <QList>

namespace tarvand::data {

class TDataLink;
class TDataSet;

// The data links of a dataset and the DisableControls count that silences them.
class DataLinkList {
public:
    void add(TDataLink* link);
    void remove(TDataLink* link);
    const QList<TDataLink*>& links() const { return links_; }

    void disable() { ++disableCount_; }
    // Returns true when the last DisableControls has been undone.
    bool enable();
    bool disabled() const { return disableCount_ > 0; }

    // Sends the event to every link unless the links are disabled.
    void notify(TDataSet* dataSet, TDataEvent event, long long info) const;

private:
    QList<TDataLink*> links_;
    int disableCount_ = 0;
};

} // namespace tarvand::data
