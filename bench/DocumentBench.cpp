// Opening and saving a full roster on disk, as File > Open and File > Save do.
#include "RecordFixture.h"
#include "doc/CZelDoc.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void BM_SaveFullRoster(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("full.vkt").toStdString();
    auto doc = std::make_unique<CZelDoc>();
    FillFullRoster(doc->m_record);
    for (auto _ : state)
        if (!doc->OnSaveDocument(path))
            state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveFullRoster)->Unit(benchmark::kMicrosecond);

void BM_OpenFullRoster(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("full.vkt").toStdString();
    auto doc = std::make_unique<CZelDoc>();
    FillFullRoster(doc->m_record);
    doc->OnSaveDocument(path);
    for (auto _ : state)
        if (!doc->OnOpenDocument(path))
            state.SkipWithError("open failed");
}
BENCHMARK(BM_OpenFullRoster)->Unit(benchmark::kMicrosecond);

} // namespace
