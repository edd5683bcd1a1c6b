#include "ShowModalAndThen.h"
#include "TBitBtn.h"
#include "TDlgMsg.h"
#include "TSpeedButton.h"

#include <QApplication>
#include <QTest>
#include <functional>

#include <gtest/gtest.h>

using tarvand::host::TDlgMsg;
namespace ui = tarvand::ui;

namespace {

// Shows the dialog modally with the given buttons visible and does `act` once the modal loop runs.
int showModalAndThen(TDlgMsg& dialog, std::initializer_list<ui::TBitBtn*> buttons,
                     const std::function<void()>& act) {
    for (ui::TBitBtn* button :
         {dialog.BBtnOK1, dialog.BBtnOK2, dialog.BBtnCancel, dialog.BBtnYes, dialog.BBtnNo})
        button->SetVisible(false);
    for (ui::TBitBtn* button : buttons)
        button->SetVisible(true);
    return tarvand::testsupport::ShowModalAndThen(dialog, act);
}

// Keys reach the focus widget of the active window, as they do when a user types; a window manager
// activates a modal dialog every time, the offscreen platform only the first time.
void pressKey(TDlgMsg& dialog, Qt::Key key) {
    QApplication::setActiveWindow(&dialog);
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &dialog;
    QTest::keyClick(target, key);
}

} // namespace

// Enter, Esc and the timer end the modal loop; the answers of the buttons are checked through ShowMsg.
TEST(DlgMsg, EveryWayOutEndsTheModalLoopWithItsResult) {
    TDlgMsg dialog;
    EXPECT_TRUE(dialog.BBtnOK1->Default());
    const auto yesNo = {dialog.BBtnYes, dialog.BBtnNo};
    const auto okCancel = {dialog.BBtnOK2, dialog.BBtnCancel};
    const auto ok = {dialog.BBtnOK1};
    struct Way {
        const char* label;
        std::initializer_list<ui::TBitBtn*> buttons;
        int dismiss;
        std::function<void()> act;
        int result;
    };
    const Way ways[] = {
        {"Enter on OK", ok, ui::mrCancel, [&] { pressKey(dialog, Qt::Key_Return); }, ui::mrOk},
        {"Enter on Yes", yesNo, ui::mrNo, [&] { pressKey(dialog, Qt::Key_Return); }, ui::mrYes},
        {"Esc with OK", ok, ui::mrOk, [&] { pressKey(dialog, Qt::Key_Escape); }, ui::mrOk},
        {"Esc with OK/Cancel", okCancel, ui::mrCancel, [&] { pressKey(dialog, Qt::Key_Escape); },
         ui::mrCancel},
        {"Esc without buttons", {}, ui::mrOk, [&] { pressKey(dialog, Qt::Key_Escape); }, ui::mrOk},
        {"timer", ok, ui::mrOk, [&] { dialog.Timer->start(1); }, ui::mrOk},
    };
    for (const Way& way : ways) {
        dialog.SetDismissResult(way.dismiss);
        EXPECT_EQ(showModalAndThen(dialog, way.buttons, way.act), way.result) << way.label;
        EXPECT_TRUE(dialog.isHidden()) << way.label;
    }
    EXPECT_FALSE(dialog.Timer->isActive());
}
