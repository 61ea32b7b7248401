#pragma once
// The device context the print layouts draw on. It keeps the mapping mode, the background,
// the selected pen and font and the current position; a derived device only paints.
#include "platform/CFont.h"
#include "platform/CPen.h"
#include "platform/WinTypes.h"

#include <string_view>

inline constexpr int MM_TEXT = 1;     // one logical unit is one device pixel, y pointing down
inline constexpr int MM_LOMETRIC = 2; // one logical unit is 0.1 mm, y pointing up

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

class CDC {
public:
    virtual ~CDC() = default;

    // Both return the previous mode, or 0 (nothing changed) for a mode they do not know.
    int SetMapMode(int mapMode);
    int GetMapMode() const { return m_nMapMode; }
    int SetBkMode(int bkMode);
    int GetBkMode() const { return m_nBkMode; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_crBk; }

    // Each returns what it replaces, for the caller to select again.
    CPen SelectObject(const CPen& pen);
    CFont SelectObject(const CFont& font);

    // Returns the previous position.
    POINT MoveTo(int x, int y);
    // Draws with the selected pen from the current position, which then moves to (x, y).
    BOOL LineTo(int x, int y);
    // Shift-JIS text in the selected font, its top-left corner at (x, y), in black.
    BOOL TextOut(int x, int y, std::string_view sjisText);

protected:
    // Coordinates and sizes in logical units of the current mapping mode.
    virtual void PaintLine(POINT from, POINT to, const CPen& pen) = 0;
    virtual void PaintText(POINT topLeft, std::string_view sjisText, const CFont& font) = 0;

private:
    int m_nMapMode = MM_TEXT;
    int m_nBkMode = OPAQUE;
    COLORREF m_crBk = RGB(255, 255, 255);
    CPen m_pen;
    CFont m_font;
    POINT m_ptCurrent;
};
