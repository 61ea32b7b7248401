#include "print/CDayPrintout.h"

#include "PrintExpectations.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {

using Line = RecordingDC::Line;
using Text = RecordingDC::Text;

// A body text's y in body row a (0 = header row).
int TextY(int a) {
    return -(205 + 40 * a);
}

// x of a text in name column k (1 to 10).
int NameX(int k) {
    return (125 + 16 * (k - 1) + 1) * 10;
}

// Entries first to last with the abbreviations "D<entry>".
void AddDuties(RosterRecord& record, int first, int last) {
    for (int j = first; j <= last; ++j)
        SetDuty(record, j, {"D" + std::to_string(j), "", "", "", ""});
}

// Staff rows first to last work code on day.
void Assign(RosterRecord& record, int first, int last, int day, const std::string& code) {
    for (int row = first; row <= last; ++row)
        SetDayCode(record, row, day, code);
}

struct BlockOf {
    int entry; // 1 to 80
    int rows;
    int page;
    int number;
};

struct PaginateCase {
    const char* name;
    std::function<void(RosterRecord&)> fill;
    int dayIndex;
    int pages;
    std::vector<BlockOf> blocks;
};

class DayPaginate : public testing::TestWithParam<PaginateCase> {};

TEST_P(DayPaginate, BlocksOfTenNamesAFortyRowsToAPageNeverSplit) {
    const PaginateCase& c = GetParam();
    RosterRecord record{};
    c.fill(record);
    CDayPagination pagination;
    EXPECT_EQ(pagination.Paginate(record, c.dayIndex), c.pages) << c.name;
    for (const BlockOf& b : c.blocks) {
        EXPECT_EQ(pagination.RowsNeeded(b.entry - 1), b.rows) << c.name << ", entry " << b.entry;
        EXPECT_EQ(pagination.Page(b.entry - 1), b.page) << c.name << ", entry " << b.entry;
        EXPECT_EQ(pagination.Number(b.entry - 1), b.number) << c.name << ", entry " << b.entry;
    }
}

// Eleven staff whose names end in the bytes "D1" where a day code before day 1 would lie.
void NamesEndingInTheCode(RosterRecord& record) {
    AddDuties(record, 1, 1);
    for (int row = 1; row <= 11; ++row) {
        std::memcpy(record.staff[row - 1].name, "123456D1", 9);
        SetDayCode(record, row, 1, "D1");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DayPaginate,
    testing::Values(
        PaginateCase{"NoEntries", [](RosterRecord&) {}, 0, 1, {{1, 0, 0, 0}, {80, 0, 0, 0}}},
        PaginateCase{"FortyOneOneRowEntries",
                     [](RosterRecord& r) { AddDuties(r, 1, 41); },
                     0,
                     2,
                     {{1, 1, 1, 1}, {40, 1, 1, 40}, {41, 1, 2, 41}, {42, 0, 0, 0}}},
        PaginateCase{"39EntriesThenOneOf15Staff",
                     [](RosterRecord& r) {
                         AddDuties(r, 1, 40);
                         Assign(r, 1, 15, 5, "D40");
                     },
                     4,
                     2,
                     {{39, 1, 1, 39}, {40, 2, 2, 40}}},
        PaginateCase{"Staff10And11And59",
                     [](RosterRecord& r) {
                         AddDuties(r, 1, 3);
                         Assign(r, 1, 10, 1, "D1");
                         Assign(r, 11, 21, 1, "D2");
                         Assign(r, 22, 80, 1, "D3");
                     },
                     0,
                     1,
                     {{1, 1, 1, 1}, {2, 2, 1, 2}, {3, 6, 1, 3}}},
        PaginateCase{"All80Staff",
                     [](RosterRecord& r) {
                         AddDuties(r, 1, 1);
                         Assign(r, 1, 80, 31, "D1");
                     },
                     30,
                     1,
                     {{1, 8, 1, 1}}},
        PaginateCase{"AnEmptyAbbreviationBetween",
                     [](RosterRecord& r) {
                         AddDuties(r, 1, 2);
                         AddDuties(r, 4, 4);
                         SetDuty(r, 3, {"", "named", "", "", "1"});
                     },
                     0,
                     1,
                     {{2, 1, 1, 2}, {3, 0, 0, 0}, {4, 1, 1, 3}}},
        PaginateCase{"CodesMatchByteForByte",
                     [](RosterRecord& r) {
                         AddDuties(r, 1, 1);
                         Assign(r, 1, 11, 1, "D1 ");
                         Assign(r, 12, 22, 1, "d1");
                     },
                     0,
                     1,
                     {{1, 1, 1, 1}}},
        PaginateCase{"DayIndex0ReadsDay1", NamesEndingInTheCode, 0, 1, {{1, 2, 1, 1}}},
        // An unselected day gives -1: nobody works it, and no byte before day 1 is read.
        PaginateCase{"DayIndexMinus1MatchesNobody", NamesEndingInTheCode, -1, 1, {{1, 1, 1, 1}}},
        PaginateCase{"DayIndex31MatchesNobody", NamesEndingInTheCode, 31, 1, {{1, 1, 1, 1}}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(DayPagination, PaginatingAgainStartsAfresh) {
    RosterRecord record{};
    AddDuties(record, 1, 41);
    CDayPagination pagination;
    pagination.Paginate(record, 0);
    record = RosterRecord{};
    AddDuties(record, 2, 2);
    EXPECT_EQ(pagination.Paginate(record, 0), 1);
    EXPECT_EQ(pagination.RowsNeeded(0), 0);
    EXPECT_EQ(pagination.Number(1), 1);
    EXPECT_EQ(pagination.Page(40), 0);
}

struct SheetRulesCase {
    const char* name;
    int page;
    std::vector<int> underlinedEntries; // 1 to 80
    std::set<int> thickRowRules;        // i of rule i, at y 20 + 4i
};

class DaySheetRules : public testing::TestWithParam<SheetRulesCase> {};

TEST_P(DaySheetRules, FrameRowRulesAndColumnRules) {
    const SheetRulesCase& c = GetParam();
    RosterRecord record{};
    for (int entry : c.underlinedEntries)
        record.duty.underline[entry - 1] = 1;
    RecordingDC dc;
    CDayPrintout(dc).DrawSheet(c.page, record, 2006, 7, 21, 6);

    std::vector<Line> expected = {Rule(5, 20, 285, 20, 4), Rule(5, 20, 5, 184, 4),
                                  Rule(5, 184, 285, 184, 4), Rule(285, 20, 285, 184, 4)};
    for (int i = 0; i <= 41; ++i) {
        const int y = 20 + 4 * i;
        expected.push_back(c.thickRowRules.count(i) ? Rule(5, y, 285, y, 4)
                                                    : Rule(125, y, 285, y, 1));
    }
    expected.push_back(Rule(10, 20, 10, 184, 4));
    expected.push_back(Rule(125, 20, 125, 184, 4));
    for (int x = 141; x <= 269; x += 16)
        expected.push_back(Rule(x, 20, x, 184, 1));
    EXPECT_EQ(dc.Lines(), expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DaySheetRules,
    testing::Values(SheetRulesCase{"NoUnderlines", 1, {}, {1, 41}},
                    SheetRulesCase{"Entry3OnPage1", 1, {3, 43}, {1, 4, 41}},
                    SheetRulesCase{"Entry43OnPage2", 2, {3, 43}, {1, 4, 41}},
                    SheetRulesCase{"Entries39And79OnPage2", 2, {39, 79, 80}, {0, 1, 40, 41}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(DayPrintout, UnderlineIsOnlyTheByte1AndNothingPastEntry80) {
    RosterRecord record{};
    record.duty.underline[0] = 2;
    record.duty.underline[1] = 1;
    record.duty.underline[79] = 1;
    EXPECT_FALSE(CDayPrintout::IsDutyUnderlined(record, 0, 1));
    EXPECT_TRUE(CDayPrintout::IsDutyUnderlined(record, 1, 1));
    EXPECT_FALSE(CDayPrintout::IsDutyUnderlined(record, -1, 1));
    EXPECT_TRUE(CDayPrintout::IsDutyUnderlined(record, 39, 2));
    EXPECT_FALSE(CDayPrintout::IsDutyUnderlined(record, 40, 2));
    EXPECT_FALSE(CDayPrintout::IsDutyUnderlined(record, 0, 3));
}

TEST(DayPrintout, SheetTextsOf21July2006) {
    RosterRecord record{};
    std::memcpy(record.comment, Sjis("日勤帯").data(), 6);
    RecordingDC dc;
    CDayPrintout(dc).DrawSheet(1, record, 2006, 7, 21, 6);

    std::vector<Text> expected = {{{70, -140}, Sjis("Varomel（2006年 7月 21日 金曜日）"), kBold},
                                  {{1090, -140}, Sjis("日勤帯"), kBold},
                                  {{60, -205}, "No.", kNormal},
                                  {{110, -205}, Sjis("勤務名称"), kNormal}};
    for (int k = 1; k <= 10; ++k)
        expected.push_back({{NameX(k), -205}, std::to_string(k), kNormal});
    EXPECT_EQ(dc.Texts(), expected);
}

struct WeekdayCase {
    const char* name;
    int firstWeekday;
    int day;
    const char* expected;
};

class DayWeekdayName : public testing::TestWithParam<WeekdayCase> {};

TEST_P(DayWeekdayName, CountsFromTheFirst) {
    const WeekdayCase& c = GetParam();
    EXPECT_EQ(CDayPrintout::WeekdayName(c.firstWeekday, c.day), Sjis(c.expected))
        << c.firstWeekday << ", " << c.day;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DayWeekdayName,
    testing::Values(WeekdayCase{"July21st2006", 6, 21, "金"}, WeekdayCase{"First", 0, 1, "日"},
                    WeekdayCase{"Seventh", 0, 7, "土"}, WeekdayCase{"Eighth", 0, 8, "日"},
                    WeekdayCase{"Day31", 3, 31, "金"},
                    WeekdayCase{"Day31AfterSaturday", 6, 31, "月"},
                    WeekdayCase{"FirstWeekday7", 7, 1, "??"},
                    WeekdayCase{"FirstWeekdayMinus1", -1, 1, "??"}, WeekdayCase{"Day0", 0, 0, "??"},
                    WeekdayCase{"Day32", 0, 32, "??"}),
    [](const auto& c) { return std::string(c.param.name); });

class DayEntries : public testing::Test {
protected:
    std::vector<Text> BodyTexts() const {
        std::vector<Text> found;
        std::copy_if(dc.Texts().begin(), dc.Texts().end(), std::back_inserter(found),
                     [](const Text& t) { return t.at.y <= TextY(1); });
        return found;
    }
    std::vector<Line> NumberRules() const {
        std::vector<Line> found;
        std::copy_if(dc.Lines().begin(), dc.Lines().end(), std::back_inserter(found),
                     [](const Line& l) { return l.to.x == 1250 && l.from.y == l.to.y; });
        return found;
    }

    RosterRecord record{};
    RecordingDC dc;
};

TEST_F(DayEntries, BlocksWithNumbersDescriptionsAndTenNamesARow) {
    SetDuty(record, 1, {Sjis("日"), Sjis("日勤"), "8:30", "", "1"});
    SetDuty(record, 2, {Sjis("夜"), "", "", "", "1"});
    SetDuty(record, 4, {"AB", "N", "W", "R", "1"});
    for (int row = 1; row <= 11; ++row) {
        SetStaffName(record, row, "s" + std::to_string(row));
        SetDayCode(record, row, 3, Sjis("日"));
    }
    SetDayCode(record, 12, 3, "AB"); // a row without a name keeps its place
    SetStaffName(record, 13, Sjis("佐藤"));
    SetDayCode(record, 13, 3, "AB");
    SetStaffName(record, 14, "x");
    SetDayCode(record, 14, 4, "AB"); // another day
    CDayPrintout(dc).DrawEntries(1, record, 2);

    std::vector<Text> expected = {{{60, TextY(1)}, " 1", kNormal},
                                  {{110, TextY(1)}, Sjis("日   (日勤 8:30 )"), kNormal}};
    for (int k = 1; k <= 10; ++k)
        expected.push_back({{NameX(k), TextY(1)}, "s" + std::to_string(k), kNormal});
    expected.push_back({{NameX(1), TextY(2)}, "s11", kNormal});
    expected.push_back({{60, TextY(3)}, " 2", kNormal});
    expected.push_back({{110, TextY(3)}, Sjis("夜  "), kNormal});
    expected.push_back({{60, TextY(4)}, " 3", kNormal});
    expected.push_back({{110, TextY(4)}, "AB   (N W R)", kNormal});
    expected.push_back({{NameX(2), TextY(4)}, Sjis("佐藤"), kNormal});
    EXPECT_EQ(BodyTexts(), expected);

    // Under each block, then under every empty row; none inside the two-row block.
    std::vector<Line> rules = {Rule(5, 32, 125, 32, 1), Rule(5, 36, 125, 36, 1),
                               Rule(5, 40, 125, 40, 1)};
    for (int a = 5; a <= 40; ++a)
        rules.push_back(Rule(5, 20 + 4 * a, 125, 20 + 4 * a, 1));
    EXPECT_EQ(NumberRules(), rules);
}

struct DescriptionCase {
    const char* name;
    DutyFixture duty;
    const char* expected;
};

class DayDescription : public testing::TestWithParam<DescriptionCase> {};

TEST_P(DayDescription, PadsTheAbbreviationAndDropsEmptyParentheses) {
    const DescriptionCase& c = GetParam();
    RosterRecord record{};
    const DutyFixture& d = c.duty;
    SetDuty(record, 1, {Sjis(d.abbrev), Sjis(d.name), Sjis(d.work), Sjis(d.remarks), ""});
    RecordingDC dc;
    CDayPrintout(dc).DrawEntries(1, record, 0);
    ASSERT_EQ(dc.Texts().size(), 2u);
    EXPECT_EQ(dc.Texts()[1].text, Sjis(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DayDescription,
    testing::Values(DescriptionCase{"AbbreviationOnly", {"A", "", "", "", ""}, "A   "},
                    DescriptionCase{"FourByteAbbreviationOnly", {"ABCD", "", "", "", ""}, "ABCD"},
                    DescriptionCase{"DoubleByteAbbreviationOnly", {"日", "", "", "", ""}, "日  "},
                    DescriptionCase{"NameOnly", {"A", "夜勤", "", "", ""}, "A    (夜勤  )"},
                    DescriptionCase{"RemarksOnly", {"ABC", "", "", "x", ""}, "ABC  (  x)"},
                    DescriptionCase{"TenBytes", {"A", "B", "", "", ""}, "A    (B  )"},
                    DescriptionCase{"AllFour",
                                    {"日勤", "日勤務", "8:30-17:00", "昼1h", ""},
                                    "日勤 (日勤務 8:30-17:00 昼1h)"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST_F(DayEntries, FortyFirstEntryOpensPage2WithItsNumber) {
    AddDuties(record, 1, 41);
    CDayPrintout printout(dc);
    EXPECT_EQ(printout.Paginate(record, 0), 2);
    printout.DrawEntries(2, record, 0);
    const std::vector<Text> expected = {{{60, TextY(1)}, "41", kNormal},
                                        {{110, TextY(1)}, "D41 ", kNormal}};
    EXPECT_EQ(BodyTexts(), expected);
    EXPECT_EQ(NumberRules().size(), 1u + 39u);
}

TEST_F(DayEntries, ABlockThatDoesNotFitLeavesTheLastRowEmpty) {
    AddDuties(record, 1, 40);
    Assign(record, 1, 15, 1, "D40");
    for (int row = 1; row <= 15; ++row)
        SetStaffName(record, row, "n" + std::to_string(row));
    CDayPrintout printout(dc);
    printout.DrawEntries(1, record, 0);
    const std::vector<Text> page1 = BodyTexts();
    ASSERT_EQ(page1.size(), 2u * 39u);
    EXPECT_EQ(page1.back().at.y, TextY(39));
    EXPECT_EQ(NumberRules().back(), Rule(5, 180, 125, 180, 1));

    RecordingDC page2;
    CDayPrintout(page2).DrawEntries(2, record, 0);
    ASSERT_EQ(page2.Texts().size(), 2u + 15u);
    EXPECT_EQ(page2.Texts()[0], (Text{{60, TextY(1)}, "40", kNormal}));
    EXPECT_EQ(page2.Texts().back().at, (POINT{NameX(5), TextY(2)}));
}

TEST_F(DayEntries, FullPageEndsWithoutRulesAfterIt) {
    AddDuties(record, 1, 40);
    CDayPrintout(dc).DrawEntries(1, record, 0);
    // Under blocks 1 to 39; the 40th ends on the frame's bottom edge.
    EXPECT_EQ(NumberRules().size(), 39u);
    EXPECT_EQ(NumberRules().back(), Rule(5, 180, 125, 180, 1));
}

TEST_F(DayEntries, NoEntriesRuleEveryEmptyRow) {
    CDayPrintout(dc).DrawEntries(1, record, 0);
    EXPECT_TRUE(dc.Texts().empty());
    std::vector<Line> rules;
    for (int a = 1; a <= 40; ++a)
        rules.push_back(Rule(5, 20 + 4 * a, 125, 20 + 4 * a, 1));
    EXPECT_EQ(NumberRules(), rules);
}

TEST_F(DayEntries, PrintShowsTheDayAsGivenAndListsTheLimitedDay) {
    AddDuties(record, 1, 1);
    SetStaffName(record, 1, "first");
    SetDayCode(record, 1, 1, "D1");
    SetStaffName(record, 2, "last");
    SetDayCode(record, 2, 31, "D1");
    struct {
        int month, day, firstWeekday;
        const char* title;
        const char* name;
    } cases[] = {
        {6, 31, 4, "Varomel（2006年 6月 31日 土曜日）", "last"}, // after June's 30th
        {6, 0, 4, "Varomel（2006年 6月 0日 ??曜日）", "first"},
        {6, 45, 4, "Varomel（2006年 6月 45日 ??曜日）", "last"},
        {7, 1, 9, "Varomel（2006年 7月 1日 ??曜日）", "first"},
    };
    for (const auto& c : cases) {
        RecordingDC page;
        CDayPrintout(page).Print(1, record, 2006, c.month, c.day, c.firstWeekday);
        EXPECT_EQ(page.Texts().front().text, Sjis(c.title));
        EXPECT_EQ(page.Texts().back(), (Text{{NameX(1), TextY(1)}, c.name, kNormal})) << c.day;
    }
}

} // namespace
