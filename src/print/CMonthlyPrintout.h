#pragma once
// The monthly print: one landscape page of 40 staff rows with the month's duty codes, and a
// legend of the duty definitions chosen for that page. Page 1 shows rows 1 to 40, page 2 rows
// 41 to 80.
#include "doc/RosterRecord.h"
#include "platform/CDC.h"
#include "print/CPrintout.h"

#include <string>

class CMonthlyPrintout : public CPrintout {
public:
    static constexpr int kRowsPerPage = 40;

    // Prepares dc for this page.
    explicit CMonthlyPrintout(CDC& dc);

    // firstWeekday: weekday of the 1st, 0 = Sunday; values outside 0 to 6 are clamped.
    void Print(int page, const RosterRecord& record, int year, int month, int firstWeekday);

    void DrawSheet(int page, const RosterRecord& record, int year, int month, int firstWeekday,
                   int days);
    void DrawEntries(int page, const RosterRecord& record, int days);

    // Whether the rule under body row k + 1 of page is thick for its staff row's underline.
    static BOOL IsRowUnderlined(const RosterRecord& record, int k, int page);

private:
    void DrawRowRules(int page, const RosterRecord& record);
    void DrawDayHeaders(int firstWeekday, int days);
    void DrawRowNumbers(int page);
    void DrawCells(int page, const RosterRecord& record, int days);
    void DrawLegend(int page, const RosterRecord& record);
};

// 1, or 2 when a staff row after the first page's 40 has a name.
int CountMonthlyPages(const RosterRecord& record);
