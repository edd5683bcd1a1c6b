#include "ShowMsg.h"
#include "Exception.h"
#include "HostContext.h"
#include "MessageAnswers.h"
#include "TBitBtn.h"
#include "TDlgMsg.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TSpeedButton.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvand;
using host::TDlgMsg;
using Leave = std::function<void(TDlgMsg&)>;

namespace {

class ShowMsgTest : public ::testing::Test {
protected:
    void SetUp() override { DlgMsg = &dialog; }
    void TearDown() override { DlgMsg = nullptr; }

    // Shows the message and, once the dialog is up, keeps what it shows and leaves it with `leave`.
    int show(const QString& msg, const QString& title, const QString& kind, const Leave& leave = escape) {
        QTimer::singleShot(0, &dialog, [this, leave] {
            EXPECT_TRUE(dialog.IsModal());
            kind_ = testsupport::MessageAnswers::KindShown(dialog);
            memoLeft = dialog.Memo1->Left();
            memoHeight = dialog.Memo1->Height();
            height = dialog.Height();
            position = dialog.pos();
            scrolls = dialog.Memo1->ScrollBars() == ui::ssVertical;
            strip = dialog.Caption_Panel->Caption();
            okCaption = dialog.BBtnOK1->Caption();
            leave(dialog);
        });
        return ShowMsg(msg, title, kind);
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
    QString kind_, strip, okCaption;
    int memoLeft = 0, memoHeight = 0, height = 0;
    QPoint position;
    bool scrolls = false;
};

} // namespace

// Each kind as the dialog shows it (the button set's digit, the icon's letter), and what each way
// of leaving it answers.
TEST_F(ShowMsgTest, EachKindShowsItsButtonsAndIconAndAnswersAsLeft) {
    const Leave ok1 = [](TDlgMsg& d) { click(d.BBtnOK1); };
    const struct {
        const char* kind;
        Leave leave;
        int result;
        const char* shown;
        int memoLeft;
    } shows[] = {
        {"1ER", ok1, 1, "1E", 5},
        {"3QR", [](TDlgMsg& d) { click(d.BBtnYes); }, 6, "3Q", 5},
        {"3QR", [](TDlgMsg& d) { click(d.BBtnNo); }, 7, "3Q", 5},
        {"3QR", escape, 7, "3Q", 5},
        {"3QR", [](TDlgMsg& d) { d.sb_Closed->click(); }, 7, "3Q", 5},
        {"2WR", [](TDlgMsg& d) { click(d.BBtnOK2); }, 1, "2W", 5},
        {"2WR", [](TDlgMsg& d) { click(d.BBtnCancel); }, 2, "2W", 5},
        {"2WR", [](TDlgMsg& d) { d.Close(); }, 2, "2W", 5},
        {"1IR", escape, 1, "1I", 5},
        {"1SR", escape, 1, "1S", 5},
        {"1XR", escape, 1, "1", 6},
        {"", ok1, 1, "1", 6},
        // A one-letter kind shows its icon without buttons and keeps the last dismiss result.
        {"e", escape, 1, "E", 5},
        {"3QR", escape, 7, "3Q", 5},
        {"e", escape, 7, "E", 5},
        {"1EZ", escape, 1, "1E", 5},
        {"1 C", escape, 1, "1", 6},
        {"4ER", escape, 1, "E", 5},
        {"XQC", escape, 1, "Q", 5},
        {"3qr", escape, 7, "3Q", 5}, // a kind is read in capitals
    };
    for (const auto& row : shows) {
        SCOPED_TRACE(row.kind);
        EXPECT_EQ(show(QStringLiteral("كد تكراري است."), QString(), QLatin1String(row.kind), row.leave),
                  row.result);
        EXPECT_EQ(kind_, QLatin1String(row.shown));
        EXPECT_EQ(memoLeft, row.memoLeft);
        EXPECT_EQ(dialog.Memo1->Text(), QStringLiteral("كد تكراري است."));
    }
    QTimer::singleShot(0, &dialog, [this] {
        kind_ = testsupport::MessageAnswers::KindShown(dialog);
        click(dialog.BBtnOK1);
    });
    ShowMsgPlain(QStringLiteral("پيام ساده"));
    EXPECT_EQ(kind_, QStringLiteral("1"));
    EXPECT_EQ(dialog.Caption(), dialog.DefaultTitle());
}

TEST_F(ShowMsgTest, DialogIsCentredTitledAndShrunkOrScrolledForItsLines) {
    // Centred with the size it had when the message came, before a short text shrinks it.
    const QSize before = dialog.size();
    show(QStringLiteral("x"), QStringLiteral("خطا"), QStringLiteral("1ER"));
    const QRect screen = QApplication::primaryScreen()->geometry();
    EXPECT_EQ(position,
              QPoint(screen.width() / 2 - before.width() / 2, screen.height() / 2 - before.height() / 2));
    EXPECT_EQ(strip, QStringLiteral("     خطا"));
    EXPECT_EQ(dialog.Caption(), QStringLiteral("خطا"));
    show(QStringLiteral("x"), QStringLiteral(" "), QStringLiteral("1IR"));
    EXPECT_EQ(strip, QStringLiteral("      "));
    const int designed = dialog.Height();
    show(QStringLiteral("1\n2\n3\n4\n5"), QString(), QStringLiteral("1ER"));
    EXPECT_EQ(height, designed);
    EXPECT_TRUE(scrolls);
    show(QStringLiteral("1\r\n2\r\n3\r\n4"), QString(), QStringLiteral("1ER"));
    EXPECT_EQ(height, 141);
    EXPECT_EQ(memoHeight, 69);
    EXPECT_FALSE(scrolls);
    // Lines count as the memo shows them: one long paragraph wraps into more than four.
    show(QStringLiteral("كد حساب معين وارد شده در جدول حسابها وجود ندارد يا غير فعال است و سطح تفصيلي آن با "
                        "گروههاي تعريف شده براي اين حساب سازگار نيست؛ لطفا كد را اصلاح كنيد."),
         QString(), QStringLiteral("1ER"));
    EXPECT_TRUE(scrolls);
    show(QStringLiteral("x"), QStringLiteral("ادامه"), QStringLiteral("1IR"));
    EXPECT_EQ(okCaption, QStringLiteral("ادامه"));
    TDlgMsg other;
    DlgMsg = &other;
    QTimer::singleShot(0, &other, [&other, this] {
        okCaption = other.BBtnOK1->Caption();
        click(other.BBtnOK1);
    });
    EXPECT_EQ(ShowMsg(QStringLiteral("y"), QString(), QStringLiteral("1ER")), 1);
    EXPECT_EQ(okCaption, QStringLiteral("ادامه"));
    // Without the host's dialog the message fails with an error.
    DlgMsg = nullptr;
    EXPECT_THROW(ShowMsg(QStringLiteral("x"), QString(), QStringLiteral("1ER")), Exception);
}
