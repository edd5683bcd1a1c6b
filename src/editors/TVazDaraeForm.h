#pragma once

#include "TBaseEditorForm.h"
#include "ui_TVazDaraeForm.h"

namespace tarvand {

namespace data {
class TADOTable;
}

// The asset states: a code and a name.
class TVazDaraeForm : public TBaseEditorForm, public Ui_VazDaraeForm {
    Q_OBJECT

public:
    TVazDaraeForm();
    ~TVazDaraeForm() override;

    data::TADOTable* tblVazDarae;
};

} // namespace tarvand
