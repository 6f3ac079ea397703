// What keeping the composition safe costs the window every few seconds, on the largest period:
// writing the document text and comparing it with what was kept, and writing a changed one out.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/document.h"
#include "model/recovery_keeper.h"
#include "model/recovery_store.h"
#include "support/largest_period.h"
#include "support/scratch_folder.h"

static void BM_KeepUnchanged(benchmark::State& state) {
    TScratchFolder folder("recovery_bench");
    TRecoveryStore store(folder.path("recovery"));
    store.begin();
    TRecoveryKeeper keeper(store);
    TPeriodData period = largestPeriod();
    keeper.markSaved(std::string());
    keeper.update(documentText(period), "Untitled");
    for (auto _ : state)
        keeper.update(documentText(period), "Untitled");
    state.SetLabel(std::to_string(documentText(period).size()) + " bytes");
}
BENCHMARK(BM_KeepUnchanged)->Unit(benchmark::kMicrosecond);

static void BM_KeepChanged(benchmark::State& state) {
    TScratchFolder folder("recovery_bench");
    TRecoveryStore store(folder.path("recovery"));
    store.begin();
    TRecoveryKeeper keeper(store);
    TPeriodData period = largestPeriod();
    keeper.markSaved(std::string());
    int32_t tempo = 60;
    for (auto _ : state) {
        period.setTempo(tempo = tempo == 60 ? 61 : 60);
        keeper.update(documentText(period), "Untitled");
    }
}
BENCHMARK(BM_KeepChanged)->Unit(benchmark::kMicrosecond);
