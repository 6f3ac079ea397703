#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/duration.h"
#include "notation/placed_item.h"

class TMotive;

// One measure painted into the shared measure bitmap, and the columns of it the canvas shows.
struct TMeasurePiece {
    int32_t start = 0;  // first tick of the measure
    int32_t limit = 0;  // where the painted symbols end: the measure's or the motive's end
    int32_t lead = 0;   // ticks before the motive begins, taken up by undrawn rests
    size_t firstNote = 0;
    size_t lastNote = 0;  // exclusive
    int sourceLeft = 0;   // bitmap columns [sourceLeft, sourceLeft + sourceWidth)
    int sourceWidth = 0;
    int targetX = 0;  // where that part lands on the canvas (at y 1)

    bool operator==(const TMeasurePiece&) const = default;
};

// How a motive canvas is composed: the white notes area, the painted measures and the chord band
// with the chords' label boxes.
struct TCanvasComposition {
    int width = 0;         // the measure width plus 21
    int height = 0;        // 180
    int measureWidth = 0;  // W
    int bitmapWidth = 0;   // the measure bitmap's width the pieces need
    DURATION beatLength = 0;
    int32_t beatsPerMeasure = 0;
    TPlacedItems background;  // drawn before the measures
    std::vector<TMeasurePiece> pieces;
    TPlacedItems band;  // drawn after them
};

// Without anacrusis the one measure is shown whole. With an anacrusis only the anacrusis part of
// the first measure is shown, followed by the second measure from its bar line to the motive's
// end; the second chord's label sits where that second part starts.
TCanvasComposition composeCanvas(const TMotive& motive);

// The measures a canvas shows and where each lands, as composeCanvas lays them out.
std::vector<TMeasurePiece> canvasPieces(const TMotive& motive);

// The canvas x of the centre of a note head at tick t, as the painted measures place it; one
// place for painting, hovering and pressing, so that a press on a head means that note's time.
int canvasXOfTime(const TMotive& motive, int32_t t);
// The tick of the sixteenth whose head column lies nearest canvas x, inside the motive and
// with a sixteenth still fitting after it.
int32_t canvasTimeAtX(const TMotive& motive, int x);

// The scale at which `count` canvases `canvasWidth` wide fit side by side into `available`
// pixels beside `fixed` pixels of handles, gaps and margins: 1 when they fit as they are,
// never above 1, and never below `smallest` (the row then scrolls).
double canvasScaleToFit(int available, int fixed, int count, int canvasWidth,
                        double smallest = 0.5);

// The frame of a canvas or key box `width` pixels wide: white above the chord band, the band in
// the face colour.
TPlacedItems canvasFrame(int width);

// Index of the first note at or after tick t (notes are in ascending time).
size_t firstNoteAt(const TMotive& motive, int32_t t);
