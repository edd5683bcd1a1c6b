#pragma once

#include "UiTypes.h"

namespace tarvand::ui {

// Translation between Qt's key numbers and the virtual-key numbers the event handlers use.
class VirtualKey {
public:
    static WORD fromQt(int qtKey);
    // 0 for a virtual key without a Qt counterpart.
    static int toQt(WORD key);
};

} // namespace tarvand::ui
