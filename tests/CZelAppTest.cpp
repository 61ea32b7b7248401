#include "app/CAboutDlg.h"
#include "app/CCommandLineInfo.h"
#include "app/CZelApp.h"
#include "app/Resource.h"
#include "view/CZelView.h"

#include "PdfReadBack.h"
#include "RecordFixture.h"
#include "TestFiles.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const char kSaveQuestionNew[] = "無題 への変更を保存しますか?";

std::string RosterBytes(char fill) {
    std::string bytes(sizeof(RosterRecord), fill);
    bytes[0] = 2;
    bytes[1] = 0;
    // A real date: the view writes the date it shows back into the record.
    bytes.replace(2, 9, std::string("07D60715\0", 9));
    return bytes;
}

// The application with its file dialogs answered by the test.
class TestApp : public CZelApp {
public:
    QString openAnswer;
    QString saveAnswer;
    QString suggestedSaveName;

protected:
    QString PromptForOpenFileName() override { return openAnswer; }
    QString PromptForSaveFileName(const QString& suggestedName) override {
        suggestedSaveName = suggestedName;
        return saveAnswer;
    }
};

class CZelAppTest : public testing::Test {
protected:
    void SetUp() override {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Varomel", "vkt").clear();
        ASSERT_TRUE(app.InitInstance(CCommandLineInfo()));
    }

    QString File(const char* name) const { return QString::fromStdString(dir.File(name)); }
    QString WriteRoster(const char* name, char fill = 'r') const {
        WriteBytes(dir.File(name), RosterBytes(fill));
        return File(name);
    }
    QStringList MenuNames(int popup) const {
        QStringList names;
        const QList<QAction*> popups = app.MainFrame()->menuBar()->actions();
        for (QAction* action : popups[popup]->menu()->actions())
            names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        return names;
    }
    QString Title() const { return app.MainFrame()->windowTitle(); }
    void Trigger(UINT id) { app.MainFrame()->RouteCommand(id); }

    TempDir dir;
    MessageRecorder messages;
    TestApp app;
};

TEST_F(CZelAppTest, MainMenuHasEveryItemInOrder) {
    const QList<QAction*> popups = app.MainFrame()->menuBar()->actions();
    ASSERT_EQ(popups.size(), 4);
    EXPECT_EQ(popups[0]->text(), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(popups[1]->text(), "設定(&S)");
    EXPECT_EQ(popups[2]->text(), "表示(&V)");
    EXPECT_EQ(popups[3]->text(), "ﾍﾙﾌﾟ(&H)");
    EXPECT_EQ(MenuNames(0), QStringList({"ID_FILE_NEW", "ID_FILE_OPEN", "ID_FILE_SAVE",
                                         "ID_FILE_SAVE_AS", "-", "ID_FILE_PRINT_SETUP",
                                         "ID_MONTHLY_PRINT", "ID_DAY_PRINT", "-",
                                         "ID_FILE_MRU_PLACEHOLDER", "-", "ID_APP_EXIT"}));
    EXPECT_EQ(MenuNames(1), QStringList({"ID_PERSON_COLUMN_SETTING", "ID_DUTY_NAME_DEFINITION"}));
    EXPECT_EQ(MenuNames(2), QStringList({"ID_VIEW_TOOLBAR", "ID_VIEW_STATUS_BAR"}));
    EXPECT_EQ(MenuNames(3), QStringList({"ID_APP_ABOUT"}));

    CMainFrame* frame = app.MainFrame();
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->text(), "新規作成(&N)\tCtrl+N");
    EXPECT_EQ(frame->Action(ID_FILE_OPEN)->text(), "開く(&O)...\tCtrl+O");
    EXPECT_EQ(frame->Action(ID_MONTHLY_PRINT)->text(), "月間印刷(&M)");
    EXPECT_EQ(frame->Action(ID_APP_EXIT)->text(), "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)");
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->data().toUInt(), 57600u);
    EXPECT_EQ(frame->Action(ID_DUTY_NAME_DEFINITION)->data().toUInt(), 32772u);
    const QAction* placeholder = frame->findChild<QAction*>("ID_FILE_MRU_PLACEHOLDER");
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->text(), "最新のﾌｧｲﾙ");
    EXPECT_FALSE(placeholder->isEnabled());
}

TEST_F(CZelAppTest, AcceleratorsAreBoundToTheirCommands) {
    CMainFrame* frame = app.MainFrame();
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame->Action(ID_FILE_SAVE)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(frame->Action(ID_FILE_PRINT)->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(frame->Action(ID_EDIT_COPY)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}));
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    // Nothing handles the edit commands: their keys must stay free for the grid.
    EXPECT_FALSE(frame->Action(ID_EDIT_COPY)->isEnabled());
    EXPECT_FALSE(frame->Action(ID_EDIT_PASTE)->isEnabled());
    EXPECT_FALSE(frame->Action(ID_NEXT_PANE)->isEnabled());
}

TEST_F(CZelAppTest, ToolBarButtonsInOrderWithToolTipsAndPrompts) {
    QStringList names;
    for (QAction* action : app.MainFrame()->ToolBar()->actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(names, QStringList({"ID_FILE_NEW", "ID_FILE_OPEN", "ID_FILE_SAVE", "-",
                                  "ID_MONTHLY_PRINT", "ID_DAY_PRINT", "-",
                                  "ID_DUTY_NAME_DEFINITION", "-", "ID_APP_ABOUT"}));
    CMainFrame* frame = app.MainFrame();
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->toolTip(), "新規ﾌｧｲﾙ");
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->statusTip(), "新規にﾌｧｲﾙを作成");
    EXPECT_EQ(frame->Action(ID_MONTHLY_PRINT)->toolTip(), "月間印刷");
    EXPECT_EQ(frame->Action(ID_APP_ABOUT)->toolTip(), "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_FALSE(frame->Action(ID_FILE_NEW)->icon().isNull());
}

TEST_F(CZelAppTest, StatusBarShowsIdleTextIndicatorsAndPrompts) {
    QStatusBar* bar = app.MainFrame()->statusBar();
    EXPECT_EQ(bar->currentMessage(), "ﾚﾃﾞｨ");
    QStringList indicators;
    for (const char* name : {"ID_INDICATOR_KANA", "ID_INDICATOR_CAPS", "ID_INDICATOR_NUM", "ID_INDICATOR_SCRL"}) {
        const auto* label = bar->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        indicators << label->text();
    }
    EXPECT_EQ(indicators, QStringList({"ｶﾅ", "CAP", "NUM", "SCRL"}));

    // What a menu or tool bar does for the item under the mouse.
    app.MainFrame()->Action(ID_FILE_OPEN)->showStatusText(app.MainFrame());
    EXPECT_EQ(bar->currentMessage(), "既存のﾌｧｲﾙを開く");
    bar->clearMessage();
    EXPECT_EQ(bar->currentMessage(), "ﾚﾃﾞｨ");
}

TEST_F(CZelAppTest, ToolBarAndStatusBarTogglesFollowTheirCheckMarks) {
    app.MainFrame()->show();
    QAction* toolBarItem = app.MainFrame()->Action(ID_VIEW_TOOLBAR);
    QAction* statusBarItem = app.MainFrame()->Action(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(toolBarItem->isChecked());
    EXPECT_TRUE(statusBarItem->isChecked());

    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(app.MainFrame()->ToolBar()->isVisible());
    EXPECT_FALSE(toolBarItem->isChecked());
    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(app.MainFrame()->ToolBar()->isVisible());
    EXPECT_TRUE(toolBarItem->isChecked());

    Trigger(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(app.MainFrame()->statusBar()->isVisible());
    EXPECT_FALSE(statusBarItem->isChecked());
    Trigger(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(statusBarItem->isChecked());
}

TEST_F(CZelAppTest, TitlesFollowTheDocument) {
    EXPECT_EQ(Title(), "無題 - Varomel");
    ASSERT_TRUE(app.OpenDocumentFile(WriteRoster("勤務.vkt")));
    EXPECT_EQ(Title(), "勤務.vkt - Varomel");

    app.saveAnswer = File("saved");
    ASSERT_TRUE(app.OnFileSaveAs());
    EXPECT_EQ(app.suggestedSaveName, "勤務.vkt");
    EXPECT_EQ(Title(), "saved.vkt - Varomel") << "the default extension is added";
    EXPECT_EQ(ReadBytes(dir.File("saved.vkt")), RosterBytes('r'));

    Trigger(ID_FILE_NEW);
    EXPECT_EQ(Title(), "無題 - Varomel");
}

TEST_F(CZelAppTest, SaveOfANewRosterAsksForAName) {
    app.saveAnswer = File("new.vkt");
    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(app.suggestedSaveName, "無題");
    EXPECT_EQ(ReadBytes(dir.File("new.vkt")).size(), sizeof(RosterRecord));
    EXPECT_FALSE(app.Document().IsModified());
    EXPECT_EQ(Title(), "new.vkt - Varomel");
}

TEST_F(CZelAppTest, SaveQuestionBeforeNewOpenAndClose) {
    const QString other = WriteRoster("other.vkt", 'o');
    struct Case {
        const char* name;
        int answer;
        bool keepsRoster;
    };
    for (const Case& c : {Case{"cancel", IDCANCEL, true}, Case{"no", IDNO, false}}) {
        app.Document().OnNewDocument();
        app.Document().m_record.comment[0] = 'X';
        app.Document().SetModifiedFlag(TRUE);

        messages.Clear();
        messages.Answer(c.answer);
        const bool opened = app.OpenDocumentFile(other);
        ASSERT_EQ(messages.Messages().size(), 1u) << c.name;
        EXPECT_EQ(messages.Messages()[0].text, kSaveQuestionNew);
        EXPECT_EQ(messages.Messages()[0].type, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        EXPECT_EQ(opened, !c.keepsRoster) << c.name;
        EXPECT_EQ(app.Document().m_record.comment[0] == 'X', c.keepsRoster) << c.name;
        EXPECT_EQ(app.Document().IsModified() == TRUE, c.keepsRoster) << c.name;
    }

    // Closing the window asks as well; Cancel keeps it open.
    app.MainFrame()->show();
    app.Document().SetModifiedFlag(TRUE);
    messages.Clear();
    messages.Answer(IDCANCEL);
    EXPECT_FALSE(app.MainFrame()->close());
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "other.vkt への変更を保存しますか?");
    EXPECT_TRUE(app.MainFrame()->isVisible());

    // Yes saves first, then goes on.
    app.Document().m_record.comment[0] = 'Y';
    messages.Answer(IDYES);
    Trigger(ID_FILE_NEW);
    EXPECT_EQ(ReadBytes(dir.File("other.vkt"))[offsetof(RosterRecord, comment)], 'Y');
    EXPECT_EQ(Title(), "無題 - Varomel");
}

TEST_F(CZelAppTest, UnmodifiedRosterAsksNothing) {
    ASSERT_TRUE(app.OpenDocumentFile(WriteRoster("a.vkt")));
    Trigger(ID_FILE_NEW);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CZelAppTest, FailedSaveInTheQuestionCancelsTheCommand) {
    app.Document().SetModifiedFlag(TRUE);
    messages.Answer(IDYES);
    app.saveAnswer = File("missing/folder/x.vkt");
    Trigger(ID_FILE_NEW);
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_NE(messages.Messages()[1].text.find("に保存できません。"), std::string::npos);
    EXPECT_TRUE(app.Document().IsModified()) << "the unsaved roster must survive";
}

TEST_F(CZelAppTest, RecentFilesKeepTheLatestFourNewestFirst) {
    QStringList paths;
    for (const char* name : {"1.vkt", "2.vkt", "3.vkt", "4.vkt", "5.vkt"})
        paths << WriteRoster(name);
    for (const QString& path : paths)
        ASSERT_TRUE(app.OpenDocumentFile(path));
    EXPECT_EQ(app.RecentFiles().Files(), QStringList({paths[4], paths[3], paths[2], paths[1]}));

    CMainFrame* frame = app.MainFrame();
    EXPECT_TRUE(frame->Action(ID_FILE_MRU_FILE1)->text().endsWith("5.vkt"));
    EXPECT_TRUE(frame->Action(ID_FILE_MRU_FILE1 + 3)->text().startsWith("&4 "));
    EXPECT_FALSE(frame->findChild<QAction*>("ID_FILE_MRU_PLACEHOLDER")->isVisible());

    // Reopening an entry moves it up without a duplicate; the list is kept in the profile.
    ASSERT_TRUE(app.OpenDocumentFile(paths[2]));
    QSettings profile(QSettings::IniFormat, QSettings::UserScope, "Varomel", "vkt");
    EXPECT_EQ(profile.value("Recent File List/File1").toString(), paths[2]);
    EXPECT_EQ(profile.value("Recent File List/File2").toString(), paths[4]);
    EXPECT_EQ(profile.value("Recent File List/File4").toString(), paths[1]);
    EXPECT_FALSE(profile.contains("Recent File List/File5"));

    // A recent file that no longer opens is reported and dropped.
    QFile::remove(paths[4]);
    Trigger(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(app.RecentFiles().Files(), QStringList({paths[2], paths[3], paths[1]}));
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST_F(CZelAppTest, RecentFilesComeBackAtTheNextStart) {
    const QString path = WriteRoster("kept.vkt");
    ASSERT_TRUE(app.OpenDocumentFile(path));
    TestApp next;
    ASSERT_TRUE(next.InitInstance(CCommandLineInfo()));
    EXPECT_EQ(next.RecentFiles().Files(), QStringList({path}));
    EXPECT_TRUE(next.MainFrame()->Action(ID_FILE_MRU_FILE1)->text().endsWith("kept.vkt"));
}

TEST_F(CZelAppTest, DroppedFileOpensAfterTheSaveQuestion) {
    const QString path = WriteRoster("dropped.vkt", 'd');
    app.Document().SetModifiedFlag(TRUE);
    messages.Answer(IDNO);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    app.MainFrame()->OnDropFiles(&data);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(Title(), "dropped.vkt - Varomel");
    EXPECT_EQ(app.Document().m_record.staff[0].name[0], 'd');
}

TEST_F(CZelAppTest, WrongSizedFileKeepsThePreviousRosterAndItsName) {
    ASSERT_TRUE(app.OpenDocumentFile(WriteRoster("good.vkt", 'g')));
    WriteBytes(dir.File("bad.vkt"), "short");
    EXPECT_FALSE(app.OpenDocumentFile(File("bad.vkt")));
    EXPECT_EQ(Title(), "good.vkt - Varomel");
    EXPECT_EQ(app.Document().m_record.staff[0].name[0], 'g');
    EXPECT_EQ(app.RecentFiles().Files().first(), File("good.vkt"));
}

TEST_F(CZelAppTest, AboutBoxTexts) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報");
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    EXPECT_EQ(texts, QStringList({"Varomel ver.2.00", "Document file ver.2"}));
    EXPECT_GT(about.width(), about.height() * 2) << "243 x 77 dialog units";
}

class CommandLineStart : public testing::Test {
protected:
    void SetUp() override {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Varomel", "vkt").clear();
    }
    TempDir dir;
    MessageRecorder messages;
    TestApp app;
};

TEST_F(CommandLineStart, FileArgumentOpensIt) {
    WriteBytes(dir.File("start.vkt"), RosterBytes('s'));
    ASSERT_TRUE(app.InitInstance(CCommandLineInfo::Parse({QString::fromStdString(dir.File("start.vkt"))})));
    EXPECT_EQ(app.MainFrame()->windowTitle(), "start.vkt - Varomel");
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_FALSE(app.Document().IsModified());
}

TEST_F(CommandLineStart, UnopenableFileSaysWhyAndStartsWithANewRoster) {
    WriteBytes(dir.File("broken.vkt"), "not a roster");
    ASSERT_TRUE(app.InitInstance(CCommandLineInfo::Parse({QString::fromStdString(dir.File("broken.vkt"))})));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text.rfind("read file size err", 0), 0u);
    EXPECT_EQ(app.MainFrame()->windowTitle(), "無題 - Varomel");
    EXPECT_EQ(app.Document().m_record.version, 2);
}

TEST_F(CommandLineStart, PrintingWithoutItsPrinterSaysSoAndFails) {
    // The tests run without a CUPS server: there is no printer at all.
    WriteBytes(dir.File("print.vkt"), RosterBytes('p'));
    const QString file = QString::fromStdString(dir.File("print.vkt"));
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"/p", file}, "vkt: no default printer is available\n"},
        {{"/pt", file, "NoSuchPrinter"}, "vkt: there is no printer named NoSuchPrinter\n"},
    };
    for (const auto& c : cases) {
        TestApp printing;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(printing.InitInstance(CCommandLineInfo::Parse(c.arguments)));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(printing.ExitCode(), 1);
        EXPECT_FALSE(printing.MainFrame()->isVisible());
    }
}

// A filled roster of July 2006 saved with its own day, the 10th (a Monday).
QString WriteFilledRoster(const TempDir& dir) {
    RosterRecord record = FilledRoster();
    record.version = 2;
    StoreFieldText(record.dateText, "07D6070A");
    WriteBytes(dir.File("filled.vkt"), std::string(reinterpret_cast<const char*>(&record), sizeof record));
    return QString::fromStdString(dir.File("filled.vkt"));
}

TEST_F(CommandLineStart, PdfExportWritesTheChosenPrintAndEnds) {
    const QString roster = WriteFilledRoster(dir);
    const QString pdf = QString::fromStdString(dir.File("out.pdf"));
    const struct {
        QStringList arguments;
        std::vector<const char*> texts;
    } cases[] = {
        {{"--pdf", pdf, roster},
         {"Varomel（2006年 7月）", "第二病棟　看護師勤務表", "1 山田太郎1 明 休 日",
          "日(日勤 8:30-17:00 休憩60分) 夜(夜勤 16:30-9:00 仮眠あり)"}},
        {{"--pdf-day", pdf, roster}, {"Varomel（2006年 7月 10日 月曜日）", "勤務名称"}},
        {{"--pdf-day", pdf, "--day", "21", roster},
         {"Varomel（2006年 7月 21日 金曜日）", "1 日 (日勤 8:30-17:00 休憩60分) 佐藤一郎3"}},
    };
    for (const auto& c : cases) {
        const std::string line = c.arguments.join(' ').toStdString();
        QFile::remove(pdf);
        TestApp exporting;
        EXPECT_FALSE(exporting.InitInstance(CCommandLineInfo::Parse(c.arguments))) << line;
        EXPECT_EQ(exporting.ExitCode(), 0) << line;
        EXPECT_EQ(PdfPageCount(pdf), 1) << line;
        EXPECT_TRUE(IsLandscape(pdf)) << line;
        const QString text = PageText(pdf, 1);
        for (const char* expected : c.texts)
            EXPECT_TRUE(Contains(text, expected)) << line << ": " << expected << "\n" << text.toStdString();
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CommandLineStart, PdfExportThatCannotBeDoneSaysWhyAndFails) {
    const QString roster = WriteFilledRoster(dir);
    const QString pdf = QString::fromStdString(dir.File("out.pdf"));
    const struct {
        QStringList arguments;
        std::string message;
    } cases[] = {
        {{"--pdf", dir.File("no/such/folder/out.pdf").c_str(), roster},
         "vkt: cannot write " + dir.File("no/such/folder/out.pdf") + "\n"},
        {{"--pdf-day", pdf, "--day", "31", QString::fromStdString(dir.File("june.vkt"))},
         "vkt: day 31 is not a day of the roster's month\n"},
        {{"--pdf", pdf, QString::fromStdString(dir.File("missing.vkt"))},
         "vkt: cannot open " + dir.File("missing.vkt") + "\n"},
    };
    RosterRecord june = FilledRoster();
    june.version = 2;
    StoreFieldText(june.dateText, "07D60601");
    WriteBytes(dir.File("june.vkt"), std::string(reinterpret_cast<const char*>(&june), sizeof june));
    for (const auto& c : cases) {
        TestApp exporting;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(exporting.InitInstance(CCommandLineInfo::Parse(c.arguments)));
        // Qt may warn before the program's own line.
        const std::string written = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(written.ends_with(c.message)) << written;
        EXPECT_EQ(exporting.ExitCode(), 1);
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

struct ParseCase {
    QStringList arguments;
    CCommandLineInfo::Shell shell;
    const char* file;
    const char* printer;
    const char* output = "";
    int printMode = 0;
    int day = 0;
};

TEST(CCommandLineInfo, Parse) {
    const ParseCase cases[] = {
        {{}, CCommandLineInfo::FileNew, "", ""},
        {{"a.vkt"}, CCommandLineInfo::FileOpen, "a.vkt", ""},
        {{"/tmp/p.vkt"}, CCommandLineInfo::FileOpen, "/tmp/p.vkt", ""},
        {{"/p", "a.vkt"}, CCommandLineInfo::FilePrint, "a.vkt", ""},
        {{"/P", "a.vkt"}, CCommandLineInfo::FilePrint, "a.vkt", ""},
        {{"/pt", "a.vkt", "PDF"}, CCommandLineInfo::FilePrintTo, "a.vkt", "PDF"},
        {{"/pt", "a.vkt", "PDF", "drv", "port"}, CCommandLineInfo::FilePrintTo, "a.vkt", "PDF"},
        {{"--pdf", "o.pdf", "a.vkt"}, CCommandLineInfo::FileExportPdf, "a.vkt", "", "o.pdf", 0, 0},
        {{"--pdf-day", "o.pdf", "a.vkt"}, CCommandLineInfo::FileExportPdf, "a.vkt", "", "o.pdf", 1, 0},
        {{"--pdf-day", "o.pdf", "--day", "7", "a.vkt"}, CCommandLineInfo::FileExportPdf, "a.vkt", "", "o.pdf", 1, 7},
        {{"--pdf-day", "--day", "31", "o.pdf", "a.vkt"}, CCommandLineInfo::FileExportPdf, "a.vkt", "", "o.pdf", 1, 31},
        {{"--help"}, CCommandLineInfo::ShowHelp, "", ""},
        {{"--example", "x.vkt"}, CCommandLineInfo::WriteExample, "x.vkt", ""},
        {{"--example"}, CCommandLineInfo::Invalid, "", ""},
        {{"/p"}, CCommandLineInfo::Invalid, "", ""},
        {{"/pt", "a.vkt"}, CCommandLineInfo::Invalid, "", ""},
        {{"a.vkt", "b.vkt"}, CCommandLineInfo::Invalid, "", ""},
        {{"--bogus"}, CCommandLineInfo::Invalid, "", ""},
        {{"--pdf", "o.pdf"}, CCommandLineInfo::Invalid, "", ""},
        {{"--pdf", "o.pdf", "a.vkt", "b.vkt"}, CCommandLineInfo::Invalid, "", ""},
        {{"--pdf", "o.pdf", "--day", "3", "a.vkt"}, CCommandLineInfo::Invalid, "", ""},
        {{"--pdf-day", "o.pdf", "--day", "a.vkt"}, CCommandLineInfo::Invalid, "", ""},
        {{"--pdf-day", "o.pdf", "--day", "0", "a.vkt"}, CCommandLineInfo::Invalid, "", ""},
        {{"--pdf-day", "o.pdf", "--day", "32", "a.vkt"}, CCommandLineInfo::Invalid, "", ""},
    };
    for (const ParseCase& c : cases) {
        const CCommandLineInfo info = CCommandLineInfo::Parse(c.arguments);
        EXPECT_EQ(info.m_nShellCommand, c.shell) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(info.m_strFileName, c.file);
        EXPECT_EQ(info.m_strPrinterName, c.printer);
        EXPECT_EQ(info.m_strOutputName, c.output);
        EXPECT_EQ(info.m_nPrintMode, c.printMode);
        EXPECT_EQ(info.m_nDay, c.day);
        EXPECT_EQ(info.m_strError.isEmpty(), c.shell != CCommandLineInfo::Invalid);
    }
}

} // namespace
