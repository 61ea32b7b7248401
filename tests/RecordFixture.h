#pragma once
// Roster records built in code for the print tests. Texts are Shift-JIS; rows, days and
// entries count from 1 as the user sees them.
#include "doc/RosterRecord.h"

#include <string>
#include <string_view>

// The Shift-JIS bytes of a UTF-8 literal.
std::string Sjis(std::string_view utf8);

struct DutyFixture {
    std::string abbrev;
    std::string name;
    std::string work;
    std::string remarks;
    std::string printPage;
};

void SetStaffName(RosterRecord& record, int row, std::string_view name);
void SetDayCode(RosterRecord& record, int row, int day, std::string_view code);
void SetDuty(RosterRecord& record, int entry, const DutyFixture& duty);

// Every staff row named, every day coded, every duty entry defined: the largest roster.
void FillFullRoster(RosterRecord& record);
// A roster of July 2006 with something in every part of both printouts.
RosterRecord FilledRoster();
