#include "ModuleEntry.h"

#include <QCoreApplication>

// Unloading the library destroys the window, as the suite's hosts expect of the DLL's process
// detach. At process exit after the application object is gone there are no widgets left to
// destroy safely, so the window is left to the operating system then.
#if defined(_WIN32)

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_DETACH && QCoreApplication::instance() != nullptr)
        Release_It();
    return TRUE;
}

#else

namespace {

struct ModuleUnload {
    ModuleUnload() = default;
    ModuleUnload(const ModuleUnload&) = delete;
    ModuleUnload& operator=(const ModuleUnload&) = delete;
    ~ModuleUnload() {
        if (QCoreApplication::instance() != nullptr)
            Release_It();
    }
};

const ModuleUnload unload;

} // namespace

#endif
