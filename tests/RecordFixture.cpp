#include "RecordFixture.h"

#include "platform/SjisText.h"

#include <algorithm>

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

void FillFullRoster(RosterRecord& record) {
    StoreFieldText(record.dateText, "07EA0C01");
    for (int row = 1; row <= kStaffRows; ++row) {
        SetStaffName(record, row, Sjis("職員 ") + std::to_string(row));
        for (int day = 1; day <= kDays; ++day)
            SetDayCode(record, row, day, Sjis(day % 7 == 0 ? "休" : "日勤"));
        record.staff[row - 1].underline = row % 5 == 0 ? 1 : 0;
    }
    for (int entry = 1; entry <= kDutyEntries; ++entry)
        SetDuty(record, entry,
                {Sjis("日勤"), Sjis("日勤 ") + std::to_string(entry), Sjis("8:30～17:15"),
                 Sjis("ポート"), entry % 2 == 0 ? "1-2" : "1"});
    StoreFieldText(record.comment, Sjis("来月の勤務表です"));
}

RosterRecord FilledRoster() {
    RosterRecord record{};
    const char* names[] = {"山田太郎", "鈴木花子", "佐藤一郎", "高橋美咲", "田中健"};
    const char* codes[] = {"日", "夜", "明", "休", "日"};
    for (int row = 1; row <= 40; ++row) {
        SetStaffName(record, row, Sjis(names[(row - 1) % 5]) + std::to_string(row));
        for (int day = 1; day <= 31; ++day)
            SetDayCode(record, row, day, Sjis(codes[(row + day) % 5]));
    }
    record.staff[4].underline = 1;
    SetDuty(record, 1, {Sjis("日"), Sjis("日勤"), "8:30-17:00", Sjis("休憩60分"), "1-2"});
    SetDuty(record, 2, {Sjis("夜"), Sjis("夜勤"), "16:30-9:00", Sjis("仮眠あり"), "1-2"});
    SetDuty(record, 3, {Sjis("明"), Sjis("夜勤明け"), "", "", "1"});
    SetDuty(record, 4, {Sjis("休"), Sjis("公休"), "", "", "1-2"});
    record.duty.underline[1] = 1;
    const std::string comment = Sjis("第二病棟　看護師勤務表");
    std::copy(comment.begin(), comment.end(), record.comment);
    return record;
}
