#include "print/CPrintWriter.h"

#include "platform/SjisText.h"

namespace {

const std::string& MinchoFace() {
    static const std::string face = sjis::FromUtf8("ＭＳ 明朝");
    return face;
}

} // namespace

CPrintWriter::CPrintWriter(CDC* pDC, int height, int weight)
    : m_pDC(pDC), m_font(MinchoFace(), height, weight), m_bEnabled(pDC != nullptr ? TRUE : FALSE),
      m_nMapMode(pDC != nullptr ? pDC->GetMapMode() : 0) {}

void CPrintWriter::ToDevice(int& x, int& y, int scale) const {
    if (m_nMapMode != MM_LOMETRIC)
        return;
    x = x * scale;
    y = -(y * scale);
}

void CPrintWriter::DrawLine(int x1, int y1, int x2, int y2, int width, int style, int scale) {
    if (!m_bEnabled)
        return;
    ToDevice(x1, y1, scale);
    ToDevice(x2, y2, scale);
    const CPen previous = m_pDC->SelectObject(CPen(style, width, RGB(0, 0, 0)));
    m_pDC->MoveTo(x1, y1);
    m_pDC->LineTo(x2, y2);
    m_pDC->SelectObject(previous);
}

void CPrintWriter::DrawBox(int x1, int y1, int x2, int y2, int width, int style, int scale) {
    if (!m_bEnabled)
        return;
    DrawLine(x1, y1, x2, y1, width, style, scale);
    DrawLine(x1, y1, x1, y2, width, style, scale);
    DrawLine(x1, y2, x2, y2, width, style, scale);
    DrawLine(x2, y1, x2, y2, width, style, scale);
}

void CPrintWriter::DrawString(int x, int y, std::string_view sjisText, int scale) {
    if (!m_bEnabled)
        return;
    ToDevice(x, y, scale);
    const CFont previous = m_pDC->SelectObject(m_font);
    m_pDC->TextOut(x, y, sjisText);
    m_pDC->SelectObject(previous);
}
