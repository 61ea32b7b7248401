#include "print/CDayPrintout.h"

#include "platform/SjisText.h"

#include <algorithm>

namespace {

constexpr int kRowsPerPage = CDayPagination::kRowsPerPage;
constexpr int kFirstNameColumn = 2;
constexpr int kNameColumnRules = 11;

SheetGeometry DaySheet() {
    SheetGeometry sheet{20, 5, 285, 184, 0, {}, 40, 4};
    sheet.columnWidths[0] = 5;
    sheet.columnWidths[1] = 115;
    std::fill_n(sheet.columnWidths.begin() + kFirstNameColumn, CDayPagination::kNamesPerRow, 16);
    return sheet;
}

// " %d日 %s曜日）", after the month.
std::string DayOfTitle(int day, const std::string& weekday) {
    static const std::string dayMark = sjis::FromUtf8("日 ");
    static const std::string weekdayClose = sjis::FromUtf8("曜日）");
    return " " + std::to_string(day) + dayMark + weekday + weekdayClose;
}

// "%-4s (%s %s %s)"; with nothing but the abbreviation only the padded abbreviation remains.
std::string Description(const DutyTable& duty, int j) {
    std::string abbrev = FieldText(duty.abbrev[j]);
    if (abbrev.size() < 4)
        abbrev.resize(4, ' ');
    const std::string text = abbrev + " (" + FieldText(duty.name[j]) + " " +
                             FieldText(duty.work[j]) + " " + FieldText(duty.remarks[j]) + ")";
    return text.size() == 9 ? std::string(sjis::FitPrefix(text, 4)) : text;
}

} // namespace

CDayPrintout::CDayPrintout(CDC& dc) : CPrintout(dc, DaySheet()) {}

int CDayPrintout::Paginate(const RosterRecord& record, int dayIndex) {
    return m_pagination.Paginate(record, dayIndex);
}

void CDayPrintout::Print(int page, const RosterRecord& record, int year, int month, int day,
                         int firstWeekday) {
    DrawSheet(page, record, year, month, day, firstWeekday);
    DrawEntries(page, record, std::clamp(day, 1, kDays) - 1);
}

void CDayPrintout::DrawSheet(int page, const RosterRecord& record, int year, int month, int day,
                             int firstWeekday) {
    const std::string title =
        TitleOfMonth(year, month) + DayOfTitle(day, WeekdayName(firstWeekday, day));
    DrawTitleLine(title, 2, -16, record);
    DrawFrame();
    DrawRowRules(page, record);
    DrawColumnRules(kNameColumnRules);
    DrawHeaderTexts();
}

void CDayPrintout::DrawEntries(int page, const RosterRecord& record, int dayIndex) {
    Paginate(record, dayIndex);
    int row = 1;
    for (int j = 0; j < kDutyEntries; ++j) {
        if (m_pagination.Page(j) != page || m_pagination.RowsNeeded(j) == 0)
            continue;
        row = DrawBlock(j, row, record, dayIndex);
        if (row > kRowsPerPage)
            break;
        DrawNumberRule(row);
    }
    for (int rule = row; rule <= kRowsPerPage; ++rule)
        DrawNumberRule(rule);
}

std::string CDayPrintout::WeekdayName(int firstWeekday, int day) {
    if (firstWeekday < 0 || firstWeekday > 6 || day < 1 || day > kDays)
        return "??";
    return WeekdayMark((firstWeekday + day - 1) % 7);
}

BOOL CDayPrintout::IsDutyUnderlined(const RosterRecord& record, int k, int page) {
    const int s = k + (page - 1) * kRowsPerPage;
    return s >= 0 && s < kDutyEntries && record.duty.underline[s] == 1 ? TRUE : FALSE;
}

// Across the name columns every row is ruled; the number and description columns get their
// rules from the blocks, so that a block of several rows stands in one tall cell there.
void CDayPrintout::DrawRowRules(int page, const RosterRecord& record) {
    const int last = LastRowRule();
    for (int i = 0; i <= last; ++i) {
        const bool thick = i == 1 || i == last || IsDutyUnderlined(record, i - 2, page);
        const int from = thick ? Sheet().left : ColumnLeft(kFirstNameColumn);
        DrawRule(from, RuleY(i), Sheet().right, RuleY(i), thick);
    }
}

void CDayPrintout::DrawHeaderTexts() {
    static const std::string dutyCaption = sjis::FromUtf8("勤務名称");
    PutCell(0, 0, 1, 1, "No.", kNormalFont);
    PutCell(1, 0, 1, 1, dutyCaption, kNormalFont);
    for (int k = 1; k <= CDayPagination::kNamesPerRow; ++k)
        PutCell(k + 1, 0, 1, 1, std::to_string(k), kNormalFont);
}

int CDayPrintout::DrawBlock(int entry, int firstRow, const RosterRecord& record, int dayIndex) {
    const std::string abbrev = FieldText(record.duty.abbrev[entry]);
    PutCell(0, firstRow, 1, 1, NumberText(m_pagination.Number(entry)), kNormalFont);
    PutCell(1, firstRow, 1, 1, Description(record.duty, entry), kNormalFont);
    int placed = 0;
    for (const StaffRow& staff : record.staff) {
        if (!CDayPagination::WorksDuty(staff, dayIndex, abbrev))
            continue;
        const int column = kFirstNameColumn + placed % CDayPagination::kNamesPerRow;
        const int row = firstRow + placed / CDayPagination::kNamesPerRow;
        PutCell(column, row, 1, 1, FieldText(staff.name), kNormalFont);
        ++placed;
    }
    return firstRow + m_pagination.RowsNeeded(entry);
}

// Horizontal rule `rule` across the number and description columns only.
void CDayPrintout::DrawNumberRule(int rule) {
    DrawRule(Sheet().left, RuleY(rule), ColumnLeft(kFirstNameColumn), RuleY(rule), false);
}
