#pragma once
// The device context of a printed or previewed page, drawn with a QPainter whose origin is the
// top-left corner of the printable area. Under MM_LOMETRIC the logical y axis points up and
// Qt's down: points are turned here and texts stay upright.
#include "platform/CDC.h"

#include <QFont>
#include <QPointF>

class QPainter;

class CPainterDC : public CDC {
public:
    // painter must be active on its device for the life of this object.
    explicit CPainterDC(QPainter& painter);

protected:
    void PaintLine(POINT from, POINT to, const CPen& pen) override;
    void PaintText(POINT topLeft, std::string_view sjisText, const CFont& font) override;

private:
    QPointF ToDevice(POINT point) const;
    // A logical length in device pixels, measured vertically.
    double ToDeviceLength(int length) const;
    QFont ToQtFont(const CFont& font) const;

    QPainter& m_painter;
    double m_dDpiX;
    double m_dDpiY;
};
