#include "app/motive_canvas.h"

#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>

#include <cstdlib>
#include <string>

#include "app/key_box.h"
#include "app/pixel_probe.h"
#include "harmony/chord.h"
#include "notation/note_view.h"
#include "print/note_painter.h"
#include "support/notation_fixtures.h"

namespace {

const QRgb FACE = qRgb(212, 208, 200);
const QRgb BORDER = qRgb(128, 128, 128);

// A canvas that marks its overlay with a green square.
class TMarkedCanvas : public TMotiveCanvas {
  public:
    using TMotiveCanvas::TMotiveCanvas;

  protected:
    void paintOverlay(QPainter& painter) override {
        painter.fillRect(QRect(10, 10, 5, 5), QColor(0, 255, 0));
    }
};

}  // namespace

TEST(MotiveCanvasTest, SizeFollowsTheMeter) {
    TMotiveCanvas canvas;
    EXPECT_EQ(canvas.size(), QSize(8 * 23 + 19 + 21, 180));  // 2/4 without a motive
    TMotive threeFour(TKey(), TMeasure(3, 120));
    canvas.setMotive(&threeFour);
    EXPECT_EQ(canvas.size(), QSize(12 * 23 + 19 + 21, 180));
    // a change the motive reports resizes the canvas
    threeFour.measure = TMeasure(3, 60);
    threeFour.setNotes({TNote(0, 22, 60)});
    EXPECT_EQ(canvas.size(), QSize(6 * 23 + 19 + 21, 180));
    canvas.setMotive(nullptr);
}

TEST(MotiveCanvasTest, ListensToTheMotiveItShows) {
    TMotive first;
    TMotive second;
    {
        TMotiveCanvas canvas;
        canvas.setMotive(&first);
        EXPECT_EQ(first.listener(), &canvas);
        canvas.setMotive(&second);
        EXPECT_EQ(first.listener(), nullptr);
        EXPECT_EQ(second.listener(), &canvas);
        EXPECT_EQ(canvas.motive(), &second);
    }
    EXPECT_EQ(second.listener(), nullptr);  // the canvas is gone
}

TEST(MotiveCanvasTest, OneMeasureWithItsChord) {
    TMotive m;  // C major 2/4
    m.notes = {TNote(0, 22, 120), TNote(120, 23, 120)};
    m.chords = {chordAt("TONIC_THREE_CHORD", 0)};
    TMotiveCanvas canvas;
    canvas.setMotive(&m);
    const QImage image = renderAt(canvas, 1);
    // the measure bitmap lands at (1, 1): staff lines one lower, the bar line at x 1
    EXPECT_EQ(image.pixel(150, 31), BLACK);
    EXPECT_EQ(image.pixel(150, 30), WHITE_PIXEL);
    EXPECT_EQ(image.pixel(150, 131), BLACK);
    EXPECT_EQ(image.pixel(1, 35), BLACK);
    EXPECT_EQ(image.pixel(0, 35), WHITE_PIXEL);
    // columns 0..W of the bitmap, then white to the canvas's edge
    EXPECT_EQ(image.pixel(204, 31), BLACK);
    EXPECT_EQ(image.pixel(205, 31), WHITE_PIXEL);
    EXPECT_EQ(image.pixel(223, 31), WHITE_PIXEL);
    // heads at x 19 + 1 and 111 + 1
    EXPECT_TRUE(isDark(image.pixel(21, 71)));
    EXPECT_TRUE(isDark(image.pixel(113, 66)));
    // the chord band and the label box in the tonic's colour with a grey border
    EXPECT_EQ(image.pixel(100, 152), WHITE_PIXEL);
    EXPECT_EQ(image.pixel(100, 153), FACE);
    EXPECT_EQ(image.pixel(100, 179), FACE);
    EXPECT_EQ(image.pixel(0, 156), BORDER);
    EXPECT_EQ(image.pixel(1, 157), qRgb(0xB9, 0xFF, 0xFF));
    EXPECT_EQ(image.pixel(1, 155), FACE);
    // the label's T inside it
    EXPECT_GT(darkPixels(image, QRect(2, 158, 9, 14)), 8);
}

TEST(MotiveCanvasTest, AnacrusisShowsTheUpbeatThenTheBarLine) {
    // G minor 2/4 with an eighth's anacrusis: D5 before the bar line, then G4 and B-flat4
    TMotive m(TKey(-2, MINOR), TMeasure(), 60);
    m.notes = {TNote(180, 28, 60), TNote(240, 24, 120), TNote(360, 26, 60)};
    m.chords = {chordAt("TONIC_THREE_CHORD", 0), chordAt("DOMINANT_THREE_CHORD", 240)};
    TMotiveCanvas canvas;
    canvas.setMotive(&m);
    const QImage image = renderAt(canvas, 1);
    const int w = 203;
    const int lead = 6 * 23;
    const int bar = w - lead + 1;  // 66
    // no bar line before the upbeat; the bar line where the second part starts
    EXPECT_EQ(image.pixel(1, 35), WHITE_PIXEL);
    EXPECT_EQ(image.pixel(bar, 35), BLACK);
    EXPECT_EQ(image.pixel(bar, 125), BLACK);
    // the upbeat's head at x 19 + 1, the next measure's first at the bar line + 19 + 1
    EXPECT_TRUE(isDark(image.pixel(21, 41)));
    EXPECT_TRUE(isDark(image.pixel(bar + 20, 61)));
    EXPECT_TRUE(isDark(image.pixel(bar + 20 + 92, 51)));
    // the staff ends 19 pixels after the last note's place
    EXPECT_EQ(image.pixel(bar + lead + 18, 31), BLACK);
    EXPECT_EQ(image.pixel(bar + lead + 19, 31), WHITE_PIXEL);
    // both chords: the second's box where the second part starts
    EXPECT_EQ(image.pixel(0, 156), BORDER);
    EXPECT_EQ(image.pixel(bar, 156), BORDER);
    EXPECT_EQ(image.pixel(bar + 1, 157), qRgb(0xFD, 0xCC, 0xE3));
}

TEST(MotiveCanvasTest, PlayingHighlight) {
    TMotive m;
    m.notes = {TNote(0, 24, 120), TNote(120, 24, 120)};
    TMotiveCanvas canvas;
    canvas.setMotive(&m);
    const QPoint second(112 + 1, 60 + 1);
    EXPECT_EQ(renderAt(canvas, 1).pixel(second), BLACK);
    canvas.setNotePlaying(1, true);
    EXPECT_TRUE(m.notes[1].playing);
    EXPECT_EQ(renderAt(canvas, 1).pixel(second), TNotePainter::headColour(STYLE_SOUNDING).rgb());
    canvas.setNotePlaying(7, true);  // no such note: nothing happens
    canvas.clearPlaying();
    EXPECT_FALSE(m.notes[1].playing);
    EXPECT_EQ(renderAt(canvas, 1).pixel(second), BLACK);
    // a non-chord tone has its own colour
    m.notes[0].chording = false;
    EXPECT_EQ(renderAt(canvas, 1).pixel(QPoint(21, 61)),
              TNotePainter::headColour(STYLE_NON_CHORD_TONE).rgb());
    canvas.setMotive(nullptr);
}

TEST(MotiveCanvasTest, OverlayIsPaintedOverTheNotation) {
    TMotive m;
    TMarkedCanvas canvas;
    canvas.setMotive(&m);
    const QImage image = renderAt(canvas, 1);
    EXPECT_EQ(image.pixel(12, 12), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(150, 31), BLACK);
    canvas.setMotive(nullptr);
}

TEST(MotiveCanvasTest, CrispAtPixelRatioTwo) {
    TMotive m;
    m.notes = {TNote(0, 20, 240)};
    TMotiveCanvas canvas;
    canvas.setMotive(&m);
    const QImage image = renderAt(canvas, 2);
    ASSERT_EQ(image.size(), QSize(2 * 224, 360));
    for (const int y : {31, 71, 91, 131}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(image.pixel(300, 2 * y - 1), WHITE_PIXEL);
        EXPECT_EQ(image.pixel(300, 2 * y), BLACK);
        EXPECT_EQ(image.pixel(300, 2 * y + 1), BLACK);
        EXPECT_EQ(image.pixel(300, 2 * y + 2), WHITE_PIXEL);
    }
    // middle C's ledger line, one device row pair at canvas y 81
    EXPECT_EQ(image.pixel(2 * 10, 162), BLACK);
    EXPECT_EQ(image.pixel(2 * 10, 164), WHITE_PIXEL);
    canvas.setMotive(nullptr);
}

TEST(MotiveCanvasTest, CanvasesShareOnePainter) {
    TNotePainter painter;
    TMotive full;
    full.notes = {TNote(0, 22, 60), TNote(60, 23, 60), TNote(120, 30, 120)};
    TMotive empty(TKey(), TMeasure(3, 120));
    TMotiveCanvas a(nullptr, &painter);
    TMotiveCanvas b(nullptr, &painter);
    a.setMotive(&full);
    b.setMotive(&empty);
    EXPECT_EQ(&a.notePainter(), &painter);
    const QImage first = renderAt(a, 1);
    const QImage other = renderAt(b, 2);
    // painting another canvas in between, at another ratio, changes nothing
    EXPECT_EQ(renderAt(a, 1), first);
    EXPECT_NE(other.size(), first.size());
    a.setMotive(nullptr);
    b.setMotive(nullptr);
}

// A period row as the period panel shows it: G minor, 2/4, an eighth's anacrusis. Set
// MOTIVICA_NOTATION_SHOTS to a folder to have it written there as PNG files.
TEST(MotiveCanvasTest, PeriodRowPicture) {
    const TKey gMinor(-2, MINOR);
    TMotive first(gMinor, TMeasure(), 60);
    first.notes = {TNote(180, 28, 60), TNote(240, 24, 30), TNote(270, 25, 30), TNote(300, 26, 60),
                   TNote(360, 23, 60)};
    first.chords = {chordAt("TONIC_THREE_CHORD", 0), chordAt("DOMINANT_SIXTH_FIFTH_CHORD", 240)};
    TMotive second(gMinor, TMeasure(), 60);
    second.notes = {TNote(180, 28, 60), TNote(240, 31, 180)};
    second.chords = {chordAt("DOMINANT_THREE_CHORD", 0), chordAt("TONIC_SIXTH_CHORD", 240)};
    TMotive third(gMinor, TMeasure(), 60);
    third.notes = {TNote(180, 26, 30), TNote(210, 27, 30), TNote(240, 28, 150), TNote(390, 27, 30)};
    third.chords = {chordAt("SUBDOMINANT_SIXTH_CHORD", 0), chordAt("K_SIXTH_FOURTH_CHORD", 240)};
    for (TMotive* m : {&first, &second, &third}) {
        m->updateSharps();
        m->updateChording();
    }
    second.notes[1].playing = true;

    TNotePainter painter;
    QWidget row;
    auto* layout = new QHBoxLayout(&row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* key = new TKeyBox(&row, &painter);
    key->setKeyAndMeter(gMinor.signs(), TMeasure());
    layout->addWidget(key);
    std::vector<TMotiveCanvas*> canvases;
    for (TMotive* m : {&first, &second, &third}) {
        canvases.push_back(new TMotiveCanvas(&row, &painter));
        canvases.back()->setMotive(m);
        layout->addWidget(canvases.back());
    }
    row.adjustSize();
    EXPECT_EQ(row.width(), key->width() + 3 * 224);
    EXPECT_EQ(row.height(), 180);

    const QImage image = renderAt(row, 2);
    // six label boxes in the band
    int borders = 0;
    for (int x = 0; x < image.width(); ++x)
        borders += image.pixel(x, 2 * 160) == BORDER && image.pixel(x - 1, 2 * 160) != BORDER;
    EXPECT_EQ(borders, 2 * 6);  // each box's left and right border

    if (const char* folder = std::getenv("MOTIVICA_NOTATION_SHOTS")) {
        const QString base = QString::fromLocal8Bit(folder) + "/notation_";
        EXPECT_TRUE(row.grab().save(base + "row_grab.png"));
        EXPECT_TRUE(image.save(base + "row_dpr2.png"));
        EXPECT_TRUE(canvases[0]->grab().save(base + "canvas_grab.png"));
        EXPECT_TRUE(renderAt(*canvases[0], 2).save(base + "canvas_dpr2.png"));
        EXPECT_TRUE(key->grab().save(base + "keybox_grab.png"));
        EXPECT_TRUE(renderAt(*key, 2).save(base + "keybox_dpr2.png"));
    }
    for (TMotiveCanvas* canvas : canvases)
        canvas->setMotive(nullptr);
}

// A canvas drawn smaller keeps its notation where it was, scaled: the second quarter's head,
// at (113, 61) at full size, lies at half those coordinates at half size; points on the widget
// come back in the canvas's own coordinates.
TEST(MotiveCanvasTest, ADrawnSmallerCanvasScalesItsNotationAndItsPoints) {
    TMotive m;
    m.notes = {TNote(0, 24, 120), TNote(120, 24, 120)};
    TMarkedCanvas canvas;
    canvas.setMotive(&m);
    canvas.setScale(0.5);
    EXPECT_EQ(canvas.size(), QSize((8 * 23 + 19 + 21 + 1) / 2, 90));
    const QImage half = renderAt(canvas, 1);
    EXPECT_EQ(half.size(), canvas.size());
    EXPECT_EQ(half.pixel(QPoint(56, 30)), BLACK);
    // the overlay shrinks with the notation: its square at (10, 10) now covers (5, 5)
    EXPECT_EQ(half.pixel(QPoint(6, 6)), qRgb(0, 255, 0));
    EXPECT_EQ(canvas.unscaled(QPointF(56.5, 30.5)), QPoint(113, 61));
    EXPECT_EQ(canvas.scaledX(113), 57);
    // crisp at pixel ratio two: one device pixel per scaled pixel, the head still black
    EXPECT_EQ(renderAt(canvas, 2).pixel(QPoint(113, 61)), BLACK);
    // back to full size
    canvas.setScale(1.0);
    EXPECT_EQ(canvas.size(), QSize(8 * 23 + 19 + 21, 180));
    canvas.setMotive(nullptr);
}
