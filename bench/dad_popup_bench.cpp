// The DAD popup under a scripted gesture of 10,000 pointer moves on the real window, offscreen:
// each move is handled (pressure test, pane logic, audition) and what it asked to repaint is
// painted before the next one. Also the time from the push that breaks through the pane boundary
// to the note-on of the new note leaving the player.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/dad_window.h"
#include "app/main_window.h"
#include "app/period_panel.h"
#include "app/u_motive_canvas.h"
#include "app/u_motive_set.h"
#include "app/variant_view_widget.h"
#include "editing/note_variant_strategy.h"
#include "model/note.h"
#include "playback/capture_port.h"

namespace {

using TClock = std::chrono::steady_clock;

std::string scratchBase() {
    char pattern[] = "/tmp/motivica_dad_bench_XXXXXX";
    const char* folder = ::mkdtemp(pattern);
    return std::string(folder != nullptr ? folder : "/tmp") + "/";
}

class TGesture {
  public:
    TGesture(TMainWindow& window, TUMotiveCanvas& canvas) : window_(window), canvas_(canvas) {}

    void press() {
        mouse_ = canvas_.mapToGlobal(QPoint(20, 60));
        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    }
    void release() { send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton); }
    // One move of the mouse, handled and painted.
    void moveBy(int dx, int dy) {
        mouse_ += QPoint(dx, dy);
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        window_.dadWindow()->viewWidget()->repaint(QRect());
        QApplication::processEvents();
    }
    void pointTo(int x, int y) {
        const TScreenPoint o = window_.dadWindow()->viewOrigin();
        const TScreenPoint p = window_.pointerControl().pos();
        moveBy(o.x + x - p.x, o.y + y - p.y);
    }

  private:
    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(canvas_.mapFromGlobal(mouse_)), QPointF(mouse_), button,
                      buttons, Qt::NoModifier);
        QApplication::sendEvent(&canvas_, &e);
    }

    TMainWindow& window_;
    TUMotiveCanvas& canvas_;
    QPoint mouse_;
};

// The window over a scratch folder, playing into the capture port, shown off screen.
struct TBenchWindow {
    TBenchWindow() : base(scratchBase()), devices(log), window(base, nullptr, &devices) {
        window.show();
    }
    ~TBenchWindow() { std::filesystem::remove_all(base); }
    TUMotiveCanvas& canvas() { return *window.periodPanel()->motiveSets()[1]->canvas(); }

    std::string base;
    TCaptureLog log;
    TCaptureDevices devices;
    TMainWindow window;
};

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * double(v.size())))];
}

void pointerEventsOfAGesture(benchmark::State& state) {
    TBenchWindow bench;
    TMainWindow& window = bench.window;
    TUMotiveCanvas& canvas = bench.canvas();
    std::vector<double> micros;
    micros.reserve(10000);
    for (auto _ : state) {
        canvas.motive()->notes.clear();
        TGesture g(window, canvas);
        g.press();
        // wander over the rows, push against the boundary and the outer edge, come back
        for (int i = 0; i < 10000; ++i) {
            const auto t0 = TClock::now();
            const int phase = i % 40;
            if (phase < 10)
                g.moveBy(0, (i / 40) % 2 == 0 ? 7 : -7);
            else if (phase < 25)
                g.moveBy(6, 0);
            else
                g.moveBy(-6, 0);
            micros.push_back(std::chrono::duration<double, std::micro>(TClock::now() - t0).count());
        }
        g.release();
        window.stopAction();
    }
    state.counters["median_us"] = percentile(micros, 0.5);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["moves"] = double(micros.size());
}
BENCHMARK(pointerEventsOfAGesture)->Iterations(1)->Unit(benchmark::kMillisecond);

void breakThroughToNoteOn(benchmark::State& state) {
    TBenchWindow bench;
    TMainWindow& window = bench.window;
    TCaptureLog& log = bench.log;
    TUMotiveCanvas& canvas = bench.canvas();
    std::vector<double> micros;
    for (auto _ : state) {
        canvas.motive()->notes.clear();
        TGesture g(window, canvas);
        g.press();
        // reopening where one note was just written continues from the pane it came from
        const int active = window.variantView().activePane();
        auto* other =
            dynamic_cast<TNoteVariantStrategy*>(window.variantView().strategy(1 - active));
        if (other == nullptr || other->candidates().empty()) {
            state.SkipWithError(other == nullptr ? "the popup did not open" : "no candidates");
            break;
        }
        const int32_t pitch = other->candidates().front().pitch;
        g.pointTo(active == 0 ? 225 : 253, rowTop(pitch) + 9);
        const int32_t commits = window.variantView().commitCount();
        TClock::time_point before;
        for (int i = 0; i < 400 && window.variantView().commitCount() == commits; ++i) {
            log.clear();
            before = TClock::now();
            g.moveBy(active == 0 ? 6 : -6, 0);
        }
        for (const TCapturedMessage& m : log.messages()) {
            if (!m.systemExclusive && m.bytes.size() == 3 && (m.bytes[0] & 0xf0) == 0x90 &&
                m.bytes[2] > 0 && (m.bytes[0] & 0x0f) == DRAFT_MELODY_CHANNEL) {
                micros.push_back(
                    std::chrono::duration<double, std::micro>(m.time - before).count());
                break;
            }
        }
        g.release();
        window.stopAction();
    }
    if (!micros.empty()) {
        state.counters["median_us"] = percentile(micros, 0.5);
        state.counters["max_us"] = *std::max_element(micros.begin(), micros.end());
    }
}
BENCHMARK(breakThroughToNoteOn)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace
