#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

#include "generation/chord_selection.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/period_data.h"

namespace {

// The largest period the templates make: 4 sentences of 4 phrases of 4 motives, in 2/4 with an
// eighth of anacrusis, every motive holding a melody of eighths.
TPeriodData largestPeriod() {
    TPeriodData period;
    const std::vector<int> phrases(4, 4);
    const std::vector<int> motives(16, 4);
    std::vector<COLORED_BOX_SUFFIX> letters;
    for (int i = 0; i < 16; ++i) {
        letters.push_back(static_cast<COLORED_BOX_SUFFIX>(5 + i % 11));
    }
    period.buildFromLayout(phrases, motives, letters, TKey(-2, MINOR), TMeasure(2, 120), 60, 100);
    int32_t pitch = 17;
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        TMotive& m = period.motiveAt(a);
        for (int32_t t = m.startTime(); t < m.endTime(); t += 60) {
            m.notes.emplace_back(t, pitch, 60);
            pitch = 13 + (pitch - 13 + 3) % 22;
        }
    }
    return period;
}

}  // namespace

// The harmonize command's work: every motive of the period in order, chords chosen, arranged,
// connected and voiced, and the notes' chord-tone flags recomputed.
static void BM_HarmonizeLargestPeriod(benchmark::State& state) {
    const TPeriodData source = largestPeriod();
    std::vector<size_t> all(source.motiveCount());
    std::iota(all.begin(), all.end(), size_t{0});
    const TScheme scheme;
    for (auto _ : state) {
        state.PauseTiming();
        TPeriodData period = source;
        resetMotivicaRand();
        state.ResumeTiming();
        harmonizePeriod(period, all, scheme);
        benchmark::DoNotOptimize(period.sentences.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(all.size()));
}
BENCHMARK(BM_HarmonizeLargestPeriod)->Unit(benchmark::kMillisecond);

// One motive with anacrusis after a voiced predecessor: the unit the command repeats.
static void BM_SelectChordsOneMotive(benchmark::State& state) {
    TPeriodData period = largestPeriod();
    std::vector<size_t> first = {0};
    const TScheme scheme;
    harmonizePeriod(period, first, scheme);
    const auto addresses = period.motiveAddresses();
    const TMotive& previous = period.motiveAt(addresses[0]);
    TMotive m = period.motiveAt(addresses[1]);
    for (auto _ : state) {
        selectChords(m, &previous, 4, scheme);
        benchmark::DoNotOptimize(m.chords.data());
    }
}
BENCHMARK(BM_SelectChordsOneMotive)->Unit(benchmark::kMicrosecond);
