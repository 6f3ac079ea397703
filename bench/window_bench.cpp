// The desktop's start and its period panel, offscreen: from nothing to the first painted window,
// and the rebuild of the period panel for a composition of 64 motives.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/main_window.h"
#include "app/period_panel.h"
#include "model/document.h"
#include "playback/capture_port.h"

namespace {

std::string scratchBase() {
    char pattern[] = "/tmp/motivica_window_bench_XXXXXX";
    const char* folder = ::mkdtemp(pattern);
    return std::string(folder != nullptr ? folder : "/tmp") + "/";
}

void startToFirstPaint(benchmark::State& state) {
    const std::string base = scratchBase();
    TCaptureLog log;
    TCaptureDevices devices(log);
    for (auto _ : state) {
        TMainWindow window(base, nullptr, &devices);
        window.show();
        QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
        window.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    std::filesystem::remove_all(base);
}
BENCHMARK(startToFirstPaint)->Unit(benchmark::kMillisecond);

void periodPanelRebuild(benchmark::State& state) {
    const std::string base = scratchBase();
    TCaptureLog log;
    TCaptureDevices devices(log);
    TMainWindow window(base, nullptr, &devices);
    // the composition comes in as a document, so that the views of the one before are let go
    // before its motives are
    TPeriodData period;
    std::vector<int> phrases(16, 2);
    std::vector<COLORED_BOX_SUFFIX> letters(32, 5);
    std::vector<int> motives(32, 2);
    period.buildFromLayout(phrases, motives, letters, TKey(-2, MINOR), TMeasure(), 60, 100);
    const std::string document = base + "large.tnr";
    if (!writeDocument(period, document) || !window.openDocument(document)) {
        state.SkipWithError("the large composition does not open");
        return;
    }
    for (auto _ : state) {
        // what a refresh does: the old panel goes and a new one is built for the period
        window.periodChanged();
        benchmark::DoNotOptimize(window.periodPanel());
    }
    state.counters["motives"] = double(window.periodPanel()->motiveSets().size());
    std::filesystem::remove_all(base);
}
BENCHMARK(periodPanelRebuild)->Unit(benchmark::kMillisecond);

}  // namespace
