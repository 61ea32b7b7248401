#include "print/CMonthlyPrintout.h"

#include "doc/CDateUtil.h"
#include "platform/SjisText.h"

#include <algorithm>

namespace {

constexpr int kDayColumns = 31;
constexpr int kFirstLegendRow = CMonthlyPrintout::kRowsPerPage + 1;
// A legend line ends with the entry that takes it past this many bytes.
constexpr std::size_t kLegendLineBytes = 150;

SheetGeometry MonthlySheet() {
    SheetGeometry sheet{10, 5, 285, 198, 6, {}, 46, 4};
    sheet.columnWidths.fill(8);
    sheet.columnWidths[0] = 5;
    sheet.columnWidths[1] = 26;
    return sheet;
}

// The staff row shown in body row r (1 to 40) of page, or null past the record's rows.
const StaffRow* StaffRowOf(const RosterRecord& record, int page, int r) {
    const int s = (page - 1) * CMonthlyPrintout::kRowsPerPage + r - 1;
    return s >= 0 && s < kStaffRows ? &record.staff[s] : nullptr;
}

bool IsOnLegendOfPage(std::string_view printPage, int page) {
    const bool both = printPage == "1-2";
    return (page == 1 && (both || printPage == "1")) || (page == 2 && (both || printPage == "2"));
}

std::string LegendEntry(const DutyTable& duty, int j) {
    return FieldText(duty.abbrev[j]) + "(" + FieldText(duty.name[j]) + " " +
           FieldText(duty.work[j]) + " " + FieldText(duty.remarks[j]) + ")";
}

} // namespace

CMonthlyPrintout::CMonthlyPrintout(CDC& dc) : CPrintout(dc, MonthlySheet()) {}

void CMonthlyPrintout::Print(int page, const RosterRecord& record, int year, int month,
                             int firstWeekday) {
    const int days = CDateUtil().GetDaysInMonth(year, month);
    DrawSheet(page, record, year, month, firstWeekday, days);
    DrawEntries(page, record, days);
}

void CMonthlyPrintout::DrawSheet(int page, const RosterRecord& record, int year, int month,
                                 int firstWeekday, int days) {
    static const std::string close = sjis::FromUtf8("）");
    DrawTitleLine(TitleOfMonth(year, month) + close, 8, 0, record);
    DrawFrame();
    DrawRowRules(page, record);
    DrawColumnRules(kDayColumns + 1);
    PutCell(0, 0, 1, 1, "No.", kNormalFont);
    static const std::string staffCaption = sjis::FromUtf8("担当者");
    PutCell(1, 0, 1, 1, staffCaption, kNormalFont);
    DrawDayHeaders(firstWeekday, std::clamp(days, 0, kDayColumns));
    DrawRowNumbers(page);
}

void CMonthlyPrintout::DrawEntries(int page, const RosterRecord& record, int days) {
    DrawCells(page, record, std::clamp(days, 0, kDayColumns));
    DrawLegend(page, record);
}

BOOL CMonthlyPrintout::IsRowUnderlined(const RosterRecord& record, int k, int page) {
    const int s = k + (page - 1) * kRowsPerPage;
    return s >= 0 && s < kStaffRows && record.staff[s].underline == 1 ? TRUE : FALSE;
}

// Rule i lies under body row i - 1; the header's, the last row's and underlined rows' are thick.
void CMonthlyPrintout::DrawRowRules(int page, const RosterRecord& record) {
    const int last = LastRowRule();
    for (int i = 0; i <= last; ++i) {
        const bool thick = i == 1 || i == last || IsRowUnderlined(record, i - 2, page);
        DrawRule(Sheet().left, RuleY(i), Sheet().right, RuleY(i), thick);
    }
}

// A thick rule before each Sunday that a Monday follows, between the week's columns.
void CMonthlyPrintout::DrawDayHeaders(int firstWeekday, int days) {
    int weekday = std::clamp(firstWeekday, 0, 6);
    for (int d = 1; d <= days; ++d) {
        PutCell(d + 1, 0, 1, 1, std::to_string(d) + WeekdayMark(weekday), kNormalFont);
        if (weekday == 1)
            DrawRule(ColumnLeft(d), Sheet().top, ColumnLeft(d), ColumnRuleBottom(), true);
        weekday = (weekday + 1) % 7;
    }
}

void CMonthlyPrintout::DrawRowNumbers(int page) {
    for (int r = 1; r <= kRowsPerPage; ++r)
        PutCell(0, r, 1, 1, NumberText((page - 1) * kRowsPerPage + r), kNormalFont);
}

void CMonthlyPrintout::DrawCells(int page, const RosterRecord& record, int days) {
    for (int r = 1; r <= kRowsPerPage; ++r) {
        const StaffRow* row = StaffRowOf(record, page, r);
        if (row == nullptr)
            continue;
        PutCell(1, r, 1, 1, FieldText(row->name), kNormalFont);
        for (int d = 1; d <= days; ++d)
            PutCell(d + 1, r, 1, 1, FieldText(row->dayCode[d - 1]), kNormalFont);
    }
}

// Entries chosen for the page, joined by spaces; a line ends with the entry that takes it
// past 150 bytes. The first entry without an abbreviation ends the legend.
void CMonthlyPrintout::DrawLegend(int page, const RosterRecord& record) {
    const DutyTable& duty = record.duty;
    std::string line;
    std::size_t length = 0;
    int legendRow = kFirstLegendRow;
    for (int j = 0; j < kDutyEntries && duty.abbrev[j][0] != '\0'; ++j) {
        if (!IsOnLegendOfPage(FieldText(duty.printPage[j]), page))
            continue;
        const std::string entry = LegendEntry(duty, j);
        length += entry.size();
        line += entry;
        if (length > kLegendLineBytes) {
            PutCell(0, legendRow++, 1, 1, line, kNormalFont);
            line.clear();
            length = 0;
        } else {
            line += ' ';
        }
    }
    PutCell(0, legendRow, 1, 1, line, kNormalFont);
}

int CountMonthlyPages(const RosterRecord& record) {
    for (int s = kStaffRows - 1; s >= CMonthlyPrintout::kRowsPerPage; --s) {
        if (record.staff[s].name[0] != '\0')
            return 2;
    }
    return 1;
}
