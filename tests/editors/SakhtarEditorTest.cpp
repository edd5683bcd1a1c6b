#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOTable.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TInfoForm.h"
#include "TSakhtarForm.h"

#include <QTest>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

class SakhtarEditorTest : public EditorFixture {
protected:
    void SetUp() override {
        start();
        ASSERT_NE(show(InfoForm->Sakhtar_TabSheet), nullptr);
        ASSERT_EQ(editor, SakhtarForm);
    }
    QString currentType() const {
        return SakhtarForm->tblSakhtar->FieldByName(QStringLiteral("SakhtarType"))->AsString();
    }
    // Types the cells of a new row after the last one (or of the one Enter left ready), each
    // followed by Enter.
    void typeRow(const QStringList& cells) {
        if (SakhtarForm->tblSakhtar->State() != TDataSetState::dsInsert) {
            SakhtarForm->tblSakhtar->Last();
            press(Qt::Key_Down);
        }
        for (const QString& cell : cells) {
            type(cell);
            press(Qt::Key_Return);
        }
    }
    QStringList names(const QString& code) const {
        return column(QStringLiteral("Select SakhtarNam From D_Sakhtar Where SakhtarCod = '") + code +
                      QStringLiteral("' Order By SakhtarRaj"));
    }
};

TEST_F(SakhtarEditorTest, ANewRowStartsAsStringAndTheTypeCyclesThroughTheList) {
    SakhtarForm->tblSakhtar->Last();
    press(Qt::Key_Down);
    ASSERT_EQ(SakhtarForm->tblSakhtar->State(), TDataSetState::dsInsert);
    EXPECT_EQ(currentType(), QStringLiteral("رشته"));
    QStringList seen;
    for (int click = 0; click < 4; ++click) {
        SakhtarForm->dbgSakhtar->SetSelectedIndex(4);
        SakhtarForm->dbg_DblClick();
        seen << currentType();
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("كاركتر"), QStringLiteral("عدد صحيح"),
                                 QStringLiteral("عدد اعشاري"), QStringLiteral("رشته")}));
    press(Qt::Key_Space);
    EXPECT_EQ(currentType(), QStringLiteral("كاركتر"));
    EXPECT_FALSE(SakhtarForm->dbgSakhtar->Options().testFlag(ui::dgEditing));
}

TEST_F(SakhtarEditorTest, ANameIsUniqueWithinItsCodeOnly) {
    typeRow(
        {QStringLiteral("2"), QStringLiteral("9"), QStringLiteral("رنگ"), QStringLiteral("12"), QString()});
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_EQ(names(QStringLiteral("  2")).last(), QStringLiteral("رنگ"));

    typeRow(
        {QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("رنگ"), QStringLiteral("12"), QString()});
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("نام مشخصه دارايي, تكراريي مي باشد.")});
    EXPECT_EQ(SakhtarForm->dbgSakhtar->SelectedIndex(), 2);
    EXPECT_EQ(names(QStringLiteral("  1")).count(QStringLiteral("رنگ")), 1);
}

TEST_F(SakhtarEditorTest, AFifthCharacterInTheRowOrLengthIsDropped) {
    SakhtarForm->tblSakhtar->Last();
    press(Qt::Key_Down);
    SakhtarForm->dbgSakhtar->SetSelectedIndex(1);
    type(QStringLiteral("12345"));
    EXPECT_EQ(SakhtarForm->dbgSakhtar->EditText(), QStringLiteral("1234"));
    SakhtarForm->dbgSakhtar->SetSelectedIndex(3);
    type(QStringLiteral("98765"));
    EXPECT_EQ(SakhtarForm->dbgSakhtar->EditText(), QStringLiteral("9876"));
}

TEST_F(SakhtarEditorTest, AnEmptyLengthIsRefusedOnItsColumn) {
    typeRow({QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("ظرفيت"), QString(), QString()});
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("طول مشخصه دارايي وارد نشده است.")});
    EXPECT_EQ(SakhtarForm->dbgSakhtar->SelectedIndex(), 3);
    EXPECT_EQ(SakhtarForm->tblSakhtar->State(), TDataSetState::dsInsert);
}

} // namespace
} // namespace tarvand::testsupport
