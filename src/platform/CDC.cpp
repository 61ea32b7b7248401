#include "platform/CDC.h"

#include <utility>

int CDC::SetMapMode(int mapMode) {
    if (mapMode != MM_TEXT && mapMode != MM_LOMETRIC)
        return 0;
    return std::exchange(m_nMapMode, mapMode);
}

int CDC::SetBkMode(int bkMode) {
    if (bkMode != TRANSPARENT && bkMode != OPAQUE)
        return 0;
    return std::exchange(m_nBkMode, bkMode);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(m_crBk, color);
}

CPen CDC::SelectObject(const CPen& pen) {
    return std::exchange(m_pen, pen);
}

CFont CDC::SelectObject(const CFont& font) {
    return std::exchange(m_font, font);
}

POINT CDC::MoveTo(int x, int y) {
    return std::exchange(m_ptCurrent, POINT{x, y});
}

BOOL CDC::LineTo(int x, int y) {
    const POINT from = std::exchange(m_ptCurrent, POINT{x, y});
    PaintLine(from, m_ptCurrent, m_pen);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, std::string_view sjisText) {
    if (!sjisText.empty())
        PaintText(POINT{x, y}, sjisText, m_font);
    return TRUE;
}
