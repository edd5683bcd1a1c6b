#pragma once

#include "TBaseEditorForm.h"
#include "ui_TMabadiForm.h"

namespace tarvand {

namespace data {
class TADOTable;
}

// The sources from which assets are delivered, each credited to an account chain: general and
// subsidiary account and, as the subsidiary account demands, detail, detail-2 and project
// account. Enter on an account column opens its picker and walks on through the levels the
// subsidiary account carries; levels it does not carry cannot be typed into.
class TMabadiForm : public TBaseEditorForm, public Ui_MabadiForm {
    Q_OBJECT

public:
    TMabadiForm();
    ~TMabadiForm() override;

    data::TADOTable* tblMabadi;

    void dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift) override;
    void dbg_KeyPress(QObject* Sender, QChar& Key) override;
    void dbg_ColEnter() override;
    void dbg_DblClick() override;
    bool CheckRecord() override;

protected:
    void ShowCaptions() override;
    void PadExtra() override;
    QString HintLine(const QString& field) const override;

private:
    // Turns typing off in a level column the row's subsidiary account does not carry.
    void SetColumnEditing();
    // Reads the levels and group lists of the row's subsidiary account into the members below.
    void readMoeinLevels();
    bool hasLevel(const QString& field) const;
    int pickAccount(const QString& field);
    void completeRow();

    // The levels the row's subsidiary account carries ("اول/", "دوم/", "سوم") and its group lists.
    QString LevelSet;
    QString GrohTafsily;
    QString GrohTafsily2;
    QString GrohProject;
};

} // namespace tarvand
