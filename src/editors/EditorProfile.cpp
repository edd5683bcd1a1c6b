#include "EditorProfile.h"

namespace tarvand {

QString EditorProfile::Hint(const QString& field) const {
    for (const EditorColumn& column : Columns) {
        if (column.FieldName.compare(field, Qt::CaseInsensitive) == 0)
            return column.Hint;
    }
    return {};
}

} // namespace tarvand
