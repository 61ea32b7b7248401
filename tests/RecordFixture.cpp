#include "RecordFixture.h"

#include "platform/SjisText.h"

std::string Sjis(std::string_view utf8) {
    return sjis::FromUtf8(utf8);
}

void SetStaffName(RosterRecord& record, int row, std::string_view name) {
    StoreFieldText(record.staff[row - 1].name, name);
}

void SetDayCode(RosterRecord& record, int row, int day, std::string_view code) {
    StoreFieldText(record.staff[row - 1].dayCode[day - 1], code);
}

void SetDuty(RosterRecord& record, int entry, const DutyFixture& duty) {
    const int j = entry - 1;
    StoreFieldText(record.duty.abbrev[j], duty.abbrev);
    StoreFieldText(record.duty.name[j], duty.name);
    StoreFieldText(record.duty.work[j], duty.work);
    StoreFieldText(record.duty.remarks[j], duty.remarks);
    StoreFieldText(record.duty.printPage[j], duty.printPage);
}
