#pragma once

#include "TDataSet.h"

#include <functional>

namespace tarvand::data {

// Runs a database operation of a dataset under its error event (OnPostError, OnDeleteError,
// OnEditError): on EDatabaseError the handler chooses to fail (the error passes on), to abort
// (a silent EAbort instead) or to retry the operation.
class CheckedOperation {
public:
    static void run(TDataSet* dataSet, const TDataSet::TDataSetErrorEvent& handler,
                    const std::function<void()>& operation);
};

} // namespace tarvand::data
