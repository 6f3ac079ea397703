#include "notation/canvas_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/motive.h"
#include "notation/measure_layout.h"
#include "notation/notation_metrics.h"
#include "support/notation_fixtures.h"

namespace {

std::vector<TPlacedItem> boxes(const TPlacedItems& items) {
    std::vector<TPlacedItem> found;
    std::copy_if(items.begin(), items.end(), std::back_inserter(found),
                 [](const TPlacedItem& i) { return i.kind == TItemKind::LABEL_BOX; });
    return found;
}

}  // namespace

TEST(CanvasLayoutTest, OneMeasureWithoutAnacrusis) {
    TMotive m;  // 2/4
    m.notes = {TNote(0, 22, 120), TNote(120, 23, 120)};
    m.chords = {chordAt("TONIC_THREE_CHORD", 0), chordAt("DOMINANT_THREE_CHORD", 240)};
    const TCanvasComposition c = composeCanvas(m);
    const int w = 8 * 23 + 19;
    EXPECT_EQ(c.measureWidth, w);
    EXPECT_EQ(c.width, w + 21);
    EXPECT_EQ(c.height, 180);
    EXPECT_GE(c.bitmapWidth, w + 1);
    EXPECT_EQ(c.beatLength, 120);
    EXPECT_EQ(c.beatsPerMeasure, 2);
    ASSERT_EQ(c.pieces.size(), 1u);
    EXPECT_EQ(c.pieces[0], (TMeasurePiece{0, 240, 0, 0, 2, 0, w + 1, 1}));

    ASSERT_EQ(c.background.size(), 1u);
    EXPECT_EQ(c.background[0].rect, (TPixelRect{0, 0, w + 21, 153}));
    EXPECT_EQ(c.background[0].colour, WHITE);
    ASSERT_FALSE(c.band.empty());
    EXPECT_EQ(c.band[0].kind, TItemKind::FILL);
    EXPECT_EQ(c.band[0].rect, (TPixelRect{0, 153, w + 21, 27}));
    EXPECT_EQ(c.band[0].colour, FACE_COLOUR);
    // only the first chord is shown without an anacrusis
    const auto labels = boxes(c.band);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].rect.x, 0);
    EXPECT_EQ(labels[0].rect.y, 156);
}

TEST(CanvasLayoutTest, AnacrusisShowsTheUpbeatThenTheBarLine) {
    // G minor 2/4 with an eighth's anacrusis: the motive runs from 180 to 420
    TMotive m(TKey(-2, MINOR), TMeasure(), 60);
    m.notes = {TNote(180, 24, 60), TNote(240, 25, 120), TNote(360, 24, 60)};
    m.chords = {chordAt("TONIC_THREE_CHORD", 0), chordAt("DOMINANT_THREE_CHORD", 240)};
    const TCanvasComposition c = composeCanvas(m);
    const int w = 203;
    const int lead = (180 / 30) * 23;
    ASSERT_EQ(c.pieces.size(), 2u);
    EXPECT_EQ(c.pieces[0], (TMeasurePiece{0, 240, 180, 0, 1, lead, w - lead, 1}));
    EXPECT_EQ(c.pieces[1], (TMeasurePiece{240, 420, 0, 1, 3, 0, lead + 19, w - lead + 1}));
    // the second part's columns fit the canvas
    EXPECT_LE(c.pieces[1].targetX + c.pieces[1].sourceWidth, c.width);
    EXPECT_LE(c.pieces[1].sourceLeft + c.pieces[1].sourceWidth, c.bitmapWidth);
    EXPECT_LE(c.pieces[0].sourceLeft + c.pieces[0].sourceWidth, c.bitmapWidth);

    const auto labels = boxes(c.band);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].rect.x, 0);
    EXPECT_EQ(labels[1].rect.x, w - lead + 1);
    EXPECT_EQ(labels[1].colour, 0xFDCCE3u);

    // one chord only: one label
    m.chords.pop_back();
    EXPECT_EQ(boxes(composeCanvas(m).band).size(), 1u);
    m.chords.clear();
    EXPECT_TRUE(boxes(composeCanvas(m).band).empty());
}

TEST(CanvasLayoutTest, OtherMetersAndDegenerateAnacruses) {
    {
        SCOPED_TRACE("3/8 with a sixteenth's anacrusis");
        TMotive m(TKey(), TMeasure(3, 60), 30);
        const TCanvasComposition c = composeCanvas(m);
        const int w = 6 * 23 + 19;
        EXPECT_EQ(c.width, w + 21);
        ASSERT_EQ(c.pieces.size(), 2u);
        EXPECT_EQ(c.pieces[0].lead, 150);
        EXPECT_EQ(c.pieces[0].sourceLeft, 5 * 23);
        EXPECT_EQ(c.pieces[1].limit, 180 + 150);
        EXPECT_EQ(c.pieces[1].targetX, w - 5 * 23 + 1);
    }
    {
        SCOPED_TRACE("an anacrusis beyond the measure shows the whole second measure");
        TMotive m(TKey(), TMeasure(), 300);
        const TCanvasComposition c = composeCanvas(m);
        ASSERT_EQ(c.pieces.size(), 2u);
        EXPECT_EQ(c.pieces[0].lead, 0);
        EXPECT_EQ(c.pieces[0].sourceWidth, c.measureWidth);
        EXPECT_EQ(c.pieces[1].limit, 240);
    }
    {
        SCOPED_TRACE("a zero-length meter");
        TMotive m(TKey(), TMeasure(0, 0));
        const TCanvasComposition c = composeCanvas(m);
        EXPECT_EQ(c.measureWidth, 19);
        ASSERT_EQ(c.pieces.size(), 1u);
        EXPECT_EQ(c.pieces[0].limit, 0);
    }
}

TEST(CanvasLayoutTest, FrameOfAKeyBox) {
    const TPlacedItems frame = canvasFrame(60);
    ASSERT_EQ(frame.size(), 2u);
    EXPECT_EQ(frame[0].rect, (TPixelRect{0, 0, 60, 153}));
    EXPECT_EQ(frame[0].colour, WHITE);
    EXPECT_EQ(frame[1].rect, (TPixelRect{0, 153, 60, 27}));
    EXPECT_EQ(frame[1].colour, 0xD4D0C8u);
}

TEST(CanvasLayoutTest, FirstNoteAt) {
    TMotive m;
    m.notes = {TNote(0, 22, 60), TNote(60, 22, 60), TNote(240, 22, 60)};
    EXPECT_EQ(firstNoteAt(m, 0), 0u);
    EXPECT_EQ(firstNoteAt(m, 1), 1u);
    EXPECT_EQ(firstNoteAt(m, 240), 2u);
    EXPECT_EQ(firstNoteAt(m, 241), 3u);
}

namespace {

bool isHead(TGlyph g) {
    return g == TGlyph::HEAD_FILLED_UP || g == TGlyph::HEAD_FILLED_DOWN ||
           g == TGlyph::HEAD_HOLLOW_UP || g == TGlyph::HEAD_HOLLOW_DOWN;
}

// The canvas x of the left column of every head the canvas paints, left to right, taken from
// the painted measures themselves rather than from the time mapping.
std::vector<int> paintedHeads(const TMotive& m) {
    const TCanvasComposition c = composeCanvas(m);
    std::vector<int> xs;
    for (const TMeasurePiece& piece : c.pieces) {
        const TPlacedItems items =
            layoutMotiveMeasure(m, piece.firstNote, piece.lastNote, piece.start, c.beatLength,
                                c.beatsPerMeasure, piece.lead, piece.limit, c.bitmapWidth);
        for (const TPlacedItem& item : items) {
            const int centre = item.rect.x + item.rect.width / 2;
            if (item.kind == TItemKind::GLYPH && isHead(item.glyph) && centre >= piece.sourceLeft &&
                centre < piece.sourceLeft + piece.sourceWidth)
                xs.push_back(item.rect.x - piece.sourceLeft + piece.targetX);
        }
    }
    return xs;
}

}  // namespace

TEST(CanvasLayoutTest, HoveringTheHeadOfEveryNoteGivesThatNotesTime) {
    struct Case {
        int32_t beats;
        DURATION beat;
        int32_t anacrusis;
    };
    const Case cases[] = {{2, 120, 0},  {2, 120, 60}, {2, 120, 120}, {3, 120, 0},
                          {3, 120, 30}, {3, 120, 60}, {4, 120, 90},  {3, 60, 0},
                          {3, 60, 60},  {6, 60, 60},  {2, 60, 30},   {4, 120, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.beats) + "/" + std::to_string(480 / k.beat) + " anacrusis " +
                     std::to_string(k.anacrusis));
        TMotive m(TKey(-2, MINOR), TMeasure(k.beats, k.beat), k.anacrusis);
        // sixteenths, eighths and quarters in turn over the whole motive
        const DURATION lengths[] = {30, 60, 120};
        int32_t t = m.startTime();
        for (int i = 0; t < m.endTime(); ++i) {
            DURATION d = lengths[i % 3];
            d = DURATION(std::min<int32_t>(d, m.endTime() - t));
            // a note never crosses the bar line
            if (t < m.measureLength() && t + d > m.measureLength())
                d = DURATION(m.measureLength() - t);
            m.notes.emplace_back(t, 20 + i % 7, d);
            t += d;
        }
        const std::vector<int> heads = paintedHeads(m);
        const int headWidth = glyphSize(TGlyph::HEAD_FILLED_UP).width;
        ASSERT_EQ(heads.size(), m.notes.size());
        for (size_t i = 0; i < heads.size(); ++i) {
            SCOPED_TRACE("note at " + std::to_string(m.notes[i].time));
            const int x = canvasXOfTime(m, m.notes[i].time);
            EXPECT_GE(x, heads[i]);
            EXPECT_LT(x, heads[i] + headWidth);
            for (int dx = 0; dx < headWidth; ++dx)
                EXPECT_EQ(canvasTimeAtX(m, heads[i] + dx), m.notes[i].time);
        }
        // far left and far right stay inside the motive with a sixteenth after
        EXPECT_EQ(canvasTimeAtX(m, -50), m.startTime());
        EXPECT_EQ(canvasTimeAtX(m, 5000), m.endTime() - 30);
    }
}

TEST(CanvasLayoutTest, CanvasesShrinkJustEnoughToFitTheirRow) {
    // three 2/4 canvases (224 wide) fit the development panel's 734 pixels beside 42 fixed ones
    EXPECT_DOUBLE_EQ(canvasScaleToFit(734, 42, 3, 224), 1.0);
    // three 3/4 canvases (316 wide) draw at 692 / 948
    EXPECT_DOUBLE_EQ(canvasScaleToFit(734, 42, 3, 316), 692.0 / 948.0);
    // never below the smallest scale: past it the row scrolls
    EXPECT_DOUBLE_EQ(canvasScaleToFit(300, 42, 3, 408), 0.5);
    EXPECT_DOUBLE_EQ(canvasScaleToFit(300, 42, 3, 408, 0.2), 258.0 / 1224.0);
    // nothing to fit
    EXPECT_DOUBLE_EQ(canvasScaleToFit(734, 42, 0, 224), 1.0);
    EXPECT_DOUBLE_EQ(canvasScaleToFit(734, 42, 3, 0), 1.0);
}
