#include "EditorProfile.h"

namespace tarvand {

QString EditorProfile::Hint(int column) const {
    if (column < 0 || column >= Columns.size())
        return {};
    return Columns.at(column).Hint;
}

} // namespace tarvand
