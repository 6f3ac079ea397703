// One full repaint of a motive canvas and of a key box, as the period panel does them, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "app/key_box.h"
#include "app/motive_canvas.h"
#include "harmony/chord.h"
#include "print/note_painter.h"

namespace {

TChord chordAt(const char* name, int32_t time) {
    TChord c = chordFromTypeName(name);
    c.time = time;
    return c;
}

// G minor 2/4 with an eighth's anacrusis: an upbeat, a beamed group with sixteenths, a raised
// seventh, two chords.
TMotive busyMotive() {
    TMotive m(TKey(-2, MINOR), TMeasure(), 60);
    m.notes = {TNote(180, 28, 60), TNote(240, 24, 30), TNote(270, 25, 30), TNote(300, 26, 60),
               TNote(360, 23, 60)};
    m.chords = {chordAt("TONIC_THREE_CHORD", 0), chordAt("DOMINANT_SIXTH_FIFTH_CHORD", 240)};
    m.updateSharps();
    m.updateChording();
    return m;
}

QImage target(const QWidget& widget, qreal ratio) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

void canvasRepaint(benchmark::State& state) {
    const qreal ratio = qreal(state.range(0));
    TMotive motive = busyMotive();
    TNotePainter painter;
    TMotiveCanvas canvas(nullptr, &painter);
    canvas.setMotive(&motive);
    QImage image = target(canvas, ratio);
    for (auto _ : state) {
        canvas.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    canvas.setMotive(nullptr);
}
BENCHMARK(canvasRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A tied note, a dotted quarter and a note on ledger lines without anacrusis: one measure only.
void plainCanvasRepaint(benchmark::State& state) {
    TMotive motive(TKey(-2, MINOR), TMeasure(3, 120));
    motive.notes = {TNote(0, 28, 150), TNote(150, 27, 30), TNote(180, 34, 180)};
    motive.chords = {chordAt("DOMINANT_THREE_CHORD", 0)};
    TNotePainter painter;
    TMotiveCanvas canvas(nullptr, &painter);
    canvas.setMotive(&motive);
    QImage image = target(canvas, qreal(state.range(0)));
    for (auto _ : state) {
        canvas.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    canvas.setMotive(nullptr);
}
BENCHMARK(plainCanvasRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void keyBoxRepaint(benchmark::State& state) {
    TNotePainter painter;
    TKeyBox box(nullptr, &painter);
    box.setKeyAndMeter(-7, TMeasure(3, 120));
    QImage image = target(box, qreal(state.range(0)));
    for (auto _ : state) {
        box.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(keyBoxRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
