#include "doc/RosterRules.h"

#include <cstring>

namespace {

constexpr std::size_t kLegendLimit = 200;

bool IsRowNumber(int row) {
    return row >= 1 && row <= kStaffRows;
}

// Shifts the entries of one duty-table column: those after 'entry' up (delete), or those from
// 'entry' on down (insert), clearing the entry that is freed.
template <typename Entry>
void DeleteFromColumn(Entry (&column)[kDutyEntries], int entry) {
    const auto index = static_cast<std::size_t>(entry - 1);
    std::memmove(&column[index], &column[index + 1], sizeof(Entry) * (kDutyEntries - 1 - index));
    std::memset(&column[kDutyEntries - 1], 0, sizeof(Entry));
}

template <typename Entry>
void InsertIntoColumn(Entry (&column)[kDutyEntries], int entry) {
    const auto index = static_cast<std::size_t>(entry - 1);
    std::memmove(&column[index + 1], &column[index], sizeof(Entry) * (kDutyEntries - 1 - index));
    std::memset(&column[index], 0, sizeof(Entry));
}

// An entry is one value in each of the six columns.
template <typename Action>
void ForEachDutyColumn(DutyTable& duty, Action action) {
    action(duty.abbrev);
    action(duty.name);
    action(duty.work);
    action(duty.remarks);
    action(duty.printPage);
    action(duty.underline);
}

} // namespace

std::string BuildDayColumnList(const DutyTable& duty) {
    std::string list = " ";
    for (const auto& abbrev : duty.abbrev) {
        list += '|';
        list += FieldText(abbrev);
    }
    return list;
}

std::string BuildDutyLegend(const DutyTable& duty) {
    if (FieldText(duty.abbrev[0]).empty())
        return sjis::FromUtf8("＜勤務名称は定義されていません。＞");
    std::string legend;
    for (int i = 0; i < kDutyEntries; ++i) {
        const std::string abbrev = FieldText(duty.abbrev[i]);
        if (abbrev.empty())
            break;
        legend += abbrev + ":" + FieldText(duty.name[i]) + " ";
        if (legend.size() > kLegendLimit) {
            legend += sjis::FromUtf8("...省略");
            break;
        }
    }
    return legend;
}

void DeleteStaffRow(RosterRecord& record, int row) {
    if (!IsRowNumber(row))
        return;
    const auto index = static_cast<std::size_t>(row - 1);
    std::memmove(&record.staff[index], &record.staff[index + 1],
                 sizeof(StaffRow) * (kStaffRows - 1 - index));
    std::memset(&record.staff[kStaffRows - 1], 0, sizeof(StaffRow));
}

void InsertStaffRow(RosterRecord& record, int row) {
    if (!IsRowNumber(row))
        return;
    const auto index = static_cast<std::size_t>(row - 1);
    std::memmove(&record.staff[index + 1], &record.staff[index],
                 sizeof(StaffRow) * (kStaffRows - 1 - index));
    std::memset(&record.staff[index], 0, sizeof(StaffRow));
}

void DeleteDutyEntry(DutyTable& duty, int entry) {
    if (!IsRowNumber(entry))
        return;
    ForEachDutyColumn(duty, [entry](auto& column) { DeleteFromColumn(column, entry); });
}

void InsertDutyEntry(DutyTable& duty, int entry) {
    if (!IsRowNumber(entry))
        return;
    ForEachDutyColumn(duty, [entry](auto& column) { InsertIntoColumn(column, entry); });
}

int FirstWeekdayOfMonth(int year, int month) {
    // Sakamoto's method; months before March count in the previous year.
    static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12)
        return 0;
    const int y = month < 3 ? year - 1 : year;
    const int weekday = (y + y / 4 - y / 100 + y / 400 + kMonthOffset[month - 1] + 1) % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}
