#include "TBevel.h"
#include "TBitBtn.h"
#include "TDlgMsg.h"
#include "TImage.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

using tarvand::host::TDlgMsg;
namespace ui = tarvand::ui;

namespace {

// Shows the dialog modally with the given buttons visible and does `act` once the modal loop runs.
int showModalAndThen(TDlgMsg& dialog, std::initializer_list<ui::TBitBtn*> buttons,
                     std::function<void()> act) {
    for (ui::TBitBtn* button :
         {dialog.BBtnOK1, dialog.BBtnOK2, dialog.BBtnCancel, dialog.BBtnYes, dialog.BBtnNo})
        button->SetVisible(false);
    for (ui::TBitBtn* button : buttons)
        button->SetVisible(true);
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        EXPECT_TRUE(dialog.IsModal());
        act();
    });
    // A dialog that ignores what was done would wait for ever; end it with a result no button gives.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&dialog] {
        ADD_FAILURE() << "the dialog did not end its modal loop";
        dialog.SetModalResult(-1);
    });
    watchdog.start(10000);
    return dialog.ShowModal();
}

void pressKey(TDlgMsg& dialog, Qt::Key key) {
    // Keys reach the focus widget of the active window, as they do when a user types. The
    // offscreen platform activates a window only the first time it is shown; a window manager
    // activates a modal dialog every time.
    QApplication::setActiveWindow(&dialog);
    ASSERT_EQ(QApplication::activeWindow(), &dialog);
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &dialog;
    QTest::keyClick(target, key);
}

} // namespace

TEST(DlgMsg, HasTheDesignedClientAreaAndComponents) {
    TDlgMsg dialog;
    EXPECT_EQ(dialog.size(), QSize(298, 135));
    EXPECT_EQ(dialog.objectName(), QStringLiteral("DlgMsg"));
    EXPECT_EQ(dialog.BorderStyle(), ui::bsNone);
    EXPECT_EQ(dialog.layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(dialog.font().pixelSize(), 13);

    EXPECT_EQ(dialog.Panel1->Align(), ui::alClient);
    EXPECT_EQ(dialog.Panel1->BevelInner(), ui::bvRaised);
    EXPECT_EQ(dialog.InfoPanel->Align(), ui::alClient);
    EXPECT_EQ(dialog.Bevel2->size(), QSize(220, 75));
    EXPECT_EQ(dialog.Panel2->size(), QSize(65, 76));
    EXPECT_EQ(dialog.Panel2->BevelInner(), ui::bvLowered);
    EXPECT_EQ(dialog.BottomPanel->Align(), ui::alBottom);
    EXPECT_EQ(dialog.BottomPanel->Height(), 32);
    EXPECT_EQ(dialog.Caption_Panel->Height(), 24);
    EXPECT_EQ(dialog.Caption_Panel->Tag, 99);
    EXPECT_EQ(dialog.Caption_Panel->Alignment(), ui::taLeftJustify);
    EXPECT_EQ(dialog.sb_Closed->Hint(), QStringLiteral("بستن فرم"));
    EXPECT_GT(dialog.Close_Shape->Width(), 0);
    EXPECT_FALSE(dialog.Timer->isActive());
    EXPECT_EQ(dialog.Timer->interval(), 1300);
}

TEST(DlgMsg, MemoIsAReadOnlyBorderlessTextWithoutTabStop) {
    TDlgMsg dialog;
    EXPECT_TRUE(dialog.Memo1->ReadOnly());
    EXPECT_EQ(dialog.Memo1->BorderStyle(), ui::bsNone);
    EXPECT_FALSE(dialog.Memo1->TabStop());
    EXPECT_EQ(dialog.Memo1->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(dialog.Memo1->Color(), dialog.palette().color(QPalette::Button));
    EXPECT_EQ(dialog.Memo1->Left(), 5);
    EXPECT_EQ(dialog.Memo1->Width(), 217);
}

TEST(DlgMsg, IconsAreHiddenStretchedPicturesOfTheirSize) {
    TDlgMsg dialog;
    for (ui::TImage* image : {dialog.I_Warning, dialog.I_Question, dialog.I_Error, dialog.I_Info}) {
        EXPECT_EQ(image->size(), QSize(36, 37)) << image->objectName().toStdString();
        EXPECT_TRUE(image->isHidden());
        EXPECT_TRUE(image->Stretch());
        EXPECT_FALSE(image->Picture().isNull());
    }
    EXPECT_EQ(dialog.I_Stop->size(), QSize(45, 48));
    EXPECT_TRUE(dialog.I_Stop->Center());
    EXPECT_TRUE(dialog.I_Stop->isHidden());
    EXPECT_FALSE(dialog.I_Stop->Picture().isNull());
    EXPECT_NE(dialog.I_Stop->Picture().toImage(), dialog.I_Error->Picture().toImage());
}

TEST(DlgMsg, ButtonsAreHiddenWithTheirCaptionsPlacesAndResults) {
    TDlgMsg dialog;
    struct Expected {
        ui::TBitBtn* button;
        const char* caption;
        int left;
        int result;
    };
    const Expected buttons[] = {{dialog.BBtnOK2, "&تاييد", 205, ui::mrOk},
                                {dialog.BBtnCancel, "&انصراف", 10, ui::mrCancel},
                                {dialog.BBtnOK1, "&تاييد", 109, ui::mrOk},
                                {dialog.BBtnYes, "&بله", 205, ui::mrYes},
                                {dialog.BBtnNo, "&خير", 10, ui::mrNo}};
    for (const Expected& expected : buttons) {
        SCOPED_TRACE(expected.button->objectName().toStdString());
        EXPECT_TRUE(expected.button->isHidden());
        EXPECT_EQ(expected.button->Caption(), QString::fromUtf8(expected.caption));
        EXPECT_EQ(expected.button->Left(), expected.left);
        EXPECT_EQ(expected.button->ModalResult(), expected.result);
    }
    EXPECT_EQ(dialog.BBtnOK2->Kind(), ui::bkOK);
    EXPECT_EQ(dialog.BBtnCancel->Kind(), ui::bkCancel);
    EXPECT_EQ(dialog.BBtnYes->Kind(), ui::bkYes);
    EXPECT_TRUE(dialog.BBtnOK1->Default());
    EXPECT_TRUE(dialog.BBtnNo->Cancel());
    EXPECT_TRUE(dialog.BBtnCancel->font().bold());
}

TEST(DlgMsg, ButtonsEndTheModalLoopWithTheirResults) {
    TDlgMsg dialog;
    EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnYes, dialog.BBtnNo}, [&] { dialog.BBtnYes->click(); }),
              ui::mrYes);
    EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnYes, dialog.BBtnNo}, [&] { dialog.BBtnNo->click(); }),
              ui::mrNo);
    EXPECT_EQ(
        showModalAndThen(dialog, {dialog.BBtnOK2, dialog.BBtnCancel}, [&] { dialog.BBtnCancel->click(); }),
        ui::mrCancel);
    EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnOK1}, [&] { dialog.BBtnOK1->click(); }), ui::mrOk);
}

TEST(DlgMsg, EnterAnswersTheVisibleDefaultButton) {
    TDlgMsg dialog;
    EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnOK1}, [&] { pressKey(dialog, Qt::Key_Return); }),
              ui::mrOk);
    EXPECT_EQ(
        showModalAndThen(dialog, {dialog.BBtnYes, dialog.BBtnNo}, [&] { pressKey(dialog, Qt::Key_Return); }),
        ui::mrYes);
}

TEST(DlgMsg, CloseButtonGivesTheDismissResult) {
    TDlgMsg dialog;
    for (int dismiss : {ui::mrOk, ui::mrCancel, ui::mrNo}) {
        dialog.SetDismissResult(dismiss);
        EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnOK1}, [&] { dialog.sb_Closed->click(); }), dismiss);
    }
}

TEST(DlgMsg, EscGivesTheDismissResultWhateverButtonsShow) {
    TDlgMsg dialog;
    dialog.SetDismissResult(ui::mrOk);
    EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnOK1}, [&] { pressKey(dialog, Qt::Key_Escape); }),
              ui::mrOk);
    dialog.SetDismissResult(ui::mrCancel);
    EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnOK2, dialog.BBtnCancel},
                               [&] { pressKey(dialog, Qt::Key_Escape); }),
              ui::mrCancel);
    dialog.SetDismissResult(ui::mrNo);
    EXPECT_EQ(
        showModalAndThen(dialog, {dialog.BBtnYes, dialog.BBtnNo}, [&] { pressKey(dialog, Qt::Key_Escape); }),
        ui::mrNo);
    // A message without buttons can still be left.
    dialog.SetDismissResult(ui::mrOk);
    EXPECT_EQ(showModalAndThen(dialog, {}, [&] { pressKey(dialog, Qt::Key_Escape); }), ui::mrOk);
}

TEST(DlgMsg, ClosingTheWindowGivesTheDismissResult) {
    TDlgMsg dialog;
    dialog.SetDismissResult(ui::mrNo);
    EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnYes, dialog.BBtnNo}, [&] { dialog.close(); }), ui::mrNo);
    EXPECT_TRUE(dialog.isHidden());
}

TEST(DlgMsg, EnabledTimerDismissesTheMessageByItself) {
    TDlgMsg dialog;
    dialog.SetDismissResult(ui::mrOk);
    dialog.Timer->setInterval(1);
    EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnOK1}, [&] { dialog.Timer->start(); }), ui::mrOk);
    EXPECT_FALSE(dialog.Timer->isActive());
}

TEST(DlgMsg, CanBeShownAgainAfterEachMessage) {
    TDlgMsg dialog;
    for (int round = 0; round < 3; ++round)
        EXPECT_EQ(showModalAndThen(dialog, {dialog.BBtnOK1}, [&] { dialog.BBtnOK1->click(); }), ui::mrOk);
    EXPECT_FALSE(dialog.IsModal());
}

TEST(DlgMsg, HasADefaultTitle) {
    TDlgMsg dialog;
    EXPECT_FALSE(dialog.DefaultTitle().trimmed().isEmpty());
    EXPECT_EQ(dialog.Caption(), dialog.DefaultTitle());
}
