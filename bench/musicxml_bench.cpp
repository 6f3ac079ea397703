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
#include "support/largest_period.h"

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
