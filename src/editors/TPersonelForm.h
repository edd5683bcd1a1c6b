#pragma once

#include "DataTypes.h"
#include "TBaseEditorForm.h"
#include "TMenuItem.h"
#include "TMyDatabase.h"
#include "TRecipientsEditor.h"
#include "ui_TPersonelForm.h"

#include <QPointer>
#include <array>

namespace tarvand {

class EDatabaseError;
namespace data {
class TADOQuery;
class TDataSet;
} // namespace data

// The people assets are handed over to, in the table the suite's payroll shares: each belongs to
// an organisational unit, has a kind of activity and one account chain for the documents issued
// for them. Columns the payroll needs get neutral values before a row is written, and the units
// the user works with are kept, by a submenu of the grid, in the company's settings.
class TPersonelForm : public TBaseEditorForm, public TRecipientsEditor, public Ui_PersonelForm {
    Q_OBJECT

public:
    // The levels of the account chain, in the order Enter walks them.
    enum AccountLevel { KollLevel, MoeinLevel, TafsilyLevel, Tafsily2Level, ProjectLevel, LevelCount };

    TPersonelForm();
    ~TPersonelForm() override;

    data::TADOQuery* quPersonel;

    void SetRoleCode(const QString& roleCode) override { roleCode_ = roleCode; }
    void SetTitle(const QString& title) override { title_ = title; }
    void BindAccountColumns() override;
    void StartUp() override;

    QString Title() const { return title_; }
    QString RoleCode() const { return roleCode_; }
    // The field a level of the chain is bound to.
    QString AccountField(AccountLevel level) const { return accountFields_.at(level); }
    // The submenu of the organisational units.
    ui::TMenuItem* UnitMenu() const { return unitMenu_; }

    void dbg_KeyDown(QObject* Sender, ui::WORD& Key, ui::TShiftState Shift) override;
    void dbg_KeyPress(QObject* Sender, QChar& Key) override;
    void dbg_ColEnter() override;
    void dbg_DblClick() override;
    // Every exception raised while this editor owns the handler is dropped: a duplicate code has
    // been told by the post-error handler already.
    void AppException(QObject* Sender, const std::exception& E) override;
    bool CheckRecord() override;
    int PickCode(int Column) override;
    void PrepareEditor() override;

    void quPersonel_AfterPost();
    void quPersonel_PostError(data::TDataSet* DataSet, EDatabaseError& E, data::TDataAction& Action);
    // Toggles a unit of the submenu (none: only saves) and stores the selection.
    void UnitMenuClick(ui::TMenuItem* Item);
    void SetColumnEditing();
    // The first rule the row breaks, told to the user: the field to correct, empty when none.
    QString ValidatePersonRow();
    void SaveUnitSelection();

protected:
    void ShowCaptions() override;
    void PadExtra() override;
    void ScrollExtra() override;
    QString HintLine(const QString& field) const override;
    void ShowHint(const QString& hint) override;
    TKorvObject::Settings CommandSettings() const override;

private:
    int accountLevel(const QString& field) const;
    bool carried(int level) const;
    void refreshLevels();
    QString typedCode(int level) const;
    void enterAccount(int level);
    void selectCarried(int fromLevel);
    void nextColumn();
    void nextRow();
    void cycleActivity();
    int pickUnit();
    int pickAccount(int level);
    int showPicker(const QString& statement);
    QString companyKey() const;
    QString readSettings(const QString& column);
    void fillUnitMenu();

    QString title_ = QStringLiteral("تحويل دهندگان");
    QString roleCode_ = QStringLiteral("N");
    std::array<QString, LevelCount> accountFields_;
    QString namTafsily2_;
    QString namProject_;
    QString typeSarfaslCod_;
    QString oldFamily_;
    QString postedUnit_;
    MoeinLevels levels_;
    QPointer<ui::TMenuItem> unitMenu_;
};

} // namespace tarvand
