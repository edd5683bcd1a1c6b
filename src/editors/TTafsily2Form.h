#pragma once

#include "PrivilegeRows.h"
#include "TBaseEditorForm.h"
#include "TMyDatabase.h"
#include "ui_TTafsily2Form.h"

#include <QPointer>

namespace tarvand {

namespace data {
class TADOQuery;
}
namespace ui {
class TMenuItem;
}

// The detail-2 accounts (the company's cost centres). A code is its group's code followed by a
// serial that the editor generates; each account carries three account chains (the assets kept
// in it, their accumulated depreciation, their depreciation expense) that are checked against the
// chart of accounts before a row is written. The user sees only the accounts granted to them; the
// grants follow an account's code; an account that documents or the linked system use stays.
class TTafsily2Form : public TBaseEditorForm, public Ui_Tafsily2Form {
    Q_OBJECT

public:
    TTafsily2Form();
    ~TTafsily2Form() override;

    data::TADOQuery* quTafsily2;
    ui::TMenuItem* DeleteItem; // "حذف رديف"

    // The linked system's column of detail-2 codes (from the company's ERTEBAT settings).
    QString LinkDatabase;
    QString LinkTable;
    QString LinkField;
    // The level string and group lists of the subsidiary account of the chain last examined.
    MoeinLevels Levels;

    void dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift) override;
    void dbg_KeyPress(QObject* Sender, QChar& Key) override;
    void dbg_ColEnter() override;
    void dbg_DblClick() override;
    bool CheckRecord() override;
    int PickCode(int Column) override;
    // The delete command of the popup menu.
    void DeleteRowClick();

    // The code of the group followed by the current row's serial, or by the next serial of the
    // group when the row has none yet.
    QString NextTafsily2Code(const QString& group);
    // The name of the first column of the chain (prefix "", "A" or "H") in error, or empty.
    QString ValidateChain(const QString& prefix);
    // Whether the linked system's table leaves the code free (true when no link is set).
    bool Tafsily2LinkFree(const QString& code);

protected:
    void ShowCaptions() override;
    void PrepareExtra() override;
    void PadExtra() override;
    void PostExtra() override;
    void DeleteExtra() override;
    void MenuExtra() override;
    TKorvObject::Settings CommandSettings() const override;

private:
    void applyDefaults();
    void setColumnEditing();
    // Reads the subsidiary account of the chain into Levels; the level string it carries.
    const QString& readLevels(const QString& prefix);
    void goToNextRow();
    bool pickerColumn(const QString& field) const;
    int pickGroup(data::TField* code);
    int pickAccount(const QString& field, const QString& prefix);
    QString group() const;
    data::TField* field(const QString& name) const;
    bool justOpened_ = false;
    PrivilegeRows privileges_;
};

} // namespace tarvand
