#pragma once
// Geometry and font shared by the controls above the roster grid.
#include "platform/WinTypes.h"

#include <QFont>
#include <QRect>

class QWidget;

// Fits a rectangle laid out for a 12-pixel font to a font of lfHeight (negative: character
// height). Widths grow a little more than heights: the layout was drawn for that face.
RECT ScaleRectToFont(const RECT& rect, long lfHeight);

// Character height of the control font for a screen of dpi dots per inch (negative, as lfHeight).
long ControlFontHeight(int dpi);
// The font of the controls above the grid: "ＭＳ ゴシック" at |ControlFontHeight(dpi)| pixels.
QFont ControlFont(int dpi);
// The font's character height as a negative lfHeight, for ScaleRectToFont.
long LogFontHeight(const QFont& font);

// A rectangle in the parent's client pixels as geometry of a child (inside the parent's frame).
QRect ClientRect(const QWidget* parent, const RECT& rect);
// Makes child a child control of parent at rect, shown when style has WS_VISIBLE.
// Fails without a parent: a child control needs one.
BOOL PlaceChild(QWidget* child, QWidget* parent, const RECT& rect, DWORD style);
