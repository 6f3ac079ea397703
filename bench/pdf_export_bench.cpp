// The PDF export of the largest period: layout, painting every page and writing the file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "generation/chord_selection.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/period_data.h"
#include "print/pdf_export.h"
#include "support/largest_period.h"

static void BM_PdfLargestPeriod(benchmark::State& state) {
    TPeriodData period = largestPeriod();
    period.setName("Largest period.tnr");
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("motivica_pdf_bench_" + std::to_string(::getpid()) + ".pdf"))
                                 .string();
    for (auto _ : state) {
        if (!writePeriodPdf(period, path)) {
            state.SkipWithError("the PDF could not be written");
            break;
        }
    }
    std::error_code ignored;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path, ignored));
    std::filesystem::remove(path, ignored);
}
BENCHMARK(BM_PdfLargestPeriod)->Unit(benchmark::kMillisecond);

// The layout alone, without fonts or painting: what a change to the score's shape costs.
static void BM_ScoreLayoutLargestPeriod(benchmark::State& state) {
    const TPeriodData period = largestPeriod();
    TScoreOptions options;
    const auto sevenEach = [](const std::string& text) { return 7 * int(text.size()); };
    options.meterTextWidth = sevenEach;
    options.markerTextWidth = sevenEach;
    options.legendTextWidth = sevenEach;
    size_t items = 0;
    for (auto _ : state) {
        const TScoreLayout layout = layoutScore(period, options);
        items = 0;
        for (const TScorePage& page : layout.pages)
            for (const TScoreSystem& system : page.systems)
                items += system.items.size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_ScoreLayoutLargestPeriod)->Unit(benchmark::kMillisecond);
