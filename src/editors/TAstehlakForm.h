#pragma once

#include "TBaseEditorForm.h"
#include "ui_TAstehlakForm.h"

namespace tarvand {

namespace data {
class TADOTable;
}

// The depreciation rates of the direct-taxes law: each asset class with its method, cycled
// through straight-line, declining and none, and the one rate that belongs to the method (the
// other stays 0 and cannot be typed into).
class TAstehlakForm : public TBaseEditorForm, public Ui_AstehlakForm {
    Q_OBJECT

public:
    TAstehlakForm();
    ~TAstehlakForm() override;

    data::TADOTable* tblAstehlak;

    void dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift) override;
    void dbg_KeyPress(QObject* Sender, QChar& Key) override;
    void dbg_ColEnter() override;
    void dbg_ColExit();
    void dbg_CellClick();
    void dbg_DblClick() override;
    bool CheckRecord() override;
    void SetColumnEditing();
    // Straight-line, declining, none, and round again; the rate of another method becomes 0.
    void CycleMethod();

protected:
    void ScrollExtra() override;

private:
    data::TField* field(const QString& name) const;
    QString method() const;
    void setEditing(bool on);
    // Puts the current row into edit mode; false when there is no row.
    bool editRow();
};

} // namespace tarvand
