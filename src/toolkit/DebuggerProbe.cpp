#include "DebuggerProbe.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <QFile>
#endif

namespace tarvand {

bool DebuggerProbe::Present() {
#if defined(_WIN32)
    return IsDebuggerPresent() != 0;
#else
    // Linux names the tracing process in /proc; elsewhere there is no such file and no answer.
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // The file reports size 0, so it is read whole rather than until an end it claims at once.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("TracerPid:"))
            return line.mid(10).trimmed() != "0";
    }
    return false;
#endif
}

} // namespace tarvand
