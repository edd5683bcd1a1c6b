#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOQuery.h"
#include "TComboBox.h"
#include "TDBGrid.h"
#include "TDepartForm.h"
#include "TField.h"
#include "TInfoForm.h"
#include "TMyDatabase.h"

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
    }
    // A new row after the last one, typed and left with Enter on the name.
    void typeRow(const QString& code, const QString& name) {
        DepartForm->quDepart->Last();
        DepartForm->dbgDepart->SetSelectedIndex(1);
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
};

TEST_F(DepartEditorTest, ADuplicateCodeIsToldOnceAndTheRowStaysInInsert) {
    typeRow(QStringLiteral("1"), QStringLiteral("واحد تازه"));
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("کد واحد سازماني تکراري مي باشد")});
    EXPECT_EQ(DepartForm->quDepart->State(), TDataSetState::dsInsert);
    EXPECT_EQ(DepartForm->dbgDepart->SelectedIndex(), 0);
    EXPECT_EQ(names(QStringLiteral("1")).size(), 1);
}

TEST_F(DepartEditorTest, AUnitInUseCannotBeRenumbered) {
    QString used;
    for (const QString& code : column(QStringLiteral("Select Code_field From Depart_1"))) {
        if (MyDatabase->IsCodeUsed(QStringLiteral("sp_Depended_Depart"), code))
            used = code;
    }
    ASSERT_FALSE(used.isEmpty());
    ASSERT_TRUE(DepartForm->quDepart->Locate(QStringLiteral("Code_field"), used.toInt()));
    DepartForm->dbgDepart->SetSelectedIndex(0);
    type(QStringLiteral("88"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("ركورد گردش دارد.")});
    EXPECT_EQ(DepartForm->quDepart->FieldByName(QStringLiteral("Code_field"))->AsString(), used);
    EXPECT_TRUE(names(QStringLiteral("88")).isEmpty());
}

} // namespace
} // namespace tarvand::testsupport
