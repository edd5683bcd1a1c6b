#include "ModuleHost.h"
#include "TADOQuery.h"
#include "TBitBtn.h"
#include "TCodeSelectForm.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TMenuItem.h"
#include "TSpeedButton.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ShowModalAndThen;

namespace {

class CodeSelectFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.Exec(
            QStringLiteral("Create Table Receivers (Code Varchar(5), Name Varchar(30), Family Varchar(30))"));
        host.Exec(QStringLiteral("Insert Into Receivers (Code, Name, Family) Values ('1', 'علي', 'رضايي'), "
                                 "('12', 'مريم', 'احمدي'), ('15', 'حسن', 'كريمي'), ('5', 'سارا', 'نوري'), "
                                 "('7', 'رضا', 'امين')"));
        form.SourceTable = QStringLiteral("Receivers");
    }
    // The marks of the list in code order, "x" for a ticked row.
    QString marks() const {
        QString text;
        const int recNo = form.quAnbarSelect->RecNo();
        for (form.quAnbarSelect->First(); !form.quAnbarSelect->Eof(); form.quAnbarSelect->Next())
            text +=
                form.quAnbarSelect->FieldByName(QStringLiteral("sSelect"))->AsString() == QStringLiteral("ض")
                    ? QLatin1Char('x')
                    : QLatin1Char('.');
        form.quAnbarSelect->SetRecNo(recNo);
        return text;
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(&form);
        QTest::keyClick(form.dbgAnbarSelect, key, modifiers);
    }

    testsupport::ModuleHost host{1, testsupport::ModuleHost::Context::SetNow};
    TCodeSelectForm form;
};

// A clerk reviews the recipients: the given text ticks every code it contains, Space ticks and
// unticks on the mark column only, inverting twice changes nothing, and OK returns the ticks.
TEST_F(CodeSelectFormTest, TicksAreChangedOnTheMarkColumnAndReturnedInCodeOrder) {
    form.Selection = QStringLiteral("12,15");
    QString during;
    const int result = ShowModalAndThen(form, [&] {
        during += marks(); // codes 1, 12, 15, 5, 7: 1 and 5 occur inside "12,15"
        form.quAnbarSelect->Last();
        form.dbgAnbarSelect->SetSelectedIndex(1);
        key(Qt::Key_Space);
        during += QLatin1Char('|') + marks();
        form.dbgAnbarSelect->SetSelectedIndex(0);
        key(Qt::Key_Space);
        form.quAnbarSelect->First();
        key(Qt::Key_Space);
        during += QLatin1Char('|') + marks();
        form.quAnbarSelect->SetRecNo(3);
        form.SelectRevertItem->Click();
        form.SelectRevertItem->Click();
        during += QLatin1Char('|') + marks() + QString::number(form.quAnbarSelect->RecNo());
        // The list neither gains nor loses rows.
        key(Qt::Key_Insert);
        key(Qt::Key_Delete, Qt::ControlModifier);
        during += QLatin1Char('|') + QString::number(form.quAnbarSelect->RecordCount());
        QTest::mouseClick(form.Ok_BitBtn, Qt::LeftButton);
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(during, QStringLiteral("xxxx.|xxxx.|.xxxx|.xxxx3|5"));
    EXPECT_EQ(form.Selection, QStringLiteral("12,15,5,7"));
}

TEST_F(CodeSelectFormTest, AllNoneAndLeavingKeepTheCallersSelection) {
    struct Case {
        const char* label;
        std::function<void(TCodeSelectForm&)> act;
        int result;
        const char* selection;
    };
    const Case cases[] = {
        {"none then OK",
         [](TCodeSelectForm& f) {
             f.NotSelectAllItem->Click();
             QTest::mouseClick(f.Ok_BitBtn, Qt::LeftButton);
         },
         ui::mrOk, ""},
        {"all then OK",
         [](TCodeSelectForm& f) {
             f.SelectAllItem->Click();
             QTest::mouseClick(f.Ok_BitBtn, Qt::LeftButton);
         },
         ui::mrOk, "1,12,15,5,7"},
        {"cancel", [](TCodeSelectForm& f) { QTest::mouseClick(f.Cancel_BitBtn, Qt::LeftButton); },
         ui::mrCancel, "7"},
        {"close button", [](TCodeSelectForm& f) { QTest::mouseClick(f.sb_Closed, Qt::LeftButton); },
         ui::mrCancel, "7"},
        {"Esc",
         [this](TCodeSelectForm&) {
             form.SelectAllItem->Click();
             key(Qt::Key_Escape);
         },
         ui::mrCancel, "7"},
    };
    for (const Case& c : cases) {
        form.Selection = QStringLiteral("7");
        EXPECT_EQ(ShowModalAndThen(form, [&] { c.act(form); }), c.result) << c.label;
        EXPECT_EQ(form.Selection, QString::fromUtf8(c.selection)) << c.label;
    }
}

} // namespace
