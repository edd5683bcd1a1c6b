#pragma once

#include <cmath>
#include <limits>

namespace tarvand {

// Whether a number has no fraction, and lies within the bound when one is given: the test by
// which numbers are written without decimals.
inline bool IsWholeNumber(double value, double bound = std::numeric_limits<double>::infinity()) {
    return std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < bound;
}

} // namespace tarvand
