#include "print/note_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "app/motive_canvas.h"
#include "app/pixel_probe.h"
#include "model/motive.h"
#include "notation/canvas_layout.h"
#include "notation/notation_metrics.h"
#include "support/notation_fixtures.h"

namespace {

// Paints the whole (only) measure of a motive without anacrusis.
const QImage& paint(TNotePainter& painter, const TMotive& m, qreal ratio = 1.0) {
    return painter.paintMeasure(0, m.notes.size(), 0, m.measure.beatValue(),
                                m.measure.beatsPerMeasure(), 0, m.measureLength(), m, ratio);
}

}  // namespace

TEST(NotePainterTest, StaffLinesAndBarLine) {
    TNotePainter painter;
    const QImage& image = paint(painter, motiveOf({}));
    EXPECT_EQ(painter.bitmapWidth(), 8 * 23 + 19 + 1);
    EXPECT_GE(image.height(), 151);
    for (int y = 30; y <= 130; y += 10) {
        SCOPED_TRACE(y);
        EXPECT_EQ(image.pixel(150, y), y == 80 ? WHITE_PIXEL : BLACK);
        EXPECT_EQ(image.pixel(150, y + 5), WHITE_PIXEL);
        EXPECT_EQ(image.pixel(0, y + 5), y < 130 ? BLACK : WHITE_PIXEL);  // the bar line
    }
    EXPECT_EQ(image.pixel(0, 29), WHITE_PIXEL);
    EXPECT_EQ(image.pixel(0, 131), WHITE_PIXEL);
}

TEST(NotePainterTest, LedgerLines) {
    TNotePainter painter;
    {
        SCOPED_TRACE("middle C: one line at y 80");
        const QImage& image = paint(painter, motiveOf({TNote(0, 20, 240)}));
        EXPECT_EQ(image.pixel(9, 80), BLACK);  // left of the head, on the ledger line
        EXPECT_EQ(image.pixel(29, 80), BLACK);
        EXPECT_EQ(image.pixel(9, 79), WHITE_PIXEL);
        EXPECT_EQ(image.pixel(9, 81), WHITE_PIXEL);
        EXPECT_EQ(image.pixel(31, 80), WHITE_PIXEL);
    }
    {
        SCOPED_TRACE("D4 just below it: none");
        const QImage& image = paint(painter, motiveOf({TNote(0, 21, 240)}));
        EXPECT_EQ(image.pixel(9, 80), WHITE_PIXEL);
    }
    {
        SCOPED_TRACE("position 34: two lines above the staff");
        const QImage& image = paint(painter, motiveOf({TNote(0, 34, 240)}));
        EXPECT_EQ(image.pixel(9, 20), BLACK);
        EXPECT_EQ(image.pixel(9, 10), BLACK);
        EXPECT_EQ(image.pixel(9, 15), WHITE_PIXEL);
        EXPECT_EQ(image.pixel(9, 0), WHITE_PIXEL);
    }
    {
        SCOPED_TRACE("position 6: two lines below the staff");
        const QImage& image = paint(painter, motiveOf({TNote(0, 6, 240)}));
        EXPECT_EQ(image.pixel(9, 140), BLACK);
        EXPECT_EQ(image.pixel(9, 150), BLACK);
        EXPECT_EQ(image.pixel(9, 145), WHITE_PIXEL);
    }
}

TEST(NotePainterTest, BeamRowOfABeamedPair) {
    TNotePainter painter;
    // E4 and F4 eighths: stems up, the beam 31 pixels over F4 (y 65) at rows 34..36
    const QImage& image = paint(painter, motiveOf({TNote(0, 22, 60), TNote(60, 23, 60)}));
    for (const int x : {24, 45, 70}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(image.pixel(x, 33), WHITE_PIXEL);
        for (int y = 34; y <= 36; ++y)
            EXPECT_EQ(image.pixel(x, y), BLACK);
    }
    // the stems hang from it; between them the rows below are empty
    EXPECT_EQ(image.pixel(24, 39), BLACK);
    EXPECT_EQ(image.pixel(70, 39), BLACK);
    EXPECT_EQ(image.pixel(45, 39), WHITE_PIXEL);
    // no flags: right of the second stem the beam ends
    EXPECT_EQ(image.pixel(73, 35), WHITE_PIXEL);
    // eighths on either side of the beat are not beamed: that row stays empty between them
    const QImage& apart = paint(painter, motiveOf({TNote(60, 22, 60), TNote(120, 23, 60)}));
    EXPECT_EQ(apart.pixel(90, 35), WHITE_PIXEL);
}

TEST(NotePainterTest, TieArcUnderTheHeads) {
    TNotePainter painter;
    // a 150 on E4 (y 70): a quarter at x 19 tied to a sixteenth at x 111, the arc's lowest point
    // 18 pixels under the heads' y in the middle
    const QImage& tied = paint(painter, motiveOf({TNote(0, 22, 150), TNote(150, 22, 90)}));
    EXPECT_GT(darkPixels(tied, QRect(63, 85, 5, 4)), 0);
    EXPECT_EQ(darkPixels(tied, QRect(63, 76, 5, 8)), 0);
    EXPECT_EQ(darkPixels(tied, QRect(63, 89, 5, 1)), 0);
    // near its ends the arc rises towards the heads
    EXPECT_GT(inkedPixels(tied, QRect(25, 77, 4, 7)), 0);
    // a dotted quarter has no tie
    const QImage& dotted = paint(painter, motiveOf({TNote(0, 22, 180), TNote(180, 22, 60)}));
    EXPECT_EQ(darkPixels(dotted, QRect(40, 76, 50, 13)), 0);
}

TEST(NotePainterTest, OnlyTheFirstGSharpOfAMeasure) {
    TNotePainter painter;
    TMotive m = motiveOf({TNote(0, 24, 120), TNote(120, 24, 120)}, TMeasure(), TKey(0, MINOR));
    m.updateSharps();
    const QImage& image = paint(painter, m);
    // the sharp's box: left at x - 12, top at y - 8 (G4 at y 60), 8 x 17; the staff lines at 60
    // and 70 run through it
    const std::set<int> lines = {50, 60, 70};
    EXPECT_GT(darkPixels(image, QRect(19 - 12, 52, 8, 17), lines), 25);
    EXPECT_EQ(darkPixels(image, QRect(111 - 12, 52, 8, 17), lines), 0);
}

TEST(NotePainterTest, HeadColoursByStyle) {
    TNotePainter painter;
    TMotive m = motiveOf({TNote(0, 24, 60), TNote(60, 24, 60), TNote(120, 24, 120)});
    m.notes[1].chording = false;
    m.notes[2].playing = true;
    const QImage& image = paint(painter, m);
    // the middle of each head, over the staff line at 60
    EXPECT_EQ(image.pixel(20, 60), TNotePainter::headColour(0).rgb());
    EXPECT_EQ(image.pixel(20 + 46, 60), TNotePainter::headColour(1).rgb());
    EXPECT_EQ(image.pixel(20 + 92, 60), TNotePainter::headColour(2).rgb());
    EXPECT_NE(TNotePainter::headColour(0), TNotePainter::headColour(1));
    EXPECT_NE(TNotePainter::headColour(1), TNotePainter::headColour(2));
    EXPECT_NE(TNotePainter::headColour(0), TNotePainter::headColour(2));
}

TEST(NotePainterTest, CrispAtPixelRatioTwo) {
    TNotePainter painter;
    const QImage& image = paint(painter, motiveOf({TNote(0, 20, 240)}), 2.0);
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_GE(image.width(), 2 * (8 * 23 + 20));
    // each one-pixel line covers exactly two device rows
    for (const int y : {30, 70, 90, 130}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(image.pixel(300, 2 * y - 1), WHITE_PIXEL);
        EXPECT_EQ(image.pixel(300, 2 * y), BLACK);
        EXPECT_EQ(image.pixel(300, 2 * y + 1), BLACK);
        EXPECT_EQ(image.pixel(300, 2 * y + 2), WHITE_PIXEL);
    }
    EXPECT_EQ(image.pixel(18, 160), BLACK);  // the ledger line of middle C
    EXPECT_EQ(image.pixel(18, 162), WHITE_PIXEL);
    // and back at ratio one the bitmap is small again to the painting
    const QImage& small = paint(painter, motiveOf({}), 1.0);
    EXPECT_EQ(small.devicePixelRatio(), 1.0);
}

TEST(NotePainterTest, Header) {
    TNotePainter painter;
    const TMeasure twoFour;
    const int width = painter.headerWidth(-2, twoFour);
    EXPECT_GT(width, 70);
    EXPECT_LT(width, 100);
    EXPECT_LT(painter.headerWidth(0, twoFour), width);
    EXPECT_GT(painter.headerWidth(7, twoFour), width);
    const QImage& image = painter.paintHeader(-2, twoFour);
    EXPECT_EQ(painter.bitmapWidth(), width);
    const std::set<int> lines = {30, 40, 50, 60, 70, 90, 100, 110, 120, 130};
    // the treble clef above the staff, the bass clef's dots and the two flats of each staff
    EXPECT_GT(darkPixels(image, QRect(5, 19, 30, 10)), 5);
    EXPECT_GT(darkPixels(image, QRect(30, 91, 8, 18), lines), 4);
    EXPECT_GT(darkPixels(image, QRect(50, 42, 6, 15), lines), 10);
    EXPECT_GT(darkPixels(image, QRect(58, 27, 6, 15), lines), 10);
    EXPECT_GT(darkPixels(image, QRect(50, 112, 6, 15), lines), 10);
    EXPECT_EQ(darkPixels(image, QRect(66, 31, 3, 8)), 0);  // no third flat
    // the meter's numbers right of them
    EXPECT_GT(darkPixels(image, QRect(70, 31, width - 70, 19), lines), 10);
    EXPECT_GT(darkPixels(image, QRect(70, 111, width - 70, 19), lines), 10);
    // the staff runs from the clef to the right edge
    EXPECT_EQ(image.pixel(width - 1, 40), BLACK);
    EXPECT_EQ(image.pixel(width - 1, 45), WHITE_PIXEL);
}

TEST(NotePainterTest, PiecesPaintedAsVectorsLookAsTheCanvasShowsThem) {
    // an upbeat, beamed sixteenths, a raised seventh and two chords, across the bar line
    TMotive m(TKey(-2, MINOR), TMeasure(), 60);
    m.notes = {TNote(180, 28, 60), TNote(240, 24, 30), TNote(270, 25, 30), TNote(300, 26, 60),
               TNote(360, 23, 60)};
    m.chords = {chordAt("TONIC_THREE_CHORD", 0), chordAt("DOMINANT_SIXTH_FIFTH_CHORD", 240)};
    m.updateSharps();
    m.updateChording();
    TNotePainter painter;
    TMotiveCanvas canvas(nullptr, &painter);
    canvas.setMotive(&m);
    const QImage shown = renderAt(canvas, 1);

    const TCanvasComposition composition = composeCanvas(m);
    QImage drawn(shown.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::magenta);
    {
        QPainter p(&drawn);
        painter.paintItems(p, composition.background);
        p.setRenderHint(QPainter::Antialiasing);
        painter.paintPieces(p, composition, m);
        painter.paintItems(p, composition.band);
    }
    canvas.setMotive(nullptr);
    // the same notation, with nothing of the measure outside its piece: at most the odd
    // antialiased edge differs
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differing += shown.pixel(x, y) != drawn.pixel(x, y);
    EXPECT_LT(differing, shown.width() * shown.height() / 200);
    EXPECT_EQ(drawn.pixel(150, 31), BLACK);
}
