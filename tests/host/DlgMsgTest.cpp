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

TEST(DlgMsg, ButtonsHaveTheirCaptionsPlacesAndResultsAndEveryWayOutEndsTheModalLoop) {
    TDlgMsg dialog;
    const std::tuple<ui::TBitBtn*, const char*, int, int> buttons[] = {
        {dialog.BBtnOK2, "&تاييد", 205, ui::mrOk},
        {dialog.BBtnCancel, "&انصراف", 10, ui::mrCancel},
        {dialog.BBtnOK1, "&تاييد", 109, ui::mrOk},
        {dialog.BBtnYes, "&بله", 205, ui::mrYes},
        {dialog.BBtnNo, "&خير", 10, ui::mrNo}};
    for (const auto& [button, caption, left, result] : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_TRUE(button->isHidden());
        EXPECT_EQ(button->Caption(), QString::fromUtf8(caption));
        EXPECT_EQ(button->Left(), left);
        EXPECT_EQ(button->ModalResult(), result);
    }
    EXPECT_TRUE(dialog.BBtnOK1->Default());
    EXPECT_EQ(dialog.Caption(), dialog.DefaultTitle());
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
        {"Yes", yesNo, ui::mrNo, [&] { dialog.BBtnYes->click(); }, ui::mrYes},
        {"No", yesNo, ui::mrNo, [&] { dialog.BBtnNo->click(); }, ui::mrNo},
        {"Cancel", okCancel, ui::mrCancel, [&] { dialog.BBtnCancel->click(); }, ui::mrCancel},
        {"OK", ok, ui::mrOk, [&] { dialog.BBtnOK1->click(); }, ui::mrOk},
        {"Enter on OK", ok, ui::mrCancel, [&] { pressKey(dialog, Qt::Key_Return); }, ui::mrOk},
        {"Enter on Yes", yesNo, ui::mrNo, [&] { pressKey(dialog, Qt::Key_Return); }, ui::mrYes},
        {"close button", ok, ui::mrCancel, [&] { dialog.sb_Closed->click(); }, ui::mrCancel},
        {"Esc with OK", ok, ui::mrOk, [&] { pressKey(dialog, Qt::Key_Escape); }, ui::mrOk},
        {"Esc with OK/Cancel", okCancel, ui::mrCancel, [&] { pressKey(dialog, Qt::Key_Escape); },
         ui::mrCancel},
        {"Esc with Yes/No", yesNo, ui::mrNo, [&] { pressKey(dialog, Qt::Key_Escape); }, ui::mrNo},
        {"Esc without buttons", {}, ui::mrOk, [&] { pressKey(dialog, Qt::Key_Escape); }, ui::mrOk},
        {"window closed", yesNo, ui::mrNo, [&] { dialog.close(); }, ui::mrNo},
        {"timer", ok, ui::mrOk, [&] { dialog.Timer->start(1); }, ui::mrOk},
    };
    for (const Way& way : ways) {
        dialog.SetDismissResult(way.dismiss);
        EXPECT_EQ(showModalAndThen(dialog, way.buttons, way.act), way.result) << way.label;
        EXPECT_TRUE(dialog.isHidden()) << way.label;
    }
    EXPECT_FALSE(dialog.Timer->isActive());
}
