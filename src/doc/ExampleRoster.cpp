#include "doc/ExampleRoster.h"

#include "doc/CDateUtil.h"
#include "doc/RosterRules.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

struct Duty {
    const char* abbrev;
    const char* name;
    const char* work;
    const char* remarks;
    const char* printPage;
};

constexpr std::array<Duty, 9> kDuties{{
    {"日", "日勤", "8:30～17:15", "", "1-2"},
    {"早", "早番", "7:00～15:45", "", "1-2"},
    {"遅", "遅番", "12:00～20:45", "", "1-2"},
    {"夜", "夜勤", "16:30～翌9:00", "仮眠2時間", "1-2"},
    {"明", "夜勤明け", "～9:00", "", "1"},
    {"休", "公休", "", "", "1"},
    {"有", "年次有給休暇", "", "前月15日までに申請", "2"},
    {"研", "研修", "9:00～17:00", "院内研修室", "2"},
    {"半", "半日勤務", "8:30～12:30", "", "2"},
}};

constexpr std::array<const char*, 24> kStaff{{
    "佐藤 花子", "鈴木 一郎", "高橋 美咲", "田中 健太", "伊藤 直子", "渡辺 翔",   "山本 由美", "中村 誠",
    "小林 愛",   "加藤 大輔", "吉田 恵",   "山田 太郎", "佐々木 舞", "山口 拓也", "松本 彩",   "井上 亮",
    "木村 優子", "林 浩二",   "斎藤 玲奈", "清水 悟",   "山崎 香織", "森 勇気",   "池田 真理", "橋本 蓮",
}};

// A four-week rotation; each staff member starts at another place in it.
constexpr std::array<const char*, 14> kRotation{
    {"日", "日", "夜", "明", "休", "早", "遅", "日", "休", "日", "早", "夜", "明", "休"}};

template <std::size_t N>
void Store(char (&field)[N], const char* utf8) {
    StoreFieldText(field, sjis::FromUtf8(utf8));
}

} // namespace

void FillExampleRoster(RosterRecord& record, int year, int month) {
    std::memset(&record, 0, sizeof record);
    record.version = kRecordVersion;
    char date[16];
    std::snprintf(date, sizeof date, "%04X%02X%02X", year & 0xFFFF, month & 0xFF, 1);
    std::memcpy(record.dateText, date, 9);

    for (std::size_t i = 0; i < kDuties.size(); ++i) {
        const Duty& duty = kDuties[i];
        Store(record.duty.abbrev[i], duty.abbrev);
        Store(record.duty.name[i], duty.name);
        Store(record.duty.work[i], duty.work);
        Store(record.duty.remarks[i], duty.remarks);
        Store(record.duty.printPage[i], duty.printPage);
    }
    record.duty.underline[3] = 1; // night duties below, day duties above

    const int days = CDateUtil().GetDaysInMonth(year, month);
    const int firstWeekday = FirstWeekdayOfMonth(year, month);
    for (std::size_t row = 0; row < kStaff.size(); ++row) {
        StaffRow& staff = record.staff[row];
        Store(staff.name, kStaff[row]);
        for (int day = 1; day <= days; ++day) {
            const std::size_t step = (row * 3 + static_cast<std::size_t>(day)) % kRotation.size();
            const bool weekend = (firstWeekday + day - 1) % 7 == 0;
            const char* code = weekend && row % 3 == 0 ? "休" : kRotation[step];
            if (row == 5 && day == 10)
                code = "研";
            if (row == 9 && day == 17)
                code = "有";
            Store(staff.dayCode[day - 1], code);
        }
        staff.underline = row == 7 || row == 15 ? 1 : 0; // the three teams
    }
    const std::string comment = sjis::FromUtf8("夜勤明けの翌日は必ず休みとする");
    std::memcpy(record.comment, comment.data(), std::min(comment.size(), sizeof record.comment));
}
