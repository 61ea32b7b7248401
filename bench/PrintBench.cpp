// One printed page of each form, from a full roster: the layout alone on a device that draws
// nothing, then drawn onto an A4 landscape image and into a PDF file.
#include "NullDC.h"
#include "RecordFixture.h"
#include "platform/qt/CPainterDC.h"
#include "print/CDayPrintout.h"
#include "print/CMonthlyPrintout.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kYear = 2026;
constexpr int kMonth = 12;
constexpr int kDay = 1;
constexpr int kFirstWeekday = 2; // 1 December 2026 is a Tuesday

const RosterRecord& FullRoster() {
    static const RosterRecord record = [] {
        RosterRecord filled{};
        filled.version = kRecordVersion;
        FillFullRoster(filled);
        return filled;
    }();
    return record;
}

void PrintMonthly(CDC& dc) {
    CMonthlyPrintout(dc).Print(1, FullRoster(), kYear, kMonth, kFirstWeekday);
}

void PrintDay(CDC& dc) {
    CDayPrintout day(dc);
    day.Paginate(FullRoster(), kDay - 1);
    day.Print(1, FullRoster(), kYear, kMonth, kDay, kFirstWeekday);
}

// A4 landscape at 254 dots per inch: one MM_LOMETRIC unit a pixel.
QImage A4Page() {
    QImage image(2970, 2100, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    return image;
}

void OnNullDC(benchmark::State& state, void (*print)(CDC&)) {
    for (auto _ : state) {
        NullDC dc;
        print(dc);
    }
}

void OnImage(benchmark::State& state, void (*print)(CDC&)) {
    QImage image = A4Page();
    for (auto _ : state) {
        QPainter painter(&image);
        CPainterDC dc(painter);
        print(dc);
    }
}

void IntoPdf(benchmark::State& state, void (*print)(CDC&)) {
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                          QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        QPainter painter(&printer);
        CPainterDC dc(painter);
        print(dc);
    }
}

BENCHMARK_CAPTURE(OnNullDC, Monthly, PrintMonthly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OnNullDC, Day, PrintDay)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OnImage, Monthly, PrintMonthly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OnImage, Day, PrintDay)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntoPdf, Monthly, PrintMonthly)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IntoPdf, Day, PrintDay)->Unit(benchmark::kMillisecond);

} // namespace
