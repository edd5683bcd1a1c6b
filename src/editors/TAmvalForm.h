#pragma once

#include "TBaseEditorForm.h"
#include "ui_TAmvalForm.h"

namespace tarvand {

namespace data {
class TADOTable;
}
namespace ui {
class TMenuItem;
}

// The asset register: one row per fixed asset with its depreciation method and rates, values,
// place, recipients, tags and three account chains (fixed asset "D...", accumulated depreciation,
// depreciation expense "H..."). Enter walks a row through the levels each chain's subsidiary
// account carries and opens the pickers; Space or a double click cycles the method; which cells
// may be typed into follows the method, the date of use and the accounts. Under the grid: the
// names behind the current row's codes and the register's totals.
class TAmvalForm : public TBaseEditorForm, public Ui_AmvalForm {
    Q_OBJECT

public:
    TAmvalForm();
    ~TAmvalForm() override;

    data::TADOTable* tblAmval;

    void dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift) override;
    void dbg_KeyPress(QObject* Sender, QChar& Key) override;
    void dbg_ColEnter() override;
    void dbg_DblClick() override;
    // The tag numbers' uniqueness; the only check before a row is written.
    bool CheckRecord() override;
    int PickCode(int Column) override;
    void ShowTotals();
    // The popup commands of the register's own: batch creation and barcode labels.
    void BatchMenuClick(QObject* Sender);
    void BarcodeMenuClick(QObject* Sender);

    ui::TMenuItem* BatchItem;
    ui::TMenuItem* BarcodeItem;

protected:
    void ShowCaptions() override;
    void PrepareExtra() override;
    void PadExtra() override;
    void ScrollExtra() override;
    void MenuExtra() override;
    QString HintLine(const QString& field) const override;

private:
    void SetColumnEditing();
    void setEditing(bool on);
    bool PlateIsDuplicate();
    // The field of the same chain as column for one of the plain level names.
    static QString SiblingField(const QString& column, const QString& base);
    // The level string and group codes of the subsidiary account of column's chain.
    void readMoeinLevels(const QString& column);
    bool carries(const QString& level) const { return LevelSet.contains(level); }
    // Enter on the last level a chain's subsidiary account carries.
    void leaveChain(const QString& column, bool& nextRow);
    int pickField(const QString& field);
    int pickBaseCode(const QString& field);
    void enterDate(bool resetsCost);
    void cycleMethod();
    void chooseRecipients();
    void showNames();
    QString typedCode(const QString& field, QChar padding) const;

    QString RememberedPelakOld;
    QString RememberedPelakNew;
    QString RecipientList;
    QString LevelSet;
    QString GrohTafsily;
    QString GrohTafsily2;
    QString GrohProject;
};

} // namespace tarvand
