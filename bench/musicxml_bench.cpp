#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "exchange/musicxml_writer.h"
#include "generation/chord_selection.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/period_data.h"

namespace {

// The largest period the templates make: 4 sentences of 4 phrases of 4 motives (64), in G minor
// and 2/4 with an eighth of anacrusis, every motive holding a melody of eighths and sixteenths
// tied over its bar line, and harmonised throughout.
TPeriodData largestPeriod() {
    TPeriodData period;
    const std::vector<int> phrases(4, 4);
    const std::vector<int> motives(16, 4);
    std::vector<COLORED_BOX_SUFFIX> letters;
    for (int i = 0; i < 16; ++i)
        letters.push_back(static_cast<COLORED_BOX_SUFFIX>(5 + i % 11));
    period.buildFromLayout(phrases, motives, letters, TKey(-2, MINOR), TMeasure(2, 120), 60, 100);
    int32_t pitch = 17;
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        TMotive& m = period.motiveAt(a);
        for (int32_t t = m.startTime(); t < m.endTime();) {
            const DURATION length = t == m.startTime() + 30 ? 90 : 30 + (t / 30 % 2) * 30;
            const DURATION fitted = DURATION(std::min<int32_t>(length, m.endTime() - t));
            m.notes.emplace_back(t, pitch, fitted);
            pitch = 13 + (pitch - 13 + 3) % 22;
            t += fitted;
        }
        m.updateSharps();
    }
    std::vector<size_t> all(period.motiveCount());
    std::iota(all.begin(), all.end(), size_t{0});
    resetMotivicaRand();
    harmonizePeriod(period, all, TScheme());
    return period;
}

}  // namespace

// The MusicXML export's work for the largest period: the whole score as text.
static void BM_MusicXmlLargestPeriod(benchmark::State& state) {
    const TPeriodData period = largestPeriod();
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = musicXmlText(period);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MusicXmlLargestPeriod)->Unit(benchmark::kMillisecond);
