#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOQuery.h"
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
        ASSERT_NE(show(InfoForm->Personel_TabSheet), nullptr);
        ASSERT_EQ(editor, DepartForm);
    }
    QStringList names(const QString& code) const {
        return column(QStringLiteral("Select Desk From Depart_1 Where Cast(Code_field As Varchar(20)) = '") +
                      code + QStringLiteral("'"));
    }
};

TEST_F(DepartEditorTest, ADuplicateCodeIsToldOnceAndTheRowStaysInInsert) {
    DepartForm->quDepart->Last();
    press(Qt::Key_Down);
    type(QStringLiteral("1"));
    press(Qt::Key_Return);
    type(QStringLiteral("واحد تازه"));
    press(Qt::Key_Return);
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
