#include "grid/CCellGrid.h"

#include "platform/SjisText.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

namespace {

std::string Sjis(const char* utf8) {
    return sjis::FromUtf8(utf8);
}

// The grid set up as the roster view sets it up, in the view's order.
void SetUpLikeRosterView(CCellGrid& grid) {
    grid.SetFontName(Sjis("ＭＳ ゴシック"));
    grid.SetColumnCount(33);
    grid.SetRowCount(81);
    grid.SetSwitch(65, TRUE);
    grid.SetSwitch(103, TRUE);
    std::string captions = Sjis("No.|担当者");
    for (int day = 1; day <= 31; ++day)
        captions += Sjis(QString::asprintf("|  %2d(日)  ", day).toUtf8().constData());
    grid.SetHeaderCaptions(captions);
    grid.hide();
    grid.SetColumnWidth(1, 1100);
    for (long column = 2; column <= 32; ++column)
        grid.SetColumnWidth(column, 700);
    grid.show();
    for (long row = 1; row <= 80; ++row)
        grid.SetCellText(row, 0, QString::asprintf("%2ld", row).toStdString());
    grid.SetColumnAlignment(0, 7);
    for (long column = 1; column <= 32; ++column)
        grid.SetColumnAlignment(column, 1);
    grid.SetSwitch(71, TRUE);
    grid.SetFixedRowCount(1);
    grid.SetBackColor(0x00FFFFFF);
    grid.SetSwitch(43, 0x00808080);
    grid.SetSwitch(66, 1);
    grid.SetSwitch(28, TRUE);
    grid.SelectRange(40, 0, 40, 32);
    grid.SetRangeBorder(0x00FF0000, 0, 0, 0, 2, 0, 0);
    grid.SelectRange(0, 0, 0, 0);
    grid.SetFixedColumnCount(2); // done by every initial update
}

// The view's and the dialog's row underline.
void ApplyRowUnderline(CCellGrid& grid, long row, long lastColumn, bool on) {
    grid.SelectRange(row, 0, row, lastColumn);
    grid.SetRangeBorder(0x00000000, 0, 0, 0, on ? 2 : 0, 0, 0);
    grid.SelectRange(0, 0, 0, 0);
}

void CommitText(QWidget* target, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

// A grid in a main window with the edit shortcuts the application's frame has.
class CellGridTest : public testing::Test {
public:
    void SetUp() override {
        m_window.resize(640, 480);
        m_window.setCentralWidget(m_pGrid);
        for (const auto& keys :
             {QKeySequence(QKeySequence::Copy), QKeySequence(QKeySequence::Paste)}) {
            auto* action = new QAction(&m_window);
            action->setShortcut(keys);
            QObject::connect(action, &QAction::triggered, [this] { ++m_nShortcutsTriggered; });
            m_window.addAction(action);
        }
        connect();
        m_window.show();
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_pGrid->setFocus();
    }

    void connect() {
        QObject::connect(m_pGrid, &CCellGrid::KeyDown, [this](short* key, short shift) {
            // Shift, Ctrl and Alt pressed on their own come first, as on Windows; not logged.
            if (*key >= 0x10 && *key <= 0x12)
                return;
            m_events.push_back("KeyDown " + std::to_string(*key) + " " + std::to_string(shift));
            if (onKeyDown)
                onKeyDown(key, shift);
        });
        QObject::connect(m_pGrid, &CCellGrid::EditStarting,
                         [this](long row, long column, BOOL* cancel) {
                             m_events.push_back("EditStarting " + std::to_string(row) + " " +
                                                std::to_string(column));
                             if (onEditStarting)
                                 onEditStarting(row, column, cancel);
                         });
        QObject::connect(m_pGrid, &CCellGrid::EditCommitted, [this](long row, long column) {
            m_events.push_back("EditCommitted " + std::to_string(row) + " " +
                               std::to_string(column));
        });
        QObject::connect(m_pGrid, &CCellGrid::EditFinished, [this] {
            m_events.push_back("EditFinished");
            if (onEditFinished)
                onEditFinished();
        });
        QObject::connect(m_pGrid, &CCellGrid::MouseUp,
                         [this](short button, short shift, float x, float y) {
                             m_events.push_back("MouseUp " + std::to_string(button) + " " +
                                                std::to_string(shift) + " " +
                                                std::to_string(static_cast<int>(x)) + " " +
                                                std::to_string(static_cast<int>(y)));
                         });
    }

    std::vector<std::string> TakeEvents() { return std::exchange(m_events, {}); }

    QLineEdit* Editor() const { return m_pGrid->findChild<QLineEdit*>(); }
    QListWidget* ListPopup() const { return m_pGrid->findChild<QListWidget*>(); }
    QScrollBar* VerticalBar() const {
        for (auto* bar : m_pGrid->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
            if (bar->orientation() == Qt::Vertical)
                return bar;
        }
        return nullptr;
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(m_pGrid, static_cast<Qt::Key>(key), modifiers);
    }
    void EditorKey(int key) { QTest::keyClick(Editor(), static_cast<Qt::Key>(key)); }
    void Select(long row, long column) { m_pGrid->SelectRange(row, column, row, column); }
    QPoint Center(long row, long column) { return m_pGrid->GetCellRect(row, column).center(); }
    std::string Pixel(QPoint point) { return Name(m_pGrid->grab().toImage().pixelColor(point)); }
    static std::string Name(const QColor& colour) { return colour.name().toStdString(); }

    QMainWindow m_window;
    CCellGrid* m_pGrid = new CCellGrid;
    std::vector<std::string> m_events;
    int m_nShortcutsTriggered = 0;
    std::function<void(short*, short)> onKeyDown;
    std::function<void(long, long, BOOL*)> onEditStarting;
    std::function<void()> onEditFinished;
};

class RosterGridTest : public CellGridTest {
protected:
    void SetUp() override {
        CellGridTest::SetUp();
        SetUpLikeRosterView(*m_pGrid);
        TakeEvents();
    }
    int Pixels(long twips) const {
        return qRound(static_cast<double>(twips) * m_pGrid->logicalDpiX() / 1440.0);
    }
};

// --- Set-up, texts, geometry ------------------------------------------------------------------

TEST_F(RosterGridTest, TakesTheViewsSetUp) {
    EXPECT_EQ(m_pGrid->GetRowCount(), 81);
    EXPECT_EQ(m_pGrid->GetColumnCount(), 33);
    EXPECT_EQ(m_pGrid->GetCellText(0, 0), "No.");
    EXPECT_EQ(m_pGrid->GetCellText(0, 1), Sjis("担当者"));
    EXPECT_EQ(m_pGrid->GetCellText(0, 2), Sjis("   1(日)  "));
    EXPECT_EQ(m_pGrid->GetCellText(0, 32), Sjis("  31(日)  "));
    EXPECT_EQ(m_pGrid->GetCellText(1, 0), " 1");
    EXPECT_EQ(m_pGrid->GetCellText(80, 0), "80");
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 0);
    EXPECT_EQ(m_pGrid->GetSelectionEndColumn(), 0);
    // Selecting row 40 for its line did not leave the grid scrolled down.
    EXPECT_EQ(m_pGrid->GetCellRect(1, 2).top(), m_pGrid->GetCellRect(0, 2).bottom() + 1);
}

TEST_F(RosterGridTest, ColumnWidthsAreTwipsAtTheScreenResolution) {
    EXPECT_EQ(m_pGrid->GetCellRect(1, 1).width(), Pixels(1100));
    EXPECT_EQ(m_pGrid->GetCellRect(1, 2).width(), Pixels(700));
    EXPECT_EQ(m_pGrid->GetCellRect(1, 2).left(), m_pGrid->GetCellRect(1, 1).right() + 1);
}

TEST_F(RosterGridTest, WidthZeroHidesAColumn) {
    m_pGrid->SetColumnWidth(30, 0);
    EXPECT_TRUE(m_pGrid->GetCellRect(5, 30).isEmpty());
    EXPECT_EQ(m_pGrid->GetCellRect(5, 31).left(), m_pGrid->GetCellRect(5, 29).right() + 1);
    Select(5, 29);
    Key(Qt::Key_Right);
    EXPECT_EQ(m_pGrid->GetCurrentColumn(), 31) << "the hidden column is stepped over";

    m_pGrid->SetColumnWidth(30, 700);
    EXPECT_EQ(m_pGrid->GetCellRect(5, 30).width(), Pixels(700));
}

TEST_F(RosterGridTest, FixedColumnsStayWhileScrollingAcross) {
    const QRect name = m_pGrid->GetCellRect(5, 1);
    const QRect firstDay = m_pGrid->GetCellRect(5, 2);
    Select(5, 32);
    EXPECT_EQ(m_pGrid->GetCellRect(5, 1), name);
    EXPECT_EQ(m_pGrid->GetCellRect(5, 0).left(), 0);
    EXPECT_TRUE(m_pGrid->GetCellRect(5, 2).isEmpty()) << "day 1 scrolled away";
    EXPECT_LE(m_pGrid->GetCellRect(5, 32).right(), m_pGrid->width());
    EXPECT_GE(m_pGrid->GetCellRect(5, 32).left(), name.right() + 1);

    Select(5, 2);
    EXPECT_EQ(m_pGrid->GetCellRect(5, 2), firstDay);
}

TEST_F(RosterGridTest, CaptionRowStaysWhileScrollingDown) {
    const QRect caption = m_pGrid->GetCellRect(0, 3);
    Select(80, 3);
    EXPECT_EQ(m_pGrid->GetCellRect(0, 3), caption);
    EXPECT_TRUE(m_pGrid->GetCellRect(1, 3).isEmpty());
    EXPECT_LE(m_pGrid->GetCellRect(80, 3).bottom(), m_pGrid->height());
    EXPECT_EQ(Pixel(caption.center() + QPoint(caption.width() / 2 - 2, 0)),
              Name(m_pGrid->palette().color(QPalette::Button).darker(115)))
        << "the caption of the selected column is marked";
}

TEST_F(RosterGridTest, FixedColumnCountCanChangeAnyTime) {
    Select(3, 1);
    Key(Qt::Key_F2);
    EXPECT_FALSE(m_pGrid->IsEditing()) << "names are locked with two fixed columns";
    EXPECT_TRUE(TakeEvents() == std::vector<std::string>{"KeyDown 113 0"});

    m_pGrid->SetFixedColumnCount(1);
    Key(Qt::Key_F2);
    EXPECT_TRUE(m_pGrid->IsEditing());
    EditorKey(Qt::Key_Escape);

    m_pGrid->SetFixedColumnCount(2);
    Select(3, 32);
    EXPECT_FALSE(m_pGrid->GetCellRect(3, 1).isEmpty()) << "the name column is fixed again";
}

TEST_F(RosterGridTest, CaptionsKeepDoubleByteCharactersWithABarTrailByte) {
    // "ポ" is 0x83 0x7C: its trail byte is the list separator.
    m_pGrid->SetHeaderCaptions("No.|\x83\x7C|x");
    EXPECT_EQ(m_pGrid->GetCellText(0, 1), "\x83\x7C");
    EXPECT_EQ(m_pGrid->GetCellText(0, 2), "x");
}

// --- Colours, lines, alignment -----------------------------------------------------------------

TEST_F(RosterGridTest, DayColumnsShowTheirColours) {
    m_pGrid->SetRangeProperty(6, 1, 2, 80, 2, 0x00C0C0FF);
    m_pGrid->SetRangeProperty(6, 1, 8, 80, 8, 0x00C0FFC0);
    EXPECT_EQ(Pixel(Center(5, 2)), Name(QColor(0xFF, 0xC0, 0xC0)));
    EXPECT_EQ(Pixel(Center(5, 8)), Name(QColor(0xC0, 0xFF, 0xC0)));
    EXPECT_EQ(Pixel(Center(5, 3)), Name(QColor(Qt::white)));
    EXPECT_EQ(Pixel(Center(0, 2) + QPoint(20, 0)), Name(m_pGrid->palette().color(QPalette::Button)))
        << "the caption keeps the header colour";

    m_pGrid->SetRangeProperty(6, 1, 8, 80, 8, 0x00FFFFFF);
    EXPECT_EQ(Pixel(Center(5, 8)), Name(QColor(Qt::white)));
    m_pGrid->SetBackColor(0x00E0E0E0);
    EXPECT_EQ(Pixel(Center(5, 3)), Name(QColor(0xE0, 0xE0, 0xE0)));
    EXPECT_EQ(Pixel(Center(5, 8)), Name(QColor(Qt::white))) << "a cell's own colour wins";
}

TEST_F(RosterGridTest, BottomLinesOfRowsDoNotEraseEachOther) {
    ApplyRowUnderline(*m_pGrid, 5, 32, true);
    ApplyRowUnderline(*m_pGrid, 6, 32, false); // the row below is drawn after it
    ApplyRowUnderline(*m_pGrid, 39, 32, false);
    ApplyRowUnderline(*m_pGrid, 41, 32, false);
    for (const auto& [row, colour] : {std::pair{5L, QColor(Qt::black)}, {40L, QColor(Qt::blue)}}) {
        VerticalBar()->setValue(static_cast<int>(row) - 10); // scrolled, the row in view
        const QRect cell = m_pGrid->GetCellRect(row, 10);
        ASSERT_FALSE(cell.isEmpty());
        const int x = cell.center().x();
        EXPECT_EQ(Pixel({x, cell.bottom()}), Name(colour)) << "row " << row;
        EXPECT_EQ(Pixel({x, cell.bottom() - 1}), Name(colour)) << "row " << row;
        EXPECT_EQ(Pixel({x, cell.bottom() - 2}), Name(QColor(Qt::white))) << "row " << row;
        EXPECT_EQ(Pixel({x, cell.bottom() + 1}), Name(QColor(Qt::white))) << "row " << row;
        EXPECT_EQ(Pixel({m_pGrid->GetCellRect(row, 0).center().x(), cell.bottom()}), Name(colour))
            << "the line runs through the fixed columns";
    }
}

TEST_F(RosterGridTest, WidthZeroRemovesALine) {
    ApplyRowUnderline(*m_pGrid, 5, 32, true);
    ApplyRowUnderline(*m_pGrid, 5, 32, false);
    const QRect cell = m_pGrid->GetCellRect(5, 10);
    EXPECT_EQ(Pixel({cell.center().x(), cell.bottom() - 1}), Name(QColor(Qt::white)));
    EXPECT_EQ(Pixel({cell.center().x(), cell.bottom()}), Name(QColor(0x80, 0x80, 0x80)))
        << "the grid line of switch 43 is back";
}

// Leftmost and rightmost columns of the text drawn in a cell.
std::pair<int, int> InkSpan(const QImage& image, const QRect& cell) {
    int left = cell.right();
    int right = cell.left();
    for (int y = cell.top() + 2; y < cell.bottom() - 2; ++y) {
        for (int x = cell.left() + 1; x < cell.right() - 1; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

TEST_F(RosterGridTest, AlignmentCodesPlaceTextLeftOrRight) {
    m_pGrid->SetCellText(5, 3, "8");
    m_pGrid->SetCellText(5, 4, "8");
    m_pGrid->SetColumnAlignment(4, 7);
    const QImage image = m_pGrid->grab().toImage();
    const QRect left = m_pGrid->GetCellRect(5, 3);
    const QRect right = m_pGrid->GetCellRect(5, 4);
    const auto [leftStart, leftEnd] = InkSpan(image, left);
    const auto [rightStart, rightEnd] = InkSpan(image, right);
    EXPECT_LT(leftEnd, left.center().x());
    EXPECT_LT(leftStart - left.left(), 8);
    EXPECT_GT(rightStart, right.center().x());
    EXPECT_LT(right.right() - rightEnd, 8);
    // Row numbers are right-aligned (code 7).
    const QRect number = m_pGrid->GetCellRect(5, 0);
    EXPECT_GT(InkSpan(image, number).first, number.center().x());
}

// --- Selection -------------------------------------------------------------------------------

struct SelectionCase {
    const char* name;
    long endRow;
    long endColumn;
};
void PrintTo(const SelectionCase& c, std::ostream* out) {
    *out << c.name;
}

class SelectionDirectionTest : public RosterGridTest,
                               public testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionDirectionTest, GettersAndHighlightFollowTheSelection) {
    const SelectionCase& c = GetParam();
    m_pGrid->SelectRange(5, 5, c.endRow, c.endColumn);
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 5);
    EXPECT_EQ(m_pGrid->GetCurrentColumn(), 5);
    EXPECT_EQ(m_pGrid->GetSelectionEndRow(), c.endRow);
    EXPECT_EQ(m_pGrid->GetSelectionEndColumn(), c.endColumn);
    const QColor white(Qt::white);
    EXPECT_EQ(Pixel(Center(5, 5)), Name(white)) << "the current cell is not tinted";
    EXPECT_NE(Pixel(Center(c.endRow, c.endColumn)), Name(white));
    EXPECT_NE(Pixel(Center((5 + c.endRow) / 2, (5 + c.endColumn) / 2 + 1)), Name(white));
    EXPECT_EQ(Pixel(Center(5 + (c.endRow > 5 ? -1 : 1), 5)), Name(white)) << "outside";
    EXPECT_EQ(Pixel(Center(c.endRow + (c.endRow > 5 ? 1 : -1), c.endColumn)), Name(white))
        << "outside";
}

TEST_P(SelectionDirectionTest, ShiftArrowsMoveTheEndCorner) {
    const SelectionCase& c = GetParam();
    Select(5, 5);
    for (long i = 5; i != c.endRow; i += c.endRow > 5 ? 1 : -1)
        Key(c.endRow > 5 ? Qt::Key_Down : Qt::Key_Up, Qt::ShiftModifier);
    for (long i = 5; i != c.endColumn; i += c.endColumn > 5 ? 1 : -1)
        Key(c.endColumn > 5 ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 5);
    EXPECT_EQ(m_pGrid->GetCurrentColumn(), 5);
    EXPECT_EQ(m_pGrid->GetSelectionEndRow(), c.endRow);
    EXPECT_EQ(m_pGrid->GetSelectionEndColumn(), c.endColumn);
}

TEST_P(SelectionDirectionTest, MouseDragMovesTheEndCorner) {
    const SelectionCase& c = GetParam();
    QTest::mousePress(m_pGrid, Qt::LeftButton, {}, Center(5, 5));
    QTest::mouseMove(m_pGrid, Center(c.endRow, c.endColumn));
    QTest::mouseRelease(m_pGrid, Qt::LeftButton, {}, Center(c.endRow, c.endColumn));
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 5);
    EXPECT_EQ(m_pGrid->GetCurrentColumn(), 5);
    EXPECT_EQ(m_pGrid->GetSelectionEndRow(), c.endRow);
    EXPECT_EQ(m_pGrid->GetSelectionEndColumn(), c.endColumn);
}

INSTANTIATE_TEST_SUITE_P(Directions, SelectionDirectionTest,
                         testing::Values(SelectionCase{"DownRight", 8, 8},
                                         SelectionCase{"DownLeft", 8, 3},
                                         SelectionCase{"UpRight", 3, 8},
                                         SelectionCase{"UpLeft", 3, 3}),
                         [](const auto& testInfo) { return testInfo.param.name; });

TEST_F(RosterGridTest, SettingTheCurrentCellCollapsesTheSelection) {
    m_pGrid->SelectRange(2, 2, 6, 6);
    m_pGrid->SetCurrentRow(4);
    EXPECT_EQ(m_pGrid->GetSelectionEndRow(), 4);
    EXPECT_EQ(m_pGrid->GetSelectionEndColumn(), 2);
    m_pGrid->SetCurrentColumn(3);
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 4);
    EXPECT_EQ(m_pGrid->GetSelectionEndColumn(), 3);
}

TEST_F(RosterGridTest, PasteWideningPastTheEdgeIsClippedToTheGrid) {
    Select(78, 30);
    // The view's widening: current column, current row, then the ends.
    m_pGrid->SetCurrentColumn(30);
    m_pGrid->SetCurrentRow(78);
    m_pGrid->SetSelectionEndColumn(30 + 5);
    m_pGrid->SetSelectionEndRow(78 + 5);
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 78);
    EXPECT_EQ(m_pGrid->GetCurrentColumn(), 30);
    EXPECT_EQ(m_pGrid->GetSelectionEndRow(), 80);
    EXPECT_EQ(m_pGrid->GetSelectionEndColumn(), 32);
}

TEST_F(RosterGridTest, HeadersSelectWholeColumnsAndRows) {
    QTest::mouseClick(m_pGrid, Qt::LeftButton, {}, Center(0, 4));
    EXPECT_EQ(std::vector<long>({m_pGrid->GetCurrentRow(), m_pGrid->GetCurrentColumn(),
                                 m_pGrid->GetSelectionEndRow(), m_pGrid->GetSelectionEndColumn()}),
              std::vector<long>({1, 4, 80, 4}));
    QTest::mouseClick(m_pGrid, Qt::LeftButton, {}, Center(7, 0));
    EXPECT_EQ(std::vector<long>({m_pGrid->GetCurrentRow(), m_pGrid->GetCurrentColumn(),
                                 m_pGrid->GetSelectionEndRow(), m_pGrid->GetSelectionEndColumn()}),
              std::vector<long>({7, 2, 7, 32}));
}

TEST_F(RosterGridTest, ShiftClickExtendsFromTheCurrentCell) {
    Select(6, 6);
    QTest::mouseClick(m_pGrid, Qt::LeftButton, Qt::ShiftModifier, Center(2, 3));
    EXPECT_EQ(std::vector<long>({m_pGrid->GetCurrentRow(), m_pGrid->GetCurrentColumn(),
                                 m_pGrid->GetSelectionEndRow(), m_pGrid->GetSelectionEndColumn()}),
              std::vector<long>({6, 6, 2, 3}));
}

// --- Editing -----------------------------------------------------------------------------------

struct StartCase {
    const char* name;
    std::function<void(CellGridTest&)> start;
    QString expectedText;
};
void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.name;
}

class EditStartTest : public RosterGridTest, public testing::WithParamInterface<StartCase> {
public:
    void DoubleClick(long row, long column) {
        QTest::mouseDClick(m_pGrid, Qt::LeftButton, {}, Center(row, column));
    }
};

TEST_P(EditStartTest, OpensTheEditorAfterEditStarting) {
    m_pGrid->SetCellText(3, 4, "old");
    Select(3, 4);
    GetParam().start(*this);
    ASSERT_TRUE(m_pGrid->IsEditing());
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Editor()->isVisible());
    EXPECT_TRUE(Editor()->hasFocus());
    EXPECT_EQ(Editor()->text(), GetParam().expectedText);
    const auto events = TakeEvents();
    EXPECT_EQ(std::count(events.begin(), events.end(), "EditStarting 3 4"), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "EditFinished"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Triggers, EditStartTest,
    testing::Values(
        StartCase{"Typing", [](CellGridTest& test) { test.Key(Qt::Key_A); }, "a"},
        StartCase{"F2", [](CellGridTest& test) { test.Key(Qt::Key_F2); }, "old"},
        StartCase{"Enter", [](CellGridTest& test) { test.Key(Qt::Key_Return); }, "old"},
        StartCase{"Backspace", [](CellGridTest& test) { test.Key(Qt::Key_Backspace); }, ""},
        StartCase{"DoubleClick",
                  [](CellGridTest& test) { static_cast<EditStartTest&>(test).DoubleClick(3, 4); },
                  "old"},
        StartCase{"InputMethod",
                  [](CellGridTest& test) { CommitText(test.m_pGrid, QStringLiteral("山田")); },
                  QStringLiteral("山田")}),
    [](const auto& testInfo) { return testInfo.param.name; });

TEST_F(RosterGridTest, FixedCellsAreNotEdited) {
    for (const auto& [row, column] : {std::pair{0L, 5L}, {5L, 0L}, {5L, 1L}, {0L, 0L}}) {
        Select(row, column);
        m_pGrid->setFocus();
        QTest::keyClick(m_pGrid, Qt::Key_F2);
        QTest::keyClick(m_pGrid, Qt::Key_B);
        EXPECT_FALSE(m_pGrid->IsEditing()) << row << "," << column;
    }
    for (const std::string& event : TakeEvents())
        EXPECT_EQ(event.rfind("KeyDown", 0), 0u) << event;
}

TEST_F(RosterGridTest, EditStartingCanCancel) {
    onEditStarting = [](long, long, BOOL* cancel) { *cancel = TRUE; };
    Select(3, 4);
    Key(Qt::Key_F2);
    EXPECT_FALSE(m_pGrid->IsEditing());
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"KeyDown 113 0", "EditStarting 3 4"}));
}

TEST_F(RosterGridTest, AcceptingRaisesCommittedThenFinished) {
    // The view reads the cell when it is committed and moves down when the editor closes.
    std::string committedText;
    QObject::connect(m_pGrid, &CCellGrid::EditCommitted, [&](long row, long column) {
        committedText = m_pGrid->GetCellText(row, column);
    });
    onEditFinished = [this] { Select(m_pGrid->GetCurrentRow() + 1, m_pGrid->GetCurrentColumn()); };
    Select(3, 4);
    Key(Qt::Key_X);
    QTest::keyClicks(Editor(), "yz");
    EditorKey(Qt::Key_Return);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"KeyDown 88 0", "EditStarting 3 4",
                                                      "EditCommitted 3 4", "EditFinished"}));
    EXPECT_EQ(committedText, "xyz");
    EXPECT_FALSE(m_pGrid->IsEditing());
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 4);
    EXPECT_TRUE(m_pGrid->hasFocus()) << "typing goes on in the grid";
    Key(Qt::Key_Q);
    EXPECT_TRUE(m_pGrid->IsEditing());
}

TEST_F(RosterGridTest, EscapeCancelsWithoutCommit) {
    m_pGrid->SetCellText(3, 4, "old");
    Select(3, 4);
    Key(Qt::Key_F2);
    QTest::keyClicks(Editor(), "new");
    EditorKey(Qt::Key_Escape);
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"KeyDown 113 0", "EditStarting 3 4", "EditFinished"}));
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), "old");
    EXPECT_FALSE(m_pGrid->IsEditing());
}

TEST_F(RosterGridTest, FinishEditAcceptsWhatIsTyped) {
    m_pGrid->SetCellText(3, 4, "old");
    Select(3, 4);
    Key(Qt::Key_F2);
    QTest::keyClicks(Editor(), "new");
    TakeEvents();
    m_pGrid->FinishEdit();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"EditCommitted 3 4", "EditFinished"}));
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), "oldnew");
    EXPECT_FALSE(m_pGrid->IsEditing());
    m_pGrid->FinishEdit();
    EXPECT_TRUE(TakeEvents().empty()) << "nothing open, nothing raised";
}

TEST_F(RosterGridTest, AcceptingUnchangedTextCommitsNothing) {
    m_pGrid->SetCellText(3, 4, "\x85\x40"); // no character: shown as U+FFFD
    Select(3, 4);
    Key(Qt::Key_F2);
    EditorKey(Qt::Key_Return);
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"KeyDown 113 0", "EditStarting 3 4", "EditFinished"}));
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), "\x85\x40");
}

TEST_F(RosterGridTest, ClickingAnotherCellAcceptsTheEdit) {
    Select(3, 4);
    Key(Qt::Key_A);
    QTest::mouseClick(m_pGrid, Qt::LeftButton, {}, Center(6, 6));
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), "a");
    EXPECT_FALSE(m_pGrid->IsEditing());
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 6);
    const auto events = TakeEvents();
    EXPECT_NE(std::find(events.begin(), events.end(), "EditCommitted 3 4"), events.end());
}

TEST_F(RosterGridTest, ReturnAndEscapeInTheEditorStayInADialog) {
    QDialog dialog;
    auto* grid = new CCellGrid(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(grid);
    grid->SetRowCount(5);
    grid->SetColumnCount(3);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    grid->SelectRange(1, 1, 1, 1);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
        ASSERT_TRUE(grid->IsEditing());
        QTest::keyClick(grid->findChild<QLineEdit*>(), key);
        EXPECT_FALSE(grid->IsEditing());
        EXPECT_TRUE(dialog.isVisible()) << "key " << key;
    }
}

TEST_F(RosterGridTest, EditLimitCountsShiftJisBytes) {
    onEditStarting = [this](long, long, BOOL*) { m_pGrid->SetEditLimit(10); };
    Select(3, 4);
    Key(Qt::Key_A);
    QTest::keyClicks(Editor(), "bcdefghijkl");
    EXPECT_EQ(Editor()->text(), "abcdefghij");
    EditorKey(Qt::Key_Backspace);
    CommitText(Editor(), QStringLiteral("山")); // 9 bytes + 2 do not fit: refused whole
    EXPECT_EQ(Editor()->text(), "abcdefghi");
    EditorKey(Qt::Key_Backspace);
    CommitText(Editor(), QStringLiteral("山田")); // 8 + 2 fit, the next 2 do not
    EXPECT_EQ(Editor()->text(), QStringLiteral("abcdefgh山"));
    EditorKey(Qt::Key_Return);
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), "abcdefgh" + Sjis("山"));
}

TEST_F(RosterGridTest, EditLimitLetsALongerTextBeShortened) {
    m_pGrid->SetCellText(3, 4, "123456789012");
    onEditStarting = [this](long, long, BOOL*) { m_pGrid->SetEditLimit(10); };
    Select(3, 4);
    Key(Qt::Key_F2);
    EXPECT_EQ(Editor()->text(), "123456789012");
    EditorKey(Qt::Key_Backspace);
    EXPECT_EQ(Editor()->text(), "12345678901");
    EditorKey(Qt::Key_X);
    EXPECT_EQ(Editor()->text(), "12345678901") << "nothing more while over the limit";
}

TEST_F(RosterGridTest, EditLimitZeroMeansNone) {
    onEditStarting = [this](long, long, BOOL*) { m_pGrid->SetEditLimit(0); };
    m_pGrid->SetEditLimit(4);
    Select(3, 4);
    Key(Qt::Key_A);
    QTest::keyClicks(Editor(), "bcdefghijklmnop");
    EXPECT_EQ(Editor()->text(), "abcdefghijklmnop");
}

// --- List editing ------------------------------------------------------------------------------

class ListGridTest : public RosterGridTest {
protected:
    void SetUp() override {
        RosterGridTest::SetUp();
        // The day columns' list: a space, then the duty abbreviations, unused ones empty.
        m_pGrid->SetColumnList(4, " |" + Sjis("日") + "|" + Sjis("夜") + "||\x83\x7C|||");
        Select(3, 4);
    }
    std::vector<QString> Offered() const {
        std::vector<QString> items;
        for (int i = 0; i < ListPopup()->count(); ++i)
            items.push_back(ListPopup()->item(i)->text());
        return items;
    }
};

TEST_F(ListGridTest, OffersTheNonEmptyEntries) {
    Key(Qt::Key_F2);
    ASSERT_TRUE(ListPopup()->isVisible());
    EXPECT_EQ(Offered(), (std::vector<QString>{" ", "日", "夜", "ポ"}));
    EXPECT_FALSE(Editor()->isVisible());
}

TEST_F(ListGridTest, PickWithTheKeyboardBecomesTheText) {
    Key(Qt::Key_F2);
    QTest::keyClick(ListPopup(), Qt::Key_Down);
    QTest::keyClick(ListPopup(), Qt::Key_Down);
    QTest::keyClick(ListPopup(), Qt::Key_Return);
    EXPECT_FALSE(ListPopup()->isVisible());
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), Sjis("夜"));
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"KeyDown 113 0", "EditStarting 3 4",
                                                      "EditCommitted 3 4", "EditFinished"}));
}

TEST_F(ListGridTest, PickWithTheMouseBecomesTheText) {
    Key(Qt::Key_F2);
    QListWidget* popup = ListPopup();
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                      popup->visualItemRect(popup->item(3)).center());
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), "\x83\x7C") << "the entry's bytes, whole";
}

TEST_F(ListGridTest, TheCellsTextIsPreselected) {
    m_pGrid->SetCellText(3, 4, Sjis("夜"));
    Key(Qt::Key_F2);
    EXPECT_EQ(ListPopup()->currentItem()->text(), "夜");
    QTest::keyClick(ListPopup(), Qt::Key_Return);
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"KeyDown 113 0", "EditStarting 3 4", "EditFinished"}))
        << "the same text is no change";
}

TEST_F(ListGridTest, EscapeClosesWithoutCommit) {
    m_pGrid->SetCellText(3, 4, Sjis("日"));
    Key(Qt::Key_F2);
    QTest::keyClick(ListPopup(), Qt::Key_Down);
    QTest::keyClick(ListPopup(), Qt::Key_Escape);
    EXPECT_FALSE(ListPopup()->isVisible());
    EXPECT_FALSE(m_pGrid->IsEditing());
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), Sjis("日"));
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"KeyDown 113 0", "EditStarting 3 4", "EditFinished"}));
}

TEST_F(ListGridTest, ListCellsTakeNoInputMethod) {
    EXPECT_FALSE(m_pGrid->testAttribute(Qt::WA_InputMethodEnabled));
    Select(3, 5);
    EXPECT_TRUE(m_pGrid->testAttribute(Qt::WA_InputMethodEnabled));
    m_pGrid->SetColumnList(5, "a|b");
    EXPECT_FALSE(m_pGrid->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(ListGridTest, ListButtonOpensTheList) {
    const QRect cell = m_pGrid->GetCellRect(3, 4);
    QTest::mouseClick(m_pGrid, Qt::LeftButton, {}, QPoint(cell.right() - 6, cell.center().y()));
    EXPECT_TRUE(ListPopup()->isVisible());
}

// --- Key and mouse events ----------------------------------------------------------------------

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    short code;
    short shift;
};
void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class KeyDownTest : public RosterGridTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyDownTest, ReportsTheVirtualKeyAndShiftMask) {
    Select(3, 4);
    onKeyDown = [](short* key, short) { *key = 0; }; // nothing else happens
    Key(GetParam().key, GetParam().modifiers);
    EXPECT_EQ(TakeEvents(), std::vector<std::string>{"KeyDown " + std::to_string(GetParam().code) +
                                                     " " + std::to_string(GetParam().shift)});
    EXPECT_FALSE(m_pGrid->IsEditing());
    EXPECT_EQ(m_pGrid->GetCurrentRow(), 3);
    EXPECT_EQ(m_pGrid->GetCurrentColumn(), 4);
    EXPECT_EQ(m_nShortcutsTriggered, 0) << "the window's shortcut did not take the key";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyDownTest,
    testing::Values(KeyCase{"Delete", Qt::Key_Delete, Qt::NoModifier, 0x2E, 0},
                    KeyCase{"ShiftDelete", Qt::Key_Delete, Qt::ShiftModifier, 0x2E, 1},
                    KeyCase{"CtrlC", Qt::Key_C, Qt::ControlModifier, 0x43, 2},
                    KeyCase{"CtrlV", Qt::Key_V, Qt::ControlModifier, 0x56, 2},
                    KeyCase{"CtrlShiftC", Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, 0x43,
                            3},
                    KeyCase{"CtrlAltV", Qt::Key_V, Qt::ControlModifier | Qt::AltModifier, 0x56, 6},
                    KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, 0x25, 0},
                    KeyCase{"Up", Qt::Key_Up, Qt::NoModifier, 0x26, 0},
                    KeyCase{"Right", Qt::Key_Right, Qt::NoModifier, 0x27, 0},
                    KeyCase{"ShiftDown", Qt::Key_Down, Qt::ShiftModifier, 0x28, 1},
                    KeyCase{"Return", Qt::Key_Return, Qt::NoModifier, 0x0D, 0},
                    KeyCase{"F2", Qt::Key_F2, Qt::NoModifier, 0x71, 0},
                    KeyCase{"LetterA", Qt::Key_A, Qt::NoModifier, 0x41, 0},
                    KeyCase{"ShiftedDigit", Qt::Key_Exclam, Qt::ShiftModifier, 0x31, 1},
                    KeyCase{"Keypad5", Qt::Key_5, Qt::KeypadModifier, 0x65, 0}),
    [](const auto& testInfo) { return testInfo.param.name; });

TEST_F(RosterGridTest, CopyAndPasteKeysReachTheGridNotTheWindowShortcuts) {
    Select(3, 4);
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"KeyDown 67 2", "KeyDown 86 2"}));
    EXPECT_EQ(m_nShortcutsTriggered, 0);
}

TEST_F(RosterGridTest, KeysInTheEditorRaiseNoKeyDown) {
    Select(3, 4);
    Key(Qt::Key_F2);
    TakeEvents();
    QTest::keyClick(Editor(), Qt::Key_Delete);
    QTest::keyClick(Editor(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(TakeEvents().empty());
}

struct ButtonCase {
    const char* name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    short code;
    short shift;
};
void PrintTo(const ButtonCase& c, std::ostream* out) {
    *out << c.name;
}

class MouseUpTest : public RosterGridTest, public testing::WithParamInterface<ButtonCase> {};

TEST_P(MouseUpTest, ReportsButtonShiftAndPosition) {
    const QPoint point = Center(6, 7);
    QTest::mouseClick(m_pGrid, GetParam().button, GetParam().modifiers, point);
    EXPECT_EQ(TakeEvents(), std::vector<std::string>{"MouseUp " + std::to_string(GetParam().code) +
                                                     " " + std::to_string(GetParam().shift) + " " +
                                                     std::to_string(point.x()) + " " +
                                                     std::to_string(point.y())});
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MouseUpTest,
    testing::Values(ButtonCase{"Left", Qt::LeftButton, Qt::NoModifier, 1, 0},
                    ButtonCase{"Right", Qt::RightButton, Qt::NoModifier, 2, 0},
                    ButtonCase{"Middle", Qt::MiddleButton, Qt::NoModifier, 4, 0},
                    ButtonCase{"CtrlRight", Qt::RightButton, Qt::ControlModifier, 2, 2}),
    [](const auto& testInfo) { return testInfo.param.name; });

TEST_F(RosterGridTest, RightClickKeepsASelectionItFallsIn) {
    m_pGrid->SelectRange(2, 2, 6, 6);
    QTest::mouseClick(m_pGrid, Qt::RightButton, {}, Center(4, 4));
    EXPECT_EQ(m_pGrid->GetSelectionEndRow(), 6);
    QTest::mouseClick(m_pGrid, Qt::RightButton, {}, Center(9, 9));
    EXPECT_EQ(std::vector<long>({m_pGrid->GetCurrentRow(), m_pGrid->GetCurrentColumn(),
                                 m_pGrid->GetSelectionEndRow(), m_pGrid->GetSelectionEndColumn()}),
              std::vector<long>({9, 9, 9, 9}));
}

// --- SetSelectionText --------------------------------------------------------------------------

struct PasteCase {
    const char* name;
    long row, column, endRow, endColumn; // the selection
    std::string text;
    std::vector<std::string> expected; // rows 0 to 5 of the grid, cells joined by ","
};
void PrintTo(const PasteCase& c, std::ostream* out) {
    *out << c.name;
}

class SelectionTextTest : public CellGridTest, public testing::WithParamInterface<PasteCase> {
protected:
    // 6 x 5 cells, one fixed row and column marked "h", the other cells ".".
    void SetUp() override {
        CellGridTest::SetUp();
        m_pGrid->SetRowCount(6);
        m_pGrid->SetColumnCount(5);
        for (long row = 0; row < 6; ++row) {
            for (long column = 0; column < 5; ++column)
                m_pGrid->SetCellText(row, column, row == 0 || column == 0 ? "h" : ".");
        }
    }
    std::vector<std::string> Dump() const {
        std::vector<std::string> rows;
        for (long row = 0; row < 6; ++row) {
            std::string line;
            for (long column = 0; column < 5; ++column)
                line += (column ? "," : "") + m_pGrid->GetCellText(row, column);
            rows.push_back(line);
        }
        return rows;
    }
};

TEST_P(SelectionTextTest, SpreadsTheBlockFromTheTopLeftCell) {
    const PasteCase& c = GetParam();
    m_pGrid->SelectRange(c.row, c.column, c.endRow, c.endColumn);
    m_pGrid->SetSelectionText(c.text);
    EXPECT_EQ(Dump(), c.expected);
    EXPECT_TRUE(TakeEvents().empty()) << "no edit events";
}

const std::string kUntouched = "h,.,.,.,.";

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectionTextTest,
    testing::Values(
        PasteCase{"BlockIntoASingleCell",
                  2,
                  2,
                  2,
                  2,
                  "a\tb\rc\td",
                  {"h,h,h,h,h", kUntouched, "h,.,a,b,.", "h,.,c,d,.", kUntouched, kUntouched}},
        PasteCase{"RowBreaksOfAllKinds",
                  1,
                  1,
                  1,
                  1,
                  "a\r\nb\nc\rd",
                  {"h,h,h,h,h", "h,a,.,.,.", "h,b,.,.,.", "h,c,.,.,.", "h,d,.,.,.", kUntouched}},
        PasteCase{"OneTrailingBreakIgnored",
                  1,
                  1,
                  1,
                  1,
                  "a\tb\r\n",
                  {"h,h,h,h,h", "h,a,b,.,.", kUntouched, kUntouched, kUntouched, kUntouched}},
        PasteCase{"OnlyOneTrailingBreakIgnored",
                  1,
                  1,
                  1,
                  1,
                  "a\n\n",
                  {"h,h,h,h,h", "h,a,.,.,.", "h,,.,.,.", kUntouched, kUntouched, kUntouched}},
        PasteCase{"RaggedRowsLeaveTheRestAlone",
                  1,
                  1,
                  1,
                  1,
                  "a\tb\tc\rd\r\te",
                  {"h,h,h,h,h", "h,a,b,c,.", "h,d,.,.,.", "h,,e,.,.", kUntouched, kUntouched}},
        PasteCase{"ClippedAtTheLastRowAndColumn",
                  4,
                  3,
                  4,
                  3,
                  "a\tb\tc\rd\te\tf\rg\th\ti",
                  {"h,h,h,h,h", kUntouched, kUntouched, kUntouched, "h,.,.,a,b", "h,.,.,d,e"}},
        PasteCase{"LargerThanTheSelectionWrittenWhole",
                  1,
                  1,
                  2,
                  2,
                  "a\tb\tc\rd\te\tf\rg\th\ti",
                  {"h,h,h,h,h", "h,a,b,c,.", "h,d,e,f,.", "h,g,h,i,.", kUntouched, kUntouched}},
        PasteCase{"RepeatedOverAWholeMultiple",
                  1,
                  1,
                  4,
                  2,
                  "x\ry",
                  {"h,h,h,h,h", "h,x,x,.,.", "h,y,y,.,.", "h,x,x,.,.", "h,y,y,.,.", kUntouched}},
        PasteCase{"OneCellFillsTheSelection",
                  3,
                  3,
                  1,
                  1,
                  "z",
                  {"h,h,h,h,h", "h,z,z,z,.", "h,z,z,z,.", "h,z,z,z,.", kUntouched, kUntouched}},
        PasteCase{"NoWholeMultipleWrittenOnce",
                  1,
                  1,
                  3,
                  3,
                  "a\tb\rc\td",
                  {"h,h,h,h,h", "h,a,b,.,.", "h,c,d,.,.", kUntouched, kUntouched, kUntouched}},
        PasteCase{"BackwardSelectionFromItsTopLeft",
                  3,
                  4,
                  2,
                  2,
                  "a\tb",
                  {"h,h,h,h,h", kUntouched, "h,.,a,b,.", kUntouched, kUntouched, kUntouched}},
        PasteCase{"NeverIntoFixedCells",
                  0,
                  0,
                  0,
                  0,
                  "p\tq\rr\ts",
                  {"h,h,h,h,h", "h,s,.,.,.", kUntouched, kUntouched, kUntouched, kUntouched}},
        PasteCase{"QuotedCellsAsSpreadsheetsWriteThem",
                  1,
                  1,
                  1,
                  1,
                  "\"a\tb\"\t\"say \"\"hi\"\"\"\r\"two\r\nlines\"\tx\"y\"",
                  {"h,h,h,h,h", "h,a\tb,say \"hi\",.,.", "h,two\r\nlines,x\"y\",.,.", kUntouched,
                   kUntouched, kUntouched}},
        PasteCase{"UnclosedQuoteIsPlainText",
                  1,
                  1,
                  1,
                  1,
                  "\"ab\tc",
                  {"h,h,h,h,h", "h,\"ab,c,.,.", kUntouched, kUntouched, kUntouched, kUntouched}},
        PasteCase{"EmptyCellsClear",
                  1,
                  1,
                  1,
                  1,
                  "\tb",
                  {"h,h,h,h,h", "h,,b,.,.", kUntouched, kUntouched, kUntouched, kUntouched}},
        PasteCase{"BytesKeptAsGiven",
                  1,
                  1,
                  1,
                  1,
                  "\x85\x40\t\xED\x40\t\x82",
                  {"h,h,h,h,h", "h,\x85\x40,\xED\x40,\x82,.", kUntouched, kUntouched, kUntouched,
                   kUntouched}}),
    [](const auto& testInfo) { return testInfo.param.name; });

// --- Shift-JIS bytes ---------------------------------------------------------------------------

struct BytesCase {
    const char* name;
    std::string bytes;
};
void PrintTo(const BytesCase& c, std::ostream* out) {
    *out << c.name;
}

class CellBytesTest : public RosterGridTest, public testing::WithParamInterface<BytesCase> {};

TEST_P(CellBytesTest, ComeBackAsGivenUntilTheUserEditsTheCell) {
    const std::string& bytes = GetParam().bytes;
    ASSERT_NE(QtToSjis(SjisToQt(bytes)), bytes) << "decoding and encoding changes these bytes";
    m_pGrid->SetCellText(3, 4, bytes);
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), bytes);

    Select(3, 4);
    Key(Qt::Key_F2); // opened and accepted without a change
    EditorKey(Qt::Key_Return);
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), bytes);

    Key(Qt::Key_F2);
    EditorKey(Qt::Key_X);
    EditorKey(Qt::Key_Return);
    EXPECT_EQ(m_pGrid->GetCellText(3, 4), QtToSjis(SjisToQt(bytes) + "x")) << "edited";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CellBytesTest,
    testing::Values(BytesCase{"UndefinedPair", "A\x85\x40"}, BytesCase{"LoneLeadByte", "ab\x82"},
                    BytesCase{"InvalidByte", "\xFF\xA0"},
                    BytesCase{"NecSelectedIbmRow", "\xED\x40"}, // comes back as 0xFA 0x5C
                    BytesCase{"NecDuplicate", "\x87\x90"}),     // comes back as 0x81 0xE0
    [](const auto& testInfo) { return testInfo.param.name; });

// --- The duty table's grid ----------------------------------------------------------------------

class DutyGridTest : public CellGridTest {
protected:
    void SetUp() override {
        CellGridTest::SetUp();
        m_pGrid->SetFontName(Sjis("ＭＳ ゴシック"));
        m_pGrid->SetColumnCount(6);
        m_pGrid->SetRowCount(81);
        m_pGrid->SetHeaderCaptions(
            Sjis("No.|略称|勤務名称|所定勤務|備考|印刷時のｺﾒﾝﾄに表示するﾍﾟｰｼﾞ番号"));
        for (long column = 2; column <= 4; ++column)
            m_pGrid->SetColumnWidth(column, 2000);
        for (long row = 1; row <= 80; ++row)
            m_pGrid->SetCellText(row, 0, QString::asprintf("%2ld", row).toStdString());
        m_pGrid->SetColumnAlignment(0, 7);
        m_pGrid->SetColumnList(5, " |1|2|1-2");
        m_pGrid->SetFixedRowCount(1);
        m_pGrid->SelectRange(40, 0, 40, 5);
        m_pGrid->SetRangeBorder(0x00FF0000, 0, 0, 0, 2, 0, 0);
        m_pGrid->SelectRange(0, 0, 0, 0);
        TakeEvents();
    }
};

TEST_F(DutyGridTest, DefaultsFitTheDialog) {
    EXPECT_EQ(m_pGrid->GetFixedColumnCount(), 1) << "the dialog sets none: row numbers only";
    const QString caption = QStringLiteral("印刷時のｺﾒﾝﾄに表示するﾍﾟｰｼﾞ番号");
    EXPECT_GT(m_pGrid->GetCellRect(0, 5).width(), m_pGrid->fontMetrics().horizontalAdvance(caption))
        << "a column without a width fits its caption";
    m_pGrid->SelectRange(2, 1, 2, 1);
    Key(Qt::Key_F2);
    EXPECT_TRUE(m_pGrid->IsEditing()) << "abbreviations are typed";
}

TEST_F(DutyGridTest, TheBlankEntryStoresASpace) {
    m_pGrid->SetCellText(2, 5, "1");
    m_pGrid->SelectRange(2, 5, 2, 5);
    Key(Qt::Key_F2);
    QTest::keyClick(ListPopup(), Qt::Key_Up);
    QTest::keyClick(ListPopup(), Qt::Key_Return);
    EXPECT_EQ(m_pGrid->GetCellText(2, 5), " ");
}

// --- Speed -------------------------------------------------------------------------------------

// Counts the grid's paint events.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(RosterGridTest, LoadingARosterIsInstantAndPaintsOnceAfterwards) {
    PaintCounter counter;
    QCoreApplication::processEvents();
    m_pGrid->installEventFilter(&counter);
    QElapsedTimer timer;
    timer.start();
    const std::string code = Sjis("日勤");
    for (long row = 1; row <= 80; ++row) {
        m_pGrid->SetCellText(row, 1, Sjis("山田太郎"));
        for (long column = 2; column <= 32; ++column)
            m_pGrid->SetCellText(row, column, code);
    }
    for (long column = 2; column <= 32; ++column) {
        m_pGrid->SetCellText(0, column, Sjis(QString::asprintf("%ld(日)", column - 1).toUtf8()));
        m_pGrid->SetRangeProperty(6, 1, column, 80, column, column % 7 ? 0x00FFFFFF : 0x00C0C0FF);
    }
    m_pGrid->hide();
    for (long column = 30; column <= 32; ++column)
        m_pGrid->SetColumnWidth(column, column == 32 ? 0 : 700);
    m_pGrid->show();
    for (long row = 1; row <= 80; ++row)
        ApplyRowUnderline(*m_pGrid, row, 32, row % 5 == 0);
    const qint64 loadMicros = timer.nsecsElapsed() / 1000;
    EXPECT_EQ(counter.paints, 0) << "nothing painted while loading";

    timer.restart();
    m_pGrid->repaint();
    const qint64 paintMicros = timer.nsecsElapsed() / 1000;
    EXPECT_EQ(counter.paints, 1);
    m_pGrid->removeEventFilter(&counter);
    std::cout << "[ timing ] load 81x33 cells, colours, widths, underlines: " << loadMicros
              << " us; one full paint: " << paintMicros << " us\n";
    EXPECT_LT(loadMicros, 50000);
    EXPECT_LT(paintMicros, 50000);
}

} // namespace
