#pragma once

#include "Exception.h"

namespace tarvand {

// Silent refusal: an event handler throws it to stop the operation in progress. The application
// object drops it without a message.
class EAbort : public Exception {
public:
    EAbort() : Exception(QStringLiteral("Operation aborted")) {}
};

[[noreturn]] inline void Abort() { throw EAbort(); }

} // namespace tarvand
