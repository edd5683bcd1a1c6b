#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TDBGrid.h"
#include "TEdit.h"
#include "TField.h"
#include "TInfoForm.h"
#include "TLabel.h"
#include "TMakanForm.h"
#include "TPanel.h"
#include "TTempGridForm.h"

#include <QTest>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

class MakanEditorTest : public EditorFixture {
protected:
    void SetUp() override {
        start();
        ASSERT_NE(show(InfoForm->Makan_TabSheet), nullptr);
        ASSERT_EQ(editor, MakanForm);
        makan = MakanForm;
    }
    // Chooses the picker's row of a detail-2 code with the OK button.
    void choose(const QString& code) {
        dialogs->pick = [code](host::TTempGridForm& picker) {
            picker.quTemp->Locate(QStringLiteral("Tafsily2"), code);
            QTest::mouseClick(picker.BtnOk, Qt::LeftButton);
        };
    }
    data::TDataSet& rows() const { return *editor->DataSet(); }

    TMakanForm* makan = nullptr;
};

TEST_F(MakanEditorTest, CaptionsTitlesAndNameBoxFollowTheCompanysDetail2Name) {
    EXPECT_EQ(makan->Caption(), QStringLiteral("مكان دارايي"));
    EXPECT_EQ(makan->lbNamHesab->text(), QStringLiteral("نام مراكز هزينه"));
    EXPECT_EQ(makan->dbgMakan->Columns()->Items(2)->Title()->Caption(), QStringLiteral("مراكز هزينه"));
    EXPECT_EQ(makan->dbgMakan->Columns()->Items(1)->Width(), 645);
    EXPECT_EQ(makan->txtNamHesab->Left() + makan->txtNamHesab->Width() + 2, makan->lbNamHesab->Left());
    EXPECT_FALSE(makan->plBottom->Enabled());
    EXPECT_EQ(makan->lbNamHesab->Left() + makan->lbNamHesab->Width() + 8, makan->plBottom->Width());
    // The first row is current from the start, its account named under the grid.
    EXPECT_EQ(makan->OldCode, QStringLiteral("  1"));
    EXPECT_FALSE(makan->txtNamHesab->text().isEmpty());
    rows().First();
    EXPECT_EQ(rows().FieldByName(QStringLiteral("Tafsily2"))->AsString(), QStringLiteral("030001"));
    EXPECT_EQ(makan->txtNamHesab->text(),
              column(QStringLiteral("Select NamHesab From Tafsily2 Where Tafsily2 = '030001'")).value(0));
    EXPECT_FALSE(makan->txtNamHesab->text().isEmpty());
    makan->dbgMakan->SetSelectedIndex(2);
    EXPECT_EQ(InfoForm->HintPanel->Caption(),
              QStringLiteral("  مراكز هزينه مكان استقرار دارايي را وارد كنيد"));
}

TEST_F(MakanEditorTest, ThePickerWritesBackTheCodeAndNameAndEnterGoesOnToANewRow) {
    rows().Last();
    press(Qt::Key_Down);
    ASSERT_EQ(rows().State(), TDataSetState::dsInsert);
    makan->dbgMakan->SetSelectedIndex(0);
    type(QStringLiteral("55"));
    press(Qt::Key_Return);
    type(QStringLiteral("انبار قطعات"));
    press(Qt::Key_Return);
    EXPECT_EQ(makan->dbgMakan->SelectedIndex(), 2);

    // Leaving the picker keeps the cursor on the account column of the new row.
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->pickerShown, 1);
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(makan->dbgMakan->SelectedIndex(), 2);

    choose(QStringLiteral("020001"));
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->pickerShown, 2);
    EXPECT_EQ(column(QStringLiteral("Select Tafsily2 From D_Makan Where MakanCod = ' 55'")),
              QStringList{QStringLiteral("020001")});
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(makan->dbgMakan->SelectedIndex(), 0);
    EXPECT_EQ(dialogs->messages, QStringList());
}

TEST_F(MakanEditorTest, ShortAccountCodesAreZeroPaddedAndAMissingAccountOpensThePicker) {
    rows().Last();
    press(Qt::Key_Down);
    makan->dbgMakan->SetSelectedIndex(0);
    type(QStringLiteral("10"));
    press(Qt::Key_Return);
    type(QStringLiteral("دفتر تهران"));
    press(Qt::Key_Return);
    type(QStringLiteral("99"));
    // Down leaves the row, which posts it; the account does not exist.
    press(Qt::Key_Down);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("مراكز هزينه ثبت نشده است.")});
    EXPECT_EQ(dialogs->pickerShown, 1);
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(rows().FieldByName(QStringLiteral("Tafsily2"))->AsString(), QStringLiteral("000099"));
    EXPECT_EQ(makan->dbgMakan->SelectedIndex(), 2);
    EXPECT_TRUE(column(QStringLiteral("Select MakanNam From D_Makan Where MakanCod = ' 10'")).isEmpty());

    // Emptied, the account is asked for; chosen in the picker, the row can go.
    makan->dbgMakan->SetSelectedIndex(2);
    press(Qt::Key_Backspace);
    press(Qt::Key_Down);
    EXPECT_EQ(dialogs->messages.last(), QStringLiteral("مراكز هزينه مكان استقرار وارد نشده است."));
    choose(QStringLiteral("010002"));
    makan->dbgMakan->SetSelectedIndex(2);
    press(Qt::Key_Return);
    EXPECT_EQ(column(QStringLiteral("Select Tafsily2 From D_Makan Where MakanCod = ' 10'")),
              QStringList{QStringLiteral("010002")});
}

TEST_F(MakanEditorTest, ARowWhoseAccountWasRemovedCannotBePostedAgain) {
    host->Exec(QStringLiteral("Delete From Tafsily2 Where Tafsily2 = '030001'"));
    rows().First();
    EXPECT_EQ(rows().FieldByName(QStringLiteral("Tafsily2"))->AsString(), QStringLiteral("030001"));
    makan->dbgMakan->SetSelectedIndex(1);
    type(QStringLiteral("مديريت"));
    press(Qt::Key_Down);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("مراكز هزينه ثبت نشده است.")});
    EXPECT_EQ(rows().State(), TDataSetState::dsEdit);
    EXPECT_EQ(rows().RecNo(), 1);
}

} // namespace
} // namespace tarvand::testsupport
