#include "view/CZelView.h"

#include "RecordFixture.h"
#include "TestFiles.h"
#include "app/Resource.h"
#include "doc/CZelDoc.h"
#include "grid/CCellGrid.h"
#include "platform/qt/PostedMessage.h"
#include "platform/qt/QtText.h"
#include "platform/qt/VirtualKey.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kSundayRed = 0x00C0C0FF;
constexpr COLORREF kSaturdayGreen = 0x00C0FFC0;

std::string DateText(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X%02X%02X", year, month, day);
    return text;
}

QColor Colour(COLORREF c) {
    return QColor(static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)),
                  static_cast<int>(GetBValue(c)));
}

class CZelViewTest : public testing::Test {
protected:
    void SetUp() override {
        // Wide enough to show all 33 columns: hidden days are then the only columns without a rect.
        view.resize(3000, 600);
        view.show();
        Load();
    }

    // What New and Open do: the record is filled, then the view shows it.
    void Load() {
        view.OnInitialUpdate();
        Deliver();
    }
    void Deliver() {
        for (int i = 0; i < 4; ++i)
            QCoreApplication::sendPostedEvents(nullptr, CMessageEvent::EventType());
    }
    void SelectDate(int year, int month, int day) {
        view.DateSelector().SetDateText(DateText(year, month, day));
        view.OnDateChanged(0, 0);
    }

    CCellGrid& Grid() { return *view.Grid(); }
    RosterRecord& Record() { return doc.m_record; }
    std::string Cell(long row, long column) { return Grid().GetCellText(row, column); }
    QColor Shown(long row, long column) {
        const QRect rect = Grid().GetCellRect(row, column);
        return Grid().grab().toImage().pixelColor(rect.topLeft() + QPoint(4, rect.height() / 2));
    }
    bool ColumnShown(long column) { return !Grid().GetCellRect(1, column).isEmpty(); }

    void StartEdit(long row, long column) {
        BOOL cancel = FALSE;
        emit Grid().EditStarting(row, column, &cancel);
    }
    void Commit(long row, long column, const std::string& text) {
        StartEdit(row, column);
        Grid().SetCellText(row, column, text);
        emit Grid().EditCommitted(row, column);
        emit Grid().EditFinished();
    }
    void Key(short code, short shift) {
        emit Grid().KeyDown(&code, shift);
    }

    MessageRecorder messages;
    CZelDoc doc;
    CZelView view{&doc};
};

TEST_F(CZelViewTest, NewRosterShowsTodayAndIsNotModified) {
    const QDate today = QDate::currentDate();
    int year = 0, month = 0, day = 0;
    view.DateSelector().GetDate(year, month, day);
    EXPECT_EQ(QDate(year, month, day), today);
    EXPECT_EQ(FieldText(Record().dateText), DateText(today.year(), today.month(), today.day()));
    EXPECT_EQ(Record().dateText[9], '\0');
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Grid().GetFixedColumnCount(), 2);
    EXPECT_EQ(Cell(1, 0), " 1");
    EXPECT_EQ(Cell(80, 0), "80");
    EXPECT_EQ(Cell(0, 1), Sjis("担当者"));
    EXPECT_EQ(view.Legend().Text(), Sjis("＜勤務名称は定義されていません。＞"));
}

TEST_F(CZelViewTest, OpenedRosterIsShownFieldForField) {
    SetStaffName(Record(), 1, Sjis("山田 太郎"));
    SetStaffName(Record(), 80, Sjis("末尾"));
    SetDayCode(Record(), 1, 1, Sjis("日"));
    SetDayCode(Record(), 80, 31, Sjis("夜"));
    // Bytes with no Unicode form must come back from the grid unchanged.
    std::memcpy(Record().staff[1].name, "\x85\x40\xED\x40", 4);
    SetDuty(Record(), 1, {Sjis("日"), Sjis("日勤"), "", "", " "});
    SetDuty(Record(), 2, {Sjis("夜"), Sjis("夜勤"), "", "", "1"});
    const std::string comment = Sjis("年末年始は交代で出勤してください。");
    std::memcpy(Record().comment, comment.data(), comment.size());
    std::memcpy(Record().dateText, "07D60715", 9);
    Record().staff[4].underline = 1;
    Load();

    EXPECT_EQ(Cell(1, 1), Sjis("山田 太郎"));
    EXPECT_EQ(Cell(80, 1), Sjis("末尾"));
    EXPECT_EQ(Cell(1, 2), Sjis("日"));
    EXPECT_EQ(Cell(80, 32), Sjis("夜"));
    EXPECT_EQ(Cell(2, 1), "\x85\x40\xED\x40");
    EXPECT_EQ(view.Legend().Text(), Sjis("日:日勤 夜:夜勤 "));
    EXPECT_EQ(view.CommentBox().GetText(), comment);
    EXPECT_EQ(view.DateSelector().GetDateText(), "07D60715");
    EXPECT_EQ(FieldText(Record().dateText), "07D60715");
    EXPECT_FALSE(doc.IsModified()) << "the underlines drawn on the way do not count";

    // The loaded comment is the box's starting point, not a change.
    view.CommentBox().CheckForChange();
    Deliver();
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(CZelViewTest, July2006CaptionsAndWeekdayColours) {
    SelectDate(2006, 7, 21);
    EXPECT_EQ(view.FirstWeekday(), 6);
    struct Case {
        long column;
        const char* caption;
        COLORREF colour;
    };
    const Case cases[] = {{2, "1(土)", kSaturdayGreen}, {3, "2(日)", kSundayRed},
                          {8, "7(金)", kWhite},         {9, "8(土)", kSaturdayGreen},
                          {32, "31(月)", kWhite}};
    for (const Case& c : cases) {
        EXPECT_EQ(Cell(0, c.column), Sjis(c.caption)) << c.column;
        EXPECT_EQ(Shown(10, c.column), Colour(c.colour)) << c.column;
    }
    EXPECT_EQ(FieldText(Record().dateText), "07D60715");
    EXPECT_FALSE(doc.IsModified()) << "a date change alone is no modification";
}

TEST_F(CZelViewTest, DaysTheMonthLacksAreHidden) {
    struct Case {
        int year, month;
        bool day29, day30, day31;
    };
    const Case cases[] = {{2008, 2, true, false, false}, {2009, 2, false, false, false},
                          {2006, 4, true, true, false},  {2006, 7, true, true, true}};
    for (const Case& c : cases) {
        SelectDate(c.year, c.month, 1);
        EXPECT_TRUE(ColumnShown(29)) << c.year << "-" << c.month;
        EXPECT_EQ(ColumnShown(30), c.day29) << c.year << "-" << c.month;
        EXPECT_EQ(ColumnShown(31), c.day30) << c.year << "-" << c.month;
        EXPECT_EQ(ColumnShown(32), c.day31) << c.year << "-" << c.month;
    }
}

TEST_F(CZelViewTest, CodesOfHiddenDaysSurviveMonthChanges) {
    SetDayCode(Record(), 3, 30, Sjis("休"));
    SetDayCode(Record(), 3, 31, Sjis("夜"));
    Load();
    SelectDate(2006, 7, 1);
    SelectDate(2009, 2, 1);
    EXPECT_FALSE(ColumnShown(32));
    EXPECT_EQ(Cell(3, 32), Sjis("夜"));
    EXPECT_EQ(FieldText(Record().staff[2].dayCode[30]), Sjis("夜"));
    SelectDate(2006, 7, 1);
    EXPECT_TRUE(ColumnShown(32));
    EXPECT_EQ(Cell(3, 31), Sjis("休"));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(CZelViewTest, LegendFollowsTheDutyTable) {
    for (int i = 1; i <= 12; ++i)
        SetDuty(Record(), i, {"A" + std::to_string(i), Sjis("とても長い勤務の名前です"), "", "", ""});
    Load();
    const std::string legend = view.Legend().Text();
    const std::string ending = Sjis("...省略");
    ASSERT_GT(legend.size(), 200u);
    EXPECT_EQ(legend.substr(legend.size() - ending.size()), ending);
}

TEST_F(CZelViewTest, AcceptedEditsAreStoredAtOnce) {
    Commit(5, 11, Sjis("日"));
    EXPECT_EQ(FieldText(Record().staff[4].dayCode[9]), Sjis("日"));
    EXPECT_EQ(Record().staff[4].dayCode[9][2], '\0');
    EXPECT_TRUE(doc.IsModified());
    // The cursor moves down the column after each edit.
    EXPECT_EQ(Grid().GetCurrentRow(), 6);
    EXPECT_EQ(Grid().GetCurrentColumn(), 11);

    Commit(80, 2, " ");
    EXPECT_EQ(FieldText(Record().staff[79].dayCode[0]), " ");
    EXPECT_EQ(Grid().GetCurrentRow(), 80) << "row 80 is the last";
}

TEST_F(CZelViewTest, TextLongerThanItsFieldIsCutOnAWholeCharacter) {
    view.OnPersonColumnSetting();
    // Eleven bytes for a ten-byte name: the sixth double-byte character does not fit.
    Commit(7, 1, Sjis("あいうえおか"));
    EXPECT_EQ(FieldText(Record().staff[6].name), Sjis("あいうえお"));
    EXPECT_EQ(Cell(7, 1), Sjis("あいうえお")) << "the grid shows what was stored";
    EXPECT_EQ(Record().staff[6].dayCode[0][0], '\0');

    Commit(7, 2, "a" + Sjis("日勤"));
    EXPECT_EQ(FieldText(Record().staff[6].dayCode[0]), "a" + Sjis("日"));
}

TEST_F(CZelViewTest, PersonColumnSettingToggles) {
    CCmdUI ui;
    ASSERT_TRUE(view.OnUpdateCommand(ID_PERSON_COLUMN_SETTING, ui));
    EXPECT_EQ(ui.Check(), 0);

    ASSERT_TRUE(view.OnCommand(ID_PERSON_COLUMN_SETTING));
    EXPECT_EQ(Grid().GetFixedColumnCount(), 1);
    view.OnUpdateCommand(ID_PERSON_COLUMN_SETTING, ui);
    EXPECT_EQ(ui.Check(), 1);
    // Names editable: no edit moves the cursor.
    Grid().SelectRange(3, 1, 3, 1);
    Commit(3, 1, "abc");
    EXPECT_EQ(Grid().GetCurrentRow(), 3);

    view.OnCommand(ID_PERSON_COLUMN_SETTING);
    EXPECT_EQ(Grid().GetFixedColumnCount(), 2);
    view.OnUpdateCommand(ID_PERSON_COLUMN_SETTING, ui);
    EXPECT_EQ(ui.Check(), 0);

    // A new roster locks the names again.
    view.OnCommand(ID_PERSON_COLUMN_SETTING);
    doc.OnNewDocument();
    Load();
    EXPECT_EQ(Grid().GetFixedColumnCount(), 2);
    EXPECT_EQ(view.PersonColumn(), 0);
}

TEST_F(CZelViewTest, KeysActOnTheEditCell) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("untouched");
    Key(VK_DELETE, 0);
    Key('V', 2);
    EXPECT_FALSE(doc.IsModified()) << "no edit cell before the first edit";

    Commit(4, 6, Sjis("夜"));
    doc.SetModifiedFlag(FALSE);
    Grid().SelectRange(20, 20, 20, 20); // the selection does not matter
    Key('C', 2);
    EXPECT_EQ(clipboard->text(), "") << "EditFinished moved the edit cell to the empty row 5";

    Grid().SetCellText(5, 6, Sjis("明"));
    Key('C', 2);
    EXPECT_EQ(clipboard->text(), "明");
    Key('C', 3); // Ctrl+Shift+C
    clipboard->setText(QString::fromUtf8("休\r\n")); // a spreadsheet's single cell
    Key('V', 6); // Ctrl+Alt+V
    EXPECT_FALSE(doc.IsModified());
    Key('V', 2);
    EXPECT_EQ(Cell(5, 6), Sjis("休"));
    EXPECT_EQ(FieldText(Record().staff[4].dayCode[4]), Sjis("休"));
    EXPECT_TRUE(doc.IsModified());

    Key(VK_DELETE, 1);
    EXPECT_EQ(Cell(5, 6), "");
    EXPECT_EQ(FieldText(Record().staff[4].dayCode[4]), "");

    auto* image = new QMimeData;
    image->setData("image/png", QByteArray("\x89PNG"));
    clipboard->setMimeData(image);
    Grid().SetCellText(5, 6, "x");
    Key('V', 2);
    EXPECT_EQ(Cell(5, 6), "") << "no text on the clipboard pastes an empty text";
}

TEST_F(CZelViewTest, RightClickOnlyOpensTheCellMenu) {
    emit Grid().MouseUp(1, 0, 10, 10);
    emit Grid().MouseUp(4, 0, 10, 10);
    EXPECT_FALSE(view.CellMenu()->isVisible());
    emit Grid().MouseUp(2, 0, 10, 10);
    EXPECT_TRUE(view.CellMenu()->isVisible());
    QStringList names;
    for (QAction* action : view.CellMenu()->actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(names, QStringList({"ｺﾋﾟｰ", "貼り付け", "切り取り", "削除", "-", "下線", "-", "行削除", "行挿入"}));
    view.CellMenu()->close();
}

TEST_F(CZelViewTest, CommentChangesReachTheRecordCutToFortyBytes) {
    view.CommentBox().setText(QString(50, QLatin1Char('x')));
    view.CommitPendingInput();
    EXPECT_EQ(std::string(Record().comment, 40), std::string(40, 'x'));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(CZelViewTest, TextStillInTheCellEditorReachesTheRecordBeforeASave) {
    view.OnPersonColumnSetting();
    Grid().SelectRange(9, 1, 9, 1);
    Grid().setFocus();
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(&Grid(), &f2);
    ASSERT_TRUE(Grid().IsEditing());
    auto* editor = Grid().findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(editor, &typed);
    EXPECT_EQ(FieldText(Record().staff[8].name), "");

    view.CommitPendingInput();
    EXPECT_EQ(FieldText(Record().staff[8].name), "a");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(CZelViewTest, SavedFileDiffersOnlyInTheEditedField) {
    TempDir dir;
    std::string original(sizeof(RosterRecord), '\0');
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<char>(0x20 + i % 90); // texts everywhere, no terminators
    original[0] = 2;
    original[1] = 0;
    std::memcpy(original.data() + 2, "07D60715", 9);
    WriteBytes(dir.File("a.vkt"), original);
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("a.vkt")));
    Load();

    Commit(5, 11, Sjis("日"));
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("a.vkt")));
    const std::string saved = ReadBytes(dir.File("a.vkt"));
    ASSERT_EQ(saved.size(), original.size());
    const std::size_t field = offsetof(RosterRecord, staff) + 4 * sizeof(StaffRow) + 11 + 5 * 9;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (i < field || i >= field + 5) {
            ASSERT_EQ(saved[i], original[i]) << "byte " << i << " changed";
        }
    }
    EXPECT_EQ(saved.substr(field, 5), Sjis("日") + std::string(3, '\0'));
}

TEST_F(CZelViewTest, ReloadingAFullRosterIsInstant) {
    for (int row = 1; row <= 80; ++row) {
        SetStaffName(Record(), row, Sjis("職員") + std::to_string(row));
        for (int day = 1; day <= 31; ++day)
            SetDayCode(Record(), row, day, Sjis(day % 2 ? "日" : "夜"));
        Record().staff[row - 1].underline = row % 5 == 0 ? 1 : 0;
    }
    for (int entry = 1; entry <= 80; ++entry)
        SetDuty(Record(), entry, {"D" + std::to_string(entry), Sjis("勤務"), "", "", " "});
    QElapsedTimer timer;
    timer.start();
    Load();
    const qint64 elapsed = timer.nsecsElapsed();
    std::printf("full roster reload: %.2f ms\n", static_cast<double>(elapsed) / 1e6);
    EXPECT_LT(elapsed, 100'000'000) << "generous for a sanitizer build";
    EXPECT_EQ(Cell(80, 32), Sjis("日"));
}

} // namespace
