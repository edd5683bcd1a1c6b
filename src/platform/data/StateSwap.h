#pragma once

#include "DataTypes.h"

namespace tarvand::data {

// Puts a dataset into another state for the duration of a handler (dsCalcFields while OnCalcFields
// runs), restoring it however the handler ends.
class StateSwap {
public:
    StateSwap(TDataSetState& state, TDataSetState temporary) : state_(state), saved_(state) {
        state_ = temporary;
    }
    ~StateSwap() { state_ = saved_; }
    StateSwap(const StateSwap&) = delete;
    StateSwap& operator=(const StateSwap&) = delete;

private:
    TDataSetState& state_;
    TDataSetState saved_;
};

} // namespace tarvand::data
