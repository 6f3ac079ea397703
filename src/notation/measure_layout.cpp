#include "notation/measure_layout.h"

#include <algorithm>
#include <cmath>

#include "notation/notation_metrics.h"

namespace {

constexpr int LEDGER_HALF_WIDTH = 11;
constexpr int STEM_WIDTH = 2;
constexpr int BEAM_THICKNESS = 3;
// the plain stem's height plus 3: how far a beam lies from the outermost head's centre
constexpr int BEAM_DISTANCE = 31;
constexpr int SECONDARY_BEAM_OFFSET = 5;
constexpr int LEFT_STUB = 10;
constexpr int RIGHT_STUB = 11;
constexpr int TIE_HEIGHT = 24;
constexpr int TIE_OFFSET = 6;
constexpr int DOTTED_REST_SHIFT = 4;  // half the dot's width plus 2
constexpr int DOT_GAP = 2;

void addHead(TPlacedItems& items, int x, int y, const TNoteView& view, bool up) {
    items.push_back(placedGlyph(noteHeadGlyph(view.duration, up), x - 4, y - 4, view.style));
}

}  // namespace

TGlyph noteHeadGlyph(int32_t duration, bool up) {
    if (duration >= HALF)
        return up ? TGlyph::HEAD_HOLLOW_UP : TGlyph::HEAD_HOLLOW_DOWN;
    return up ? TGlyph::HEAD_FILLED_UP : TGlyph::HEAD_FILLED_DOWN;
}

TGlyph stemGlyph(int32_t duration, bool up) {
    if (duration < EIGHTH)
        return up ? TGlyph::STEM_UP_FLAG2 : TGlyph::STEM_DOWN_FLAG2;
    if (duration < QUARTER)
        return up ? TGlyph::STEM_UP_FLAG1 : TGlyph::STEM_DOWN_FLAG1;
    if (duration < WHOLE)
        return up ? TGlyph::STEM_UP : TGlyph::STEM_DOWN;
    return TGlyph::NONE;
}

int TMeasureSpacing::x(int32_t t) const {
    return margin + int(std::lround(sixteenth * double(t / TICKS_PER_SIXTEENTH)));
}

void addTie(TPlacedItems& items, int fromX, int toX, int32_t p, bool below) {
    const int centre = pitchY(p) + (below ? TIE_OFFSET : -TIE_OFFSET);
    items.push_back(placedRect(below ? TItemKind::TIE_BELOW : TItemKind::TIE_ABOVE,
                               {fromX, centre - TIE_HEIGHT / 2, toX - fromX, TIE_HEIGHT}));
}

void addAccidental(TPlacedItems& items, int x, int y, uint8_t code) {
    TGlyph glyph = TGlyph::NONE;
    int top = 0;
    switch (code) {
        case ACCIDENTAL_SHARP:
            glyph = TGlyph::SHARP;
            top = y - 8;
            break;
        case ACCIDENTAL_DOUBLE_SHARP:
            glyph = TGlyph::DOUBLE_SHARP;
            top = y - 5;
            break;
        case ACCIDENTAL_NATURAL:
            glyph = TGlyph::NATURAL;
            top = y - 7;
            break;
        default:
            return;
    }
    items.push_back(placedGlyph(glyph, x - glyphSize(glyph).width - 4, top));
}

void addDot(TPlacedItems& items, int x, int y, int32_t duration) {
    if (isDotted(duration))
        items.push_back(placedGlyph(TGlyph::DOT, x + 7, y - 1));
}

namespace {

void addSingleNote(TPlacedItems& items, int x, const TNoteView& view) {
    const int y = pitchY(view.pitch);
    const bool up = stemUp(view.pitch);
    addLedgerLines(items, x, view.pitch);
    addHead(items, x, y, view, up);
    const TGlyph stem = stemGlyph(view.duration, up);
    if (stem != TGlyph::NONE)
        items.push_back(up ? placedGlyph(stem, x + 4, y - 30) : placedGlyph(stem, x - 4, y + 4));
    addAccidental(items, x, y, view.accidental);
    addDot(items, x, y, view.duration);
}

// A rest is centred between `leftX` (the symbol before it) and the x of its own end.
void addRest(TPlacedItems& items, int centre, int32_t duration) {
    const TGlyph glyph = restGlyph(duration);
    const TGlyphSize size = glyphSize(glyph);
    int left = centre - size.width / 2;
    const int top = restTop(duration);
    if (isDotted(duration))
        left -= DOTTED_REST_SHIFT;
    items.push_back(placedGlyph(glyph, left, top));
    if (isDotted(duration)) {
        const TGlyphSize dot = glyphSize(TGlyph::DOT);
        items.push_back(placedGlyph(TGlyph::DOT, left + size.width + DOT_GAP,
                                    top + (size.height - dot.height) / 2));
    }
}

// Lays out a beamed group of views[first .. first + count) starting at `time`; returns the time
// after it and sets lastX to the last member's x.
int32_t addBeamedGroup(TPlacedItems& items, const TNoteViews& views, size_t first, size_t count,
                       int32_t time, int& lastX, const TMeasureSpacing& spacing) {
    const int middle = views[first].pitch < TREBLE_LOWEST ? 14 : 26;
    int32_t lo = views[first].pitch;
    int32_t hi = lo;
    for (size_t k = first; k < first + count; ++k) {
        lo = std::min(lo, views[k].pitch);
        hi = std::max(hi, views[k].pitch);
    }
    const bool up = hi - middle < middle - lo - 1;
    const int beamY = up ? pitchY(hi) - BEAM_DISTANCE : pitchY(lo) + BEAM_DISTANCE;

    std::vector<int> stemX;
    for (size_t k = first; k < first + count; ++k) {
        const TNoteView& view = views[k];
        const int x = spacing.x(time);
        const int y = pitchY(view.pitch);
        addLedgerLines(items, x, view.pitch);
        addHead(items, x, y, view, up);
        addDot(items, x, y, view.duration);
        addAccidental(items, x, y, view.accidental);
        if (up) {
            stemX.push_back(x + 4);
            items.push_back(
                placedRect(TItemKind::STEM, {x + 4, beamY, STEM_WIDTH, (y - 4) - beamY}));
        } else {
            stemX.push_back(x - 4);
            items.push_back(
                placedRect(TItemKind::STEM, {x - 4, y + 4, STEM_WIDTH, beamY - (y + 4) + 1}));
        }
        time += view.duration;
        lastX = x;
    }

    const int beamTop = up ? beamY : beamY - 2;
    items.push_back(placedRect(
        TItemKind::BEAM,
        {stemX.front(), beamTop, stemX.back() + STEM_WIDTH - stemX.front(), BEAM_THICKNESS}));

    const int row =
        up ? beamY + SECONDARY_BEAM_OFFSET : beamY - SECONDARY_BEAM_OFFSET - (BEAM_THICKNESS - 1);
    auto sixteenth = [&](size_t k) { return views[first + k].duration == SIXTEENTH; };
    for (size_t k = 0; k < count; ++k) {
        if (!sixteenth(k))
            continue;
        const bool afterSixteenth = k > 0 && sixteenth(k - 1);
        const bool beforeSixteenth = k + 1 < count && sixteenth(k + 1);
        if (beforeSixteenth)
            items.push_back(
                placedRect(TItemKind::SECONDARY_BEAM,
                           {stemX[k], row, stemX[k + 1] + STEM_WIDTH - stemX[k], BEAM_THICKNESS}));
        if (afterSixteenth || beforeSixteenth)
            continue;
        // a lone sixteenth after a longer member points back to it
        if (k > 0)
            items.push_back(placedRect(TItemKind::SECONDARY_BEAM,
                                       {stemX[k] - LEFT_STUB, row, LEFT_STUB, BEAM_THICKNESS}));
        // a lone sixteenth before a longer member points on to it
        if (k + 1 < count)
            items.push_back(
                placedRect(TItemKind::SECONDARY_BEAM, {stemX[k], row, RIGHT_STUB, BEAM_THICKNESS}));
    }
    return time;
}

// How many consecutive beamed views a group that starts at `first` really has.
size_t groupCount(const TNoteViews& views, size_t first) {
    const size_t wanted = size_t(views[first].link) + 1;
    size_t count = 1;
    while (count < wanted && first + count < views.size() &&
           views[first + count].kind == NOTE_VIEW_BEAMED && !views[first + count].isRest())
        ++count;
    return count;
}

}  // namespace

TGlyph restGlyph(int32_t duration) {
    if (duration < EIGHTH)
        return TGlyph::REST_SIXTEENTH;
    if (duration < QUARTER)
        return TGlyph::REST_EIGHTH;
    if (duration < HALF)
        return TGlyph::REST_QUARTER;
    return TGlyph::REST_BLOCK;
}

int restTop(int32_t duration) {
    if (duration < QUARTER)
        return 42;
    if (duration < HALF)
        return 36;
    if (duration < WHOLE)
        return 47;  // the half rest sits on the middle line
    return 41;      // the whole rest hangs from the line above it
}

void addLedgerLines(TPlacedItems& items, int x, int32_t p) {
    auto line = [&](int y) {
        items.push_back(placedRect(TItemKind::LEDGER_LINE,
                                   {x - LEDGER_HALF_WIDTH, y, 2 * LEDGER_HALF_WIDTH, 1}));
    };
    if (p == TREBLE_LOWEST) {
        line(pitchY(TREBLE_LOWEST));
    } else if (p >= 32) {
        for (int i = 0; i < (p - 30) / 2; ++i)
            line(20 - 10 * i);
    } else if (p <= 8) {
        for (int i = 0; i < (10 - p) / 2; ++i)
            line(140 + 10 * i);
    }
}

TPlacedItems layoutMotiveMeasure(const TMotive& motive, size_t first, size_t last, int32_t start,
                                 DURATION beatLength, int32_t beatsPerMeasure, int32_t lead,
                                 int32_t limit, int width) {
    const int32_t end = std::min(start + int32_t(beatLength) * beatsPerMeasure, limit);
    return layoutMeasure(buildMeasureViews(motive, first, last, start, end, beatLength, lead), lead,
                         width);
}

TPlacedItems layoutMeasure(const TNoteViews& views, int32_t lead, int width) {
    return layoutMeasure(views, lead, width, TMeasureSpacing{});
}

TPlacedItems layoutMeasure(const TNoteViews& views, int32_t lead, int width,
                           const TMeasureSpacing& spacing) {
    TPlacedItems items;
    for (const int y : TREBLE_LINES)
        items.push_back(placedRect(TItemKind::STAFF_LINE, {0, y, width, 1}));
    for (const int y : BASS_LINES)
        items.push_back(placedRect(TItemKind::STAFF_LINE, {0, y, width, 1}));
    items.push_back(
        placedRect(TItemKind::BAR_LINE, {0, STAFF_TOP, 1, STAFF_BOTTOM - STAFF_TOP + 1}));

    int32_t time = 0;
    // the x a following rest is centred from: one sixteenth before the first symbol
    int previousX = spacing.x(0) - int(std::lround(spacing.sixteenth));
    int tieStartX = 0;
    bool tieOpen = false;
    size_t i = 0;
    while (i < views.size()) {
        const TNoteView& view = views[i];
        const int x = spacing.x(time);
        if (view.isRest()) {
            const int centre = (previousX + spacing.x(time + view.duration)) / 2;
            if (time + view.duration > lead)
                addRest(items, centre, view.duration);
            previousX = centre;
            time += view.duration;
            ++i;
            continue;
        }
        if (view.kind == NOTE_VIEW_BEAMED && view.link > 0) {
            const size_t count = groupCount(views, i);
            if (count > 1) {
                time = addBeamedGroup(items, views, i, count, time, previousX, spacing);
                i += count;
                continue;
            }
        }
        addSingleNote(items, x, view);
        if (view.kind == NOTE_VIEW_TIED) {
            if (!tieOpen) {
                tieStartX = x;
                tieOpen = true;
            }
            if (view.link == 0) {
                // below the heads when the stems go up, above them when they go down
                addTie(items, tieStartX, x, view.pitch, stemUp(view.pitch));
                tieOpen = false;
            }
        }
        previousX = x;
        time += view.duration;
        ++i;
    }
    return items;
}
