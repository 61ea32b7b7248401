// Record -> grid and controls, and the notices of the controls.
#include "view/CZelView.h"

#include "doc/CDateUtil.h"
#include "doc/CZelDoc.h"
#include "doc/RosterRules.h"
#include "grid/CCellGrid.h"
#include "platform/SjisText.h"
#include "platform/qt/PostedMessage.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr long kLastColumn = 32;
constexpr long kPageBoundaryRow = 40;
constexpr long kFirstHideableDay = 29;

struct WeekdayLook {
    const char* name;
    COLORREF colour;
};

constexpr std::array<WeekdayLook, 7> kWeekdays{{
    {"日", 0x00C0C0FF}, // Sunday: light red
    {"月", 0x00FFFFFF},
    {"火", 0x00FFFFFF},
    {"水", 0x00FFFFFF},
    {"木", 0x00FFFFFF},
    {"金", 0x00FFFFFF},
    {"土", 0x00C0FFC0}, // Saturday: light green
}};

std::string DayCaption(int day, int weekday) {
    return std::to_string(day) + "(" + sjis::FromUtf8(kWeekdays[static_cast<std::size_t>(weekday)].name) + ")";
}

} // namespace

void CZelView::LoadStaffRows() {
    for (long row = 1; row <= kStaffRows; ++row) {
        const StaffRow& staff = m_pRecord->staff[row - 1];
        m_pGrid->SetCellText(row, 1, FieldText(staff.name));
        for (long day = 1; day <= kDays; ++day)
            m_pGrid->SetCellText(row, day + 1, FieldText(staff.dayCode[day - 1]));
    }
}

void CZelView::LoadRowUnderlines() {
    // Row 40 keeps its blue page-boundary line.
    for (long row = 1; row <= kStaffRows; ++row) {
        if (row != kPageBoundaryRow)
            ApplyRowUnderline(row, m_pRecord->staff[row - 1].underline == 1);
    }
}

void CZelView::ApplyRowUnderline(long row, bool on) {
    CellCommands().ApplyRowUnderline(row, on);
    m_pDoc->SetModifiedFlag(TRUE);
}

void CZelView::LoadComment() {
    const char* comment = m_pRecord->comment;
    m_commentBox.SetLoadedText(std::string(comment, strnlen(comment, sizeof m_pRecord->comment)));
}

LRESULT CZelView::OnCommentChanged(WPARAM, LPARAM) {
    // The stored comment never ends inside a double-byte character.
    const std::string text = m_commentBox.GetText();
    const std::string_view fitted = sjis::FitPrefix(text, sizeof m_pRecord->comment);
    std::memset(m_pRecord->comment, 0, sizeof m_pRecord->comment);
    std::memcpy(m_pRecord->comment, fitted.data(), fitted.size());
    m_pDoc->SetModifiedFlag(TRUE);
    return 0;
}

void CZelView::CommitPendingInput() {
    if (!m_bInitialized)
        return;
    m_pGrid->FinishEdit();
    m_commentBox.CheckForChange();
    QCoreApplication::sendPostedEvents(this, CMessageEvent::EventType());
}

void CZelView::RebuildDutyLists() {
    const std::string list = BuildDayColumnList(m_pRecord->duty);
    for (long column = 2; column <= kLastColumn; ++column)
        m_pGrid->SetColumnList(column, list);
    m_legend.SetText(BuildDutyLegend(m_pRecord->duty));
}

LRESULT CZelView::OnDateChanged(WPARAM, LPARAM) {
    int year = 0;
    int month = 0;
    int day = 0;
    m_dateSelector.GetDate(year, month, day);
    const int weekday = std::clamp(FirstWeekdayOfMonth(year, month), 0, 6);
    UpdateDayHeaders(weekday);
    m_nFirstWeekday = weekday;
    return 0;
}

void CZelView::UpdateDayHeaders(int firstWeekday) {
    int weekday = firstWeekday;
    for (long column = 2; column <= kLastColumn; ++column) {
        m_pGrid->SetCellText(0, column, DayCaption(static_cast<int>(column - 1), weekday));
        SetDayColumnColor(column, kWeekdays[static_cast<std::size_t>(weekday)].colour);
        weekday = (weekday + 1) % 7;
    }

    // The date text and its NUL; the field's tenth byte is left as it is. Not a modification.
    const std::string dateText = m_dateSelector.GetDateText();
    const std::size_t length = std::min(dateText.size(), sizeof m_pRecord->dateText - 2);
    std::memcpy(m_pRecord->dateText, dateText.data(), length);
    m_pRecord->dateText[length] = '\0';

    int year = 0;
    int month = 0;
    int day = 0;
    m_dateSelector.GetDate(year, month, day);
    const int days = CDateUtil().GetDaysInMonth(year, month);
    // The codes of hidden days stay in the grid and the record.
    for (long dayOfMonth = kFirstHideableDay; dayOfMonth <= kDays; ++dayOfMonth)
        m_pGrid->SetColumnWidth(dayOfMonth + 1, dayOfMonth <= days ? 700 : 0);
}

void CZelView::SetDayColumnColor(long column, COLORREF colour) {
    m_pGrid->SetRangeProperty(6, 1, column, kStaffRows, column, colour);
}
