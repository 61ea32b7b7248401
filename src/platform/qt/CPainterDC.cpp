#include "platform/qt/CPainterDC.h"

#include "platform/qt/QtText.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr double kLoMetricPerInch = 254.0;

QColor ToQColor(COLORREF color) {
    return QColor(static_cast<int>(GetRValue(color)), static_cast<int>(GetGValue(color)),
                  static_cast<int>(GetBValue(color)));
}

Qt::PenStyle ToQtPenStyle(int style) {
    switch (style) {
    case PS_DASH:
        return Qt::DashLine;
    case PS_DOT:
        return Qt::DotLine;
    case PS_DASHDOT:
        return Qt::DashDotLine;
    case PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    case PS_NULL:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

CPainterDC::CPainterDC(QPainter& painter)
    : m_painter(painter), m_dDpiX(painter.device()->logicalDpiX()),
      m_dDpiY(painter.device()->logicalDpiY()) {}

QPointF CPainterDC::ToDevice(POINT point) const {
    const auto x = static_cast<double>(point.x);
    const auto y = static_cast<double>(point.y);
    if (GetMapMode() == MM_LOMETRIC)
        return {x * m_dDpiX / kLoMetricPerInch, -y * m_dDpiY / kLoMetricPerInch};
    return {x, y};
}

double CPainterDC::ToDeviceLength(int length) const {
    if (GetMapMode() == MM_LOMETRIC)
        return length * m_dDpiY / kLoMetricPerInch;
    return length;
}

// GDI's geometric pens end round; a width of 0 is one device pixel (Qt's cosmetic pen).
void CPainterDC::PaintLine(POINT from, POINT to, const CPen& pen) {
    m_painter.setPen(QPen(ToQColor(pen.Color()), ToDeviceLength(pen.Width()),
                          ToQtPenStyle(pen.Style()), Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawLine(ToDevice(from), ToDevice(to));
}

void CPainterDC::PaintText(POINT topLeft, std::string_view sjisText, const CFont& font) {
    const QString text = SjisToQt(sjisText);
    const QFont qtFont = ToQtFont(font);
    const QFontMetricsF metrics(qtFont, m_painter.device());
    const QPointF corner = ToDevice(topLeft);
    if (GetBkMode() == OPAQUE) {
        const QRectF cell(corner, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
        m_painter.fillRect(cell, ToQColor(GetBkColor()));
    }
    m_painter.setFont(qtFont);
    m_painter.setPen(Qt::black);
    // Qt places text on its baseline; the device context by its cell's top.
    m_painter.drawText(corner + QPointF(0, metrics.ascent()), text);
}

// The height is taken as the em size in device pixels: the mincho face the layout was made
// for fills its cell with its em. A point size would be scaled again under a scaled painter.
QFont CPainterDC::ToQtFont(const CFont& font) const {
    QFont qtFont(SjisToQt(font.FaceName()));
    qtFont.setStyleHint(QFont::Serif);
    if (font.Height() != 0)
        qtFont.setPixelSize(std::max(1, qRound(ToDeviceLength(std::abs(font.Height())))));
    qtFont.setWeight(static_cast<QFont::Weight>(std::clamp(font.Weight(), 100, 900)));
    return qtFont;
}
