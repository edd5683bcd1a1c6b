#pragma once

#include "Exception.h"

namespace tarvand {

// A failure reported by the database or by the data-access layer; Message holds the server's text.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

} // namespace tarvand
