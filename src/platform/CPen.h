#pragma once
// A pen as the device context takes it: style, width in logical units, colour.
#include "platform/WinTypes.h"

inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;

class CPen {
public:
    // The stock black pen: solid, one device pixel wide.
    CPen() = default;
    CPen(int style, int width, COLORREF color)
        : m_nStyle(style), m_nWidth(width), m_crColor(color) {}

    int Style() const { return m_nStyle; }
    // 0 draws one device pixel wide, whatever the mapping mode.
    int Width() const { return m_nWidth; }
    COLORREF Color() const { return m_crColor; }

    friend bool operator==(const CPen&, const CPen&) = default;

private:
    int m_nStyle = PS_SOLID;
    int m_nWidth = 0;
    COLORREF m_crColor = RGB(0, 0, 0);
};
