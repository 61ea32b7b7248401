#include "dialogs/CDutyNameDlg.h"
#include "app/Resource.h"
#include "doc/CZelDoc.h"
#include "view/CZelView.h"

#include "CellMenuFixture.h"
#include "MessageSink.h"
#include "RecordFixture.h"
#include "TestFiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr UINT kQuestion = MB_YESNO | MB_ICONQUESTION;
constexpr UINT kRefusal = MB_OK | MB_ICONINFORMATION;

// Every entry distinct in all six columns, with bytes after some terminators.
void FillDutyTable(RosterRecord& record) {
    for (int entry = 1; entry <= kDutyEntries; ++entry) {
        const std::string n = std::to_string(entry);
        SetDuty(record, entry,
                {"a" + n, Sjis("勤務") + n, "w" + n, "r" + n, entry % 2 ? "1" : "2"});
        record.duty.underline[entry - 1] = entry % 3 == 0 ? 1 : 0;
    }
    record.duty.name[5][18] = 'j';
    record.duty.underline[39] = 1; // entry 40 takes no underline
}

// The six columns of one entry as bytes.
std::string EntryBytes(const DutyTable& duty, int entry) {
    const std::size_t i = static_cast<std::size_t>(entry - 1);
    std::string bytes(duty.abbrev[i], sizeof duty.abbrev[i]);
    bytes.append(duty.name[i], sizeof duty.name[i]);
    bytes.append(duty.work[i], sizeof duty.work[i]);
    bytes.append(duty.remarks[i], sizeof duty.remarks[i]);
    bytes.append(duty.printPage[i], sizeof duty.printPage[i]);
    bytes += static_cast<char>(duty.underline[i]);
    return bytes;
}

class DutyDialog : public testing::Test {
protected:
    void SetUp() override {
        // As at the program's start: no walk yet.
        g_nCopyRowSpan = -1;
        g_nCopyColSpan = -1;
        FillDutyTable(record);
        before = record;
        dialog = std::make_unique<CDutyNameDlg>(&record);
    }

    void Menu(UINT id) { TriggerCellMenu(dialog->CellMenu(), id); }
    CCellGrid& Grid() { return dialog->Grid(); }
    bool RecordUnchanged() const { return std::memcmp(&record, &before, sizeof record) == 0; }

    RosterRecord record{};
    RosterRecord before{};
    MessageRecorder messages;
    std::unique_ptr<CDutyNameDlg> dialog;
};

TEST_F(DutyDialog, SetUpShowsTheTableWithNoRowSelected) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("勤務名称定義"));
    EXPECT_EQ(dialog->findChild<QPushButton*>("1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog->findChild<QPushButton*>("2")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    ASSERT_EQ(Grid().GetRowCount(), 81);
    ASSERT_EQ(Grid().GetColumnCount(), 6);
    const char* captions[] = {"No.",      "略称", "勤務名称",
                              "所定勤務", "備考", "印刷時のｺﾒﾝﾄに表示するﾍﾟｰｼﾞ番号"};
    for (long column = 0; column < 6; ++column)
        EXPECT_EQ(CellUtf8(Grid(), 0, column), captions[column]);
    EXPECT_EQ(Grid().GetCellText(1, 0), " 1");
    EXPECT_EQ(Grid().GetCellText(80, 0), "80");
    EXPECT_EQ(Grid().GetCellText(7, 1), "a7");
    EXPECT_EQ(CellUtf8(Grid(), 7, 2), "勤務7");
    EXPECT_EQ(Grid().GetCellText(7, 5), "1");
    EXPECT_EQ(SelectionOf(Grid()), (Selection{0, 0, 0, 0}));
    EXPECT_TRUE(dialog->IsUnderlined(3));
    EXPECT_FALSE(dialog->IsUnderlined(4));
    EXPECT_FALSE(dialog->IsUnderlined(40));
}

TEST_F(DutyDialog, OkWithoutChangesKeepsEveryEntryButEntry40sUnderline) {
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(record.duty.underline[39], 0);
    record.duty.underline[39] = 1;
    EXPECT_TRUE(RecordUnchanged());
}

TEST_F(DutyDialog, SaveCutsEachCellToItsFieldOnAWholeCharacter) {
    struct Case {
        long column;
        const char* typed;
        std::string stored;
    };
    const Case cases[] = {
        {1, "日勤夜勤", Sjis("日勤")},
        {1, "ab日", "ab" + Sjis("日")},
        {1, "abc日", "abc"},
        {2, "123456789012345678901234", "12345678901234567890"},
        {3, "ああああああああああい", Sjis("ああああああああああ")},
        {4, "😀", "?"},
        {5, "1-2-3", "1-2-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Grid().SetCellText(2, c.column, Sjis(c.typed));
        dialog->SaveToRecord();
        const DutyTable& duty = record.duty;
        const char* field = c.column == 1   ? duty.abbrev[1]
                            : c.column == 2 ? duty.name[1]
                            : c.column == 3 ? duty.work[1]
                            : c.column == 4 ? duty.remarks[1]
                                            : duty.printPage[1];
        EXPECT_EQ(std::string(field), c.stored);
    }
    EXPECT_EQ(FieldText(record.duty.abbrev[2]), "a3");
}

TEST_F(DutyDialog, CellCommandsChangeOnlyTheGridUntilASave) {
    Grid().SelectRange(1, 1, 2, 2);
    Menu(ID_COPY_CELLS);
    EXPECT_EQ(ClipboardText(), QStringLiteral("a1\t勤務1\ra2\t勤務2"));
    EXPECT_EQ(g_nCopyRowSpan, 1);
    EXPECT_EQ(g_nCopyColSpan, 1);

    Grid().SelectRange(10, 3, 10, 3);
    Menu(ID_PASTE_CELLS);
    EXPECT_EQ(SelectionOf(Grid()), (Selection{10, 3, 11, 4}));
    EXPECT_EQ(Grid().GetCellText(11, 3), "a2");
    Grid().SelectRange(20, 1, 20, 5);
    Menu(ID_DELETE_CELLS);
    Grid().SelectRange(30, 1, 30, 1);
    Menu(ID_CUT_CELLS);
    EXPECT_EQ(ClipboardText(), QStringLiteral("a30"));
    EXPECT_EQ(Grid().GetCellText(30, 1), "");
    EXPECT_TRUE(RecordUnchanged());

    dialog->SaveToRecord();
    EXPECT_EQ(FieldText(record.duty.work[9]), "a1");
    EXPECT_EQ(FieldText(record.duty.remarks[10]), Sjis("勤務2"));
    EXPECT_EQ(FieldText(record.duty.printPage[19]), "");
    EXPECT_EQ(FieldText(record.duty.abbrev[29]), "");
}

TEST_F(DutyDialog, PasteWideningStopsAtTheLastColumn) {
    Grid().SelectRange(1, 1, 1, 3);
    Menu(ID_COPY_CELLS);
    Grid().SelectRange(80, 4, 80, 4);
    Menu(ID_PASTE_CELLS);
    EXPECT_EQ(SelectionOf(Grid()), (Selection{80, 4, 80, 5}));
    EXPECT_EQ(Grid().GetCellText(80, 4), "a1");
    EXPECT_EQ(CellUtf8(Grid(), 80, 5), "勤務1");
}

TEST_F(DutyDialog, UnderlineAsksToRemoveWhatWasAddedBeforeAndAfterASave) {
    const char* add = "No.4に下線をつけます。よろしいですか？";
    const char* remove = "No.4の下線を削除します。よろしいですか？";
    Grid().SelectRange(4, 2, 4, 2);
    Menu(ID_UNDERLINE);
    EXPECT_TRUE(dialog->IsUnderlined(4));
    EXPECT_EQ(SelectionOf(Grid()), (Selection{0, 0, 0, 0}));
    EXPECT_TRUE(RecordUnchanged());

    Grid().SelectRange(4, 2, 4, 2);
    messages.Answer(IDNO);
    Menu(ID_UNDERLINE);
    dialog->SaveToRecord();
    EXPECT_EQ(record.duty.underline[3], 1);
    Grid().SelectRange(4, 1, 4, 1);
    Menu(ID_UNDERLINE);
    EXPECT_FALSE(dialog->IsUnderlined(4));

    ASSERT_EQ(messages.Messages().size(), 3u);
    EXPECT_EQ(messages.Messages()[0].text, add);
    EXPECT_EQ(messages.Messages()[1].text, remove);
    EXPECT_EQ(messages.Messages()[2].text, remove);
    EXPECT_EQ(messages.Messages()[2].type, kQuestion);
}

TEST_F(DutyDialog, RowCommandsRightAfterOpeningAskForARowAndRow40TakesNoUnderline) {
    const std::pair<UINT, const char*> cases[] = {
        {ID_UNDERLINE, "設定する行を選択してください。"},
        {ID_DELETE_ROW, "削除する行を選択してください。"},
        {ID_INSERT_ROW, "挿入する行を選択してください。"},
    };
    for (const auto& [id, text] : cases) {
        messages.Clear();
        Menu(id);
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, text);
        EXPECT_EQ(messages.Messages()[0].type, kRefusal);
    }
    messages.Clear();
    Grid().SelectRange(40, 1, 40, 1);
    Menu(ID_UNDERLINE);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "No.40には下線は設定できません。");
    EXPECT_FALSE(dialog->IsUnderlined(40));
    EXPECT_TRUE(RecordUnchanged());
}

struct DutyRowCase {
    UINT id;
    int entry;
};

class DutyDialogRowCommand : public DutyDialog, public testing::WithParamInterface<DutyRowCase> {};

TEST_P(DutyDialogRowCommand, SavesFirstThenMovesAllSixColumns) {
    const DutyRowCase& c = GetParam();
    // An edit still in the grid is saved before the move and moves with its entry.
    Grid().SetCellText(c.entry, 4, "edited");
    RosterRecord saved = record;
    StoreFieldText(saved.duty.remarks[c.entry - 1], "edited");
    saved.duty.underline[39] = 0;

    Grid().SelectRange(c.entry, 2, c.entry, 2);
    Menu(c.id);

    const std::string zero(5 + 21 + 21 + 21 + 5 + 1, '\0');
    for (int entry = 1; entry <= kDutyEntries; ++entry) {
        SCOPED_TRACE(entry);
        int source = entry;
        if (c.id == ID_DELETE_ROW && entry >= c.entry)
            source = entry == kDutyEntries ? 0 : entry + 1;
        if (c.id == ID_INSERT_ROW && entry >= c.entry)
            source = entry == c.entry ? 0 : entry - 1;
        const std::string expected = source == 0 ? zero : EntryBytes(saved.duty, source);
        EXPECT_EQ(EntryBytes(record.duty, entry), expected);
        EXPECT_EQ(Grid().GetCellText(entry, 1), FieldText(record.duty.abbrev[entry - 1]));
        EXPECT_EQ(dialog->IsUnderlined(entry),
                  entry != 40 && record.duty.underline[entry - 1] == 1);
    }
    EXPECT_EQ(std::memcmp(&record.staff, &before.staff, sizeof record.staff), 0);
    EXPECT_EQ(SelectionOf(Grid()), (Selection{0, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Entries, DutyDialogRowCommand,
                         testing::Values(DutyRowCase{ID_DELETE_ROW, 1},
                                         DutyRowCase{ID_DELETE_ROW, 80},
                                         DutyRowCase{ID_INSERT_ROW, 1},
                                         DutyRowCase{ID_INSERT_ROW, 80}),
                         [](const testing::TestParamInfo<DutyRowCase>& param) {
                             return (param.param.id == ID_DELETE_ROW ? "Delete" : "Insert") +
                                    std::to_string(param.param.entry);
                         });

TEST_F(DutyDialog, KeysActOnTheEditCellInTheGridAlone) {
    short deleteKey = 0x2E;
    dialog->KeyDown(&deleteKey, 0); // no edit cell yet
    EXPECT_EQ(Grid().GetCellText(1, 1), "a1");

    BOOL cancel = FALSE;
    dialog->EditStarting(5, 3, &cancel);
    short c = 'C';
    dialog->KeyDown(&c, 2);
    EXPECT_EQ(ClipboardText(), QStringLiteral("w5"));
    dialog->KeyDown(&deleteKey, 1);
    EXPECT_EQ(Grid().GetCellText(5, 3), "");
    PutOnClipboard(QStringLiteral("pasted\n"));
    short v = 'V';
    dialog->KeyDown(&v, 2 | 1); // Ctrl+Shift+V is not a paste
    EXPECT_EQ(Grid().GetCellText(5, 3), "");
    dialog->KeyDown(&v, 2);
    EXPECT_EQ(Grid().GetCellText(5, 3), "pasted");
    EXPECT_TRUE(RecordUnchanged());
}

TEST_F(DutyDialog, TypingStopsAtEachColumnsLimit) {
    dialog->show();
    const std::string typed = "1234567890123456789012345";
    const std::pair<long, std::size_t> limits[] = {{1, 4}, {2, 20}, {3, 20}, {4, 20}};
    for (const auto& [column, limit] : limits) {
        SCOPED_TRACE(column);
        Grid().SetCellText(9, column, "");
        Grid().SelectRange(9, column, 9, column);
        QTest::keyClick(&Grid(), Qt::Key_F2);
        auto* editor = Grid().findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, QString::fromStdString(typed));
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor's commit after Return is queued.
        const std::string kept = typed.substr(0, limit);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Grid().GetCellText(9, column) == kept; }));
        EXPECT_EQ(Grid().GetCellText(9, column), kept);
    }
}

TEST_F(DutyDialog, RightClickOpensTheCellMenu) {
    dialog->show();
    QTest::mouseClick(&Grid(), Qt::RightButton, {}, Grid().GetCellRect(3, 2).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->CellMenu()->isVisible(); }));
    dialog->CellMenu()->hide();
}

// The dialog run by the view's command, answered by the test once it is open.
class ViewDutyDialog : public testing::Test {
protected:
    void SetUp() override {
        FillDutyTable(doc.m_record);
        SetDayCode(doc.m_record, 1, 1, "x");
        SetDayCode(doc.m_record, 2, 1, "y");
        view.OnInitialUpdate();
        DeliverPostedMessages();
        doc.SetModifiedFlag(FALSE);
        before = doc.m_record;
    }

    void RunDialog(std::function<void(CDutyNameDlg&)> act) {
        QTimer::singleShot(0, [act] {
            auto* open = qobject_cast<CDutyNameDlg*>(QApplication::activeModalWidget());
            if (open == nullptr) {
                ADD_FAILURE() << "the duty dialog did not open";
                if (QApplication::activeModalWidget() != nullptr)
                    QApplication::activeModalWidget()->close();
                return;
            }
            act(*open);
        });
        TriggerCellMenu(view.CellMenu(), ID_COPY_CELLS); // any walk, so that paste works
        view.OnCommand(ID_DUTY_NAME_DEFINITION);
    }

    static void MoveRows(CDutyNameDlg& dialog) {
        dialog.Grid().SelectRange(2, 2, 2, 2);
        dialog.OnCommand(ID_DELETE_ROW);
        dialog.Grid().SelectRange(79, 1, 79, 1);
        dialog.OnCommand(ID_INSERT_ROW);
        dialog.Grid().SelectRange(5, 1, 5, 1);
        dialog.OnCommand(ID_UNDERLINE);
        dialog.Grid().SetCellText(6, 1, "new");
    }

    bool RecordUnchanged() const { return std::memcmp(&doc.m_record, &before, sizeof before) == 0; }

    CZelDoc doc;
    CZelView view{&doc};
    RosterRecord before{};
    MessageRecorder messages;
};

TEST_F(ViewDutyDialog, CancelAfterRowCommandsRestoresTheRecordByteForByte) {
    const std::pair<const char*, std::function<void(CDutyNameDlg&)>> cancels[] = {
        {"button", [](CDutyNameDlg& d) { d.findChild<QPushButton*>("2")->click(); }},
        {"Escape", [](CDutyNameDlg& d) { QTest::keyClick(&d.Grid(), Qt::Key_Escape); }},
        {"close box", [](CDutyNameDlg& d) { d.close(); }},
    };
    for (const auto& [how, cancel] : cancels) {
        SCOPED_TRACE(how);
        RunDialog([cancel = cancel](CDutyNameDlg& d) {
            MoveRows(d);
            cancel(d);
        });
        EXPECT_TRUE(RecordUnchanged());
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(ViewDutyDialog, EscapeInTheCellEditorCancelsTheEditNotTheDialog) {
    bool stillOpen = false;
    RunDialog([&stillOpen](CDutyNameDlg& d) {
        d.Grid().SelectRange(3, 2, 3, 2);
        QTest::keyClick(&d.Grid(), Qt::Key_F2);
        auto* editor = d.Grid().findChild<QLineEdit*>();
        if (editor == nullptr)
            return d.accept();
        QTest::keyClicks(editor, QStringLiteral("zz"));
        QTest::keyClick(editor, Qt::Key_Escape);
        stillOpen = d.isVisible() && !d.Grid().IsEditing();
        d.accept();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(FieldText(doc.m_record.duty.name[2]), Sjis("勤務3"));
}

TEST_F(ViewDutyDialog, OkWithoutChangesStillMarksTheRosterModified) {
    RunDialog([](CDutyNameDlg& d) { d.findChild<QPushButton*>("1")->click(); });
    EXPECT_TRUE(doc.IsModified());
    before.duty.underline[39] = 0;
    EXPECT_TRUE(RecordUnchanged());
}

TEST_F(ViewDutyDialog, BlockCopiedInTheViewPastesInTheDialogAndOkRebuildsTheLegend) {
    view.Grid()->SelectRange(1, 2, 2, 2);
    TriggerCellMenu(view.CellMenu(), ID_COPY_CELLS);
    EXPECT_EQ(ClipboardText(), QStringLiteral("x\ry"));

    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CDutyNameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->Grid().SelectRange(1, 1, 1, 1);
        TriggerCellMenu(d->CellMenu(), ID_PASTE_CELLS);
        d->accept();
    });
    view.OnCommand(ID_DUTY_NAME_DEFINITION);

    EXPECT_EQ(FieldText(doc.m_record.duty.abbrev[0]), "x");
    EXPECT_EQ(FieldText(doc.m_record.duty.abbrev[1]), "y");
    const std::string legendStart = "x:" + Sjis("勤務1") + " y:" + Sjis("勤務2") + " ";
    EXPECT_EQ(view.Legend().Text().substr(0, legendStart.size()), legendStart);
    EXPECT_TRUE(doc.IsModified());
}

} // namespace
