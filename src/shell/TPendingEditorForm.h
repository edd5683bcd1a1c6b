#pragma once

#include "TForm.h"

namespace tarvand {

namespace ui {
class TLabel;
}

// Stands in a tab of the base-information window for a table whose editor this version does not
// have yet: it tells the user so, in the place where the editor will be.
class TPendingEditorForm : public ui::TForm {
    Q_OBJECT

public:
    explicit TPendingEditorForm(const QString& tableName);

    ui::TLabel* lbMessage;
};

} // namespace tarvand
