#include "platform/qt/VirtualKey.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace {

// Keys whose code does not follow from a range of Qt keys. Shifted symbols name the key of a
// US layout that types them, as Windows does.
constexpr std::array<std::pair<int, short>, 65> kKeyCodes{{
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Hiragana_Katakana, 0x15},
    {Qt::Key_Zenkaku_Hankaku, 0x19},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Henkan, 0x1C},
    {Qt::Key_Muhenkan, 0x1D},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Meta, 0x5B},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_yen, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
    {Qt::Key_Clear, 0x0C},
}};

short KeypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<short>(0x60 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Asterisk:
        return 0x6A;
    case Qt::Key_Plus:
        return 0x6B;
    case Qt::Key_Minus:
        return 0x6D;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 0x6E;
    case Qt::Key_Slash:
        return 0x6F;
    default:
        return 0;
    }
}

} // namespace

short VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const short code = KeypadCode(key))
            return code;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<short>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<short>(0x70 + (key - Qt::Key_F1));
    for (const auto& [qtKey, code] : kKeyCodes) {
        if (qtKey == key)
            return code;
    }
    return 0;
}

short ShiftMaskOf(Qt::KeyboardModifiers modifiers) {
    short mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= SHIFT_MASK;
    if (modifiers & Qt::ControlModifier)
        mask |= CTRL_MASK;
    if (modifiers & Qt::AltModifier)
        mask |= ALT_MASK;
    return mask;
}
