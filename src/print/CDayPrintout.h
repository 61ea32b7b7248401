#pragma once
// The day print: for one day, a block of rows per duty entry with its running number, its
// description and the names of the staff working it, ten to a row.
#include "doc/RosterRecord.h"
#include "platform/CDC.h"
#include "print/CDayPagination.h"
#include "print/CPrintout.h"

#include <string>

class CDayPrintout : public CPrintout {
public:
    // Prepares dc for this page.
    explicit CDayPrintout(CDC& dc);

    // The page count for dayIndex (day - 1); see CDayPagination, which counts without a device.
    int Paginate(const RosterRecord& record, int dayIndex);

    // The title shows day as given; the entries are those of day limited to 1 to 31.
    void Print(int page, const RosterRecord& record, int year, int month, int day,
               int firstWeekday);

    void DrawSheet(int page, const RosterRecord& record, int year, int month, int day,
                   int firstWeekday);
    void DrawEntries(int page, const RosterRecord& record, int dayIndex);

    // "日" to "土" for day (1 to 31) of a month beginning on firstWeekday (0 = Sunday); "??"
    // when either is out of range. Days past the month's end go on counting.
    static std::string WeekdayName(int firstWeekday, int day);
    // Whether the rule under body row k + 1 of page is thick: duty entry k + 1 of the page's
    // 40 is underlined, whatever the row shows.
    static BOOL IsDutyUnderlined(const RosterRecord& record, int k, int page);

private:
    void DrawRowRules(int page, const RosterRecord& record);
    void DrawHeaderTexts();
    // Returns the body row after the block.
    int DrawBlock(int entry, int firstRow, const RosterRecord& record, int dayIndex);
    void DrawNumberRule(int rule);

    CDayPagination m_pagination;
};
