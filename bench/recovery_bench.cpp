// What keeping the composition safe costs the window every few seconds, on the largest period:
// writing the document text and comparing it with what was kept, and writing a changed one out.
#include <benchmark/benchmark.h>

#include "model/document.h"
#include "model/recovery_keeper.h"
#include "model/recovery_store.h"
#include "support/largest_period.h"
#include "support/scratch_folder.h"

namespace {

// A run's recovery folder, and a keeper for which every composition is unsaved work.
struct TKeeping {
    TScratchFolder folder{"recovery_bench"};
    TRecoveryStore store{folder.path("recovery")};
    TRecoveryKeeper keeper{store};
    TPeriodData period = largestPeriod();

    TKeeping() {
        store.begin();
        keeper.markSaved(std::string());
    }
};

}  // namespace

static void BM_KeepUnchanged(benchmark::State& state) {
    TKeeping k;
    k.keeper.update(documentText(k.period), "Untitled");
    for (auto _ : state)
        k.keeper.update(documentText(k.period), "Untitled");
    state.SetLabel(std::to_string(documentText(k.period).size()) + " bytes");
}
BENCHMARK(BM_KeepUnchanged)->Unit(benchmark::kMicrosecond);

static void BM_KeepChanged(benchmark::State& state) {
    TKeeping k;
    int32_t tempo = 60;
    for (auto _ : state) {
        k.period.setTempo(tempo = tempo == 60 ? 61 : 60);
        k.keeper.update(documentText(k.period), "Untitled");
    }
}
BENCHMARK(BM_KeepChanged)->Unit(benchmark::kMicrosecond);
