#include "platform/qt/DialogUnits.h"

QRect DialogUnits::Rect(int x, int y, int cx, int cy) const {
    return {X(x), Y(y), X(cx), Y(cy)};
}

int DialogUnits::X(int units) const {
    return units * m_metrics.averageCharWidth() / 4;
}

int DialogUnits::Y(int units) const {
    return units * m_metrics.height() / 8;
}
