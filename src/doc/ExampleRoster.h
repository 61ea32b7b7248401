#pragma once
// A realistic roster to start from: a ward of 24 staff in three teams, a table of duties and a
// month of codes. The first run opens it so that a new user sees what the program is for.
#include "doc/RosterRecord.h"

void FillExampleRoster(RosterRecord& record, int year, int month);
