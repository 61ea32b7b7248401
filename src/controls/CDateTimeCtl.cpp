#include "controls/CDateTimeCtl.h"

#include "controls/ControlGeometry.h"
#include "doc/CDateUtil.h"
#include "platform/SjisText.h"
#include "platform/qt/PostedMessage.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT kChildId = 1;

struct ListLayout {
    const char* caption; // UTF-8
    int first;
    int last;
    RECT rect; // in the selector's client pixels; the bottom leaves room for the dropped list
};

constexpr std::array<ListLayout, 3> kDateLists{{
    {"年", CDateTimeCtl::kFirstYear, CDateTimeCtl::kLastYear, {1, 16, 50, 300}},
    {"月", 1, 12, {51, 16, 100, 300}},
    {"日", 1, 31, {101, 16, 150, 300}},
}};

constexpr std::array<ListLayout, 3> kTimeLists{{
    {"時", 0, 23, {1, 16, 50, 300}},
    {"分", 0, 59, {51, 16, 100, 300}},
    {"秒", 0, 59, {101, 16, 150, 300}},
}};

constexpr RECT kNowButton{155, 16, 190, 34};

// Hex digits and the byte size of each field of the date text.
struct Field {
    std::size_t offset;
    std::size_t digits;
    int bytes;
};

constexpr std::array<Field, 3> kDateFields{{{0, 4, 2}, {4, 2, 1}, {6, 2, 1}}};
constexpr std::array<Field, 3> kTimeFields{{{0, 2, 1}, {2, 2, 1}, {4, 2, 1}}};

std::string Hex(int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, static_cast<unsigned>(value));
    return buffer;
}

} // namespace

CDateTimeCtl::CDateTimeCtl() {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    connect(&m_btnNow, &QPushButton::clicked, this, &CDateTimeCtl::OnNow);
}

BOOL CDateTimeCtl::Create(bool timeMode, const QFont& font, RECT rect, QWidget* owner,
                          int notifyParam) {
    m_bTimeMode = timeMode;
    m_nNotifyParam = notifyParam;
    m_pOwner = owner;
    setObjectName(QStringLiteral("DateTimeCtl"));
    PlaceChild(this, owner, rect, WS_CHILD | WS_VISIBLE);

    const auto& layouts = timeMode ? kTimeLists : kDateLists;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const ListLayout& layout = layouts[i];
        auto* list =
            new CCaptionCombo(sjis::FromUtf8(layout.caption), font, layout.rect, this, kChildId, 0);
        for (int n = layout.first; n <= layout.last; ++n)
            list->addItem(QString::number(n));
        list->setCurrentIndex(0);
        // A typed number selects the entry with that number.
        list->SetBase(layout.first);
        m_pList[i] = list;
    }

    m_btnNow.setText(QStringLiteral("現在"));
    m_btnNow.setFocusPolicy(Qt::ClickFocus); // not a tab stop
    m_btnNow.setFont(font);
    PlaceChild(&m_btnNow, this, kNowButton, WS_CHILD | WS_VISIBLE);
    return TRUE;
}

std::string CDateTimeCtl::GetDateText() const {
    std::string text;
    for (std::size_t i = 0; i < m_pList.size(); ++i) {
        const int value = std::atoi(m_pList[i]->currentText().toLatin1().constData());
        text += Hex(value, i == 0 && !m_bTimeMode ? 4 : 2);
    }
    return text;
}

void CDateTimeCtl::SetDateText(const std::string& text) {
    const auto& fields = m_bTimeMode ? kTimeFields : kDateFields;
    if (text.size() != (m_bTimeMode ? 6u : 8u))
        return;
    const CDateUtil util;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Field& field = fields[i];
        m_pList[i]->SelectText(
            util.HexString2Dec(text.substr(field.offset, field.digits), field.bytes));
    }
    for (CCaptionCombo* list : m_pList)
        if (list->currentIndex() < 0)
            list->setCurrentIndex(0);
}

void CDateTimeCtl::GetDate(int& year, int& month, int& day) const {
    if (m_bTimeMode)
        return;
    year = m_pList[0]->currentIndex() + kFirstYear;
    month = m_pList[1]->currentIndex() + 1;
    day = m_pList[2]->currentIndex() + 1;
}

void CDateTimeCtl::OnNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SelectMoment(local);
    NotifyOwner();
}

void CDateTimeCtl::SelectMoment(const std::tm& now) {
    if (m_bTimeMode) {
        m_pList[0]->setCurrentIndex(now.tm_hour);
        m_pList[1]->setCurrentIndex(now.tm_min);
        m_pList[2]->setCurrentIndex(now.tm_sec);
    } else {
        m_pList[0]->setCurrentIndex(now.tm_year + 1900 - kFirstYear);
        m_pList[1]->setCurrentIndex(now.tm_mon);
        m_pList[2]->setCurrentIndex(now.tm_mday - 1);
    }
}

void CDateTimeCtl::customEvent(QEvent* event) {
    if (event->type() == CMessageEvent::EventType() &&
        static_cast<CMessageEvent*>(event)->message == WM_USER_SELCHANGE)
        NotifyOwner();
    else
        QFrame::customEvent(event);
}

void CDateTimeCtl::NotifyOwner() {
    if (m_pOwner != nullptr)
        PostMessage(m_pOwner, WM_USER_SELCHANGE, kNoticeId, m_nNotifyParam);
}
