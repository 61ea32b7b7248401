// Showing a full roster anew in the view, as after every New and Open.
#include "RecordFixture.h"
#include "doc/CZelDoc.h"
#include "view/CZelView.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void BM_ReloadFullRosterIntoView(benchmark::State& state) {
    auto doc = std::make_unique<CZelDoc>();
    FillFullRoster(doc->m_record);
    CZelView view(doc.get());
    view.resize(1200, 800);
    view.show();
    view.OnInitialUpdate();
    for (auto _ : state) {
        view.OnInitialUpdate();
        QCoreApplication::sendPostedEvents(); // what the reload posts is part of it
    }
}
BENCHMARK(BM_ReloadFullRosterIntoView)->Unit(benchmark::kMillisecond);

} // namespace
