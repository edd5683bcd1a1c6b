#pragma once

#include <QString>

namespace tarvand::ui {

// Edit masks as the form library writes them ("0000/00/00", "!99/99/00;1;_") turned into Qt
// input masks. Both say required and optional digits the other way round ('0' is a required
// digit there, an optional one in Qt); letters, alphanumerics, any character, case switches,
// escaped literals and the blank character carry over.
class EditMask {
public:
    static QString toInputMask(const QString& editMask);
};

} // namespace tarvand::ui
