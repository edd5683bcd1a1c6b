#include "EditorFixture.h"

#include "EAbort.h"
#include "HostContext.h"
#include "TADOTable.h"
#include "TApplication.h"
#include "TBaseEditorForm.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TInfoForm.h"
#include "TMyDatabase.h"
#include "TPanel.h"
#include "TVazDaraeForm.h"

#include <QAbstractItemModel>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

class SimpleListEditorTest : public EditorFixture {
protected:
    // With an extra state that nothing uses, code '  9'; onServer keeps the company on PostgreSQL.
    void showVazDarae(bool withUnused = false, bool onServer = false) {
        start(1, onServer);
        if (withUnused)
            host->Exec(
                QStringLiteral("Insert Into D_VazDarae (VazCod, VazNam) Values ('  9', 'بلا استفاده')"));
        ASSERT_NE(show(InfoForm->VazDarae_TabSheet), nullptr);
        ASSERT_EQ(editor, VazDaraeForm);
    }
    data::TDataSet& rows() const { return *editor->DataSet(); }
    QStringList states(const QString& where) const {
        return column(QStringLiteral("Select VazNam From D_VazDarae Where ") + where);
    }
};

TEST_F(SimpleListEditorTest, ARefusedPostKeepsTheRowWithItsValuesAndSelectsTheColumn) {
    showVazDarae();
    rows().Last();
    press(Qt::Key_Down);
    type(QStringLiteral("9"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("نام وضعيت دارايي وارد نشده است.")});
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(editor->Grid()->SelectedIndex(), 1);
    EXPECT_EQ(current(0).trimmed(), QStringLiteral("9"));
}

// The refusal of a duplicate key reads the same from a company file and from a PostgreSQL server.
class SimpleListEditorOnEachBackendTest : public SimpleListEditorTest,
                                          public ::testing::WithParamInterface<bool> {};

TEST_P(SimpleListEditorOnEachBackendTest, ADuplicateCodeGetsTheTablesMessageFromTheServersRefusal) {
    showVazDarae(false, GetParam());
    rows().Last();
    press(Qt::Key_Down);
    type(QStringLiteral("1"));
    press(Qt::Key_Return);
    type(QStringLiteral("نامي ديگر"));
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("كد وضعيت تكراري مي باشد.")});
    EXPECT_EQ(rows().State(), TDataSetState::dsInsert);
    EXPECT_EQ(editor->Grid()->SelectedIndex(), 0);
    EXPECT_EQ(current(1), QStringLiteral("نامي ديگر"));
    EXPECT_EQ(states(QStringLiteral("VazCod = '  1'")),
              QStringList{QStringLiteral("فعال و در حال بهره برداري")});
}

INSTANTIATE_TEST_SUITE_P(Editors, SimpleListEditorOnEachBackendTest, ::testing::Values(false));
INSTANTIATE_TEST_SUITE_P(OnPostgres, SimpleListEditorOnEachBackendTest, ::testing::Values(true));

TEST_F(SimpleListEditorTest, OtherErrorsReachingTheHandlerAreDropped) {
    showVazDarae();
    ui::Application->HandleException(
        Exception(QStringLiteral("Violation of PRIMARY KEY constraint 'PK_D_Makan'.")));
    ui::Application->HandleException(Exception(QStringLiteral("Invalid object name 'X'.")));
    EXPECT_TRUE(dialogs->messages.isEmpty());
    ui::Application->HandleException(
        Exception(QStringLiteral("violation of primary key constraint 'pk_d_vazdarae'. Cannot insert")));
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("كد وضعيت تكراري مي باشد.")});
}

TEST_F(SimpleListEditorTest, ADuplicateNameIsRefusedButABlankOrKashidaRenameIsNotLookedUp) {
    start();
    ASSERT_NE(show(InfoForm->Vezarat_TabSheet), nullptr);
    data::TDataSet& groups = *editor->DataSet();
    ASSERT_TRUE(groups.Locate(QStringLiteral("VezCod"), QStringLiteral("  2")));
    editor->Grid()->SetSelectedIndex(1);
    type(QStringLiteral("زمين  و ساختمان"));
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("نام اظهار نامه مالياتي تكراري مي باشد")});
    EXPECT_EQ(groups.State(), TDataSetState::dsEdit);
    EXPECT_EQ(editor->Grid()->SelectedIndex(), 1);
    groups.Cancel();

    // The server would find the row itself under its compacted name: only the skipped look-up
    // lets this rename through.
    ASSERT_TRUE(groups.Locate(QStringLiteral("VezCod"), QStringLiteral("  1")));
    groups.Edit();
    groups.FieldByName(QStringLiteral("VezNam"))->SetAsString(QStringLiteral("زمـين وساختمان"));
    groups.Post();
    EXPECT_EQ(column(QStringLiteral("Select VezNam From D_VezArat Where VezCod = '  1'")),
              QStringList{QStringLiteral("زمـين وساختمان")});
    EXPECT_EQ(dialogs->messages.size(), 1);
}

TEST_F(SimpleListEditorTest, AUsedCodeCannotBeRenamedButAnUnusedOneCan) {
    showVazDarae(true);
    ASSERT_TRUE(MyDatabase->IsCodeUsed(QStringLiteral("sp_D_Depended_VazCode"), QStringLiteral("  1")));
    ASSERT_TRUE(rows().Locate(QStringLiteral("VazCod"), QStringLiteral("  1")));
    editor->Grid()->SetSelectedIndex(0);
    press(Qt::Key_Backspace);
    type(QStringLiteral("77"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("ركورد گردش دارد.")});
    EXPECT_EQ(rows().State(), TDataSetState::dsBrowse);
    EXPECT_EQ(current(0), QStringLiteral("  1"));
    EXPECT_EQ(states(QStringLiteral("VazCod = ' 77'")), QStringList());

    ASSERT_TRUE(rows().Locate(QStringLiteral("VazCod"), QStringLiteral("  9")));
    const QString name = current(1);
    editor->Grid()->SetSelectedIndex(0);
    type(QStringLiteral("66"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(states(QStringLiteral("VazCod = ' 66'")), QStringList{name});
    EXPECT_EQ(dialogs->messages.size(), 1);
}

TEST_F(SimpleListEditorTest, DeletionGoesOnlyThroughTheCommandObject) {
    showVazDarae(true);
    ASSERT_TRUE(rows().Locate(QStringLiteral("VazCod"), QStringLiteral("  1")));
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("گردش دارد.")});
    EXPECT_EQ(states(QStringLiteral("VazCod = '  1'")).size(), 1);

    ASSERT_TRUE(rows().Locate(QStringLiteral("VazCod"), QStringLiteral("  9")));
    // Asked any other way, the table refuses.
    EXPECT_THROW(rows().Delete(), EAbort);
    EXPECT_EQ(states(QStringLiteral("VazCod = '  9'")).size(), 1);

    dialogs->answers = {7};
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(dialogs->messages.last(), QStringLiteral("آيا حذف شود؟"));
    EXPECT_EQ(states(QStringLiteral("VazCod = '  9'")).size(), 1);
    dialogs->answers = {6};
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(states(QStringLiteral("VazCod = '  9'")).isEmpty());
    EXPECT_EQ(rows().RecordCount(), 6);
    EXPECT_EQ(rows().Tag, 11);
}

TEST_F(SimpleListEditorTest, EscOnTheOnlyNewRowOfAnEmptyTableLeavesNoRow) {
    start();
    host->Exec(QStringLiteral("Delete From D_Gheimat"));
    ASSERT_NE(show(InfoForm->Gheimat_TabSheet), nullptr);
    data::TDataSet& parts = *editor->DataSet();
    ASSERT_EQ(parts.RecordCount(), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(parts.State(), TDataSetState::dsInsert);
    press(Qt::Key_Escape);
    EXPECT_EQ(parts.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(parts.RecordCount(), 0);
    EXPECT_EQ(parts.RecNo(), -1);
    EXPECT_EQ(editor->Grid()->model()->rowCount(), 0);
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(SimpleListEditorTest, ADisabledTabShowsAnEmptyClosedGrid) {
    start(2);
    ASSERT_FALSE(InfoForm->Gheimat_TabSheet->Enabled());
    ASSERT_NE(show(InfoForm->Gheimat_TabSheet), nullptr);
    EXPECT_FALSE(editor->DataSet()->Active());
    EXPECT_EQ(editor->Grid()->model()->rowCount(), 0);
    EXPECT_FALSE(editor->Grid()->isEnabled());
    // The key assurance ran all the same: the table now has its primary key.
    EXPECT_EQ(column(QStringLiteral("Select Name From SysIndexes Where Name = 'PK_D_Gheimat'")),
              QStringList{QStringLiteral("PK_D_Gheimat")});
}

TEST_F(SimpleListEditorTest, ASavedLayoutWithTheNameFirstKeepsEveryRuleOnItsField) {
    start();
    for (const char* row : {"'VazNam', 300, 0", "'VazCod', 45, 1"})
        host->Exec(
            QStringLiteral("Insert Into Grid_State(UserId, sVisible, sProg, sItem, sForm, sPart, sColName, "
                           "iLen, iRaj) Values ('1', 'T', 'D', 'SABT', 'VAZDARAE', '', ") +
            QLatin1String(row) + QLatin1Char(')'));
    ASSERT_NE(show(InfoForm->VazDarae_TabSheet), nullptr);
    ASSERT_EQ(editor->Grid()->Columns()->Items(0)->FieldName(), QStringLiteral("VazNam"));
    rows().Last();
    press(Qt::Key_Down);
    EXPECT_EQ(InfoForm->HintPanel->Caption(), QStringLiteral("  نام وضعيت دارايي را وارد كنيد"));
    type(QStringLiteral("امانی"));
    press(Qt::Key_Return);
    type(QStringLiteral("47"));
    press(Qt::Key_Return);
    EXPECT_EQ(states(QStringLiteral("VazCod = ' 47'")), QStringList{QStringLiteral("اماني")});
    type(QStringLiteral("بي كد"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("كد وضعيت دارايي وارد نشده است.")});
    EXPECT_EQ(editor->Grid()->SelectedIndex(), 1);
    EXPECT_EQ(current(0), QStringLiteral("بي كد"));
}

TEST_F(SimpleListEditorTest, ANameStoredFromAPersianKeyboardIsTheSameName) {
    start();
    host->Exec(QStringLiteral("Insert Into D_VazDarae (VazCod, VazNam) Values ('  9', 'کهنه ی')"));
    ASSERT_NE(show(InfoForm->VazDarae_TabSheet), nullptr);
    rows().Last();
    press(Qt::Key_Down);
    type(QStringLiteral("8"));
    press(Qt::Key_Return);
    type(QStringLiteral("كهنه ي"));
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("نام وضعيت دارايي تكراريي مي باشد.")});
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);

    // Retyped on a Persian keyboard, the row's own name is not taken for another's.
    ASSERT_TRUE(rows().Locate(QStringLiteral("VazCod"), QStringLiteral("  9")));
    editor->Grid()->SetSelectedIndex(1);
    type(QStringLiteral("کهنه ی"));
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(states(QStringLiteral("VazCod = '  9'")), QStringList{QStringLiteral("كهنه ي")});
}

} // namespace
} // namespace tarvand::testsupport
