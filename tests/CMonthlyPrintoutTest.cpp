#include "print/CMonthlyPrintout.h"

#include "PrintExpectations.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace {

using Line = RecordingDC::Line;
using Text = RecordingDC::Text;

// Top edge of body row r (0 = header row) in logical units, and a body text's y under it.
int TextY(int row) {
    return -(105 + 40 * row);
}

// Left edge of the column of day d, in millimetres.
int DayColumnLeft(int d) {
    return 36 + 8 * (d - 1);
}

std::vector<Text> TextsInRows(const RecordingDC& dc, int firstRow, int lastRow) {
    std::vector<Text> found;
    std::copy_if(
        dc.Texts().begin(), dc.Texts().end(), std::back_inserter(found),
        [&](const Text& t) { return t.at.y <= TextY(firstRow) && t.at.y >= TextY(lastRow); });
    return found;
}

struct SheetRulesCase {
    const char* name;
    int page;
    int firstWeekday;
    int days;
    std::vector<int> underlinedStaffRows; // 1 to 80
    std::set<int> thickRowRules;          // i of rule i, at y 10 + 4i
    std::vector<int> weekRulesAt;         // x in mm
};

class MonthlySheetRules : public testing::TestWithParam<SheetRulesCase> {};

TEST_P(MonthlySheetRules, FrameRowRulesColumnRulesThenWeekRules) {
    const SheetRulesCase& c = GetParam();
    RosterRecord record{};
    for (int row : c.underlinedStaffRows)
        record.staff[row - 1].underline = 1;
    RecordingDC dc;
    CMonthlyPrintout(dc).DrawSheet(c.page, record, 2006, 7, c.firstWeekday, c.days);

    std::vector<Line> expected = {Rule(5, 10, 285, 10, 4), Rule(5, 10, 5, 198, 4),
                                  Rule(5, 198, 285, 198, 4), Rule(285, 10, 285, 198, 4)};
    for (int i = 0; i <= 41; ++i)
        expected.push_back(Rule(5, 10 + 4 * i, 285, 10 + 4 * i, c.thickRowRules.count(i) ? 4 : 1));
    expected.push_back(Rule(10, 10, 10, 174, 4));
    expected.push_back(Rule(36, 10, 36, 174, 4));
    for (int x = 44; x <= 276; x += 8)
        expected.push_back(Rule(x, 10, x, 174, 1));
    for (int x : c.weekRulesAt)
        expected.push_back(Rule(x, 10, x, 174, 4));
    EXPECT_EQ(dc.Lines(), expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonthlySheetRules,
    testing::Values(
        SheetRulesCase{"30DaysFromAMonday", 1, 1, 30, {}, {1, 41}, {10, 84, 140, 196, 252}},
        // Sundays on 3, 10, 17, 24 and 31; the last has no Monday after it.
        SheetRulesCase{"31DaysFromAFriday", 1, 5, 31, {}, {1, 41}, {52, 108, 164, 220}},
        SheetRulesCase{"Weekday9IsSaturday", 1, 9, 31, {}, {1, 41}, {44, 100, 156, 212, 268}},
        SheetRulesCase{"WeekdayMinus2IsSunday", 1, -2, 28, {}, {1, 41}, {36, 92, 148, 204}},
        SheetRulesCase{
            "UnderlinesOfPage1", 1, 0, 28, {3, 39, 40, 43}, {1, 4, 40, 41}, {36, 92, 148, 204}},
        SheetRulesCase{
            "UnderlinesOfPage2", 2, 0, 28, {3, 43, 79, 80}, {1, 4, 40, 41}, {36, 92, 148, 204}},
        // Rule 0 of page 2 asks for staff row 39; it lies under the frame's top edge.
        SheetRulesCase{"Row39OnPage2", 2, 0, 28, {39}, {0, 1, 41}, {36, 92, 148, 204}}),
    [](const auto& c) { return std::string(c.param.name); });

struct UnderlineCase {
    const char* name;
    int k;
    int page;
    int underlinedIndex; // staff row index s, 0 to 79
    BOOL expected;
};

class MonthlyIsRowUnderlined : public testing::TestWithParam<UnderlineCase> {};

TEST_P(MonthlyIsRowUnderlined, TestsTheStaffRowOfTheBodyRow) {
    const UnderlineCase& c = GetParam();
    RosterRecord record{};
    record.staff[c.underlinedIndex].underline = 1;
    EXPECT_EQ(CMonthlyPrintout::IsRowUnderlined(record, c.k, c.page), c.expected)
        << "k " << c.k << " page " << c.page;
}

INSTANTIATE_TEST_SUITE_P(Cases, MonthlyIsRowUnderlined,
                         testing::Values(UnderlineCase{"Row3OnPage1", 2, 1, 2, TRUE},
                                         UnderlineCase{"Row43OnPage2", 2, 2, 42, TRUE},
                                         UnderlineCase{"Row3NotOnPage2", 2, 2, 2, FALSE},
                                         UnderlineCase{"BeforeRow1", -1, 1, 0, FALSE},
                                         UnderlineCase{"Row39AboveThePage2Header", -2, 2, 38, TRUE},
                                         UnderlineCase{"Row80OnPage2", 39, 2, 79, TRUE},
                                         // Past the record's 80 rows: nothing is read there.
                                         UnderlineCase{"Page3", 0, 3, 79, FALSE},
                                         UnderlineCase{"PastRow80", 40, 2, 79, FALSE}),
                         [](const auto& c) { return std::string(c.param.name); });

TEST(MonthlyPrintout, UnderlineIsOnlyTheByte1) {
    RosterRecord record{};
    record.staff[0].underline = 2;
    record.staff[1].underline = 0xFF;
    EXPECT_FALSE(CMonthlyPrintout::IsRowUnderlined(record, 0, 1));
    EXPECT_FALSE(CMonthlyPrintout::IsRowUnderlined(record, 1, 1));
}

TEST(MonthlyPrintout, SheetTextsOfJuly2006) {
    RosterRecord record{};
    std::memcpy(record.comment, Sjis("第二病棟").data(), 8);
    RecordingDC dc;
    CMonthlyPrintout(dc).DrawSheet(1, record, 2006, 7, 6, 31);

    const char* weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    std::vector<Text> expected = {{{70, -40}, Sjis("Varomel（2006年 7月）"), kBold},
                                  {{840, -40}, Sjis("第二病棟"), kBold},
                                  {{60, -105}, "No.", kNormal},
                                  {{110, -105}, Sjis("担当者"), kNormal}};
    for (int d = 1; d <= 31; ++d) {
        const std::string text = std::to_string(d) + Sjis(weekdays[(6 + d - 1) % 7]);
        expected.push_back({{(DayColumnLeft(d) + 1) * 10, -105}, text, kNormal});
    }
    const char* numbers[] = {" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10"};
    for (int r = 1; r <= 40; ++r)
        expected.push_back({{60, TextY(r)}, r <= 10 ? numbers[r - 1] : std::to_string(r), kNormal});
    EXPECT_EQ(dc.Texts(), expected);
    EXPECT_EQ(dc.Texts()[4].text, Sjis("1土"));
    EXPECT_EQ(dc.Texts()[18].text, Sjis("15土"));
}

TEST(MonthlyPrintout, SecondPageNumbersRows41To80UnderTheSameTitle) {
    RosterRecord record{};
    RecordingDC dc;
    CMonthlyPrintout(dc).DrawSheet(2, record, 2006, 7, 6, 31);
    const std::vector<Text> numbers = TextsInRows(dc, 1, 40);
    ASSERT_EQ(numbers.size(), 40u);
    EXPECT_EQ(numbers.front().text, "41");
    EXPECT_EQ(numbers.back().text, "80");
    EXPECT_EQ(dc.Texts().front().text, Sjis("Varomel（2006年 7月）"));
}

TEST(MonthlyPrintout, CommentOfAll40BytesStopsAtTheField) {
    RosterRecord record{};
    std::memset(record.comment, 'c', sizeof record.comment);
    std::memset(record.reserved, 'r', sizeof record.reserved);
    RecordingDC dc;
    CMonthlyPrintout(dc).DrawSheet(1, record, 2006, 7, 6, 31);
    EXPECT_EQ(dc.Texts()[1].text, std::string(40, 'c'));
}

class MonthlyEntries : public testing::Test {
protected:
    MonthlyEntries() {
        SetStaffName(record, 1, Sjis("山田太郎"));
        SetDayCode(record, 1, 1, Sjis("日"));
        SetDayCode(record, 1, 28, Sjis("夜"));
        SetDayCode(record, 1, 29, Sjis("明")); // past the end of February 2007
        SetDayCode(record, 2, 2, "A");         // codes without a name
        SetStaffName(record, 3, "B");          // a name without codes
        SetStaffName(record, 41, Sjis("鈴木"));
        SetDayCode(record, 80, 31, "Z");
    }
    RosterRecord record{};
    RecordingDC dc;
};

TEST_F(MonthlyEntries, Page1ShowsRows1To40UpToTheMonthsLastDay) {
    CMonthlyPrintout(dc).DrawEntries(1, record, 28);
    const std::vector<Text> expected = {
        {{110, TextY(1)}, Sjis("山田太郎"), kNormal},
        {{370, TextY(1)}, Sjis("日"), kNormal},
        {{(DayColumnLeft(28) + 1) * 10, TextY(1)}, Sjis("夜"), kNormal},
        {{450, TextY(2)}, "A", kNormal},
        {{110, TextY(3)}, "B", kNormal}};
    EXPECT_EQ(TextsInRows(dc, 1, 40), expected);
}

TEST_F(MonthlyEntries, Page2ShowsRows41To80) {
    CMonthlyPrintout(dc).DrawEntries(2, record, 31);
    const std::vector<Text> expected = {{{110, TextY(1)}, Sjis("鈴木"), kNormal},
                                        {{2770, TextY(40)}, "Z", kNormal}};
    EXPECT_EQ(TextsInRows(dc, 1, 40), expected);
}

TEST_F(MonthlyEntries, PrintTakesTheLengthOfTheMonth) {
    struct {
        int year, month, days;
    } cases[] = {{2007, 2, 28}, {2008, 2, 29}, {2006, 6, 30}, {2006, 12, 31}};
    for (const auto& c : cases) {
        RecordingDC page;
        CMonthlyPrintout(page).Print(1, record, c.year, c.month, 0);
        const auto headers = std::count_if(page.Texts().begin(), page.Texts().end(),
                                           [](const Text& t) { return t.at.y == -105; });
        EXPECT_EQ(headers, 2 + c.days) << c.year << "-" << c.month;
        const bool day29Printed = std::any_of(page.Texts().begin(), page.Texts().end(),
                                              [](const Text& t) { return t.text == Sjis("明"); });
        EXPECT_EQ(day29Printed, c.days >= 29) << c.year << "-" << c.month;
    }
}

std::string Bytes(char c, std::size_t n) {
    return std::string(n, c);
}

struct LegendCase {
    const char* name;
    std::vector<DutyFixture> duties; // entries 1, 2, ...
    int page;
    std::vector<std::string> lines; // legend rows 41, 42, ...
};

class MonthlyLegend : public testing::TestWithParam<LegendCase> {};

TEST_P(MonthlyLegend, ListsThePagesEntriesInLines) {
    const LegendCase& c = GetParam();
    RosterRecord record{};
    for (std::size_t i = 0; i < c.duties.size(); ++i)
        SetDuty(record, static_cast<int>(i) + 1, c.duties[i]);
    RecordingDC dc;
    CMonthlyPrintout(dc).DrawEntries(c.page, record, 31);

    std::vector<Text> expected;
    for (std::size_t i = 0; i < c.lines.size(); ++i)
        expected.push_back({{60, TextY(41 + static_cast<int>(i))}, c.lines[i], kNormal});
    EXPECT_EQ(TextsInRows(dc, 41, 60), expected) << c.name;
}

// abbrev (2) + "(" + 20 + " " + 20 + " " + remarks + ")": 46 bytes and the remarks.
DutyFixture Filled(char c, std::size_t remarks) {
    return {Bytes(c, 2), Bytes(c, 20), Bytes(c, 20), Bytes(c, remarks), "1"};
}
std::string FilledText(char c, std::size_t remarks) {
    return Bytes(c, 2) + "(" + Bytes(c, 20) + " " + Bytes(c, 20) + " " + Bytes(c, remarks) + ")";
}
DutyFixture Sixty(char c) {
    return Filled(c, 14);
}
std::string SixtyText(char c) {
    return FilledText(c, 14);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonthlyLegend,
    testing::Values(LegendCase{"Page1Filter",
                               {{"A", "a", "", "", "1"},
                                {"B", "b", "", "", "2"},
                                {"C", "c", "", "", "1-2"},
                                {"D", "d", "", "", " "},
                                {"E", "e", "", "", ""},
                                {"F", "f", "", "", "12"}},
                               1,
                               {"A(a  ) C(c  ) "}},
                    LegendCase{"Page2Filter",
                               {{"A", "a", "", "", "1"},
                                {"B", "b", "", "", "2"},
                                {"C", "c", "", "", "1-2"},
                                {"D", "d", "", "", " "}},
                               2,
                               {"B(b  ) C(c  ) "}},
                    LegendCase{"AllFourTextsInShiftJis",
                               {{Sjis("日"), Sjis("日勤"), "8:30-17:00", Sjis("休憩1h"), "1"}},
                               1,
                               {Sjis("日(日勤 8:30-17:00 休憩1h) ")}},
                    LegendCase{"StopsAtTheFirstEmptyAbbreviation",
                               {{"A", "", "", "", "1"},
                                {"B", "", "", "", "1"},
                                {"C", "", "", "", "1"},
                                {"", "x", "", "", "1"},
                                {"E", "", "", "", "1"}},
                               1,
                               {"A(  ) B(  ) C(  ) "}},
                    LegendCase{"ThreeOf60BytesFillALine",
                               {Sixty('a'), Sixty('b'), Sixty('c'), Sixty('d')},
                               1,
                               {SixtyText('a') + " " + SixtyText('b') + " " + SixtyText('c'),
                                SixtyText('d') + " "}},
                    LegendCase{"AFullLastLineLeavesAnEmptyOne",
                               {Sixty('a'), Sixty('b'), Sixty('c')},
                               1,
                               {SixtyText('a') + " " + SixtyText('b') + " " + SixtyText('c')}},
                    // 3 x 50 bytes is not past 150: the fourth entry ends the line.
                    LegendCase{"Exactly150BytesGoOn",
                               {Filled('a', 4), Filled('b', 4), Filled('c', 4), Filled('d', 4)},
                               1,
                               {FilledText('a', 4) + " " + FilledText('b', 4) + " " +
                                FilledText('c', 4) + " " + FilledText('d', 4)}},
                    LegendCase{"LinesGoOnBelowTheFrame", std::vector<DutyFixture>(24, Sixty('x')),
                               1,
                               std::vector<std::string>(8, SixtyText('x') + " " + SixtyText('x') +
                                                               " " + SixtyText('x'))},
                    LegendCase{"NothingChosen", {{"A", "a", "", "", "2"}}, 1, {}}),
    [](const auto& c) { return std::string(c.param.name); });

struct PageCountCase {
    const char* name;
    std::vector<int> namedRows;
    std::vector<int> rowsWithCodes;
    int pages;
};

class MonthlyPageCount : public testing::TestWithParam<PageCountCase> {};

TEST_P(MonthlyPageCount, SecondPageOnlyForANameAfterRow40) {
    const PageCountCase& c = GetParam();
    RosterRecord record{};
    for (int row : c.namedRows)
        SetStaffName(record, row, "n");
    for (int row : c.rowsWithCodes)
        SetDayCode(record, row, 1, "c");
    EXPECT_EQ(CountMonthlyPages(record), c.pages) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, MonthlyPageCount,
                         testing::Values(PageCountCase{"NoNames", {}, {}, 1},
                                         PageCountCase{"LastNamedRow40", {1, 40}, {}, 1},
                                         PageCountCase{"ANameOnlyInRow41", {41}, {}, 2},
                                         PageCountCase{"ANameInRow80", {3, 80}, {}, 2},
                                         PageCountCase{"CodesAfterRow40", {1, 40}, {41, 80}, 1}),
                         [](const auto& c) { return std::string(c.param.name); });

} // namespace
