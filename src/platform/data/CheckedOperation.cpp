#include "CheckedOperation.h"

#include "EAbort.h"

namespace tarvand::data {

void CheckedOperation::run(TDataSet* dataSet, const TDataSet::TDataSetErrorEvent& handler,
                           const std::function<void()>& operation) {
    for (;;) {
        try {
            operation();
            return;
        } catch (EDatabaseError& error) {
            TDataAction action = TDataAction::daFail;
            if (handler) {
                handler(dataSet, error, action);
            }
            if (action == TDataAction::daFail) {
                throw;
            }
            if (action == TDataAction::daAbort) {
                Abort();
            }
        }
    }
}

} // namespace tarvand::data
