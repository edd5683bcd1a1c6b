#include "VirtualKey.h"

#include <array>
#include <utility>

namespace tarvand::ui {
namespace {

constexpr std::array<std::pair<int, WORD>, 21> kNamedKeys{{
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},      {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Clear, 12},
}};

} // namespace

WORD VirtualKey::fromQt(int qtKey) {
    for (const auto& [qt, vk] : kNamedKeys) {
        if (qt == qtKey) {
            return vk;
        }
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return WORD(VK_F1 + (qtKey - Qt::Key_F1));
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return WORD(qtKey);
    }
    // Keys beyond the virtual-key range (letters of other scripts) keep their code point.
    return qtKey > 0 && qtKey <= 0xFFFF ? WORD(qtKey) : WORD(0);
}

int VirtualKey::toQt(WORD key) {
    for (const auto& [qt, vk] : kNamedKeys) {
        if (vk == key) {
            return qt;
        }
    }
    if (key >= VK_F1 && key <= VK_F12) {
        return Qt::Key_F1 + (key - VK_F1);
    }
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') || key > 0xFF) {
        return key;
    }
    return 0;
}

} // namespace tarvand::ui
