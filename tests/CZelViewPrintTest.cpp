#include "app/Resource.h"
#include "doc/CZelDoc.h"
#include "view/CZelView.h"

#include "PdfReadBack.h"
#include "RecordFixture.h"
#include "TestFiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs answer on the modal dialog that the next call opens, then closes it.
template <class Dialog> void AnswerNextDialog(std::function<void(Dialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no dialog of the expected kind came up";
        answer(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// What the preview of a print command showed.
struct PreviewSeen {
    int pages = -1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// Duty entries that nobody works: a block of one row each, 40 rows a page.
void FillDutyEntries(RosterRecord& record, int count) {
    for (int entry = 1; entry <= count; ++entry)
        SetDuty(record, entry, {"D" + std::to_string(entry), "", "", "", ""});
}

class CZelViewPrintTest : public testing::Test {
protected:
    void SetUp() override {
        doc.OnNewDocument();
        view.OnInitialUpdate();
        view.DateSelector().SetDateText("07D60715"); // 21 July 2006, a Friday
        QCoreApplication::sendPostedEvents(&view);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        view.SetPrinter(&printer);
    }

    RosterRecord& Record() { return doc.m_record; }

    // Runs the print command and returns what its preview showed.
    PreviewSeen Preview(UINT command) {
        PreviewSeen seen;
        AnswerNextDialog<QPrintPreviewDialog>([&seen](QPrintPreviewDialog& preview) {
            auto* widget = preview.findChild<QPrintPreviewWidget*>();
            ASSERT_NE(widget, nullptr);
            seen.pages = widget->pageCount();
            seen.orientation = widget->orientation();
        });
        EXPECT_TRUE(view.OnCommand(command));
        return seen;
    }

    // Ctrl+P, the print dialog answered with OK; what it offered as the page range.
    std::pair<int, int> PrintThroughDialog() {
        std::pair<int, int> range{-1, -1};
        AnswerNextDialog<QPrintDialog>([&range](QPrintDialog& dialog) {
            range = {dialog.minPage(), dialog.maxPage()};
            dialog.accept();
        });
        EXPECT_TRUE(view.OnCommand(ID_FILE_PRINT));
        return range;
    }

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    MessageRecorder messages;
    CZelDoc doc;
    CZelView view{&doc};
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(CZelViewPrintTest, PrintModeStartsMonthlyAndFollowsTheLastCommand) {
    EXPECT_EQ(view.PrintMode(), 0);
    Preview(ID_DAY_PRINT);
    EXPECT_EQ(view.PrintMode(), 1);
    Preview(ID_MONTHLY_PRINT);
    EXPECT_EQ(view.PrintMode(), 0);
}

TEST_F(CZelViewPrintTest, PreviewShowsTheFormsPageCountInLandscape) {
    struct Case {
        const char* what;
        std::function<void(RosterRecord&)> fill;
        UINT command;
        int pages;
    };
    const Case cases[] = {
        {"no names", [](RosterRecord&) {}, ID_MONTHLY_PRINT, 1},
        {"last named row 40",
         [](RosterRecord& r) {
             SetStaffName(r, 1, "A");
             SetStaffName(r, 40, "B");
         },
         ID_MONTHLY_PRINT, 1},
        {"codes but no names after row 40",
         [](RosterRecord& r) {
             SetStaffName(r, 40, "B");
             SetDayCode(r, 60, 3, "X");
         },
         ID_MONTHLY_PRINT, 1},
        {"a name only in row 41", [](RosterRecord& r) { SetStaffName(r, 41, "C"); },
         ID_MONTHLY_PRINT, 2},
        {"day print of 40 rows", [](RosterRecord& r) { FillDutyEntries(r, 40); }, ID_DAY_PRINT, 1},
        {"day print of 45 rows", [](RosterRecord& r) { FillDutyEntries(r, 45); }, ID_DAY_PRINT, 2},
    };
    for (const Case& c : cases) {
        Record() = RosterRecord{};
        c.fill(Record());
        printer.setPageOrientation(QPageLayout::Portrait);
        const PreviewSeen seen = Preview(c.command);
        EXPECT_EQ(seen.pages, c.pages) << c.what;
        EXPECT_EQ(seen.orientation, QPageLayout::Landscape) << c.what;
    }
}

TEST_F(CZelViewPrintTest, CtrlPPrintsTheLastChosenFormInLandscapeWithItsPageRange) {
    Record() = FilledRoster();
    SetStaffName(Record(), 41, Sjis("四十一番"));
    FillDutyEntries(Record(), 0);
    struct Case {
        UINT command;
        int pages;
        const char* title;
    };
    for (const Case& c : {Case{ID_MONTHLY_PRINT, 2, "Varomel（2006年 7月）"},
                          Case{ID_DAY_PRINT, 1, "Varomel（2006年 7月 21日 金曜日）"}}) {
        Preview(c.command);
        // As if portrait had been chosen in the print dialog or the printer set-up.
        printer.setPageOrientation(QPageLayout::Portrait);
        const auto range = PrintThroughDialog();
        EXPECT_EQ(range, std::make_pair(1, c.pages));
        EXPECT_EQ(PdfPageCount(pdf), c.pages) << c.title;
        EXPECT_TRUE(IsLandscape(pdf)) << c.title;
        EXPECT_TRUE(Contains(PageText(pdf, 1), c.title)) << PageText(pdf, 1).toStdString();
    }
    EXPECT_TRUE(Contains(PageText(pdf, 1), "佐藤一郎3"));
}

TEST_F(CZelViewPrintTest, CancelledPrintDialogPrintsNothing) {
    AnswerNextDialog<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(view.OnFilePrint());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(CZelViewPrintTest, PrintedCommentIsTheOneJustTyped) {
    view.CommentBox().setText(QString::fromUtf8("いま入力"));
    // The box's 200 ms watch has not run: the print itself brings the comment in.
    EXPECT_TRUE(view.OnFilePrintDirect());
    EXPECT_TRUE(Contains(PageText(pdf, 1), "いま入力"));
}

TEST_F(CZelViewPrintTest, DayOfAnotherPrintMustBeInTheMonth) {
    EXPECT_TRUE(view.SelectPrintDay(31));
    int year = 0, month = 0, day = 0;
    view.DateSelector().GetDate(year, month, day);
    EXPECT_EQ(day, 31);
    view.DateSelector().SetDateText("07D60201"); // February 2006
    for (const int bad : {0, 29, 32})
        EXPECT_FALSE(view.SelectPrintDay(bad)) << bad;
}

} // namespace
