#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tarvand {

// One grid column of an editor as it is designed: the field it shows, its title and width, and
// the hint line written to the window's hint panel while it is selected.
struct EditorColumn {
    QString FieldName;
    QString Title;
    int Width = 64;
    QString Hint;
};

// The values by which the base-table editors differ. Each editor holds one of these as a table of
// constants; the shared editor behaviour reads nothing else.
struct EditorProfile {
    // Component names, kept for what the toolkit shows and exports under them.
    QString GridName;
    QString DataSetName;
    QString MenuName;

    QString Caption;   // the form's caption: the table's title
    QString TableName; // the table the editor writes
    // Code and name are found by field wherever a saved column layout has put them.
    QString CodeField; // the primary key, digits only, stored blank-padded
    QString Constraint;
    QString NameField;
    QString NameCheckTable; // the table name given to the duplicate-name call
    QString DependProcedure;
    QString KeyExpression;
    QString KeyField;
    QString FormCode;
    QString ReportSubject;
    bool PadCode = true; // codes stored blank-padded to the column; false: as typed
    // A row whose code was changed is refused while other records use its old code.
    bool GuardCodeChange = true;
    // A changed code that other records use is refused; true: the row returns to its stored
    // values, false: it stays in edit with what was typed.
    bool CancelUsedCodeChange = true;

    QString EmptyCodeMessage;
    QString EmptyNameMessage;
    QString DuplicateNameMessage;
    QString DuplicateCodeMessage;

    QList<EditorColumn> Columns; // in design order
    QStringList PickerFields;    // fields whose column opens a lookup on Enter or double click

    bool IsPickerField(const QString& field) const {
        return PickerFields.contains(field, Qt::CaseInsensitive);
    }
    QString Hint(const QString& field) const;
};

} // namespace tarvand
