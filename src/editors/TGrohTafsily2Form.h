#pragma once

#include "PrivilegeRows.h"
#include "TBaseEditorForm.h"
#include "ui_TGrohTafsily2Form.h"

namespace tarvand {

namespace data {
class TADOTable;
}

// The groups of detail-2 accounts: a code, which leads the code of every account in the group,
// and a name. Codes are stored with leading zeros and take digits only where the company's
// account codes are numeric; the users' grants of a group follow its code.
class TGrohTafsily2Form : public TBaseEditorForm, public Ui_GrohTafsily2Form {
    Q_OBJECT

public:
    TGrohTafsily2Form();
    ~TGrohTafsily2Form() override;

    data::TADOTable* tblGrohTafsily2;
    // "NUM" or "CHR", read from the company options on show.
    QString CodeType;

    void dbg_KeyPress(QObject* Sender, QChar& Key) override;

protected:
    void ShowCaptions() override;
    void PadExtra() override;
    void PostExtra() override;
    void DeleteExtra() override;

private:
    PrivilegeRows privileges_;
};

} // namespace tarvand
