#include "ShowMsg.h"
#include "Exception.h"
#include "HostContext.h"
#include "TBitBtn.h"
#include "TDlgMsg.h"
#include "TImage.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TSpeedButton.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvand;
using host::TDlgMsg;

namespace {

// What the dialog showed while it was open.
struct Shown {
    QStringList buttons;
    QStringList icons;
    int memoLeft = 0;
    int memoWidth = 0;
    int memoHeight = 0;
    int height = 0;
    QPoint position;
    ui::TScrollStyle scrollBars = ui::ssNone;
    bool infoPanelEnabled = false;
    QString memoText;
    QString strip;
    QString caption;
    QString okCaption;
};

class ShowMsgTest : public ::testing::Test {
protected:
    void SetUp() override { DlgMsg = &dialog; }
    void TearDown() override { DlgMsg = nullptr; }

    // Shows the message and, once the dialog is up, records it and leaves it with `leave`.
    int show(const QString& msg, const QString& title, const QString& kind,
             const std::function<void(TDlgMsg&)>& leave) {
        QTimer::singleShot(0, &dialog, [this, leave] {
            EXPECT_TRUE(dialog.IsModal());
            record();
            leave(dialog);
        });
        return ShowMsg(msg, title, kind);
    }

    void record() {
        shown = Shown();
        const std::pair<ui::TBitBtn*, const char*> buttons[] = {{dialog.BBtnOK2, "OK2"},
                                                                {dialog.BBtnCancel, "Cancel"},
                                                                {dialog.BBtnOK1, "OK1"},
                                                                {dialog.BBtnYes, "Yes"},
                                                                {dialog.BBtnNo, "No"}};
        for (const auto& [button, name] : buttons) {
            if (button->isVisible())
                shown.buttons << QLatin1String(name);
        }
        const std::pair<ui::TImage*, const char*> icons[] = {{dialog.I_Warning, "Warning"},
                                                             {dialog.I_Question, "Question"},
                                                             {dialog.I_Error, "Error"},
                                                             {dialog.I_Stop, "Stop"},
                                                             {dialog.I_Info, "Info"}};
        for (const auto& [image, name] : icons) {
            if (image->isVisible())
                shown.icons << QLatin1String(name);
        }
        shown.memoLeft = dialog.Memo1->Left();
        shown.memoWidth = dialog.Memo1->Width();
        shown.memoHeight = dialog.Memo1->Height();
        shown.height = dialog.Height();
        shown.position = dialog.pos();
        shown.scrollBars = dialog.Memo1->ScrollBars();
        shown.infoPanelEnabled = dialog.InfoPanel->Enabled();
        shown.memoText = dialog.Memo1->Text();
        shown.strip = dialog.Caption_Panel->Caption();
        shown.caption = dialog.Caption();
        shown.okCaption = dialog.BBtnOK1->Caption();
    }

    static void click(ui::TBitBtn* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Esc where the user's key goes: the focused control of the dialog, which a window manager
    // activates when it shows (the offscreen platform only the first time).
    static void escape(TDlgMsg& dialog) {
        QApplication::setActiveWindow(&dialog);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr && dialog.isAncestorOf(focus) ? focus : &dialog, Qt::Key_Escape);
    }

    TDlgMsg dialog;
    Shown shown;
};

} // namespace

TEST_F(ShowMsgTest, ErrorKindShowsOneOkButtonAndTheErrorIcon) {
    EXPECT_EQ(show(QStringLiteral("كد تكراري است."), QString(), QStringLiteral("1ER"),
                   [](TDlgMsg& d) { click(d.BBtnOK1); }),
              1);
    EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK1")});
    EXPECT_EQ(shown.icons, QStringList{QStringLiteral("Error")});
    EXPECT_EQ(shown.memoLeft, 5);
    EXPECT_EQ(shown.memoWidth, 217);
    EXPECT_EQ(shown.memoText, QStringLiteral("كد تكراري است."));
}

TEST_F(ShowMsgTest, QuestionKindAnswersSixOnlyForYes) {
    EXPECT_EQ(show(QStringLiteral("آيا حذف شود؟"), QString(), QStringLiteral("3QR"),
                   [](TDlgMsg& d) { click(d.BBtnYes); }),
              6);
    EXPECT_EQ(shown.buttons, QStringList({QStringLiteral("Yes"), QStringLiteral("No")}));
    EXPECT_EQ(shown.icons, QStringList{QStringLiteral("Question")});
    EXPECT_EQ(show(QStringLiteral("آيا حذف شود؟"), QString(), QStringLiteral("3QR"),
                   [](TDlgMsg& d) { click(d.BBtnNo); }),
              7);
    EXPECT_EQ(show(QStringLiteral("آيا حذف شود؟"), QString(), QStringLiteral("3QR"), escape), 7);
    EXPECT_EQ(show(QStringLiteral("آيا حذف شود؟"), QString(), QStringLiteral("3QR"),
                   [](TDlgMsg& d) { d.sb_Closed->click(); }),
              7);
}

TEST_F(ShowMsgTest, OkCancelKindAnswersOneTwoAndTwoWhenDismissed) {
    EXPECT_EQ(show(QStringLiteral("ادامه مي دهيد؟"), QString(), QStringLiteral("2WR"),
                   [](TDlgMsg& d) { click(d.BBtnOK2); }),
              1);
    EXPECT_EQ(shown.buttons, QStringList({QStringLiteral("OK2"), QStringLiteral("Cancel")}));
    EXPECT_EQ(shown.icons, QStringList{QStringLiteral("Warning")});
    EXPECT_EQ(
        show(QStringLiteral("x"), QString(), QStringLiteral("2WR"), [](TDlgMsg& d) { click(d.BBtnCancel); }),
        2);
    EXPECT_EQ(show(QStringLiteral("x"), QString(), QStringLiteral("2WR"), [](TDlgMsg& d) { d.Close(); }), 2);
}

TEST_F(ShowMsgTest, InformationAndPlainKinds) {
    EXPECT_EQ(show(QStringLiteral("ثبت شد."), QStringLiteral(" "), QStringLiteral("1IR"), escape), 1);
    EXPECT_EQ(shown.icons, QStringList{QStringLiteral("Info")});
    EXPECT_EQ(shown.strip, QStringLiteral("      "));

    QTimer::singleShot(0, &dialog, [this] {
        record();
        click(dialog.BBtnOK1);
    });
    ShowMsgPlain(QStringLiteral("پيام ساده"));
    EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK1")});
    EXPECT_TRUE(shown.icons.isEmpty());
    EXPECT_EQ(shown.memoLeft, 6);
    EXPECT_EQ(shown.memoWidth, 213);
    EXPECT_EQ(shown.caption, dialog.DefaultTitle());
}

TEST_F(ShowMsgTest, StopIconAndUnknownIconLetter) {
    show(QStringLiteral("x"), QString(), QStringLiteral("1SR"), escape);
    EXPECT_EQ(shown.icons, QStringList{QStringLiteral("Stop")});
    show(QStringLiteral("x"), QString(), QStringLiteral("1XR"), escape);
    EXPECT_TRUE(shown.icons.isEmpty());
    EXPECT_EQ(shown.memoLeft, 6);
}

TEST_F(ShowMsgTest, EmptyKindIsOkWithoutIcon) {
    EXPECT_EQ(show(QStringLiteral("x"), QString(), QString(), [](TDlgMsg& d) { click(d.BBtnOK1); }), 1);
    EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK1")});
    EXPECT_TRUE(shown.icons.isEmpty());
}

TEST_F(ShowMsgTest, OneLetterKindShowsItsIconWithoutButtonsAndKeepsTheDismissResult) {
    show(QStringLiteral("x"), QString(), QStringLiteral("3QR"), escape);
    EXPECT_EQ(show(QStringLiteral("x"), QString(), QStringLiteral("e"), escape), 7);
    EXPECT_TRUE(shown.buttons.isEmpty());
    EXPECT_EQ(shown.icons, QStringList{QStringLiteral("Error")});
    show(QStringLiteral("x"), QString(), QStringLiteral("2ER"), escape);
    EXPECT_EQ(show(QStringLiteral("x"), QString(), QStringLiteral("e"), escape), 2);
}

TEST_F(ShowMsgTest, FourLinesShrinkTheDialogFiveLinesScroll) {
    const int designed = dialog.Height();
    show(QStringLiteral("1\n2\n3\n4\n5"), QString(), QStringLiteral("1ER"), escape);
    EXPECT_EQ(shown.height, designed);
    EXPECT_EQ(shown.scrollBars, ui::ssVertical);
    EXPECT_TRUE(shown.infoPanelEnabled);

    show(QStringLiteral("1\r\n2\r\n3\r\n4"), QString(), QStringLiteral("1ER"), escape);
    EXPECT_EQ(shown.height, 141);
    EXPECT_EQ(shown.memoHeight, 69);
    EXPECT_EQ(shown.scrollBars, ui::ssNone);
    EXPECT_FALSE(shown.infoPanelEnabled);

    // Lines count as the memo shows them: one long paragraph wraps into more than four.
    show(QStringLiteral("كد حساب معين وارد شده در جدول حسابها وجود ندارد يا غير فعال است و سطح تفصيلي آن با "
                        "گروههاي تعريف شده براي اين حساب سازگار نيست؛ لطفا كد را اصلاح كنيد."),
         QString(), QStringLiteral("1ER"), escape);
    EXPECT_EQ(shown.scrollBars, ui::ssVertical);
}

TEST_F(ShowMsgTest, DialogIsCentredOnTheScreenAndTitled) {
    // Centred with the size it had when the message came, before a short text shrinks it.
    const QSize before = dialog.size();
    show(QStringLiteral("x"), QStringLiteral("خطا"), QStringLiteral("1ER"), escape);
    const QRect screen = QApplication::primaryScreen()->geometry();
    EXPECT_EQ(shown.position.x(), screen.width() / 2 - before.width() / 2);
    EXPECT_EQ(shown.position.y(), screen.height() / 2 - before.height() / 2);
    EXPECT_EQ(shown.strip, QStringLiteral("     خطا"));
    EXPECT_EQ(shown.caption, QStringLiteral("خطا"));
}

TEST_F(ShowMsgTest, ContinueTitleBecomesTheOkCaptionForGood) {
    show(QStringLiteral("x"), QStringLiteral("ادامه"), QStringLiteral("1IR"), escape);
    EXPECT_EQ(shown.okCaption, QStringLiteral("ادامه"));
    // Every later single-button message, in any copy of the dialog, keeps it.
    TDlgMsg other;
    DlgMsg = &other;
    QTimer::singleShot(0, &other, [&other, this] {
        shown.okCaption = other.BBtnOK1->Caption();
        click(other.BBtnOK1);
    });
    EXPECT_EQ(ShowMsg(QStringLiteral("y"), QString(), QStringLiteral("1ER")), 1);
    EXPECT_EQ(shown.okCaption, QStringLiteral("ادامه"));
}

TEST_F(ShowMsgTest, WithoutTheHostDialogTheMessageFailsWithAnError) {
    DlgMsg = nullptr;
    EXPECT_THROW(ShowMsg(QStringLiteral("x"), QString(), QStringLiteral("1ER")), Exception);
}
