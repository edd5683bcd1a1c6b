#pragma once

#include "TBaseEditorForm.h"
#include "ui_TGheimatForm.h"

namespace tarvand {

namespace data {
class TADOTable;
}

// The components of an asset's cost price: a code and a name.
class TGheimatForm : public TBaseEditorForm, public Ui_GheimatForm {
    Q_OBJECT

public:
    TGheimatForm();
    ~TGheimatForm() override;

    data::TADOTable* tblGheimat;
};

} // namespace tarvand
