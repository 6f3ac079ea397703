#include "notation/score_layout.h"

#include <gtest/gtest.h>

#include "model/period_timeline.h"
#include "model/tempo.h"
#include "notation/note_view.h"
#include "support/notation_fixtures.h"
#include "support/random_period.h"

namespace {

// Every character 7 pixels wide.
int sevenEach(const std::string& text) {
    return 7 * int(text.size());
}

TScoreOptions options() {
    TScoreOptions o;
    o.meterTextWidth = sevenEach;
    o.markerTextWidth = sevenEach;
    o.legendTextWidth = sevenEach;
    return o;
}

// Sentences of phrases of motives as the templates make them, lettered A, B, A1, B1 ...
TPeriodData periodOf(int sentences, int phrasesEach, int motivesEach, TMeasure meter = TMeasure(),
                     DURATION anacrusis = 0, TKey key = TKey()) {
    const std::vector<COLORED_BOX_SUFFIX> cycle = {5, 6, 10, 11};
    std::vector<COLORED_BOX_SUFFIX> letters;
    for (int i = 0; i < sentences * phrasesEach; ++i)
        letters.push_back(cycle[size_t(i) % cycle.size()]);
    TPeriodData period;
    period.buildFromLayout(std::vector<int>(size_t(sentences), phrasesEach),
                           std::vector<int>(size_t(sentences * phrasesEach), motivesEach), letters,
                           key, meter, anacrusis, 100);
    return period;
}

// Every motive gets the notes and chords given, the chords voiced as given.
void fill(TPeriodData& period, const std::vector<TNote>& notes,
          const std::vector<std::pair<const char*, TVoicing>>& chords) {
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        TMotive& motive = period.motiveAt(a);
        motive.notes = notes;
        motive.chords.clear();
        for (size_t k = 0; k < chords.size(); ++k) {
            TChord chord = chordAt(chords[k].first, int32_t(k) * motive.measureLength());
            chord.setVoicing(chords[k].second);
            motive.chords.push_back(chord);
        }
    }
}

std::vector<size_t> systemsPerPage(const TScoreLayout& layout) {
    std::vector<size_t> counts;
    for (const TScorePage& page : layout.pages)
        counts.push_back(page.systems.size());
    return counts;
}

std::vector<const TScoreSystem*> allSystems(const TScoreLayout& layout) {
    std::vector<const TScoreSystem*> systems;
    for (const TScorePage& page : layout.pages)
        for (const TScoreSystem& system : page.systems)
            systems.push_back(&system);
    return systems;
}

bool isHead(const TPlacedItem& item) {
    switch (item.glyph) {
        case TGlyph::HEAD_FILLED_UP:
        case TGlyph::HEAD_FILLED_DOWN:
        case TGlyph::HEAD_HOLLOW_UP:
        case TGlyph::HEAD_HOLLOW_DOWN:
            return item.kind == TItemKind::GLYPH;
        default:
            return false;
    }
}

// The items of a kind whose left edge lies in the bar.
std::vector<TPlacedItem> inBar(const TScoreBar& bar, const TPlacedItems& items, TItemKind kind) {
    std::vector<TPlacedItem> found;
    for (const TPlacedItem& item : ofKind(items, kind))
        if (item.rect.x > bar.x && item.rect.x < bar.x + bar.width)
            found.push_back(item);
    return found;
}

int headerOf(const TPeriodData& period) {
    return headerWidth(period.key.signs(), period.measure, sevenEach);
}

// The right edge of a system's final bar's thick line, -1 when it has none.
int finalBar(const TScoreSystem& system) {
    for (const TPlacedItem& item : ofKind(system.items, TItemKind::BAR_LINE))
        if (item.rect.width == 4)
            return item.rect.right();
    return -1;
}

// Where the staffs may end: the page's width less the final bar's thick line and its gap.
constexpr int LINE_END = SCORE_PAGE_WIDTH - 8;

}  // namespace

TEST(ScoreLayoutTest, EachPhraseIsALineSpreadToTheWidthAndThePagesAreFilled) {
    const TPeriodData period = periodOf(4, 4, 4);
    ASSERT_EQ(period.motiveCount(), 64u);
    const TScoreLayout layout = layoutScore(period, options());
    // sixteen phrases of four 2/4 measures (8 x 23 + 19 pixels each) after the header
    ASSERT_EQ(layout.systemCount(), 16u);
    // a system is 26 + 204 high with at least 14 between: five below the title, six a page after
    EXPECT_EQ(systemsPerPage(layout), (std::vector<size_t>{5, 6, 5}));

    const std::vector<const TScoreSystem*> systems = allSystems(layout);
    for (const TScoreSystem* system : systems) {
        ASSERT_EQ(system->bars.size(), 4u);
        // the line is spread to the page's width, never past it
        EXPECT_LE(system->right, LINE_END);
        EXPECT_GE(system->right, LINE_END - 8);
        EXPECT_EQ(system->bars.front().x, headerOf(period) + SCORE_HEADER_GAP);
        for (size_t b = 1; b < 4; ++b)
            EXPECT_EQ(system->bars[b].x, system->bars[b - 1].x + system->bars[b - 1].width);
        // its measures as wide as one another
        EXPECT_LE(std::abs(system->bars[0].width - system->bars[3].width), 1);
    }
    EXPECT_EQ(systems[0]->bars[0].start, 0);
    EXPECT_EQ(systems[15]->bars[3].end, 64 * 240);

    // the first page spreads its five systems down to the footer, no further apart than the
    // widest gap; the full second page keeps them close, and so does the last page
    const auto tops = [&](size_t page) {
        std::vector<int> y;
        for (const TScoreSystem& s : layout.pages[page].systems)
            y.push_back(s.canvasTop);
        return y;
    };
    const int gap1 = (1483 - 24 - 96 - 5 * SCORE_SYSTEM_HEIGHT) / 4;
    ASSERT_LE(gap1, SCORE_SYSTEM_GAP_MAX);
    EXPECT_EQ(tops(0)[0], 96 + 26);
    EXPECT_EQ(tops(0)[4], 96 + 26 + 4 * (SCORE_SYSTEM_HEIGHT + gap1));
    const int gap2 = (1483 - 24 - 6 * SCORE_SYSTEM_HEIGHT) / 5;
    EXPECT_EQ(tops(1)[5], 26 + 5 * (SCORE_SYSTEM_HEIGHT + gap2));
    EXPECT_EQ(tops(2)[1] - tops(2)[0], SCORE_SYSTEM_HEIGHT + gap2);
    // the last system ends with the final bar: a thin line, then a thick one
    EXPECT_EQ(finalBar(*systems[15]), systems[15]->right + 8);
    EXPECT_EQ(ofKind(systems[15]->items, TItemKind::BAR_LINE).size(), 5u);
    EXPECT_EQ(finalBar(*systems[14]), -1);
    EXPECT_EQ(ofKind(systems[14]->items, TItemKind::BAR_LINE).size(), 4u);
}

TEST(ScoreLayoutTest, APhraseTooLongForALineIsSharedOutEvenly) {
    // 3/4: 12 x 23 + 19 = 295 pixels a measure; four do not fit a line, so two and two rather
    // than three and one, and a short sentence after them keeps a line of its own
    TPeriodData period = periodOf(1, 2, 4, TMeasure(3, QUARTER));
    const TScoreLayout layout = layoutScore(period, options());
    std::vector<size_t> bars;
    for (const TScoreSystem* s : allSystems(layout))
        bars.push_back(s->bars.size());
    EXPECT_EQ(bars, (std::vector<size_t>{2, 2, 2, 2}));
    // two measures are spread as far as they may go: 1.8 times the sixteenths' room
    const TScoreSystem& first = layout.pages[0].systems[0];
    EXPECT_LE(first.right, LINE_END);
    EXPECT_GT(first.bars[0].width, 295 + 12 * 23 / 2);

    // a page narrower than one measure still shows every measure, one a line, unspread
    TScoreOptions narrow = options();
    narrow.pageWidth = 200;
    const TScoreLayout one = layoutScore(periodOf(1, 1, 3), narrow);
    ASSERT_EQ(one.systemCount(), 3u);
    for (const TScoreSystem& system : one.pages[0].systems) {
        ASSERT_EQ(system.bars.size(), 1u);
        EXPECT_EQ(system.bars[0].width, 8 * 23 + 19);
    }
}

TEST(ScoreLayoutTest, AnUpBeatIsAPickupAndAPhraseStartsAtItsFirstFullMeasure) {
    // 2/4 with an eighth's up-beat: motive k holds [180 + 240 k, 420 + 240 k)
    TScoreOptions o = options();
    o.sentenceWord = "Satz";
    const TScoreLayout layout = layoutScore(periodOf(1, 2, 2, TMeasure(), 60), o);
    const std::vector<const TScoreSystem*> systems = allSystems(layout);
    ASSERT_EQ(systems.size(), 2u);
    // the pickup is as wide as its eighth; the second phrase's up-beat ends the first line
    ASSERT_EQ(systems[0]->bars.size(), 3u);
    EXPECT_EQ(systems[0]->bars[0],
              (TScoreBar{180, 240, 180, systems[0]->bars[0].x, systems[0]->bars[0].width}));
    EXPECT_EQ(systems[0]->bars[2].end, 720);
    EXPECT_LT(systems[0]->bars[0].width, systems[0]->bars[1].width / 3);
    // the period ends where its last motive does, inside the measure, with the final bar
    ASSERT_EQ(systems[1]->bars.size(), 2u);
    EXPECT_EQ(systems[1]->bars[1].start, 960);
    EXPECT_EQ(systems[1]->bars[1].end, 1140);
    EXPECT_EQ(finalBar(*systems[1]), systems[1]->right + 8);

    ASSERT_EQ(systems[0]->markers.size(), 2u);
    const int markerTop = systems[0]->canvasTop - 26 + 4;
    const int x = systems[0]->bars[0].x + 1;
    EXPECT_EQ(systems[0]->markers[0], (TScoreMarker{{x, markerTop, 6 * 7 + 10, 18}, "Satz 1", 1}));
    EXPECT_EQ(systems[0]->markers[1], (TScoreMarker{{x + 52 + 4, markerTop, 17, 18}, "A", 2}));
    ASSERT_EQ(systems[1]->markers.size(), 1u);
    EXPECT_EQ(systems[1]->markers[0].text, "B");
    EXPECT_EQ(systems[1]->markers[0].rect.x, systems[1]->bars[0].x + 1);
}

TEST(ScoreLayoutTest, TheMelodyIsBeamedByTheMetersBeatsAcrossItsMotives) {
    struct TCase {
        TMeasure meter;
        int notes;
        DURATION length;
        size_t beams;
        size_t secondary;
    };
    const TCase cases[] = {
        {TMeasure(2, QUARTER), 4, EIGHTH, 2, 0},      // two eighths a quarter
        {TMeasure(3, QUARTER), 6, EIGHTH, 3, 0},      // three quarters
        {TMeasure(3, EIGHTH), 3, EIGHTH, 1, 0},       // the dotted quarter
        {TMeasure(2, EIGHTH), 2, EIGHTH, 1, 0},       // the whole measure
        {TMeasure(2, EIGHTH), 4, SIXTEENTH, 1, 3},    // sixteenths share a second beam
        {TMeasure(3, QUARTER), 12, SIXTEENTH, 3, 9},  // four sixteenths a quarter
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.meter.measureLength() * 100 + c.notes);
        TPeriodData period = periodOf(1, 1, 1, c.meter);
        std::vector<TNote> notes;
        for (int i = 0; i < c.notes; ++i)
            notes.push_back(TNote(i * c.length, 24 + i % 3, c.length));
        fill(period, notes, {});
        const TScoreLayout systemLayout = layoutScore(period, options());
        const TScoreSystem& system = systemLayout.pages[0].systems[0];
        EXPECT_EQ(ofKind(system.items, TItemKind::BEAM).size(), c.beams);
        EXPECT_EQ(ofKind(system.items, TItemKind::SECONDARY_BEAM).size(), c.secondary);
    }

    // 2/4 with an eighth's up-beat: a quarter and an eighth, then the next motive's up-beat
    // eighth; the two eighths of the second beat are beamed although two motives hold them
    TPeriodData period = periodOf(1, 1, 2, TMeasure(), 60);
    fill(period, {TNote(180, 24, EIGHTH), TNote(240, 25, QUARTER), TNote(360, 26, EIGHTH)}, {});
    const TScoreLayout systemLayout = layoutScore(period, options());
    const TScoreSystem& system = systemLayout.pages[0].systems[0];
    ASSERT_EQ(system.bars.size(), 3u);
    EXPECT_EQ(inBar(system.bars[0], system.items, TItemKind::BEAM).size(), 0u);
    EXPECT_EQ(inBar(system.bars[1], system.items, TItemKind::BEAM).size(), 1u);
}

TEST(ScoreLayoutTest, ANoteOverTheBarLineIsTiedAndOddLengthsAreWrittenInParts) {
    // 2/4 with an eighth's up-beat: the up-beat's quarter goes on over the bar line
    TPeriodData period = periodOf(1, 1, 2, TMeasure(), 60);
    fill(period, {TNote(180, 24, QUARTER), TNote(300, 25, QUARTER)}, {});
    const TScoreLayout layout = layoutScore(period, options());
    const TScoreSystem& system = layout.pages[0].systems[0];
    const auto heads = [&](const TScoreBar& bar) {
        const std::vector<TPlacedItem> glyphs = inBar(bar, system.items, TItemKind::GLYPH);
        return std::count_if(glyphs.begin(), glyphs.end(), isHead);
    };
    ASSERT_EQ(system.bars.size(), 3u);
    // an eighth before the bar line, an eighth and a quarter after it, then the next motive's
    EXPECT_EQ(heads(system.bars[0]), 1);
    EXPECT_EQ(heads(system.bars[1]), 3);
    const std::vector<TPlacedItem> ties = ofKind(system.items, TItemKind::TIE_BELOW);
    ASSERT_EQ(ties.size(), 2u);
    // from the up-beat's head to the head after the bar line
    EXPECT_LT(ties[0].rect.x, system.bars[1].x);
    EXPECT_GT(ties[0].rect.right(), system.bars[1].x);
    EXPECT_LT(ties[0].rect.right(), system.bars[1].x + 40);

    // 3/4: nine sixteenths are a half note tied to a sixteenth
    TPeriodData odd = periodOf(1, 1, 1, TMeasure(3, QUARTER));
    fill(odd, {TNote(0, 24, 270), TNote(270, 25, 90)}, {});
    const TScoreLayout oddLayout = layoutScore(odd, options());
    const TScoreSystem& oddSystem = oddLayout.pages[0].systems[0];
    std::vector<TGlyph> glyphs;
    for (const TPlacedItem& item : oddSystem.items)
        if (isHead(item))
            glyphs.push_back(item.glyph);
    EXPECT_EQ(glyphs, (std::vector<TGlyph>{TGlyph::HEAD_HOLLOW_UP, TGlyph::HEAD_FILLED_UP,
                                           TGlyph::HEAD_FILLED_UP}));
    EXPECT_EQ(ofKind(oddSystem.items, TItemKind::TIE_BELOW).size(), 1u);
}

TEST(ScoreLayoutTest, TheHarmonysVoicesStandAtTheirPitchesWithTheirOwnStems) {
    // melody: a half note D5; the chord: soprano G4, alto E4, tenor C4, bass C3
    TPeriodData period = periodOf(1, 1, 1);
    fill(period, {TNote(0, 28, HALF)}, {{"TONIC_THREE_CHORD", {24, 22, 20, 13}}});
    const TScoreLayout systemLayout = layoutScore(period, options());
    const TScoreSystem& system = systemLayout.pages[0].systems[0];
    const int top = system.canvasTop + CANVAS_MEASURE_TOP;
    std::vector<std::pair<int, TGlyph>> heads;
    for (const TPlacedItem& item : system.items)
        if (isHead(item))
            heads.emplace_back(item.rect.y + 4 - top, item.glyph);
    // the melody's head, then soprano and tenor with stems up, alto and bass with stems down
    EXPECT_EQ(heads, (std::vector<std::pair<int, TGlyph>>{{pitchY(28), TGlyph::HEAD_HOLLOW_DOWN},
                                                          {pitchY(24), TGlyph::HEAD_HOLLOW_UP},
                                                          {pitchY(22), TGlyph::HEAD_HOLLOW_DOWN},
                                                          {pitchY(20), TGlyph::HEAD_HOLLOW_UP},
                                                          {pitchY(13), TGlyph::HEAD_HOLLOW_DOWN}}));
    // tenor and bass in the bass clef's reach, the bass inside its staff
    EXPECT_GE(pitchY(13), BASS_LINES.front());
    // all the heads of the chord under one label, in the band below the staffs
    const std::vector<TPlacedItem> labels = ofKind(system.items, TItemKind::LABEL_BOX);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].rect.y, system.canvasTop + SCORE_LABEL_TOP);
    EXPECT_GT(labels[0].rect.y, top + pitchY(13) + 30);

    // a second a part: the upper head moves beside the lower one; a unison shares its head
    fill(period, {}, {{"TONIC_THREE_CHORD", {23, 22, 20, 20}}});
    const TScoreLayout closeLayout = layoutScore(period, options());
    const TScoreSystem& close = closeLayout.pages[0].systems[0];
    std::vector<int> xs;
    for (const TPlacedItem& item : close.items)
        if (isHead(item))
            xs.push_back(item.rect.x);
    ASSERT_EQ(xs.size(), 3u);
    EXPECT_EQ(xs[0], xs[1] + 9);
    EXPECT_EQ(xs[2], xs[1]);
}

TEST(ScoreLayoutTest, AHeldOverChordIsDrawnOnceAndOddLengthsAreTied) {
    // 2/4 with an eighth's up-beat; the second motive's up-beat repeats the chord sounding
    // before it, which goes on to the bar line as one half-note chord under one label
    TPeriodData period = periodOf(1, 1, 2, TMeasure(), 60);
    const TVoicing tonic = {24, 22, 20, 13};
    const TVoicing dominant = {23, 21, 18, 10};
    fill(period, {}, {{"TONIC_THREE_CHORD", tonic}, {"DOMINANT_THREE_CHORD", dominant}});
    period.motiveAt({0, 0, 1}).chords[0] = period.motiveAt({0, 0, 0}).chords[1];
    period.motiveAt({0, 0, 1}).chords[0].time = 0;
    const TScoreLayout systemLayout = layoutScore(period, options());
    const TScoreSystem& system = systemLayout.pages[0].systems[0];
    // T in the pickup, D over the whole first measure, D again after the next bar line
    EXPECT_EQ(ofKind(system.items, TItemKind::LABEL_BOX).size(), 3u);
    const std::vector<TPlacedItem> firstMeasure =
        inBar(system.bars[1], system.items, TItemKind::GLYPH);
    EXPECT_EQ(std::count_if(firstMeasure.begin(), firstMeasure.end(), isHead), 4);
    EXPECT_TRUE(ofKind(system.items, TItemKind::TIE_ABOVE).empty());

    // 3/4 with a pickup of five sixteenths: its chord is a quarter tied to a sixteenth
    TPeriodData odd = periodOf(1, 1, 1, TMeasure(3, QUARTER), 150);
    fill(odd, {}, {{"TONIC_THREE_CHORD", tonic}, {"DOMINANT_THREE_CHORD", dominant}});
    const TScoreLayout pickupLayout = layoutScore(odd, options());
    const TScoreSystem& pickup = pickupLayout.pages[0].systems[0];
    // soprano and tenor tie above, alto and bass below
    EXPECT_EQ(inBar(pickup.bars[0], pickup.items, TItemKind::TIE_ABOVE).size(), 2u);
    EXPECT_EQ(inBar(pickup.bars[0], pickup.items, TItemKind::TIE_BELOW).size(), 2u);
    EXPECT_EQ(ofKind(pickup.items, TItemKind::LABEL_BOX).size(), 2u);
}

TEST(ScoreLayoutTest, ARaisedSeventhInTheHarmonyIsMarkedOnceAMeasure) {
    const TKey minor(0, MINOR);
    int32_t seventh = 22;
    while (!minor.isRaisedSeventh(seventh))
        ++seventh;
    ASSERT_FALSE(minor.isRaisedSeventh(22) || minor.isRaisedSeventh(19) ||
                 minor.isRaisedSeventh(8));
    TPeriodData period = periodOf(1, 1, 2, TMeasure(), 60, minor);
    // the dominant's third in the soprano, in both of the motive's chords
    fill(period, {},
         {{"DOMINANT_THREE_CHORD", {seventh, 22, 19, 8}},
          {"DOMINANT_THREE_CHORD", {seventh, 22, 19, 8}}});
    const TScoreLayout layout = layoutScore(period, options());
    const TScoreSystem& system = layout.pages[0].systems[0];
    for (size_t b = 0; b < system.bars.size(); ++b) {
        SCOPED_TRACE(b);
        const std::vector<TPlacedItem> glyphs =
            inBar(system.bars[b], system.items, TItemKind::GLYPH);
        EXPECT_EQ(std::count_if(glyphs.begin(), glyphs.end(),
                                [](const TPlacedItem& i) { return i.glyph == TGlyph::SHARP; }),
                  1);
    }
}

TEST(ScoreLayoutTest, TheLegendExplainsTheColoursUnlessTheHeadsAreBlack) {
    TScoreOptions o = options();
    const TPlacedItems legend = layoutScoreLegend(o, 1000, 76);
    std::vector<std::string> words;
    for (const TPlacedItem& item : ofKind(legend, TItemKind::TEXT))
        words.push_back(item.text);
    EXPECT_EQ(words, (std::vector<std::string>{"chord tone", "non-chord tone", "tonic",
                                               "subdominant", "dominant"}));
    std::vector<uint8_t> heads;
    for (const TPlacedItem& item : legend)
        if (isHead(item))
            heads.push_back(item.style);
    EXPECT_EQ(heads, (std::vector<uint8_t>{STYLE_CHORD_TONE, STYLE_NON_CHORD_TONE}));
    // the three functions' colours, as their chords' labels have them
    const std::vector<TPlacedItem> boxes = ofKind(legend, TItemKind::LABEL_BOX);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].colour, chordFromTypeName("TONIC_THREE_CHORD").colour);
    EXPECT_EQ(boxes[2].colour, chordFromTypeName("DOMINANT_THREE_CHORD").colour);
    // right-aligned on the line, under the title and beside the metronome mark
    EXPECT_EQ(legend.back().rect.right(), 1000);
    for (const TPlacedItem& item : legend) {
        EXPECT_GT(item.rect.y, 48);
        EXPECT_LT(item.rect.bottom(), SCORE_TITLE_HEIGHT);
    }
    EXPECT_EQ(layoutScore(TPeriodData(), o).legend, layoutScoreLegend(o, 1000, SCORE_LEGEND_Y));

    // black heads: no head in the score is coloured, and the legend leaves the heads out
    TPeriodData period = periodOf(1, 1, 1);
    TNote passing(120, 26, QUARTER);
    passing.chording = false;
    fill(period, {TNote(0, 25, QUARTER), passing}, {{"TONIC_THREE_CHORD", {24, 22, 20, 13}}});
    const auto styles = [&](const TScoreOptions& options) {
        std::vector<uint8_t> found;
        const TScoreLayout layout = layoutScore(period, options);
        for (const TPlacedItem& item : layout.pages[0].systems[0].items)
            if (isHead(item))
                found.push_back(item.style);
        return found;
    };
    EXPECT_EQ(styles(o)[1], STYLE_NON_CHORD_TONE);
    o.blackHeads = true;
    for (const uint8_t style : styles(o))
        EXPECT_EQ(style, STYLE_CHORD_TONE);
    const TPlacedItems plain = layoutScoreLegend(o, 1000, 76);
    EXPECT_EQ(ofKind(plain, TItemKind::TEXT).size(), 3u);
    EXPECT_TRUE(std::none_of(plain.begin(), plain.end(), isHead));
}

TEST(ScoreLayoutTest, RandomPeriodsKeepEveryMeasureOnThePage) {
    resetMotivicaRandForTesting();
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const TPeriodData period = randomPeriod(round);
        const std::vector<TPlacedMotive> timeline = periodTimeline(period);
        ASSERT_FALSE(timeline.empty());
        const TScoreLayout layout = layoutScore(period, options());
        // the bars follow one another without a gap from the first note's place to the end
        int32_t at = timeline.front().windowStart;
        for (size_t p = 0; p < layout.pages.size(); ++p)
            for (const TScoreSystem& system : layout.pages[p].systems) {
                ASSERT_FALSE(system.bars.empty());
                for (const TScoreBar& bar : system.bars) {
                    EXPECT_EQ(bar.start, at);
                    EXPECT_GT(bar.end, bar.start);
                    EXPECT_LE(bar.end - bar.start, period.measure.measureLength());
                    at = bar.end;
                }
                EXPECT_LE(system.right, LINE_END);
                // notes far above or below the staffs move the systems apart, never off the
                // page or into the title, and the chord labels keep below them
                int lowestNote = 0;
                for (const TPlacedItem& item : system.items) {
                    EXPECT_GE(item.rect.x, 0);
                    EXPECT_LE(item.rect.right(), SCORE_PAGE_WIDTH);
                    EXPECT_GE(item.rect.y, p == 0 ? SCORE_TITLE_HEIGHT : 0);
                    EXPECT_LE(item.rect.bottom(), SCORE_PAGE_HEIGHT - SCORE_FOOTER_HEIGHT);
                    if (item.kind != TItemKind::LABEL_BOX && item.kind != TItemKind::GLYPH)
                        lowestNote = std::max(lowestNote, item.rect.bottom());
                }
                for (const TPlacedItem& label : ofKind(system.items, TItemKind::LABEL_BOX))
                    EXPECT_GT(label.rect.y, lowestNote);
            }
        EXPECT_EQ(at, timeline.back().windowEnd);
    }
}

TEST(ScoreLayoutTest, AnEmptyPeriodIsOnePageWithItsTitle) {
    const TScoreLayout layout = layoutScore(TPeriodData(), options());
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_TRUE(layout.pages[0].systems.empty());
}

TEST(ScoreLayoutTest, TheMetronomeMarkCountsQuartersAMinute) {
    // a quarter lasts 8 x (200 - tempo) ms
    EXPECT_EQ(quartersPerMinute(100), 75);
    EXPECT_EQ(quartersPerMinute(150), 150);
    EXPECT_EQ(quartersPerMinute(50), 50);
    EXPECT_EQ(quartersPerMinute(55), 52);  // 51.7
    EXPECT_EQ(quartersPerMinute(200), 0);

    const TPlacedItems mark = layoutMetronomeMark(100, 20, 60, sevenEach);
    ASSERT_EQ(mark.size(), 3u);
    EXPECT_EQ(mark[0], placedGlyph(TGlyph::HEAD_FILLED_UP, 16, 56));
    EXPECT_EQ(mark[1], placedGlyph(TGlyph::STEM_UP, 24, 30));
    EXPECT_EQ(mark[2].kind, TItemKind::TEXT);
    EXPECT_EQ(mark[2].text, "= 75");
    EXPECT_EQ(mark[2].rect, (TPixelRect{32, 51, 28, 20}));
}

TEST(ScoreLayoutTest, TheTitleIsTheDocumentsFileName) {
    EXPECT_EQ(scoreTitle("/home/ann/tnrs/My period.tnr"), "My period");
    EXPECT_EQ(scoreTitle("Untitled"), "Untitled");
    EXPECT_EQ(scoreTitle("relative/song.tnr.bak"), "song.tnr.bak");
    EXPECT_EQ(scoreTitle(".tnr"), ".tnr");
    EXPECT_EQ(scoreTitle("folder/"), "");
}
