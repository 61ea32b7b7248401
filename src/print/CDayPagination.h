#pragma once
// How the day print lays out one day: each duty entry with an abbreviation gets a block of
// rows, one per ten staff working it (at least one), 40 rows to a page, never split.
#include "doc/RosterRecord.h"

#include <array>
#include <string_view>

class CDayPagination {
public:
    static constexpr int kRowsPerPage = 40;
    static constexpr int kNamesPerRow = 10;

    // Fills the three tables for the day of index dayIndex (day - 1) and returns the page count.
    // A day index outside 0 to 30 (an unselected day gives -1) matches no staff row.
    int Paginate(const RosterRecord& record, int dayIndex);

    // Per duty entry, index 0 to 79; all 0 for an entry without an abbreviation.
    int RowsNeeded(int entry) const { return m_nRowsNeeded.at(static_cast<std::size_t>(entry)); }
    int Page(int entry) const { return m_nPage.at(static_cast<std::size_t>(entry)); }
    // Running number among the entries with an abbreviation, from 1, across pages.
    int Number(int entry) const { return m_nNumber.at(static_cast<std::size_t>(entry)); }

    // Whether the row's code on the day is abbrev, byte for byte; never for an empty abbrev.
    static bool WorksDuty(const StaffRow& row, int dayIndex, std::string_view abbrev);

private:
    std::array<int, kDutyEntries> m_nRowsNeeded{};
    std::array<int, kDutyEntries> m_nPage{};
    std::array<int, kDutyEntries> m_nNumber{};
};
