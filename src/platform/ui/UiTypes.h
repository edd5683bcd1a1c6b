#pragma once

#include <QObject>
#include <QtGlobal>
#include <functional>

// The vocabulary of the form library the editors are written against: event signatures, alignment,
// close actions, modal results and key codes. Key codes are the virtual-key numbers of that
// library (13 Enter, 27 Esc, 40 Down, 45 Insert, 46 Delete, letters and digits as their upper-case
// ASCII codes), so that handlers compare against the numbers they were written with; a key that has
// no such number (a Persian letter) arrives as its Unicode code point.
namespace tarvand::ui {

using TObject = QObject;
using WORD = quint16;
using TShiftState = Qt::KeyboardModifiers;
inline constexpr Qt::KeyboardModifier ssShift = Qt::ShiftModifier;
inline constexpr Qt::KeyboardModifier ssCtrl = Qt::ControlModifier;
inline constexpr Qt::KeyboardModifier ssAlt = Qt::AltModifier;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TBevelCut { bvNone, bvLowered, bvRaised };
enum TBorderStyle { bsNone, bsSingle };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TShortCutEvent = std::function<void(WORD Key, TShiftState Shift, bool& Handled)>;

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

inline constexpr WORD VK_BACK = 8;
inline constexpr WORD VK_TAB = 9;
inline constexpr WORD VK_RETURN = 13;
inline constexpr WORD VK_SHIFT = 16;
inline constexpr WORD VK_CONTROL = 17;
inline constexpr WORD VK_MENU = 18;
inline constexpr WORD VK_ESCAPE = 27;
inline constexpr WORD VK_SPACE = 32;
inline constexpr WORD VK_PRIOR = 33;
inline constexpr WORD VK_NEXT = 34;
inline constexpr WORD VK_END = 35;
inline constexpr WORD VK_HOME = 36;
inline constexpr WORD VK_LEFT = 37;
inline constexpr WORD VK_UP = 38;
inline constexpr WORD VK_RIGHT = 39;
inline constexpr WORD VK_DOWN = 40;
inline constexpr WORD VK_INSERT = 45;
inline constexpr WORD VK_DELETE = 46;
inline constexpr WORD VK_F1 = 112;
inline constexpr WORD VK_F12 = 123;

} // namespace tarvand::ui
