#pragma once
// Windows virtual-key codes and shift masks for Qt key events, as grid key events report them.
#include <Qt>

class QKeyEvent;

inline constexpr short VK_BACK = 0x08;
inline constexpr short VK_TAB = 0x09;
inline constexpr short VK_RETURN = 0x0D;
inline constexpr short VK_ESCAPE = 0x1B;
inline constexpr short VK_SPACE = 0x20;
inline constexpr short VK_PRIOR = 0x21;
inline constexpr short VK_NEXT = 0x22;
inline constexpr short VK_END = 0x23;
inline constexpr short VK_HOME = 0x24;
inline constexpr short VK_LEFT = 0x25;
inline constexpr short VK_UP = 0x26;
inline constexpr short VK_RIGHT = 0x27;
inline constexpr short VK_DOWN = 0x28;
inline constexpr short VK_INSERT = 0x2D;
inline constexpr short VK_DELETE = 0x2E;
inline constexpr short VK_F2 = 0x71;

// Shift mask bits of key and mouse events.
inline constexpr short SHIFT_MASK = 1;
inline constexpr short CTRL_MASK = 2;
inline constexpr short ALT_MASK = 4;

// The code of the key as Windows names it (letters and digits as their upper-case ASCII code,
// shifted symbols as the key of a US layout); 0 for a key Windows has no code for.
short VirtualKeyOf(const QKeyEvent& event);
short ShiftMaskOf(Qt::KeyboardModifiers modifiers);
