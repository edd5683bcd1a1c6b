#pragma once

#include <QString>

namespace tarvand {

// The one way a value enters SQL text: single quotes are doubled, so that the value stays inside
// the literal it is spliced into. A value without a quote comes back unchanged, so statements keep
// their documented form.
inline QString SqlEscape(const QString& value) {
    if (!value.contains(QLatin1Char('\'')))
        return value;
    QString escaped = value;
    return escaped.replace(QLatin1Char('\''), QLatin1String("''"));
}

} // namespace tarvand
