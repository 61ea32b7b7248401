#pragma once
// Rules derived from the record that the view, the duty dialog and printing share.
#include "doc/RosterRecord.h"

#include <string>

// The drop-down list of the day cells: " ", then the 80 abbreviations, "|" between items.
std::string BuildDayColumnList(const DutyTable& duty);

// "abbrev:name " for each entry up to the first without an abbreviation, cut after the entry
// that passes 200 bytes with "...省略".
std::string BuildDutyLegend(const DutyTable& duty);

// Row commands: rows and entries are numbered 1 to 80; others are ignored.
void DeleteStaffRow(RosterRecord& record, int row);
void InsertStaffRow(RosterRecord& record, int row);
void DeleteDutyEntry(DutyTable& duty, int entry);
void InsertDutyEntry(DutyTable& duty, int entry);

// Weekday of the 1st of the month, 0 = Sunday, by the proleptic Gregorian calendar: the same
// answer in every time zone.
int FirstWeekdayOfMonth(int year, int month);
