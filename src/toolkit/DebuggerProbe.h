#pragma once

namespace tarvand {

// Whether a debugger is attached to this process: the suite's developers then load some sibling
// modules from their own build folders instead of the installed ones.
class DebuggerProbe {
public:
    static bool Present();
};

} // namespace tarvand
