// The PDF export of the largest period: layout, painting every page and writing the file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "app/pdf_export.h"
#include "generation/chord_selection.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/period_data.h"

namespace {

// 4 sentences of 4 phrases of 4 motives (64), in G minor and 2/4 with an eighth of anacrusis,
// every motive holding a melody of eighths and sixteenths and harmonised throughout.
TPeriodData largestPeriod() {
    TPeriodData period;
    std::vector<COLORED_BOX_SUFFIX> letters;
    for (int i = 0; i < 16; ++i)
        letters.push_back(static_cast<COLORED_BOX_SUFFIX>(5 + i % 11));
    period.buildFromLayout(std::vector<int>(4, 4), std::vector<int>(16, 4), letters,
                           TKey(-2, MINOR), TMeasure(2, 120), 60, 100);
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
