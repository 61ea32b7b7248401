#include "controls/ControlGeometry.h"

#include <QFontInfo>
#include <QWidget>
#include <cstdlib>

namespace {

// Each product in extended precision, then cut toward zero.
long ScaleWidth(long value, double factor) {
    return static_cast<long>(static_cast<long double>(value) * factor * 1.065);
}

long ScaleHeight(long value, double factor) {
    return static_cast<long>(static_cast<long double>(value) * factor);
}

} // namespace

RECT ScaleRectToFont(const RECT& rect, long lfHeight) {
    if (lfHeight == -12)
        return rect;
    const double factor = static_cast<double>(std::labs(lfHeight)) * 0.08333333333333333;
    return {ScaleWidth(rect.left, factor), ScaleHeight(rect.top, factor),
            ScaleWidth(rect.right, factor), ScaleHeight(rect.bottom, factor)};
}

long ControlFontHeight(int dpi) {
    return static_cast<long>(dpi * 0.010416666666666666 * -12.0);
}

QFont ControlFont(int dpi) {
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(static_cast<int>(std::labs(ControlFontHeight(dpi))));
    font.setWeight(QFont::Normal);
    return font;
}

long LogFontHeight(const QFont& font) {
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    return -static_cast<long>(pixels);
}

QRect ClientRect(const QWidget* parent, const RECT& rect) {
    const QRect geometry(static_cast<int>(rect.left), static_cast<int>(rect.top),
                         static_cast<int>(rect.right - rect.left),
                         static_cast<int>(rect.bottom - rect.top));
    return geometry.translated(parent->contentsRect().topLeft());
}

BOOL PlaceChild(QWidget* child, QWidget* parent, const RECT& rect, DWORD style) {
    if (parent == nullptr)
        return FALSE;
    child->setParent(parent);
    child->setGeometry(ClientRect(parent, rect));
    child->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}
