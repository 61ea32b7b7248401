#include "app/Resource.h"
#include "doc/CZelDoc.h"
#include "grid/CCellGrid.h"
#include "view/CZelView.h"

#include "CellMenuFixture.h"
#include "MessageSink.h"
#include "RecordFixture.h"
#include "TestFiles.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

class ViewCommands : public testing::Test {
protected:
    void SetUp() override {
        PrepareRecord(doc.m_record);
        view.OnInitialUpdate();
        DeliverPostedMessages();
        doc.SetModifiedFlag(FALSE);
    }

    // Every row distinct down to its reserved bytes, so that a move shows in each of them.
    virtual void PrepareRecord(RosterRecord& record) {
        for (int row = 1; row <= kStaffRows; ++row) {
            SetStaffName(record, row, "n" + std::to_string(row));
            SetDayCode(record, row, 1, "d" + std::to_string(row));
            record.staff[row - 1].reserved[0] = static_cast<std::uint8_t>(row);
        }
        record.staff[4].underline = 1;
    }

    void Menu(UINT id) { TriggerCellMenu(view.CellMenu(), id); }
    CCellGrid& Grid() { return *view.Grid(); }
    RosterRecord& Record() { return doc.m_record; }
    std::string Day(int row, int day) {
        return FieldText(Record().staff[row - 1].dayCode[day - 1]);
    }

    CZelDoc doc;
    CZelView view{&doc};
    MessageRecorder messages;
};

// An empty roster: names and codes come from the test alone.
class EmptyViewCommands : public ViewCommands {
protected:
    void PrepareRecord(RosterRecord&) override {}
};

TEST_F(EmptyViewCommands, CopyOfABlockGoesOutAsTabAndCrTextAndPastesFromASingleCell) {
    FillCells(Grid(), 3, 2, {{"a", "b", "c"}, {"d", "e", "日"}});
    Grid().SelectRange(3, 2, 4, 4);
    Menu(ID_COPY_CELLS);

    EXPECT_EQ(ClipboardText(), QStringLiteral("a\tb\tc\rd\te\t日"));
    EXPECT_EQ(g_nCopyRowSpan, 1);
    EXPECT_EQ(g_nCopyColSpan, 2);
    EXPECT_FALSE(doc.IsModified());

    Grid().SelectRange(10, 5, 10, 5);
    Menu(ID_PASTE_CELLS);
    EXPECT_EQ(SelectionOf(Grid()), (Selection{10, 5, 11, 7}));
    EXPECT_EQ(CellUtf8(Grid(), 11, 7), "日");
    EXPECT_EQ(Day(10, 4), "a");
    EXPECT_EQ(Day(10, 6), "c");
    EXPECT_EQ(Day(11, 5), "e");
    EXPECT_EQ(Day(11, 6), Sjis("日"));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EmptyViewCommands, PasteBeforeAnyWalkDoesNothing) {
    PutOnClipboard(QStringLiteral("x\ty"));
    Grid().SelectRange(1, 2, 1, 2);
    Menu(ID_PASTE_CELLS);
    EXPECT_EQ(Grid().GetCellText(1, 2), "");
    EXPECT_EQ(Day(1, 1), "");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EmptyViewCommands, BackwardSelectionsWalkNoCellsAndDisablePaste) {
    struct Case {
        Selection selection;
        QString copied;
    };
    const Case cases[] = {
        {{4, 2, 3, 4}, QString()},            // end above the anchor
        {{3, 4, 4, 2}, QStringLiteral("\r")}, // end left of the anchor: the row breaks only
        {{4, 4, 3, 2}, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.copied.size());
        FillCells(Grid(), 3, 2, {{"a", "b", "c"}, {"d", "e", "f"}});
        const auto& s = c.selection;
        for (UINT id : {ID_COPY_CELLS, ID_DELETE_CELLS}) {
            Grid().SelectRange(s.row, s.column, s.endRow, s.endColumn);
            Menu(id);
        }
        EXPECT_EQ(ClipboardText(), c.copied);
        EXPECT_EQ(CellUtf8(Grid(), 3, 2), "a");
        EXPECT_EQ(CellUtf8(Grid(), 4, 4), "f");

        PutOnClipboard(QStringLiteral("z"));
        Grid().SelectRange(6, 6, 6, 6);
        Menu(ID_PASTE_CELLS);
        EXPECT_EQ(Grid().GetCellText(6, 6), "");
    }
}

TEST_F(EmptyViewCommands, DeleteAndCutClearTheBlockAndSetTheSpans) {
    for (UINT id : {ID_DELETE_CELLS, ID_CUT_CELLS}) {
        SCOPED_TRACE(id);
        FillCells(Grid(), 2, 3, {{"a", "b"}, {"c", "d"}, {"e", "f"}});
        view.StoreAllCells();
        doc.SetModifiedFlag(FALSE);
        PutOnClipboard(QStringLiteral("before"));

        Grid().SelectRange(2, 3, 4, 4);
        Menu(id);
        EXPECT_EQ(g_nCopyRowSpan, 2);
        EXPECT_EQ(g_nCopyColSpan, 1);
        EXPECT_EQ(ClipboardText(), id == ID_CUT_CELLS ? QStringLiteral("a\tb\rc\td\re\tf")
                                                      : QStringLiteral("before"));
        for (long row = 2; row <= 4; ++row) {
            EXPECT_EQ(Grid().GetCellText(row, 4), "");
            EXPECT_EQ(Day(static_cast<int>(row), 3), "");
        }
        EXPECT_TRUE(doc.IsModified());

        // A later paste into one cell takes the size of the cleared block.
        PutOnClipboard(QStringLiteral("1\t2\r3\t4\r5\t6"));
        Grid().SelectRange(20, 10, 20, 10);
        Menu(ID_PASTE_CELLS);
        EXPECT_EQ(SelectionOf(Grid()), (Selection{20, 10, 22, 11}));
        EXPECT_EQ(Day(22, 10), "6");
    }
}

TEST_F(ViewCommands, DeleteAndCutLeaveCaptionsRowNumbersAndLockedNames) {
    const std::string corner = Grid().GetCellText(0, 0);
    const std::string caption = Grid().GetCellText(0, 2);
    for (UINT id : {ID_DELETE_CELLS, ID_CUT_CELLS}) {
        SCOPED_TRACE(id);
        Grid().SelectRange(0, 0, 0, 0); // where set-up and the row commands leave it
        Menu(id);
        Grid().SelectRange(0, 0, 2, 2);
        Menu(id);
        EXPECT_EQ(Grid().GetCellText(0, 0), corner);
        EXPECT_EQ(Grid().GetCellText(0, 2), caption);
        EXPECT_EQ(Grid().GetCellText(2, 0), " 2");
        EXPECT_EQ(Grid().GetCellText(2, 1), "n2");
        EXPECT_EQ(FieldText(Record().staff[1].name), "n2");
        EXPECT_EQ(Day(2, 1), "");
    }
}

TEST_F(EmptyViewCommands, PasteWideningStopsAtTheGridsEdge) {
    FillCells(Grid(), 1, 2, {{"a", "b", "c"}, {"d", "e", "f"}});
    Grid().SelectRange(1, 2, 2, 4);
    Menu(ID_COPY_CELLS);

    Grid().SelectRange(80, 31, 80, 31);
    Menu(ID_PASTE_CELLS);
    EXPECT_EQ(SelectionOf(Grid()), (Selection{80, 31, 80, 32}));
    EXPECT_EQ(Day(80, 30), "a");
    EXPECT_EQ(Day(80, 31), "b");
    EXPECT_EQ(Day(79, 30), "");
}

TEST_F(EmptyViewCommands, PastedTextIsCutToItsFieldOnAWholeCharacter) {
    view.OnPersonColumnSetting();
    Grid().SelectRange(1, 1, 1, 1);
    Menu(ID_COPY_CELLS); // spans 0, 0

    // 11 bytes of name: the fifth double-byte character would end past byte 10.
    PutOnClipboard(QStringLiteral("山田花子様x\t長い勤務記号\r😀"));
    Menu(ID_PASTE_CELLS);
    EXPECT_EQ(FieldText(Record().staff[0].name), Sjis("山田花子様"));
    EXPECT_EQ(FieldText(Record().staff[0].dayCode[0]), Sjis("長い"));
    EXPECT_EQ(CellUtf8(Grid(), 1, 2), "長い");
    // No Shift-JIS form: a question mark.
    EXPECT_EQ(FieldText(Record().staff[1].name), "?");
}

TEST_F(EmptyViewCommands, SpreadsheetTextPastesCellForCell) {
    const QString texts[] = {
        QStringLiteral("a\tb\nc\td\n"),
        QStringLiteral("a\tb\r\nc\td\r\n"),
        QStringLiteral("\"a\"\tb\nc\t\"d\"\n"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        Grid().SelectRange(5, 5, 5, 5);
        Menu(ID_DELETE_CELLS);
        PutOnClipboard(text);
        Menu(ID_PASTE_CELLS);
        EXPECT_EQ(Day(5, 4), "a");
        EXPECT_EQ(Day(5, 5), "b");
        EXPECT_EQ(Day(6, 4), "c");
        EXPECT_EQ(Day(6, 5), "d");
        EXPECT_EQ(Day(7, 4), "");
    }
}

TEST_F(EmptyViewCommands, QuotedSpreadsheetCellKeepsItsTab) {
    Grid().SelectRange(5, 1, 5, 1);
    Menu(ID_DELETE_CELLS);
    view.OnPersonColumnSetting();
    PutOnClipboard(QStringLiteral("\"x\ty\"\tz\n"));
    Menu(ID_PASTE_CELLS);
    EXPECT_EQ(FieldText(Record().staff[4].name), "x\ty");
    EXPECT_EQ(Day(5, 1), "z");
}

struct UnderlineCase {
    const char* name;
    long row;
    std::uint8_t flagBefore;
    int answer;
    const char* message;
    UINT type;
    std::uint8_t flagAfter;
};

class ViewUnderline : public ViewCommands, public testing::WithParamInterface<UnderlineCase> {};

TEST_P(ViewUnderline, AsksRefusesAndToggles) {
    const UnderlineCase& c = GetParam();
    if (c.row >= 1)
        Record().staff[c.row - 1].underline = c.flagBefore;
    Grid().SelectRange(c.row, 3, c.row, 3);
    messages.Answer(c.answer);
    Menu(ID_UNDERLINE);

    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, c.message);
    EXPECT_EQ(messages.Messages()[0].type, c.type);
    const bool changed = c.flagAfter != c.flagBefore;
    if (c.row >= 1) {
        EXPECT_EQ(Record().staff[c.row - 1].underline, c.flagAfter);
    }
    EXPECT_EQ(doc.IsModified(), changed);
    if (changed) {
        EXPECT_EQ(SelectionOf(Grid()), (Selection{0, 0, 0, 0}));
    }
}

constexpr UINT kRefusal = MB_OK | MB_ICONINFORMATION;
constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION;

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewUnderline,
    testing::Values(
        UnderlineCase{"NoRow", 0, 0, IDOK, "設定する行を選択してください。", kRefusal, 0},
        UnderlineCase{"Row40", 40, 0, IDOK, "No.40には下線は設定できません。", kRefusal, 0},
        UnderlineCase{"AddYes", 7, 0, IDYES, "No.7に下線をつけます。よろしいですか？", kQuestion,
                      1},
        UnderlineCase{"AddNo", 7, 0, IDNO, "No.7に下線をつけます。よろしいですか？", kQuestion, 0},
        UnderlineCase{"RemoveYes", 80, 1, IDYES, "No.80の下線を削除します。よろしいですか？",
                      kQuestion, 0},
        UnderlineCase{"RemoveNo", 80, 1, IDNO, "No.80の下線を削除します。よろしいですか？",
                      kQuestion, 1}),
    [](const testing::TestParamInfo<UnderlineCase>& param) {
        return std::string(param.param.name);
    });

TEST_F(ViewCommands, RowCommandsRightAfterSetUpAskForARow) {
    const std::pair<UINT, const char*> cases[] = {
        {ID_UNDERLINE, "設定する行を選択してください。"},
        {ID_DELETE_ROW, "削除する行を選択してください。"},
        {ID_INSERT_ROW, "挿入する行を選択してください。"},
    };
    const RosterRecord before = Record();
    for (const auto& [id, text] : cases) {
        messages.Clear();
        Menu(id);
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, text);
        EXPECT_EQ(messages.Messages()[0].type, kRefusal);
    }
    EXPECT_EQ(std::memcmp(&before, &Record(), sizeof before), 0);
}

struct RowCase {
    UINT id;
    int row;
    const char* question;
};

class ViewRowCommand : public ViewCommands, public testing::WithParamInterface<RowCase> {};

// Where each old row ends up: the row number it came from, 0 for a cleared row.
int SourceRow(const RowCase& c, int row) {
    if (c.id == ID_DELETE_ROW)
        return row < c.row ? row : row == kStaffRows ? 0 : row + 1;
    return row < c.row ? row : row == c.row ? 0 : row - 1;
}

TEST_P(ViewRowCommand, MovesWholeRowsAndReloadsTheGrid) {
    const RowCase& c = GetParam();
    const RosterRecord before = Record();
    Grid().SelectRange(c.row, 4, c.row, 4);
    Menu(c.id);

    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, c.question);
    EXPECT_EQ(messages.Messages()[0].type, kQuestion);
    const StaffRow zero{};
    for (int row = 1; row <= kStaffRows; ++row) {
        SCOPED_TRACE(row);
        const int source = SourceRow(c, row);
        const StaffRow& expected = source == 0 ? zero : before.staff[source - 1];
        EXPECT_EQ(std::memcmp(&Record().staff[row - 1], &expected, sizeof expected), 0);
        EXPECT_EQ(Grid().GetCellText(row, 1), FieldText(expected.name));
    }
    EXPECT_EQ(std::memcmp(&before.duty, &Record().duty, sizeof before.duty), 0);
    EXPECT_EQ(SelectionOf(Grid()), (Selection{0, 0, 0, 0}));
    EXPECT_TRUE(doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ViewRowCommand,
    testing::Values(RowCase{ID_DELETE_ROW, 1, "No.1行を削除します。よろしいですか？"},
                    RowCase{ID_DELETE_ROW, 40, "No.40行を削除します。よろしいですか？"},
                    RowCase{ID_DELETE_ROW, 80, "No.80行を削除します。よろしいですか？"},
                    RowCase{ID_INSERT_ROW, 1,
                            "No.1に行を挿入します。最終行は削除されます。\nよろしいですか？"},
                    RowCase{ID_INSERT_ROW, 40,
                            "No.40に行を挿入します。最終行は削除されます。\nよろしいですか？"},
                    RowCase{ID_INSERT_ROW, 80,
                            "No.80に行を挿入します。最終行は削除されます。\nよろしいですか？"}),
    [](const testing::TestParamInfo<RowCase>& param) {
        return (param.param.id == ID_DELETE_ROW ? "Delete" : "Insert") +
               std::to_string(param.param.row);
    });

TEST_F(ViewCommands, DeclinedRowCommandChangesNothing) {
    const RosterRecord before = Record();
    for (UINT id : {ID_DELETE_ROW, ID_INSERT_ROW}) {
        Grid().SelectRange(3, 2, 3, 2);
        messages.Answer(IDNO);
        Menu(id);
    }
    EXPECT_EQ(std::memcmp(&before, &Record(), sizeof before), 0);
    EXPECT_EQ(SelectionOf(Grid()), (Selection{3, 2, 3, 2}));
    EXPECT_FALSE(doc.IsModified());
}

} // namespace
