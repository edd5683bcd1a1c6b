#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOQuery.h"
#include "TComboBox.h"
#include "TDBGrid.h"
#include "TDepartForm.h"
#include "TField.h"
#include "TGlobal.h"
#include "TInfoForm.h"
#include "TKorvObject.h"
#include "TMyDatabase.h"
#include "TPanel.h"

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

class DepartEditorTest : public EditorFixture {
protected:
    void SetUp() override {
        start();
        InfoForm->Info_PageControl->SetActivePage(InfoForm->Personel_TabSheet);
        InfoForm->cmbPersonel->SetItemIndex(0);
        InfoForm->cmbPersonelChange();
        ASSERT_NE(show(InfoForm->Personel_TabSheet), nullptr);
        ASSERT_EQ(editor, DepartForm);
        form = DepartForm;
    }
    // A new row after the last one, typed and left with Enter on the name.
    void typeRow(const QString& code, const QString& name) {
        form->quDepart->Last();
        form->dbgDepart->SetSelectedIndex(1);
        press(Qt::Key_Return);
        type(code);
        press(Qt::Key_Return);
        type(name);
        press(Qt::Key_Return);
    }
    QStringList names(const QString& code) const {
        return column(QStringLiteral("Select Desk From Depart_1 Where Cast(Code_field As Varchar(20)) = '") +
                      code + QStringLiteral("'"));
    }

    TDepartForm* form = nullptr;
};

TEST_F(DepartEditorTest, HintsGoToItsOwnStatusLineAndCommandsUsePayrollsCodes) {
    EXPECT_EQ(form->parentWidget(), InfoForm->plPersonel);
    const QString windowHint = InfoForm->HintPanel->Caption();
    EXPECT_EQ(form->plStatus->Caption(), QStringLiteral("   کد واحد سازماني وارد گردد"));
    form->dbgDepart->SetSelectedIndex(1);
    EXPECT_EQ(form->plStatus->Caption(), QStringLiteral("   نام واحد سازماني وارد گردد"));
    EXPECT_EQ(InfoForm->HintPanel->Caption(), windowHint);
    const TKorvObject::Settings& settings = form->GridCommands->Configuration();
    EXPECT_EQ(settings.Prog, QStringLiteral("M"));
    EXPECT_EQ(settings.Part, QStringLiteral("DEPART"));
    EXPECT_EQ(settings.ReportTitle, QStringLiteral("گزارش واحدهاي سازماني") + Global->FiscalPeriodSuffix());
}

TEST_F(DepartEditorTest, ADuplicateCodeIsToldOnceAndTheRowStaysInInsert) {
    typeRow(QStringLiteral("1"), QStringLiteral("واحد تازه"));
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("کد واحد سازماني تکراري مي باشد")});
    EXPECT_EQ(form->quDepart->State(), TDataSetState::dsInsert);
    EXPECT_EQ(form->dbgDepart->SelectedIndex(), 0);
    EXPECT_EQ(names(QStringLiteral("1")).size(), 1);
}

TEST_F(DepartEditorTest, AUnitInUseCannotBeRenumbered) {
    QString used;
    for (const QString& code : column(QStringLiteral("Select Code_field From Depart_1"))) {
        if (MyDatabase->IsCodeUsed(QStringLiteral("sp_Depended_Depart"), code))
            used = code;
    }
    ASSERT_FALSE(used.isEmpty());
    ASSERT_TRUE(form->quDepart->Locate(QStringLiteral("Code_field"), used.toInt()));
    form->dbgDepart->SetSelectedIndex(0);
    type(QStringLiteral("88"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("ركورد گردش دارد.")});
    EXPECT_EQ(form->quDepart->FieldByName(QStringLiteral("Code_field"))->AsString(), used);
    EXPECT_TRUE(names(QStringLiteral("88")).isEmpty());
}

} // namespace
} // namespace tarvand::testsupport
