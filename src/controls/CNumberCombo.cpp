#include "controls/CNumberCombo.h"

#include "controls/ControlGeometry.h"
#include "platform/qt/PostedMessage.h"
#include "platform/qt/QtText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>
#include <charconv>

namespace {

constexpr int kTypingPauseMs = 500;

// The closed list: one line of the font with the list's edges.
int ClosedHeight(const QFont& font) {
    return QFontMetrics(font).height() + 8;
}

// The style's own arrow and margins leave too little of a narrow list for a four-digit year;
// the list drops below the box, into the room the rectangle leaves for it.
QString CompactStyle(const QFont& font) {
    return QStringLiteral("QComboBox { padding-left: 2px; padding-right: 0px; combobox-popup: 0; }"
                          " QComboBox::drop-down { width: %1px; }")
        .arg(QFontMetrics(font).height() + 1);
}

// A run of digits too long for an int names no entry.
int TypedNumber(const std::string& digits, bool& valid) {
    int number = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    valid = result.ec == std::errc();
    return number;
}

} // namespace

CNumberCombo::CNumberCombo() {
    m_typingTimer.setInterval(kTypingPauseMs);
    m_typingTimer.setSingleShot(true);
    connect(&m_typingTimer, &QTimer::timeout, this, &CNumberCombo::OnTypingPause);
    connect(this, &QComboBox::activated, this, &CNumberCombo::OnSelChange);
}

BOOL CNumberCombo::Create(const QFont& font, const RECT& rect, QWidget* parent, UINT id,
                          DWORD style) {
    m_pOwner = parent;
    m_nNotifyId = id;
    const RECT scaled = ScaleRectToFont(rect, LogFontHeight(font));
    setEditable((style & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST);
    setFont(font);
    setStyleSheet(CompactStyle(font));
    if (!PlaceChild(this, parent, scaled, style))
        return FALSE;
    const int closed = ClosedHeight(font);
    resize(width(), closed);
    // The rest of the rectangle is room for the dropped list.
    const int listRoom = static_cast<int>(scaled.bottom - scaled.top) - closed;
    setMaxVisibleItems(std::max(1, listRoom / QFontMetrics(font).height()));
    SetListType(2);
    return TRUE;
}

void CNumberCombo::SetListType(int type) {
    m_nListType = type;
    m_nBase = type == 1 ? 0 : 1;
    setCurrentIndex(type == 1 || type == 3 ? 0 : -1);
}

void CNumberCombo::SetBase(int base) {
    m_nBase = base;
}

void CNumberCombo::SelectText(const std::string& text) {
    if (isEditable())
        setEditText(SjisToQt(text));
    else
        setCurrentIndex(findText(SjisToQt(text), Qt::MatchFixedString));
}

void CNumberCombo::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (!text.isEmpty() && text.front().isPrint()) {
        // Characters other than digits are dropped, so the list's own search never runs.
        if (text.size() == 1 && text.front() >= u'0' && text.front() <= u'9')
            OnDigit(text.front().toLatin1());
        event->accept();
        return;
    }
    // The down-arrow key opens the list; F4 does not.
    if (event->key() == Qt::Key_Down && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        showPopup();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F4) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void CNumberCombo::OnDigit(char digit) {
    m_typingTimer.start();
    m_strTyped += digit;
    bool valid = false;
    const int number = TypedNumber(m_strTyped, valid);
    const int index = valid ? number - m_nBase : -1;
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void CNumberCombo::OnTypingPause() {
    m_typingTimer.stop();
    if (m_nListType == 3 && m_strTyped == "0")
        setCurrentIndex(0);
    m_strTyped.clear();
    OnSelChange();
}

void CNumberCombo::OnSelChange() {
    m_strLastText = CurrentText();
    PostMessage(this, WM_USER_SELCHANGE, 0, 0);
}

void CNumberCombo::customEvent(QEvent* event) {
    if (event->type() == CMessageEvent::EventType() &&
        static_cast<CMessageEvent*>(event)->message == WM_USER_SELCHANGE)
        OnSelChangeDeferred();
    else
        QComboBox::customEvent(event);
}

void CNumberCombo::OnSelChangeDeferred() {
    const std::string text = CurrentText();
    if (text.empty())
        SelectText(m_strLastText);
    m_strLastText = text;
    if (m_pOwner != nullptr)
        PostMessage(m_pOwner, WM_USER_SELCHANGE, m_nNotifyId, 0);
}

std::string CNumberCombo::CurrentText() const {
    return QtToSjis(currentText());
}
