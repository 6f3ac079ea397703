#include "notation/canvas_layout.h"

#include <algorithm>
#include <cstdlib>

#include "model/motive.h"
#include "notation/chord_label.h"
#include "notation/notation_metrics.h"

size_t firstNoteAt(const TMotive& motive, int32_t t) {
    const auto it = std::partition_point(motive.notes.begin(), motive.notes.end(),
                                         [t](const TNote& note) { return note.time < t; });
    return size_t(it - motive.notes.begin());
}

double canvasScaleToFit(int available, int fixed, int count, int canvasWidth, double smallest) {
    if (count <= 0 || canvasWidth <= 0)
        return 1.0;
    const double room = double(available - fixed) / (double(count) * canvasWidth);
    return std::clamp(room, smallest, 1.0);
}

TPlacedItems canvasFrame(int width) {
    return {placedFill({0, 0, width, CHORD_BAND_TOP}, WHITE),
            placedFill({0, CHORD_BAND_TOP, width, CANVAS_HEIGHT - CHORD_BAND_TOP}, FACE_COLOUR)};
}

std::vector<TMeasurePiece> canvasPieces(const TMotive& motive) {
    const int32_t length = std::max(motive.measureLength(), 0);
    const int width = measureWidth(length);
    if (motive.anacrusis == 0)
        return {{0, length, 0, 0, firstNoteAt(motive, length), 0, width + 1, CANVAS_MEASURE_TOP}};
    // the motive runs from length - anacrusis to 2 length - anacrusis
    const int32_t lead = std::clamp(length - int32_t(motive.anacrusis), 0, length);
    const int leadWidth = (lead / TICKS_PER_SIXTEENTH) * PIXELS_PER_SIXTEENTH;
    const size_t bar = firstNoteAt(motive, length);
    // the second part starts with its bar line
    const int secondPartX = width - leadWidth + 1;
    return {{0, length, lead, 0, bar, leadWidth, width - leadWidth, 1},
            {length, length + lead, 0, bar, firstNoteAt(motive, length + lead), 0,
             leadWidth + MEASURE_MARGIN, secondPartX}};
}

namespace {

// A time at or after the last piece's start belongs to it, so the motive's end has an x too.
int xOfTimeIn(const std::vector<TMeasurePiece>& pieces, int32_t t) {
    const TMeasurePiece* piece = &pieces.front();
    for (const TMeasurePiece& p : pieces)
        if (t >= p.start)
            piece = &p;
    return piece->targetX - piece->sourceLeft + timeX(t - piece->start);
}

}  // namespace

int canvasXOfTime(const TMotive& motive, int32_t t) {
    return xOfTimeIn(canvasPieces(motive), t);
}

int32_t canvasTimeAtX(const TMotive& motive, int x) {
    const std::vector<TMeasurePiece> pieces = canvasPieces(motive);
    const int32_t first = motive.startTime();
    const int32_t last = std::max(first, motive.endTime() - TICKS_PER_SIXTEENTH);
    int32_t best = first;
    int bestDistance = std::abs(x - xOfTimeIn(pieces, first));
    for (int32_t t = first + TICKS_PER_SIXTEENTH; t <= last; t += TICKS_PER_SIXTEENTH) {
        const int distance = std::abs(x - xOfTimeIn(pieces, t));
        if (distance < bestDistance) {
            best = t;
            bestDistance = distance;
        }
    }
    return best;
}

TCanvasComposition composeCanvas(const TMotive& motive) {
    const int32_t length = std::max(motive.measureLength(), 0);
    const int width = measureWidth(length);

    TCanvasComposition c;
    c.measureWidth = width;
    c.width = width + CANVAS_EXTRA_WIDTH;
    c.height = CANVAS_HEIGHT;
    c.bitmapWidth = width + 1;
    c.beatLength = motive.measure.beatValue();
    c.beatsPerMeasure = motive.measure.beatsPerMeasure();
    const TPlacedItems frame = canvasFrame(c.width);
    c.background.push_back(frame[0]);
    c.pieces = canvasPieces(motive);

    c.band.push_back(frame[1]);
    if (!motive.chords.empty()) {
        const TPlacedItems first = layoutChordLabel(motive.chords[0], 0, CHORD_LABEL_TOP);
        c.band.insert(c.band.end(), first.begin(), first.end());
    }
    if (motive.anacrusis != 0 && motive.chords.size() >= 2) {
        // the second chord's label sits where the second measure's part starts
        const TPlacedItems second =
            layoutChordLabel(motive.chords[1], c.pieces.back().targetX, CHORD_LABEL_TOP);
        c.band.insert(c.band.end(), second.begin(), second.end());
    }
    return c;
}
