#include "view/CZelView.h"

#include "doc/CDateUtil.h"
#include "platform/qt/CPainterDC.h"
#include "print/CDayPagination.h"
#include "print/CDayPrintout.h"
#include "print/CMonthlyPrintout.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kMonthlyPrint = 0;
constexpr int kDayPrint = 1;

// The monthly frame reaches 285 x 198 mm from the printable corner: with 5 mm margins it fits
// on A4 landscape (297 x 210 mm), where Qt's default margins would clip its right edge.
constexpr double kMarginMm = 5.0;

// Every job and preview is landscape, whatever the print dialog or the set-up chose; the paper
// is kept.
void ForceLandscape(QPrinter& printer) {
    const QPageLayout layout(printer.pageLayout().pageSize(), QPageLayout::Landscape,
                             QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                             QPageLayout::Millimeter);
    // A printer whose hardware margins are wider keeps them, but still turns landscape.
    if (!printer.setPageLayout(layout))
        printer.setPageOrientation(QPageLayout::Landscape);
}

// The day the day printout draws: an unselected day (0) prints day 1.
int PrintedDayIndex(int day) {
    return std::clamp(day, 1, 31) - 1;
}

// The pages to print: the range chosen in the print dialog, within 1 to count.
std::pair<int, int> PagesToPrint(const QPrinter& printer, int count) {
    if (printer.printRange() != QPrinter::PageRange)
        return {1, count};
    return {std::max(1, printer.fromPage()), std::min(count, printer.toPage())};
}

} // namespace

void CZelView::OnMonthlyPrint() {
    m_nPrintMode = kMonthlyPrint;
    OnFilePrintPreview();
}

void CZelView::OnDayPrint() {
    m_nPrintMode = kDayPrint;
    OnFilePrintPreview();
}

int CZelView::CountPrintPages(int printMode) const {
    if (printMode != kDayPrint)
        return CountMonthlyPages(*m_pRecord);
    int year = 0;
    int month = 0;
    int day = 0;
    m_dateSelector.GetDate(year, month, day);
    return CDayPagination().Paginate(*m_pRecord, PrintedDayIndex(day));
}

void CZelView::OnFilePrintPreview() {
    if (!m_pPrinter)
        return;
    CommitPendingInput();
    ForceLandscape(*m_pPrinter);
    // The preview shows the whole form; a range chosen for an earlier job is for that job.
    m_pPrinter->setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog preview(m_pPrinter, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintPages(*printer, m_nPrintMode); });
    preview.exec();
}

bool CZelView::OnFilePrint() {
    if (!m_pPrinter)
        return false;
    CommitPendingInput();
    const int count = CountPrintPages(m_nPrintMode);
    ForceLandscape(*m_pPrinter);
    m_pPrinter->setPrintRange(QPrinter::AllPages);
    m_pPrinter->setFromTo(1, count);
    QPrintDialog dialog(m_pPrinter, this);
    dialog.setMinMax(1, count);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintPages(*m_pPrinter, m_nPrintMode);
}

bool CZelView::OnFilePrintDirect() {
    if (!m_pPrinter || !m_pPrinter->isValid())
        return false;
    CommitPendingInput();
    m_pPrinter->setPrintRange(QPrinter::AllPages);
    return PrintPages(*m_pPrinter, m_nPrintMode);
}

bool CZelView::ExportPdf(const QString& path, int printMode) {
    CommitPendingInput();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return PrintPages(printer, printMode);
}

bool CZelView::SelectPrintDay(int day) {
    int year = 0;
    int month = 0;
    int selectedDay = 0;
    m_dateSelector.GetDate(year, month, selectedDay);
    if (day < 1 || day > CDateUtil().GetDaysInMonth(year, month))
        return false;
    char dateText[16];
    std::snprintf(dateText, sizeof dateText, "%04X%02X%02X", year, month, day);
    m_dateSelector.SetDateText(dateText);
    return true;
}

bool CZelView::PrintPages(QPrinter& printer, int printMode) {
    ForceLandscape(printer);
    const auto [first, last] = PagesToPrint(printer, CountPrintPages(printMode));
    if (first > last)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        CPainterDC dc(painter);
        PrintPage(dc, page, printMode);
    }
    return painter.end();
}

void CZelView::PrintPage(CDC& dc, int page, int printMode) {
    // Read for every page: the date and its first weekday are those shown now.
    int year = 0;
    int month = 0;
    int day = 0;
    m_dateSelector.GetDate(year, month, day);
    if (printMode == kMonthlyPrint) {
        CMonthlyPrintout(dc).Print(page, *m_pRecord, year, month, m_nFirstWeekday);
    } else if (printMode == kDayPrint) {
        CDayPrintout printout(dc);
        printout.Paginate(*m_pRecord, PrintedDayIndex(day));
        printout.Print(page, *m_pRecord, year, month, day, m_nFirstWeekday);
    }
}
