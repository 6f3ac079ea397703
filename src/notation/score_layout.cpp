#include "notation/score_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "generation/previous_motive.h"
#include "harmony/chord.h"
#include "model/period_timeline.h"
#include "model/tempo.h"
#include "notation/beam_groups.h"
#include "notation/chord_label.h"
#include "notation/measure_layout.h"
#include "notation/note_view.h"
#include "templates/phrase_letter.h"

namespace {

// A bar line spans the grand staff, from the treble's top line to the bass's bottom line; on the
// canvas the staffs lie one pixel lower than in the measure bitmap.
constexpr int BAR_TOP = CANVAS_MEASURE_TOP + STAFF_TOP;
constexpr int BAR_HEIGHT = STAFF_BOTTOM - STAFF_TOP + 1;
// The final bar: a thin line, a gap and a thick line.
constexpr int FINAL_GAP = 3;
constexpr int FINAL_THICK = 4;
constexpr int CLOSING_WIDTH = 1 + FINAL_GAP + FINAL_THICK;
constexpr int METRONOME_TEXT_GAP = 12;
// The chord voices: a head beside its neighbour a second away, stems, ties.
constexpr int HEAD_SHIFT = 9;
// Between the lowest stem or ledger line and the chord labels under it.
constexpr int LABEL_CLEARANCE = 6;
// A tie that comes from the system before starts this far before its head.
constexpr int TIE_IN = 24;
// The legend: between an entry's sign and its word, between entries.
constexpr int LEGEND_WORD_GAP = 5;
constexpr int LEGEND_ENTRY_GAP = 16;
constexpr int LEGEND_TEXT_HEIGHT = 16;

// The lengths a note or chord is written in, longest first; other lengths are tied from them.
constexpr int32_t WRITTEN_LENGTHS[] = {480, 360, 240, 180, 120, 90, 60, 30};

// The longest written length that fits in `room` ticks; 0 when not even a sixteenth does.
int32_t writtenPart(int32_t room) {
    for (const int32_t length : WRITTEN_LENGTHS)
        if (length <= room)
            return length;
    return 0;
}

// A melody note on the period's time line.
struct TMelodyNote {
    int32_t start = 0;
    int32_t end = 0;
    const TNote* note = nullptr;
    const TMotive* motive = nullptr;
};

// A chord on the time line, struck at its start.
struct TChordSpan {
    int32_t start = 0;
    int32_t end = 0;
    const TChord* chord = nullptr;
    const TKey* key = nullptr;
};

struct TPhraseStart {
    int32_t time = 0;
    TMotiveAddress address;
    bool sentence = false;
};

// What sounds, where, as the player places the motives one after another.
struct TScoreMusic {
    std::vector<TMelodyNote> melody;
    std::vector<TChordSpan> chords;
    std::vector<int32_t> barLines;  // ascending, with the period's start and end
    std::vector<TPhraseStart> phrases;
};

// The first bar line of a motive at or after t.
int32_t barLineFrom(int32_t base, int32_t length, int32_t t) {
    const int64_t from = int64_t(t) - base;
    const int64_t k = from <= 0 ? 0 : (from + length - 1) / length;
    return int32_t(base + k * length);
}

TScoreMusic gatherMusic(const TPeriodData& period) {
    TScoreMusic music;
    const int32_t length = period.measure.measureLength();
    if (length <= 0)
        return music;
    std::optional<TMotiveAddress> previous;
    int32_t melodyEnd = INT32_MIN;
    int32_t lastChordEnd = -1;
    int32_t periodEnd = INT32_MIN;
    for (const TPlacedMotive& placed : periodTimeline(period)) {
        const TMotive& motive = period.motiveAt(placed.address);
        const int32_t windowStart = placed.windowStart;
        const int32_t windowEnd = placed.windowEnd;
        if (windowEnd <= windowStart || motive.measureLength() != length)
            continue;
        // the period starts and ends where its music does, in between at bar lines
        if (music.barLines.empty())
            music.barLines.push_back(windowStart);
        for (int32_t line = barLineFrom(placed.base, length, windowStart); line <= windowEnd;
             line += length)
            music.barLines.push_back(line);
        periodEnd = std::max(periodEnd, windowEnd);

        const TMotiveAddress& a = placed.address;
        const bool sentenceStart = !previous || previous->sentence != a.sentence;
        if (sentenceStart || previous->phrase != a.phrase) {
            // a phrase is marked where its first full measure begins, the period at its start
            const int32_t time =
                previous ? std::min(barLineFrom(placed.base, length, windowStart), windowEnd)
                         : windowStart;
            music.phrases.push_back({time, a, sentenceStart});
        }
        previous = a;

        for (const TNote& note : motive.notes) {
            if (note.duration <= 0 || !isValidPitch(note.pitch))
                continue;
            const int32_t start = placed.base + note.time;
            const int32_t end = std::min(windowEnd, start + int32_t(note.duration));
            if (start < std::max(windowStart, melodyEnd) || end <= start)
                continue;
            music.melody.push_back({start, end, &note, &motive});
            melodyEnd = end;
        }

        const size_t chordCount = soundingChordCount(motive);
        for (size_t k = 0; k < chordCount; ++k) {
            const int32_t start =
                std::max(windowStart, placed.base + static_cast<int32_t>(k) * length);
            const int32_t end =
                std::min(windowEnd, placed.base + static_cast<int32_t>(k + 1) * length);
            if (end <= start)
                continue;
            // the up-beat chord that repeats the voicing sounding before it is held on
            const bool heldOver = k == 0 && placed.firstChordHeldOver && lastChordEnd == start &&
                                  !music.chords.empty();
            lastChordEnd = end;
            // and written as one chord with the one before, tied where a bar line cuts it
            if (heldOver)
                music.chords.back().end = end;
            else
                music.chords.push_back({start, end, &motive.chords[k], &motive.key});
        }
    }
    if (!music.barLines.empty())
        music.barLines.push_back(periodEnd);
    std::sort(music.barLines.begin(), music.barLines.end());
    music.barLines.erase(std::unique(music.barLines.begin(), music.barLines.end()),
                         music.barLines.end());
    return music;
}

// Where the notes of a bar stand with a spacing.
struct TBarGeometry {
    const TScoreBar& bar;
    const TMeasureSpacing& spacing;

    // Page x of the note that starts at time line tick t.
    int xOf(int32_t t) const {
        return bar.x + spacing.x(t - bar.start + bar.lead) - spacing.x(bar.lead) + spacing.margin;
    }
    int width() const { return xOf(bar.end) - bar.x; }
};

int naturalWidth(const TScoreBar& bar) {
    const TMeasureSpacing spacing;
    return TBarGeometry{bar, spacing}.width();
}

// A system is laid out with its canvas top at y 0 and moved down the page once its place is known:
// the staffs lie one pixel lower, as on a canvas.
constexpr int STAFF_ORIGIN = CANVAS_MEASURE_TOP;

// The meter's numbers measured as the options say; without a measure they take no room.
TTextWidth meterWidthOf(const TScoreOptions& options) {
    if (options.meterTextWidth)
        return options.meterTextWidth;
    return [](const std::string&) { return 0; };
}

TPlacedItems staffLines(int left, int width) {
    TPlacedItems items;
    for (const auto* lines : {&TREBLE_LINES, &BASS_LINES})
        for (const int y : *lines)
            items.push_back(placedRect(TItemKind::STAFF_LINE, {left, STAFF_ORIGIN + y, width, 1}));
    return items;
}

void append(TPlacedItems& items, const TPlacedItems& more, int dx = 0, int dy = 0) {
    for (TPlacedItem item : more) {
        item.rect.x += dx;
        item.rect.y += dy;
        items.push_back(std::move(item));
    }
}

// One system before its place on the page is known.
struct TPendingSystem {
    std::vector<TScoreBar> bars;
    double sixteenth = PIXELS_PER_SIXTEENTH;
};

// Shares a phrase's bars out over the fewest lines that hold them, as evenly as counts go.
std::vector<std::vector<TScoreBar>> breakLines(const std::vector<TScoreBar>& bars, int room) {
    const size_t n = bars.size();
    for (size_t lines = 1; lines <= n; ++lines) {
        std::vector<std::vector<TScoreBar>> result;
        bool fits = true;
        size_t next = 0;
        for (size_t line = 0; line < lines && fits; ++line) {
            const size_t count = n / lines + (line < n % lines ? 1 : 0);
            std::vector<TScoreBar> run(bars.begin() + long(next),
                                       bars.begin() + long(next + count));
            next += count;
            int width = 0;
            for (const TScoreBar& bar : run)
                width += naturalWidth(bar);
            // a bar wider than the line has a line of its own
            fits = run.size() == 1 || width <= room;
            result.push_back(std::move(run));
        }
        if (fits)
            return result;
    }
    return {bars};
}

class TSystemRenderer {
  public:
    TSystemRenderer(const TPeriodData& period, const TScoreMusic& music,
                    const TScoreOptions& options, int headerWidth)
        : period_(period), music_(music), options_(options), headerWidth_(headerWidth) {}

    // The system with its canvas top at page y 0; placeSystem moves it down the page.
    TScoreSystem render(const TPendingSystem& pending, bool final) {
        TScoreSystem system;
        system.bars = pending.bars;
        spacing_.sixteenth = pending.sixteenth;
        TPlacedItems& items = system.items;
        append(items, layoutHeader(period_.key.signs(), period_.measure, meterWidthOf(options_)), 0,
               STAFF_ORIGIN);
        int right = headerWidth_ + SCORE_HEADER_GAP;
        for (TScoreBar& bar : system.bars) {
            bar.x = right;
            bar.width = TBarGeometry{bar, spacing_}.width();
            right += bar.width;
        }
        system.right = right;
        bars_ = &system.bars;
        append(items, staffLines(headerWidth_, right - headerWidth_));
        items.push_back(placedRect(TItemKind::BAR_LINE, {right, BAR_TOP, 1, BAR_HEIGHT}));
        if (final) {
            items.push_back(placedRect(TItemKind::BAR_LINE,
                                       {right + 1 + FINAL_GAP, BAR_TOP, FINAL_THICK, BAR_HEIGHT}));
            append(items, staffLines(right, CLOSING_WIDTH));
        }
        lastChordX_.reset();
        labels_.clear();
        for (size_t i = 0; i < system.bars.size(); ++i) {
            const TScoreBar& bar = system.bars[i];
            if (i + 1 < system.bars.size())
                items.push_back(
                    placedRect(TItemKind::BAR_LINE, {bar.x + bar.width, BAR_TOP, 1, BAR_HEIGHT}));
            addMelody(items, bar, system.bars.front().start, system.bars.back().end);
            addHarmony(items, bar);
        }
        // the labels keep below the lowest stem or ledger line
        int lowest = 0;
        for (const TPlacedItem& item : items)
            lowest = std::max(lowest, item.rect.bottom());
        const int shift = std::max(0, lowest + LABEL_CLEARANCE - SCORE_LABEL_TOP);
        append(items, labels_, 0, shift);
        addMarkers(system);
        return system;
    }

  private:
    // The melody's notes in the bar, cut into written lengths tied to one another, and tied
    // over the bar line where a note goes on into the next measure. [systemStart, systemEnd) is
    // the time the system shows: a tie from or to a note outside it reaches the system's edge.
    void addMelody(TPlacedItems& items, const TScoreBar& bar, int32_t systemStart,
                   int32_t systemEnd) const {
        const TBarGeometry geometry{bar, spacing_};
        const TMotive* owner = nullptr;
        std::vector<TNote> notes;
        // a tie joins the heads below them when the stem goes up, above them when it goes down
        TPlacedItems ties;
        const auto tie = [&ties](int fromX, int toX, int32_t p) {
            addTie(ties, fromX, toX, p, stemUp(p));
        };
        for (const TMelodyNote& m : music_.melody) {
            if (m.end <= bar.start || m.start >= bar.end)
                continue;
            owner = owner ? owner : m.motive;
            const int32_t to = std::min(m.end, bar.end);
            int32_t t = std::max(m.start, bar.start);
            if (t > m.start && m.start < systemStart)
                tie(geometry.xOf(t) - TIE_IN, geometry.xOf(t), m.note->pitch);
            for (int32_t part = writtenPart(to - t); part > 0; part = writtenPart(to - t)) {
                TNote note = *m.note;
                note.time = t - bar.start + bar.lead;
                note.duration = DURATION(part);
                notes.push_back(note);
                const int32_t next = t + part;
                if (next < m.end && writtenPart(m.end - next) > 0) {
                    // the part after it is in this bar, in a later bar of the system, or beyond
                    const int fromX = geometry.xOf(t);
                    const int toX = next >= systemEnd ? fromX + TIE_IN : xInSystem(next);
                    tie(fromX, toX, m.note->pitch);
                }
                t = next;
            }
        }
        TMotive measure = owner ? *owner : TMotive(period_.key, period_.measure);
        measure.notes = std::move(notes);
        TNoteViews views =
            buildMeasureViews(measure, 0, measure.notes.size(), 0, bar.end - bar.start + bar.lead,
                              DURATION(beamGroupLength(period_.measure)), bar.lead);
        if (options_.blackHeads)
            for (TNoteView& view : views)
                view.style = STYLE_CHORD_TONE;
        for (TPlacedItem& item : layoutMeasure(views, bar.lead, 0, spacing_)) {
            // the system draws the staff and the bar lines across all its measures
            if (item.kind == TItemKind::STAFF_LINE || item.kind == TItemKind::BAR_LINE)
                continue;
            item.rect.x += geometry.xOf(bar.start) - spacing_.x(bar.lead);
            item.rect.y += STAFF_ORIGIN;
            items.push_back(std::move(item));
        }
        append(items, ties, 0, STAFF_ORIGIN);
    }

    // The x of time line tick t in the system being rendered.
    int xInSystem(int32_t t) const {
        for (const TScoreBar& bar : *bars_)
            if (t >= bar.start && t < bar.end)
                return TBarGeometry{bar, spacing_}.xOf(t);
        return bars_->back().x + bars_->back().width;
    }

    // Each voice at its own pitch with its own stem, soprano and tenor up, alto and bass down,
    // as the voices of a grand staff are written.
    void addChord(TPlacedItems& items, int x, const TVoicing& voicing, int32_t length,
                  std::set<int32_t>* marked, const TKey& key) const {
        TPlacedItems chord;
        for (size_t v = 0; v < 4; ++v) {
            const int32_t p = voicing[v];
            if (!isValidPitch(p))
                continue;
            const bool up = v % 2 == 0;
            const int32_t partner = voicing[up ? v + 1 : v - 1];
            // of two heads a second apart, the upper one goes right of the lower one
            const int headX = up && partner == p - 1 ? x + HEAD_SHIFT : x;
            const int y = pitchY(p);
            // the lower voice of a pair in unison shares the upper one's head
            if (up || partner != p) {
                addLedgerLines(chord, headX, p);
                chord.push_back(placedGlyph(noteHeadGlyph(length, up), headX - 4, y - 4));
                addDot(chord, headX, y, length);
                if (marked && key.isRaisedSeventh(p) && marked->insert(p).second)
                    addAccidental(chord, x, y, uint8_t(key.accidentalFor(p, ALTERATION_RAISE)));
            }
            const TGlyph stem = stemGlyph(length, up);
            if (stem != TGlyph::NONE)
                chord.push_back(up ? placedGlyph(stem, headX + 4, y - 30)
                                   : placedGlyph(stem, headX - 4, y + 4));
        }
        append(items, chord, 0, STAFF_ORIGIN);
    }

    // Ties each voice of the chord from its heads at fromX to those at toX.
    void addTies(TPlacedItems& items, int fromX, int toX, const TVoicing& voicing) const {
        TPlacedItems ties;
        for (size_t v = 0; v < 4; ++v) {
            const int32_t p = voicing[v];
            if (!isValidPitch(p) || (v % 2 == 1 && voicing[v - 1] == p))
                continue;
            // with two voices on a staff a tie bends the way its voice's stem goes: the upper
            // voice's above the heads, the lower voice's below them
            addTie(ties, fromX, toX, p, v % 2 == 1);
        }
        append(items, ties, 0, STAFF_ORIGIN);
    }

    void addHarmony(TPlacedItems& items, const TScoreBar& bar) {
        const TBarGeometry geometry{bar, spacing_};
        std::set<int32_t> marked;
        for (const TChordSpan& span : music_.chords) {
            if (span.end <= bar.start || span.start >= bar.end)
                continue;
            const TVoicing voicing = span.chord->voicing();
            const int32_t from = std::max(span.start, bar.start);
            const int32_t to = std::min(span.end, bar.end);
            int32_t t = from;
            for (int32_t part = writtenPart(to - t); part > 0; part = writtenPart(to - t)) {
                const int x = geometry.xOf(t);
                const bool struck = t == span.start;
                if (!struck)
                    addTies(items, lastChordX_ ? *lastChordX_ + 6 : x - TIE_IN, x - 6, voicing);
                else if (span.chord->hasType())
                    append(labels_, layoutChordLabel(*span.chord, x - 4, SCORE_LABEL_TOP));
                addChord(items, x, voicing, part, struck ? &marked : nullptr, *span.key);
                lastChordX_ = x;
                t += part;
            }
        }
    }

    void addMarkers(TScoreSystem& system) const {
        for (const TPhraseStart& start : music_.phrases) {
            const auto bar = std::find_if(
                system.bars.begin(), system.bars.end(),
                [&](const TScoreBar& b) { return start.time >= b.start && start.time < b.end; });
            if (bar == system.bars.end())
                continue;
            int x = bar->x + CANVAS_MEASURE_TOP;
            if (start.sentence)
                addMarker(system, x,
                          options_.sentenceWord + " " +
                              std::to_string(sentenceCode(start.address.sentence)),
                          1);
            addMarker(
                system, x,
                phraseLetterName(
                    period_.sentences[start.address.sentence].phrases[start.address.phrase].letter),
                2);
        }
    }

    static int markerTop(const TScoreSystem& system) {
        return system.canvasTop - SCORE_MARKER_HEIGHT +
               (SCORE_MARKER_HEIGHT - SCORE_MARKER_BOX_HEIGHT) / 2;
    }

    void addMarker(TScoreSystem& system, int& x, const std::string& text, int level) const {
        if (text.empty())
            return;
        const int width = (options_.markerTextWidth ? options_.markerTextWidth(text) : 0) +
                          2 * SCORE_MARKER_PADDING;
        system.markers.push_back(
            {{x, markerTop(system), width, SCORE_MARKER_BOX_HEIGHT}, text, level});
        x += width + SCORE_MARKER_GAP;
    }

    const TPeriodData& period_;
    const TScoreMusic& music_;
    const TScoreOptions& options_;
    const int headerWidth_;
    TMeasureSpacing spacing_;
    // the bars of the system being rendered, placed
    const std::vector<TScoreBar>* bars_ = nullptr;
    // its chord labels, placed once its lowest note is known
    TPlacedItems labels_;
    // the x of the chord drawn last in this system, where a tie to the next one starts
    std::optional<int> lastChordX_;
};

// How far a system rendered at canvas top 0 reaches up (negative) and down: at least its
// markers and its chord labels' band, more where notes stand far above or below the staffs.
std::pair<int, int> extentOf(const TScoreSystem& system) {
    int top = -SCORE_MARKER_HEIGHT;
    int bottom = SCORE_SYSTEM_HEIGHT - SCORE_MARKER_HEIGHT;
    for (const TPlacedItem& item : system.items) {
        top = std::min(top, item.rect.y);
        bottom = std::max(bottom, item.rect.bottom());
    }
    return {top, bottom};
}

// Moves a system rendered at canvas top 0 down to its place.
void placeSystem(TScoreSystem& system, int canvasTop) {
    system.canvasTop = canvasTop;
    for (TPlacedItem& item : system.items)
        item.rect.y += canvasTop;
    for (TScoreMarker& marker : system.markers)
        marker.rect.y += canvasTop;
}

}  // namespace

size_t TScoreLayout::systemCount() const {
    size_t n = 0;
    for (const TScorePage& page : pages)
        n += page.systems.size();
    return n;
}

TScoreLayout layoutScore(const TPeriodData& period, const TScoreOptions& options) {
    TScoreLayout layout;
    layout.pages.emplace_back();
    layout.legend = layoutScoreLegend(options, options.pageWidth, SCORE_LEGEND_Y);
    const TScoreMusic music = gatherMusic(period);
    if (music.barLines.size() < 2)
        return layout;

    // the bars of the time line, a short first one being the pickup
    const int32_t length = period.measure.measureLength();
    std::vector<std::vector<TScoreBar>> phrases(1);
    size_t phrase = 0;
    for (size_t i = 0; i + 1 < music.barLines.size(); ++i) {
        TScoreBar bar;
        bar.start = music.barLines[i];
        bar.end = music.barLines[i + 1];
        if (i == 0 && bar.end - bar.start < length)
            bar.lead = length - (bar.end - bar.start);
        while (phrase + 1 < music.phrases.size() && music.phrases[phrase + 1].time <= bar.start) {
            ++phrase;
            if (!phrases.back().empty())
                phrases.emplace_back();
        }
        phrases.back().push_back(bar);
    }

    const int headerWidth =
        ::headerWidth(period.key.signs(), period.measure, meterWidthOf(options));
    const int room = options.pageWidth - headerWidth - SCORE_HEADER_GAP - CLOSING_WIDTH;
    std::vector<TPendingSystem> pending;
    for (const std::vector<TScoreBar>& bars : phrases)
        for (std::vector<TScoreBar>& line : breakLines(bars, room)) {
            TPendingSystem system;
            int32_t sixteenths = 0;
            for (const TScoreBar& bar : line)
                sixteenths += (bar.end - bar.start) / TICKS_PER_SIXTEENTH;
            const int margins = int(line.size()) * MEASURE_MARGIN;
            if (sixteenths > 0 && room > margins) {
                // a little under the exact share, so that rounding never passes the line's end
                const double share = std::floor(100.0 * (room - margins) / sixteenths) / 100.0;
                system.sixteenth = std::clamp(share - 0.01, double(PIXELS_PER_SIXTEENTH),
                                              PIXELS_PER_SIXTEENTH * SCORE_MAX_STRETCH);
            }
            // rounding at each bar may still add a pixel a bar
            const auto width = [&] {
                TMeasureSpacing spacing;
                spacing.sixteenth = system.sixteenth;
                int total = 0;
                for (const TScoreBar& bar : line)
                    total += TBarGeometry{bar, spacing}.width();
                return total;
            };
            while (system.sixteenth > PIXELS_PER_SIXTEENTH && width() > room)
                system.sixteenth = std::max(double(PIXELS_PER_SIXTEENTH), system.sixteenth - 0.05);
            system.bars = std::move(line);
            pending.push_back(std::move(system));
        }

    TSystemRenderer renderer(period, music, options, headerWidth);
    std::vector<TScoreSystem> systems;
    std::vector<std::pair<int, int>> extents;
    for (size_t i = 0; i < pending.size(); ++i) {
        systems.push_back(renderer.render(pending[i], i + 1 == pending.size()));
        extents.push_back(extentOf(systems.back()));
    }
    const auto height = [&](size_t i) { return extents[i].second - extents[i].first; };

    // pages take the systems that fit (as many on each as the fullest needs, so that the last
    // page is not left with a lone line), then spread them down to the footer
    const int bottom = options.pageHeight - SCORE_FOOTER_HEIGHT;
    const auto fillPages = [&](size_t most) {
        std::vector<std::pair<size_t, size_t>> ranges;  // [first, last) of the systems
        int used = SCORE_TITLE_HEIGHT;
        size_t first = 0;
        for (size_t i = 0; i < systems.size(); ++i) {
            const int needed = (i > first ? SCORE_SYSTEM_GAP : 0) + height(i);
            if (i > first && (used + needed > bottom || i - first >= most)) {
                ranges.emplace_back(first, i);
                first = i;
                used = height(i);
            } else {
                used += needed;
            }
        }
        ranges.emplace_back(first, systems.size());
        return ranges;
    };
    std::vector<std::pair<size_t, size_t>> pageRanges = fillPages(systems.size());
    const size_t pageCount = pageRanges.size();
    if (pageCount > 1) {
        const std::vector<std::pair<size_t, size_t>> even =
            fillPages((systems.size() + pageCount - 1) / pageCount);
        if (even.size() == pageCount)
            pageRanges = even;
    }

    int gap = SCORE_SYSTEM_GAP;
    for (size_t p = 0; p < pageRanges.size(); ++p) {
        const auto [from, to] = pageRanges[p];
        const int count = int(to - from);
        const int pageTop = p == 0 ? SCORE_TITLE_HEIGHT : 0;
        // the last page of several keeps the spacing of the pages before it
        if (count > 1 && (p == 0 || p + 1 < pageRanges.size() ||
                          count == int(pageRanges[p - 1].second - pageRanges[p - 1].first))) {
            int spare = bottom - pageTop;
            for (size_t i = from; i < to; ++i)
                spare -= height(i);
            gap = std::clamp(spare / (count - 1), SCORE_SYSTEM_GAP, SCORE_SYSTEM_GAP_MAX);
        }
        if (p > 0)
            layout.pages.emplace_back();
        int y = pageTop;
        for (size_t i = from; i < to; ++i) {
            placeSystem(systems[i], y - extents[i].first);
            layout.pages.back().systems.push_back(std::move(systems[i]));
            y += height(i) + gap;
        }
    }
    return layout;
}

TPlacedItems layoutScoreLegend(const TScoreOptions& options, int right, int y) {
    TPlacedItems items;
    int x = 0;
    auto word = [&](const std::string& text) {
        TPlacedItem item;
        item.kind = TItemKind::TEXT;
        item.text = text;
        const int width = options.legendTextWidth ? options.legendTextWidth(text) : 0;
        item.rect = {x, y - LEGEND_TEXT_HEIGHT / 2, width, LEGEND_TEXT_HEIGHT};
        items.push_back(item);
        x += width + LEGEND_ENTRY_GAP;
    };
    if (!options.blackHeads) {
        for (const auto& [style, text] :
             {std::pair{STYLE_CHORD_TONE, &options.chordToneWord},
              std::pair{STYLE_NON_CHORD_TONE, &options.nonChordToneWord}}) {
            const TPlacedItem head = placedGlyph(TGlyph::HEAD_FILLED_UP, x, y - 4, style);
            items.push_back(head);
            x += head.rect.width + LEGEND_WORD_GAP;
            word(*text);
        }
    }
    for (const auto& [type, text] :
         {std::pair{TChordType::TONIC_THREE_CHORD, &options.tonicWord},
          std::pair{TChordType::SUBDOMINANT_THREE_CHORD, &options.subdominantWord},
          std::pair{TChordType::DOMINANT_THREE_CHORD, &options.dominantWord}}) {
        const TChord chord = chordOfType(type);
        const TChordLabel label = chordLabel(chord);
        const TPlacedItems box = layoutChordLabel(chord, x, y - (label.height() + 3) / 2);
        items.insert(items.end(), box.begin(), box.end());
        x += box.front().rect.width + LEGEND_WORD_GAP;
        word(*text);
    }
    const int width = x - LEGEND_ENTRY_GAP;
    for (TPlacedItem& item : items)
        item.rect.x += right - width;
    return items;
}

std::string scoreTitle(const std::string& documentName) {
    const size_t slash = documentName.find_last_of('/');
    std::string name = slash == std::string::npos ? documentName : documentName.substr(slash + 1);
    const std::string ending = ".tnr";
    if (name.size() > ending.size() &&
        name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
        name.resize(name.size() - ending.size());
    return name;
}

TPlacedItems layoutMetronomeMark(int32_t tempo, int x, int y, const TTextWidth& textWidth) {
    TPlacedItems items;
    items.push_back(placedGlyph(TGlyph::HEAD_FILLED_UP, x - 4, y - 4));
    items.push_back(placedGlyph(TGlyph::STEM_UP, x + 4, y - 30));
    TPlacedItem text;
    text.kind = TItemKind::TEXT;
    text.text = "= " + std::to_string(quartersPerMinute(tempo));
    text.rect = {x + METRONOME_TEXT_GAP, y - 10 + 1, textWidth ? textWidth(text.text) : 0, 20};
    items.push_back(text);
    return items;
}
