#pragma once

#include "TBaseEditorForm.h"
#include "ui_TVezaratForm.h"

namespace tarvand {

namespace data {
class TADOTable;
}

// The asset groups of the tax declaration: a code and a name.
class TVezaratForm : public TBaseEditorForm, public Ui_VezaratForm {
    Q_OBJECT

public:
    TVezaratForm();
    ~TVezaratForm() override;

    data::TADOTable* tblVezarat;
};

} // namespace tarvand
