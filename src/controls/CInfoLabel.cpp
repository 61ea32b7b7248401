#include "controls/CInfoLabel.h"

#include "controls/ControlGeometry.h"
#include "platform/SjisText.h"
#include "platform/qt/QtText.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kTickerMs = 200;

QColor ToQColor(COLORREF colour) {
    return {static_cast<int>(GetRValue(colour)), static_cast<int>(GetGValue(colour)),
            static_cast<int>(GetBValue(colour))};
}

// A lead byte counts as a pair only when a valid trail byte follows it.
std::size_t FirstCharacterLength(const std::string& text) {
    const bool pair = text.size() >= 2 && sjis::IsLeadByte(static_cast<unsigned char>(text[0])) &&
                      sjis::IsTrailByte(static_cast<unsigned char>(text[1]));
    return pair ? 2 : 1;
}

} // namespace

CInfoLabel::CInfoLabel() {
    m_timer.setInterval(kTickerMs);
    connect(&m_timer, &QTimer::timeout, this, &CInfoLabel::TickerStep);
}

BOOL CInfoLabel::Create(const std::string& text, DWORD style, const RECT& rect, COLORREF crBack,
                        COLORREF crText, QWidget* parent, BOOL noBorder) {
    m_strText = text;
    m_crBack = crBack;
    m_crText = crText;
    if (!noBorder)
        style |= SS_SUNKEN;
    setFrameStyle((style & SS_SUNKEN) != 0 ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    return PlaceChild(this, parent, rect, style);
}

void CInfoLabel::SetText(const std::string& text) {
    m_strText = m_strFullText = text;
    repaint();
}

void CInfoLabel::SetLabelFont(const QFont* font, BOOL redraw) {
    m_font = font != nullptr ? std::optional<QFont>(*font) : std::nullopt;
    if (redraw)
        repaint();
}

void CInfoLabel::SetScrollMode(int mode, int width) {
    if (mode == m_nScrollMode)
        return;
    m_nScrollMode = mode;
    m_nScrollWidth = std::max(width, 0);
    if (mode == 1) {
        m_timer.start();
        m_strFullText = m_strText;
    } else {
        // Out of the ticker the whole text stands still again.
        m_timer.stop();
        m_strText = m_strFullText;
        update();
    }
}

void CInfoLabel::TickerStep() {
    if (m_nScrollMode != 1)
        return;
    if (static_cast<std::size_t>(m_nScrollWidth) >= m_strFullText.size()) {
        if (!m_bStaticDrawn) {
            update();
            m_bStaticDrawn = TRUE;
        }
        return;
    }
    m_bStaticDrawn = FALSE;
    if (m_strText.empty())
        m_strText = std::string(static_cast<std::size_t>(m_nScrollWidth), ' ') + m_strFullText;
    else
        m_strText.erase(0, FirstCharacterLength(m_strText));
    update();
}

void CInfoLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.fillRect(area, ToQColor(m_crBack));
        painter.setPen(ToQColor(m_crText));
        painter.setFont(m_font.value_or(font()));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         SjisToQt(m_strText));
    }
    QFrame::paintEvent(event);
}
