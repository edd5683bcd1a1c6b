#include "EditorFixture.h"

#include "HostContext.h"
#include "TADOTable.h"
#include "TAstehlakForm.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TInfoForm.h"

#include <QTest>

using namespace tarvand;
using data::TDataSetState;

namespace tarvand::testsupport {
namespace {

class AstehlakEditorTest : public EditorFixture {
protected:
    void SetUp() override {
        start();
        ASSERT_NE(show(InfoForm->Astehlak_TabSheet), nullptr);
        ASSERT_EQ(editor, AstehlakForm);
    }
    QString value(const char* name) const {
        return AstehlakForm->tblAstehlak->FieldByName(QLatin1String(name))->AsString();
    }
    QStringList stored(const QString& code) const {
        return column(QStringLiteral("Select Sharh + '/' + Cast(Nozooli As Varchar(10)) + '/' + "
                                     "Cast(Salianeh As Varchar(10)) From D_Madeh151 Where MadehCod = '") +
                      code + QStringLiteral("'"));
    }
    // A new row after the last one, with its code and name typed and Enter pressed on the name.
    void newRow(const QString& code, const QString& name) {
        AstehlakForm->tblAstehlak->Last();
        press(Qt::Key_Down);
        type(code);
        press(Qt::Key_Return);
        type(name);
        press(Qt::Key_Return);
    }
    bool editable() const { return AstehlakForm->dbgAstehlak->Options().testFlag(ui::dgEditing); }
};

TEST_F(AstehlakEditorTest, EnterOnTheNameStartsStraightLineAndLeadsToTheYears) {
    newRow(QStringLiteral("21"), QStringLiteral("تجهيزات آزمايشگاهي"));
    EXPECT_EQ(AstehlakForm->dbgAstehlak->SelectedIndex(), 2);
    EXPECT_EQ(value("Sharh"), QStringLiteral("مستقيم"));
    EXPECT_FALSE(editable());
    press(Qt::Key_Return);
    EXPECT_EQ(AstehlakForm->dbgAstehlak->SelectedIndex(), 4);
    EXPECT_TRUE(editable());
    type(QStringLiteral("1234"));
    EXPECT_EQ(AstehlakForm->dbgAstehlak->EditText(), QStringLiteral("123"));
    press(Qt::Key_Return);
    EXPECT_EQ(stored(QStringLiteral(" 21")), QStringList{QStringLiteral("مستقيم/0/123")});
    EXPECT_EQ(AstehlakForm->tblAstehlak->State(), TDataSetState::dsInsert);
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(AstehlakEditorTest, SpaceCyclesTheMethodAndClearsTheOtherRate) {
    ASSERT_TRUE(AstehlakForm->tblAstehlak->Locate(QStringLiteral("MadehCod"), QStringLiteral("  2")));
    ASSERT_EQ(value("Sharh"), QStringLiteral("مستقيم"));
    AstehlakForm->dbgAstehlak->SetSelectedIndex(2);
    press(Qt::Key_Space);
    EXPECT_EQ(value("Sharh"), QStringLiteral("نزولي"));
    EXPECT_EQ(value("Salianeh"), QStringLiteral("0"));
    press(Qt::Key_Space);
    EXPECT_EQ(value("Sharh"), QStringLiteral("ندارد"));
    EXPECT_EQ(value("Nozooli"), QStringLiteral("0"));
    press(Qt::Key_Space);
    EXPECT_EQ(value("Sharh"), QStringLiteral("مستقيم"));
    press(Qt::Key_Space);
    press(Qt::Key_Space);
    // A row without depreciation posts with both rates 0.
    AstehlakForm->tblAstehlak->Post();
    EXPECT_EQ(stored(QStringLiteral("  2")), QStringList{QStringLiteral("ندارد/0/0")});
}

TEST_F(AstehlakEditorTest, UpAndDownLeaveTheRateCellsToTheMethodOfTheRowReached) {
    ASSERT_TRUE(AstehlakForm->tblAstehlak->Locate(QStringLiteral("MadehCod"), QStringLiteral("  1")));
    ASSERT_EQ(value("Sharh"), QStringLiteral("نزولي"));
    AstehlakForm->dbgAstehlak->SetSelectedIndex(3);
    EXPECT_TRUE(editable());
    press(Qt::Key_Down);
    ASSERT_EQ(value("Sharh"), QStringLiteral("مستقيم"));
    EXPECT_FALSE(editable());
    type(QStringLiteral("5"));
    EXPECT_EQ(AstehlakForm->tblAstehlak->State(), TDataSetState::dsBrowse);
    press(Qt::Key_Up);
    EXPECT_TRUE(editable());
}

// A new row without the rate of its method is refused on the rate's column and kept in insert.
TEST_F(AstehlakEditorTest, AMethodWithoutItsRateIsRefused) {
    newRow(QStringLiteral("22"), QStringLiteral("ابزار دقيق"));
    press(Qt::Key_Down);
    EXPECT_EQ(AstehlakForm->dbgAstehlak->SelectedIndex(), 4);
    AstehlakForm->dbgAstehlak->SetSelectedIndex(2);
    press(Qt::Key_Space);
    press(Qt::Key_Down);
    EXPECT_EQ(dialogs->messages, (QStringList{QStringLiteral("مقدار ساليانه صفر مي باشد."),
                                              QStringLiteral("مقدار نزولي صفر مي باشد.")}));
    EXPECT_EQ(AstehlakForm->dbgAstehlak->SelectedIndex(), 3);
    EXPECT_EQ(AstehlakForm->tblAstehlak->State(), TDataSetState::dsInsert);
    EXPECT_TRUE(stored(QStringLiteral(" 22")).isEmpty());
}

TEST_F(AstehlakEditorTest, LeavingADecliningRateClearsTheYears) {
    ASSERT_TRUE(AstehlakForm->tblAstehlak->Locate(QStringLiteral("MadehCod"), QStringLiteral("  1")));
    ASSERT_EQ(value("Sharh"), QStringLiteral("نزولي"));
    AstehlakForm->tblAstehlak->Edit();
    AstehlakForm->tblAstehlak->FieldByName(QStringLiteral("Salianeh"))->SetAsString(QStringLiteral("5"));
    AstehlakForm->dbgAstehlak->SetSelectedIndex(3);
    type(QStringLiteral("12"));
    AstehlakForm->dbgAstehlak->SetSelectedIndex(1);
    EXPECT_EQ(value("Nozooli"), QStringLiteral("12"));
    EXPECT_EQ(value("Salianeh"), QStringLiteral("0"));
    AstehlakForm->tblAstehlak->Post();
    EXPECT_EQ(stored(QStringLiteral("  1")), QStringList{QStringLiteral("نزولي/12/0")});
}

} // namespace
} // namespace tarvand::testsupport
