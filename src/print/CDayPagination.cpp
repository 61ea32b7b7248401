#include "print/CDayPagination.h"

#include <algorithm>

namespace {

int CountStaff(const RosterRecord& record, int dayIndex, std::string_view abbrev) {
    return static_cast<int>(
        std::count_if(std::begin(record.staff), std::end(record.staff), [&](const StaffRow& row) {
            return CDayPagination::WorksDuty(row, dayIndex, abbrev);
        }));
}

} // namespace

int CDayPagination::Paginate(const RosterRecord& record, int dayIndex) {
    m_nRowsNeeded.fill(0);
    m_nPage.fill(0);
    m_nNumber.fill(0);
    int page = 1;
    int used = 0;
    int number = 1;
    for (int j = 0; j < kDutyEntries; ++j) {
        const std::string abbrev = FieldText(record.duty.abbrev[j]);
        if (abbrev.empty())
            continue;
        const int staff = CountStaff(record, dayIndex, abbrev);
        const int rows = std::max(1, (staff + kNamesPerRow - 1) / kNamesPerRow);
        used += rows;
        if (used > kRowsPerPage) {
            used = rows;
            ++page;
        }
        m_nRowsNeeded[j] = rows;
        m_nPage[j] = page;
        m_nNumber[j] = number++;
    }
    return page;
}

bool CDayPagination::WorksDuty(const StaffRow& row, int dayIndex, std::string_view abbrev) {
    if (abbrev.empty() || dayIndex < 0 || dayIndex >= kDays)
        return false;
    return FieldText(row.dayCode[dayIndex]) == abbrev;
}
