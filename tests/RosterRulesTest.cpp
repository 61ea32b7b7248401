#include "doc/RosterRules.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::string Sjis(const char* utf8) {
    return sjis::FromUtf8(utf8);
}

std::unique_ptr<RosterRecord> EmptyRecord() {
    auto record = std::make_unique<RosterRecord>();
    std::memset(record.get(), 0, sizeof(RosterRecord));
    return record;
}

void Define(DutyTable& duty, int entry, const char* abbrev, const char* name) {
    StoreFieldText(duty.abbrev[entry - 1], Sjis(abbrev));
    StoreFieldText(duty.name[entry - 1], Sjis(name));
}

TEST(DayColumnList, HasASpaceThenEveryAbbreviationPosition) {
    auto record = EmptyRecord();
    EXPECT_EQ(BuildDayColumnList(record->duty), " " + std::string(80, '|'));

    Define(record->duty, 1, "日", "日勤");
    Define(record->duty, 3, "夜", "夜勤");
    EXPECT_EQ(BuildDayColumnList(record->duty), Sjis(" |日||夜") + std::string(77, '|'));
}

TEST(DutyLegend, ListsEntriesUpToTheFirstGap) {
    const std::string undefined = Sjis("＜勤務名称は定義されていません。＞");
    auto record = EmptyRecord();
    EXPECT_EQ(BuildDutyLegend(record->duty), undefined);

    Define(record->duty, 2, "夜", "夜勤");
    EXPECT_EQ(BuildDutyLegend(record->duty), undefined) << "entry 1 empty";

    Define(record->duty, 1, "日", "日勤");
    EXPECT_EQ(BuildDutyLegend(record->duty), Sjis("日:日勤 夜:夜勤 "));

    std::memset(record->duty.abbrev[1], 0, 5);
    Define(record->duty, 3, "休", "公休");
    EXPECT_EQ(BuildDutyLegend(record->duty), Sjis("日:日勤 ")) << "stops at entry 2";
}

TEST(DutyLegend, EndsWithTheEntryThatPassesTwoHundredBytes) {
    auto record = EmptyRecord();
    // Each entry adds 4 + 1 + 20 + 1 = 26 bytes: the eighth passes 200 (208 bytes).
    for (int i = 1; i <= 10; ++i) {
        const std::string abbrev = "A00" + std::to_string(i % 10);
        StoreFieldText(record->duty.abbrev[i - 1], abbrev);
        StoreFieldText(record->duty.name[i - 1], std::string(20, static_cast<char>('a' + i)));
    }
    const std::string legend = BuildDutyLegend(record->duty);
    const std::string ending = Sjis("...省略");
    ASSERT_GT(legend.size(), ending.size());
    EXPECT_EQ(legend.size(), 8 * 26 + ending.size());
    EXPECT_EQ(legend.substr(legend.size() - ending.size()), ending);
    EXPECT_EQ(legend.substr(7 * 26, 5), "A008:");
}

class StaffRowCommands : public testing::Test {
protected:
    void SetUp() override {
        record = EmptyRecord();
        for (int r = 1; r <= 80; ++r) {
            StaffRow& row = record->staff[r - 1];
            StoreFieldText(row.name, "N" + std::to_string(r));
            StoreFieldText(row.dayCode[30], "D" + std::to_string(r));
            row.underline = static_cast<std::uint8_t>(r % 2);
            row.reserved[254] = static_cast<std::uint8_t>(r);
        }
    }
    std::string Name(int r) const { return FieldText(record->staff[r - 1].name); }
    bool Cleared(int r) const {
        const StaffRow zero{};
        return std::memcmp(&record->staff[r - 1], &zero, sizeof zero) == 0;
    }
    std::unique_ptr<RosterRecord> record;
};

TEST_F(StaffRowCommands, DeleteMovesWholeRowsUpAndClearsRow80) {
    DeleteStaffRow(*record, 40);
    EXPECT_EQ(Name(39), "N39");
    EXPECT_EQ(Name(40), "N41");
    EXPECT_EQ(FieldText(record->staff[39].dayCode[30]), "D41");
    EXPECT_EQ(record->staff[39].underline, 1);
    EXPECT_EQ(record->staff[39].reserved[254], 41);
    EXPECT_EQ(Name(79), "N80");
    EXPECT_TRUE(Cleared(80));

    DeleteStaffRow(*record, 80);
    EXPECT_TRUE(Cleared(80));
    EXPECT_EQ(Name(79), "N80");
}

TEST_F(StaffRowCommands, InsertMovesRowsDownAndLosesTheLast) {
    InsertStaffRow(*record, 1);
    EXPECT_TRUE(Cleared(1));
    EXPECT_EQ(Name(2), "N1");
    EXPECT_EQ(record->staff[1].reserved[254], 1);
    EXPECT_EQ(Name(80), "N79");

    InsertStaffRow(*record, 80);
    EXPECT_TRUE(Cleared(80));
    EXPECT_EQ(Name(79), "N78");
}

TEST_F(StaffRowCommands, RowsOutsideOneToEightyChangeNothing) {
    const auto before = std::make_unique<RosterRecord>(*record);
    for (int row : {-1, 0, 81}) {
        DeleteStaffRow(*record, row);
        InsertStaffRow(*record, row);
    }
    EXPECT_EQ(std::memcmp(before.get(), record.get(), sizeof(RosterRecord)), 0);
}

TEST(DutyEntryCommands, AllSixColumnsMoveTogether) {
    auto record = EmptyRecord();
    DutyTable& duty = record->duty;
    for (int i = 1; i <= 80; ++i) {
        const std::string n = std::to_string(i);
        StoreFieldText(duty.abbrev[i - 1], "a" + n);
        StoreFieldText(duty.name[i - 1], "n" + n);
        StoreFieldText(duty.work[i - 1], "w" + n);
        StoreFieldText(duty.remarks[i - 1], "r" + n);
        StoreFieldText(duty.printPage[i - 1], "1-2");
        duty.underline[i - 1] = static_cast<std::uint8_t>(i);
    }
    DeleteDutyEntry(duty, 2);
    EXPECT_EQ(FieldText(duty.abbrev[1]), "a3");
    EXPECT_EQ(FieldText(duty.name[1]), "n3");
    EXPECT_EQ(FieldText(duty.work[1]), "w3");
    EXPECT_EQ(FieldText(duty.remarks[1]), "r3");
    EXPECT_EQ(duty.underline[1], 3);
    EXPECT_EQ(FieldText(duty.abbrev[79]), "");
    EXPECT_EQ(FieldText(duty.printPage[79]), "");
    EXPECT_EQ(duty.underline[79], 0);
    EXPECT_EQ(record->comment[0], 0) << "nothing beyond the table";

    InsertDutyEntry(duty, 1);
    EXPECT_EQ(FieldText(duty.abbrev[0]), "");
    EXPECT_EQ(FieldText(duty.remarks[0]), "");
    EXPECT_EQ(duty.underline[0], 0);
    EXPECT_EQ(FieldText(duty.abbrev[1]), "a1");
    EXPECT_EQ(duty.underline[1], 1);
    EXPECT_EQ(FieldText(duty.work[2]), "w3");
}

TEST(FirstWeekdayOfMonth, ProlepticGregorian) {
    struct Case {
        int year, month, weekday;
    };
    const Case cases[] = {{2006, 7, 6}, {2008, 2, 5}, {1990, 1, 1}, {2026, 12, 2},
                          {2000, 2, 2}, {2000, 3, 3}, {2099, 12, 2}, {1900, 3, 4}};
    for (const Case& c : cases)
        EXPECT_EQ(FirstWeekdayOfMonth(c.year, c.month), c.weekday) << c.year << "-" << c.month;
}

} // namespace
