#include "app/CAppIcons.h"

#include "app/Resource.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128};

// A roster sheet: blue header, a grid, one Sunday column.
void PaintRoster(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), r.width() / 32.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, r.width() / 10, r.width() / 10);
    const QRectF header(r.left(), r.top(), r.width(), r.height() / 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2F, 0x5F, 0xB3));
    p.drawRect(header.adjusted(r.width() / 20, r.height() / 20, -r.width() / 20, 0));
    p.setBrush(QColor(0xFF, 0xC0, 0xC0));
    const double cell = r.width() * 0.9 / 5;
    p.drawRect(QRectF(r.left() + r.width() * 0.05, header.bottom(), cell, r.bottom() - header.bottom() - r.height() * 0.05));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), r.width() / 48.0));
    for (int i = 1; i < 5; ++i) {
        const double x = r.left() + r.width() * 0.05 + i * cell;
        p.drawLine(QPointF(x, header.bottom()), QPointF(x, r.bottom() - r.height() * 0.05));
        const double y = header.bottom() + i * (r.bottom() - header.bottom()) / 5;
        p.drawLine(QPointF(r.left() + r.width() * 0.05, y), QPointF(r.right() - r.width() * 0.05, y));
    }
}

QPixmap Painted(int size, void (*paint)(QPainter&, const QRectF&)) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88));
    return pixmap;
}

void PaintDocument(QPainter& p, const QRectF& r) {
    const double fold = r.width() * 0.3;
    QPainterPath page;
    page.moveTo(r.left() + r.width() * 0.1, r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right() - r.width() * 0.1, r.top() + fold);
    page.lineTo(r.right() - r.width() * 0.1, r.bottom());
    page.lineTo(r.left() + r.width() * 0.1, r.bottom());
    page.closeSubpath();
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), r.width() / 32.0));
    p.setBrush(Qt::white);
    p.drawPath(page);
    PaintRoster(p, QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.4, r.width() * 0.6,
                          r.height() * 0.5));
}

QIcon IconOf(void (*paint)(QPainter&, const QRectF&)) {
    QIcon icon;
    for (int size : kSizes)
        icon.addPixmap(Painted(size, paint));
    return icon;
}

// A tool bar glyph: a rounded tile with one character on it.
QIcon GlyphIcon(const QString& glyph, const QColor& colour) {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour.darker(140), 1));
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), size / 6.0, size / 6.0);
        QFont font(QStringLiteral("ＭＳ ゴシック"));
        font.setPixelSize(size * 3 / 4);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, glyph);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon CAppIcons::Application() {
    return IconOf(PaintRoster);
}

QIcon CAppIcons::Document() {
    return IconOf(PaintDocument);
}

QPixmap CAppIcons::ApplicationPixmap(int size) {
    return Painted(size, PaintRoster);
}

QPixmap CAppIcons::DocumentPixmap(int size) {
    return Painted(size, PaintDocument);
}

QIcon CAppIcons::ToolBar(UINT commandId) {
    switch (commandId) {
    case ID_FILE_NEW:
        return GlyphIcon(QStringLiteral("新"), QColor(0x4A, 0x8B, 0x3C));
    case ID_FILE_OPEN:
        return GlyphIcon(QStringLiteral("開"), QColor(0xC0, 0x8A, 0x20));
    case ID_FILE_SAVE:
        return GlyphIcon(QStringLiteral("保"), QColor(0x2F, 0x5F, 0xB3));
    case ID_MONTHLY_PRINT:
        return GlyphIcon(QStringLiteral("月"), QColor(0x6A, 0x4C, 0x9C));
    case ID_DAY_PRINT:
        return GlyphIcon(QStringLiteral("日"), QColor(0xB0, 0x40, 0x40));
    case ID_DUTY_NAME_DEFINITION:
        return GlyphIcon(QStringLiteral("勤"), QColor(0x30, 0x80, 0x80));
    case ID_APP_ABOUT:
        return GlyphIcon(QStringLiteral("?"), QColor(0x60, 0x60, 0x60));
    default:
        return {};
    }
}
