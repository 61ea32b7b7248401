#pragma once
// Dialog units: a quarter of the font's average character width, an eighth of its height, so
// that a dialog laid out in them grows with its font.
#include <QFont>
#include <QFontMetrics>
#include <QRect>

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) : m_metrics(font) {}
    QRect Rect(int x, int y, int cx, int cy) const;

private:
    int X(int units) const;
    int Y(int units) const;
    QFontMetrics m_metrics;
};
