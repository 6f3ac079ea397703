// Every way of development on the real window, offscreen: a motive handed to the way's chooser,
// the three variants computed and the panel painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "app/effect_motive_panel.h"
#include "app/main_window.h"
#include "app/panel_chooser_group.h"
#include "app/period_panel.h"
#include "app/u_motive_canvas.h"
#include "app/u_motive_set.h"
#include "development/ways.h"
#include "playback/capture_port.h"

namespace {

std::string scratchBase() {
    char pattern[] = "/tmp/motivica_development_bench_XXXXXX";
    const char* folder = ::mkdtemp(pattern);
    return std::string(folder != nullptr ? folder : "/tmp") + "/";
}

void acceptAndPaint(benchmark::State& state) {
    const int way = static_cast<int>(state.range(0));
    const std::string base = scratchBase();
    TCaptureLog log;
    TCaptureDevices devices(log);
    TMainWindow window(base, nullptr, &devices);
    window.show();
    TMotive source = *window.periodPanel()->motiveSets()[0]->canvas()->motive();
    source.notes = {TNote(180, 20, 60), TNote(240, 22, 30), TNote(270, 21, 30), TNote(300, 24, 60),
                    TNote(360, 23, 60)};
    source.updateChording();
    TEffectMotivePanel& panel = *window.developmentPanel(way);
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.panelChoosers().giveMotive(way, source);
        panel.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(std::string(WAY_CAPTIONS[static_cast<size_t>(way)]));
    std::filesystem::remove_all(base);
}
BENCHMARK(acceptAndPaint)->DenseRange(0, WAY_COUNT - 1)->Unit(benchmark::kMillisecond);

}  // namespace
