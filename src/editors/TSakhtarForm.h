#pragma once

#include "TBaseEditorForm.h"
#include "ui_TSakhtarForm.h"

namespace tarvand {

namespace data {
class TADOTable;
}

// The characteristics recorded for assets: under one code several rows, each an attribute with
// its length and a data type cycled through a fixed list; names are unique within a code.
class TSakhtarForm : public TBaseEditorForm, public Ui_SakhtarForm {
    Q_OBJECT

public:
    TSakhtarForm();
    ~TSakhtarForm() override;

    data::TADOTable* tblSakhtar;

    void dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift) override;
    void dbg_KeyPress(QObject* Sender, QChar& Key) override;
    void dbg_ColEnter() override;
    void dbg_DblClick() override;
    void tbl_AfterInsert();
    bool CheckRecord() override;
    void SetColumnEditing();
    // String, character, integer, decimal, and round again.
    void CycleType();

protected:
    void ScrollExtra() override;
};

} // namespace tarvand
