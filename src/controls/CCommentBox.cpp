#include "controls/CCommentBox.h"

#include "controls/ControlGeometry.h"
#include "platform/qt/CByteLimitValidator.h"
#include "platform/qt/PostedMessage.h"
#include "platform/qt/QtText.h"

namespace {

constexpr int kWatchMs = 200;

} // namespace

CCommentBox::CCommentBox() : m_pValidator(new CByteLimitValidator(this)) {
    m_pValidator->SetLimit(static_cast<long>(kMaxTextBytes));
    setValidator(m_pValidator);
    m_timer.setInterval(kWatchMs);
    connect(&m_timer, &QTimer::timeout, this, &CCommentBox::CheckForChange);
}

void CCommentBox::Create(const QFont& font, const RECT& rect, QWidget* parent, UINT id,
                         DWORD style) {
    m_pOwner = parent;
    m_nNotifyId = id;
    setFrame((style & WS_BORDER) != 0);
    PlaceChild(this, parent, ScaleRectToFont(rect, LogFontHeight(font)), style);
    setFont(font);
}

void CCommentBox::EnableChangeNotify(BOOL enable) {
    // A second call in the same direction leaves the timer as it runs.
    if (enable == TRUE && !m_timer.isActive())
        m_timer.start();
    else if (enable != TRUE)
        m_timer.stop();
}

std::string CCommentBox::GetText() const {
    // Decoding and encoding again would change some bytes the user never touched.
    if (text() == SjisToQt(m_strLoadedText))
        return m_strLoadedText;
    return QtToSjis(text());
}

void CCommentBox::SetLoadedText(const std::string& sjisText) {
    m_strLoadedText = sjisText;
    setText(SjisToQt(sjisText));
    m_pValidator->Reset(text());
    m_strLastText = GetText();
}

void CCommentBox::CheckForChange() {
    const std::string current = GetText();
    if (current == m_strLastText)
        return;
    m_strLastText = current;
    if (m_pOwner != nullptr)
        PostMessage(m_pOwner, WM_USER_TEXTCHANGE, m_nNotifyId, 0);
}
