#include "platform/qt/CPainterDC.h"

#include "PdfReadBack.h"
#include "RecordFixture.h"
#include "print/CDayPrintout.h"
#include "print/CMonthlyPrintout.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// 254 dots per inch: one MM_LOMETRIC unit is one pixel.
QImage WhitePage() {
    QImage image(600, 400, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    return image;
}

bool IsInk(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Leftmost and rightmost ink in row y, or an empty range.
std::pair<int, int> InkSpan(const QImage& image, int y) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (IsInk(image, x, y)) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(CPainterDC, LoMetricLinesRunDownThePageInTenthsOfAMillimetre) {
    QImage image = WhitePage();
    {
        QPainter painter(&image);
        CPainterDC dc(painter);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SelectObject(CPen(PS_SOLID, 10, RGB(0, 0, 0)));
        dc.MoveTo(100, -50);
        dc.LineTo(300, -50);
        dc.SelectObject(CPen(PS_SOLID, 1, RGB(0, 0, 0)));
        dc.MoveTo(50, -100);
        dc.LineTo(50, -300);
    }
    // 1 mm thick at y 5 mm, round ends.
    EXPECT_TRUE(IsInk(image, 200, 46));
    EXPECT_TRUE(IsInk(image, 200, 54));
    EXPECT_FALSE(IsInk(image, 200, 57));
    EXPECT_FALSE(IsInk(image, 200, 43));
    EXPECT_NEAR(InkSpan(image, 50).first, 95, 1);
    EXPECT_NEAR(InkSpan(image, 50).second, 305, 1);
    // 0.1 mm thick at x 5 mm.
    EXPECT_TRUE(IsInk(image, 50, 200));
    EXPECT_FALSE(IsInk(image, 52, 200));
    EXPECT_FALSE(IsInk(image, 50, 90));
}

TEST(CPainterDC, TextModeDrawsInPixels) {
    QImage image = WhitePage();
    {
        QPainter painter(&image);
        CPainterDC dc(painter);
        dc.MoveTo(10, 20);
        dc.LineTo(30, 20);
    }
    EXPECT_EQ(InkSpan(image, 20), std::make_pair(10, 30));
}

TEST(CPainterDC, TextStandsUprightBelowItsCornerAtItsHeightInTenthsOfAMillimetre) {
    QImage image = WhitePage();
    {
        QPainter painter(&image);
        CPainterDC dc(painter);
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(CFont(Sjis("ＭＳ 明朝"), 100, FW_NORMAL));
        dc.TextOut(100, -100, Sjis("▲"));
    }
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 100);
    EXPECT_GE(ink.left(), 100);
    // The triangle of a 10 mm em is some 7 to 9 mm tall, not 10 points or 10 pixels.
    EXPECT_GT(ink.height(), 70);
    EXPECT_LT(ink.height(), 90);
    // Upright: the point is on top.
    const auto upper = InkSpan(image, ink.top() + ink.height() / 4);
    const auto lower = InkSpan(image, ink.bottom() - ink.height() / 4);
    EXPECT_GT(lower.second - lower.first, 2 * (upper.second - upper.first));
}

TEST(CPainterDC, OpaqueTextFillsItsCellWithTheBackgroundColour) {
    for (const int mode : {OPAQUE, TRANSPARENT}) {
        QImage image = WhitePage();
        {
            QPainter painter(&image);
            CPainterDC dc(painter);
            dc.SetMapMode(MM_LOMETRIC);
            dc.SetBkMode(mode);
            dc.SetBkColor(RGB(255, 0, 0));
            dc.SelectObject(CFont(Sjis("ＭＳ 明朝"), 100, FW_NORMAL));
            dc.TextOut(100, -100, "T");
        }
        // Just inside the cell's top-left corner, away from the glyph.
        EXPECT_EQ(image.pixel(101, 101) == qRgb(255, 0, 0), mode == OPAQUE) << mode;
    }
}

// Pages come back as text through poppler: upright text in the fonts the PDF embeds.
TEST(CPainterDC, PrintsBothPrintoutsToALandscapePdfThatReadsBackInJapanese) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("roster.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    const RosterRecord record = FilledRoster();
    {
        QPainter painter(&printer);
        {
            CPainterDC dc(painter);
            CMonthlyPrintout(dc).Print(1, record, 2006, 7, 6);
        }
        printer.newPage();
        CPainterDC dc(painter);
        CDayPrintout day(dc);
        ASSERT_EQ(day.Paginate(record, 20), 1);
        day.Print(1, record, 2006, 7, 21, 6);
    }

    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("842 x 595 pts (A4)"))) << info.toStdString();
    const QString fonts = RunTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QStringLiteral("IPAMincho"))) << fonts.toStdString();

    const QString monthly = PageText(pdf, 1);
    for (const char* expected : {"Varomel（2006年 7月）", "第二病棟　看護師勤務表", "担当者", "1土",
                                 "31月", "1 山田太郎1 明 休 日", "40 田中健40 夜 明 休",
                                 "日(日勤 8:30-17:00 休憩60分) 夜(夜勤 16:30-9:00 仮眠あり) "
                                 "明(夜勤明け ) 休(公休 )"})
        EXPECT_TRUE(Contains(monthly, expected)) << expected << "\n" << monthly.toStdString();

    const QString day = PageText(pdf, 2);
    for (const char* expected :
         {"Varomel（2006年 7月 21日 金曜日）", "勤務名称",
          "1 日 (日勤 8:30-17:00 休憩60分) 佐藤一郎3 高橋美咲4",
          "2 夜 (夜勤 16:30-9:00 仮眠あり) 田中健5", "4 休 (公休 ) 鈴木花子2 鈴木花子7"})
        EXPECT_TRUE(Contains(day, expected)) << expected << "\n" << day.toStdString();
}

} // namespace
