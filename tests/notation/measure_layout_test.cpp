#include "notation/measure_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/motive.h"
#include "notation/notation_metrics.h"
#include "support/notation_fixtures.h"

namespace {

constexpr int WIDTH = 204;  // a 2/4 measure and one column

TPlacedItems layout(const TMotive& m, int32_t lead = 0) {
    return layoutMotiveMeasure(m, 0, m.notes.size(), 0, m.measure.beatValue(),
                               m.measure.beatsPerMeasure(), lead, m.measureLength(),
                               measureWidth(m.measureLength()) + 1);
}

std::vector<TPlacedItem> glyphs(const TPlacedItems& items, std::vector<TGlyph> which) {
    std::vector<TPlacedItem> found;
    std::copy_if(items.begin(), items.end(), std::back_inserter(found), [&](const TPlacedItem& i) {
        return i.kind == TItemKind::GLYPH &&
               std::find(which.begin(), which.end(), i.glyph) != which.end();
    });
    return found;
}

const std::vector<TGlyph> HEADS = {TGlyph::HEAD_FILLED_UP, TGlyph::HEAD_FILLED_DOWN,
                                   TGlyph::HEAD_HOLLOW_UP, TGlyph::HEAD_HOLLOW_DOWN};
const std::vector<TGlyph> RESTS = {TGlyph::REST_BLOCK, TGlyph::REST_QUARTER, TGlyph::REST_EIGHTH,
                                   TGlyph::REST_SIXTEENTH};

std::vector<int> ys(const std::vector<TPlacedItem>& items) {
    std::vector<int> v;
    for (const TPlacedItem& i : items)
        v.push_back(i.rect.y);
    return v;
}

}  // namespace

TEST(MeasureLayoutTest, StaffAndBarLine) {
    const TPlacedItems items = layout(motiveOf({}));
    const auto lines = ofKind(items, TItemKind::STAFF_LINE);
    EXPECT_EQ(ys(lines), (std::vector<int>{30, 40, 50, 60, 70, 90, 100, 110, 120, 130}));
    for (const TPlacedItem& line : lines)
        EXPECT_EQ(line.rect, (TPixelRect{0, line.rect.y, WIDTH, 1}));
    const auto bars = ofKind(items, TItemKind::BAR_LINE);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].rect, (TPixelRect{0, 30, 1, 101}));
}

TEST(MeasureLayoutTest, NotesByTimeAndPosition) {
    // F5 on the top line, E4 on the lowest treble line, A3 and G2 on the bass staff
    const TPlacedItems items = layout(
        motiveOf({TNote(0, 30, 60), TNote(60, 22, 60), TNote(120, 18, 60), TNote(180, 10, 60)}));
    const auto heads = glyphs(items, HEADS);
    ASSERT_EQ(heads.size(), 4u);
    const int x[] = {19, 19 + 2 * 23, 19 + 4 * 23, 19 + 6 * 23};
    const int y[] = {30, 70, 90, 130};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(heads[i].rect, (TPixelRect{x[i] - 4, y[i] - 4, 10, 10}));
    }
}

TEST(MeasureLayoutTest, LedgerLines) {
    for (int p = 0; p < PITCH_COUNT; ++p) {
        SCOPED_TRACE(testing::Message() << "position " << p);
        const auto ledgers = ofKind(layout(motiveOf({TNote(120, p, 120)})), TItemKind::LEDGER_LINE);
        std::vector<int> expected;
        if (p == 20)
            expected = {80};
        for (int i = 0; p >= 32 && i < (p - 30) / 2; ++i)
            expected.push_back(20 - 10 * i);
        for (int i = 0; p <= 8 && i < (10 - p) / 2; ++i)
            expected.push_back(140 + 10 * i);
        EXPECT_EQ(ys(ledgers), expected);
        for (const TPlacedItem& l : ledgers)
            EXPECT_EQ(l.rect, (TPixelRect{111 - 11, l.rect.y, 22, 1}));
    }
    // the edge cases by name
    EXPECT_EQ(ys(ofKind(layout(motiveOf({TNote(0, 34, 240)})), TItemKind::LEDGER_LINE)),
              (std::vector<int>{20, 10}));
    EXPECT_EQ(ys(ofKind(layout(motiveOf({TNote(0, 6, 240)})), TItemKind::LEDGER_LINE)),
              (std::vector<int>{140, 150}));
    EXPECT_EQ(ys(ofKind(layout(motiveOf({TNote(0, 20, 240)})), TItemKind::LEDGER_LINE)),
              (std::vector<int>{80}));
}

TEST(MeasureLayoutTest, StemsFlagsHeadsAndDots) {
    struct Case {
        int32_t pitch;
        DURATION duration;
        TGlyph head;
        TGlyph stem;
    };
    const std::vector<Case> cases = {
        {22, 30, TGlyph::HEAD_FILLED_UP, TGlyph::STEM_UP_FLAG2},
        {25, 60, TGlyph::HEAD_FILLED_UP, TGlyph::STEM_UP_FLAG1},
        {26, 90, TGlyph::HEAD_FILLED_DOWN, TGlyph::STEM_DOWN_FLAG1},
        {31, 120, TGlyph::HEAD_FILLED_DOWN, TGlyph::STEM_DOWN},
        {20, 180, TGlyph::HEAD_FILLED_UP, TGlyph::STEM_UP},
        {19, 30, TGlyph::HEAD_FILLED_DOWN, TGlyph::STEM_DOWN_FLAG2},
        {14, 240, TGlyph::HEAD_HOLLOW_DOWN, TGlyph::STEM_DOWN},
        {13, 240, TGlyph::HEAD_HOLLOW_UP, TGlyph::STEM_UP},
        {0, 120, TGlyph::HEAD_FILLED_UP, TGlyph::STEM_UP},
        {41, 480, TGlyph::HEAD_HOLLOW_DOWN, TGlyph::NONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pitch " << c.pitch << " duration " << c.duration);
        // a single note at the measure's start, in a measure long enough for it
        const TPlacedItems items = layoutMeasure(
            {TNoteView{c.pitch, ACCIDENTAL_NONE, c.duration, NOTE_VIEW_SINGLE, 0, 0}}, 0, 300);
        const int x = 19;
        const int y = 180 - 5 * c.pitch;
        const auto heads = glyphs(items, HEADS);
        ASSERT_EQ(heads.size(), 1u);
        EXPECT_EQ(heads[0].glyph, c.head);
        EXPECT_EQ(heads[0].rect, (TPixelRect{x - 4, y - 4, 10, 10}));
        const auto stems = glyphs(
            items, {TGlyph::STEM_UP, TGlyph::STEM_DOWN, TGlyph::STEM_UP_FLAG1,
                    TGlyph::STEM_UP_FLAG2, TGlyph::STEM_DOWN_FLAG1, TGlyph::STEM_DOWN_FLAG2});
        if (c.stem == TGlyph::NONE) {
            EXPECT_TRUE(stems.empty());
        } else {
            ASSERT_EQ(stems.size(), 1u);
            EXPECT_EQ(stems[0].glyph, c.stem);
            const bool up = c.head == TGlyph::HEAD_FILLED_UP || c.head == TGlyph::HEAD_HOLLOW_UP;
            EXPECT_EQ(stems[0].rect.x, up ? x + 4 : x - 4);
            EXPECT_EQ(stems[0].rect.y, up ? y - 30 : y + 4);
            EXPECT_EQ(stems[0].rect.height, 28);
        }
        const auto dots = glyphs(items, {TGlyph::DOT});
        if (c.duration == 90 || c.duration == 180) {
            ASSERT_EQ(dots.size(), 1u);
            EXPECT_EQ(dots[0].rect, (TPixelRect{x + 7, y - 1, 4, 4}));
        } else {
            EXPECT_TRUE(dots.empty());
        }
    }
}

TEST(MeasureLayoutTest, AccidentalsLeftOfTheHead) {
    struct Case {
        uint8_t code;
        TGlyph glyph;
        TPixelRect rect;  // for a note at x 19, y 60 (position 24)
    };
    const std::vector<Case> cases = {
        {ACCIDENTAL_SHARP, TGlyph::SHARP, {19 - 8 - 4, 60 - 8, 8, 17}},
        {ACCIDENTAL_DOUBLE_SHARP, TGlyph::DOUBLE_SHARP, {19 - 8 - 4, 60 - 5, 8, 11}},
        {ACCIDENTAL_NATURAL, TGlyph::NATURAL, {19 - 6 - 4, 60 - 7, 6, 17}},
        {ACCIDENTAL_FLAT, TGlyph::NONE, {}},
        {ACCIDENTAL_DOUBLE_FLAT, TGlyph::NONE, {}},
        {ACCIDENTAL_NONE, TGlyph::NONE, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << int(c.code));
        for (const uint8_t kind : {NOTE_VIEW_SINGLE, NOTE_VIEW_BEAMED}) {
            const TPlacedItems items =
                layoutMeasure({TNoteView{24, c.code, 60, kind, 1, 0},
                               TNoteView{24, ACCIDENTAL_NONE, 60, kind, 1, 0}},
                              0, WIDTH);
            const auto signs =
                glyphs(items, {TGlyph::SHARP, TGlyph::DOUBLE_SHARP, TGlyph::NATURAL, TGlyph::FLAT});
            if (c.glyph == TGlyph::NONE) {
                EXPECT_TRUE(signs.empty());
            } else {
                ASSERT_EQ(signs.size(), 1u);
                EXPECT_EQ(signs[0].glyph, c.glyph);
                EXPECT_EQ(signs[0].rect, c.rect);
            }
        }
    }
}

TEST(MeasureLayoutTest, RestsAreCentredBetweenTheirNeighbours) {
    {
        SCOPED_TRACE("a quarter rest at the start of 2/4 before a quarter note");
        const auto rests = glyphs(layout(motiveOf({TNote(120, 22, 120)})), RESTS);
        ASSERT_EQ(rests.size(), 1u);
        EXPECT_EQ(rests[0].glyph, TGlyph::REST_QUARTER);
        const int centre = ((19 - 23) + (19 + 4 * 23)) / 2;
        EXPECT_EQ(rests[0].rect, (TPixelRect{centre - 9 / 2, 36, 9, 20}));
    }
    {
        SCOPED_TRACE("after a note, from that note's x");
        // 3/4: a quarter at 0, an empty eighth, an eighth at 180 and an empty quarter
        const TPlacedItems items =
            layout(motiveOf({TNote(0, 22, 120), TNote(180, 22, 60)}, TMeasure(3, 120)));
        const auto rests = glyphs(items, RESTS);
        ASSERT_EQ(rests.size(), 2u);
        const int first = (19 + timeX(180)) / 2;
        EXPECT_EQ(rests[0].glyph, TGlyph::REST_EIGHTH);
        EXPECT_EQ(rests[0].rect, (TPixelRect{first - 4, 42, 8, 20}));
        const int second = (timeX(180) + timeX(360)) / 2;
        EXPECT_EQ(rests[1].glyph, TGlyph::REST_QUARTER);
        EXPECT_EQ(rests[1].rect, (TPixelRect{second - 4, 36, 9, 20}));
    }
    {
        SCOPED_TRACE("an empty 3/4 measure: a half rest and a quarter rest");
        const auto rests = glyphs(layout(motiveOf({}, TMeasure(3, 120))), RESTS);
        ASSERT_EQ(rests.size(), 2u);
        const int half = (-4 + timeX(240)) / 2;
        EXPECT_EQ(rests[0].rect, (TPixelRect{half - 4, 47, 9, 4}));
        const int quarter = (half + timeX(360)) / 2;
        EXPECT_EQ(rests[1].rect, (TPixelRect{quarter - 4, 36, 9, 20}));
    }
}

TEST(MeasureLayoutTest, RestGlyphsAndDottedRests) {
    struct Case {
        DURATION duration;
        TGlyph glyph;
        int top;
    };
    const std::vector<Case> cases = {
        {30, TGlyph::REST_SIXTEENTH, 42}, {60, TGlyph::REST_EIGHTH, 42},
        {90, TGlyph::REST_EIGHTH, 42},    {120, TGlyph::REST_QUARTER, 36},
        {180, TGlyph::REST_QUARTER, 36},  {240, TGlyph::REST_BLOCK, 47},
        {480, TGlyph::REST_BLOCK, 41},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "duration " << c.duration);
        TNoteView rest;
        rest.duration = c.duration;
        const TPlacedItems items = layoutMeasure({rest}, 0, 400);
        const auto rests = glyphs(items, RESTS);
        ASSERT_EQ(rests.size(), 1u);
        EXPECT_EQ(rests[0].glyph, c.glyph);
        EXPECT_EQ(rests[0].rect.y, c.top);
        const TGlyphSize size = glyphSize(c.glyph);
        const int centre = (19 - 23 + timeX(c.duration)) / 2;
        const auto dots = glyphs(items, {TGlyph::DOT});
        if (c.duration == 90 || c.duration == 180) {
            // moved left by half the dot's width plus 2; the dot 2 pixels right, centred
            EXPECT_EQ(rests[0].rect.x, centre - size.width / 2 - 4);
            ASSERT_EQ(dots.size(), 1u);
            EXPECT_EQ(dots[0].rect,
                      (TPixelRect{rests[0].rect.right() + 2, c.top + (size.height - 4) / 2, 4, 4}));
        } else {
            EXPECT_EQ(rests[0].rect.x, centre - size.width / 2);
            EXPECT_TRUE(dots.empty());
        }
    }
}

TEST(MeasureLayoutTest, LeadRestsAreCountedButNotDrawn) {
    // 2/4 with an eighth's anacrusis: the first measure has a lead of 180
    TMotive m = motiveOf({TNote(180, 24, 60)});
    m.anacrusis = 60;
    const TPlacedItems items = layout(m, 180);
    EXPECT_TRUE(glyphs(items, RESTS).empty());
    EXPECT_TRUE(glyphs(items, {TGlyph::DOT}).empty());  // the dotted quarter rest's dot
    const auto heads = glyphs(items, HEADS);
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].rect.x, timeX(180) - 4);

    // a rest after the lead is drawn, centred from the lead rest's centre
    TMotive late = motiveOf({TNote(210, 24, 30)});
    late.anacrusis = 60;
    const auto rests = glyphs(layout(late, 180), RESTS);
    ASSERT_EQ(rests.size(), 1u);
    EXPECT_EQ(rests[0].glyph, TGlyph::REST_SIXTEENTH);
    EXPECT_EQ(rests[0].rect.x, ((-4 + timeX(180)) / 2 + timeX(210)) / 2 - 4);
}

TEST(MeasureLayoutTest, BeamedGroups) {
    {
        SCOPED_TRACE("two eighths below the middle line: stems up, the beam over the highest");
        const TPlacedItems items = layout(motiveOf({TNote(0, 22, 60), TNote(60, 23, 60)}));
        EXPECT_TRUE(glyphs(items, {TGlyph::STEM_UP_FLAG1, TGlyph::STEM_DOWN_FLAG1}).empty());
        const int beamY = pitchY(23) - 31;
        const auto beams = ofKind(items, TItemKind::BEAM);
        ASSERT_EQ(beams.size(), 1u);
        EXPECT_EQ(beams[0].rect, (TPixelRect{19 + 4, beamY, 2 * 23 + 2, 3}));
        const auto stems = ofKind(items, TItemKind::STEM);
        ASSERT_EQ(stems.size(), 2u);
        EXPECT_EQ(stems[0].rect, (TPixelRect{19 + 4, beamY, 2, pitchY(22) - 4 - beamY}));
        EXPECT_EQ(stems[1].rect, (TPixelRect{19 + 23 * 2 + 4, beamY, 2, pitchY(23) - 4 - beamY}));
        for (const auto& head : glyphs(items, HEADS))
            EXPECT_EQ(head.glyph, TGlyph::HEAD_FILLED_UP);
        EXPECT_TRUE(ofKind(items, TItemKind::SECONDARY_BEAM).empty());
    }
    {
        SCOPED_TRACE("on the middle line: stems down, the beam under the lowest");
        const TPlacedItems items = layout(motiveOf({TNote(0, 26, 60), TNote(60, 28, 60)}));
        const int beamY = pitchY(26) + 31;
        const auto beams = ofKind(items, TItemKind::BEAM);
        ASSERT_EQ(beams.size(), 1u);
        EXPECT_EQ(beams[0].rect, (TPixelRect{19 - 4, beamY - 2, 2 * 23 + 2, 3}));
        const auto stems = ofKind(items, TItemKind::STEM);
        ASSERT_EQ(stems.size(), 2u);
        EXPECT_EQ(stems[1].rect,
                  (TPixelRect{19 + 2 * 23 - 4, pitchY(28) + 4, 2, beamY - (pitchY(28) + 4) + 1}));
        for (const auto& head : glyphs(items, HEADS))
            EXPECT_EQ(head.glyph, TGlyph::HEAD_FILLED_DOWN);
    }
    {
        SCOPED_TRACE("the direction weighs the extremes against the middle line");
        // bass staff, middle 14: hi 16, lo 10 -> 2 < 3 -> up
        const auto up =
            ofKind(layout(motiveOf({TNote(0, 10, 60), TNote(60, 16, 60)})), TItemKind::BEAM);
        ASSERT_EQ(up.size(), 1u);
        EXPECT_EQ(up[0].rect.y, pitchY(16) - 31);
        // hi 17, lo 10 -> 3 < 3 fails -> down
        const auto down =
            ofKind(layout(motiveOf({TNote(0, 10, 60), TNote(60, 17, 60)})), TItemKind::BEAM);
        ASSERT_EQ(down.size(), 1u);
        EXPECT_EQ(down[0].rect.y, pitchY(10) + 31 - 2);
    }
}

TEST(MeasureLayoutTest, SecondaryBeamsAndStubs) {
    const int x0 = 19;
    auto rows = [](const TPlacedItems& items) { return ofKind(items, TItemKind::SECONDARY_BEAM); };
    {
        SCOPED_TRACE("four sixteenths: one secondary beam across, per neighbouring pair");
        const TPlacedItems items = layout(
            motiveOf({TNote(0, 22, 30), TNote(30, 23, 30), TNote(60, 24, 30), TNote(90, 23, 30)}));
        const int beamY = pitchY(24) - 31;
        const auto s = rows(items);
        ASSERT_EQ(s.size(), 3u);
        for (size_t k = 0; k < 3; ++k)
            EXPECT_EQ(s[k].rect, (TPixelRect{x0 + int(k) * 23 + 4, beamY + 5, 23 + 2, 3}));
    }
    {
        SCOPED_TRACE("sixteenth, eighth, sixteenth: a right stub, then a left stub");
        const TPlacedItems items =
            layout(motiveOf({TNote(0, 22, 30), TNote(30, 22, 60), TNote(90, 22, 30)}));
        const int beamY = pitchY(22) - 31;
        const auto s = rows(items);
        ASSERT_EQ(s.size(), 2u);
        EXPECT_EQ(s[0].rect, (TPixelRect{x0 + 4, beamY + 5, 11, 3}));
        EXPECT_EQ(s[1].rect, (TPixelRect{x0 + 3 * 23 + 4 - 10, beamY + 5, 10, 3}));
    }
    {
        SCOPED_TRACE("dotted eighth and sixteenth, stems down: a left stub above the beam");
        const TPlacedItems items = layout(motiveOf({TNote(0, 28, 90), TNote(90, 27, 30)}));
        const int beamY = pitchY(27) + 31;
        const auto s = rows(items);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(s[0].rect, (TPixelRect{x0 + 3 * 23 - 4 - 10, beamY - 7, 10, 3}));
        EXPECT_EQ(glyphs(items, {TGlyph::DOT}).size(), 1u);
    }
    {
        SCOPED_TRACE("sixteenth and dotted eighth: a right stub");
        const TPlacedItems items = layout(motiveOf({TNote(0, 22, 30), TNote(30, 22, 90)}));
        const auto s = rows(items);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(s[0].rect, (TPixelRect{x0 + 4, pitchY(22) - 31 + 5, 11, 3}));
    }
    {
        SCOPED_TRACE("two sixteenths and an eighth: a full bar, no stub");
        const TPlacedItems items =
            layout(motiveOf({TNote(0, 22, 30), TNote(30, 22, 30), TNote(60, 22, 60)}));
        const auto s = rows(items);
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(s[0].rect, (TPixelRect{x0 + 4, pitchY(22) - 31 + 5, 23 + 2, 3}));
    }
}

TEST(MeasureLayoutTest, TiesJoinTheParts) {
    {
        SCOPED_TRACE("a 150 with the stem up: a quarter tied below to a sixteenth");
        const TPlacedItems items = layout(motiveOf({TNote(0, 22, 150), TNote(150, 22, 90)}));
        const auto heads = glyphs(items, HEADS);
        ASSERT_EQ(heads.size(), 3u);
        EXPECT_EQ(glyphs(items, {TGlyph::STEM_UP})[0].rect.x, 19 + 4);
        EXPECT_EQ(glyphs(items, {TGlyph::STEM_UP_FLAG2})[0].rect.x, 19 + 4 * 23 + 4);
        const auto ties = ofKind(items, TItemKind::TIE_BELOW);
        ASSERT_EQ(ties.size(), 1u);
        EXPECT_EQ(ties[0].rect, (TPixelRect{19, pitchY(22) + 6 - 12, 4 * 23, 24}));
        EXPECT_TRUE(ofKind(items, TItemKind::TIE_ABOVE).empty());
    }
    {
        SCOPED_TRACE("a 210 with the stem down: a quarter tied above to a dotted eighth");
        const TPlacedItems items = layout(motiveOf({TNote(0, 29, 210), TNote(210, 29, 30)}));
        EXPECT_EQ(glyphs(items, {TGlyph::STEM_DOWN_FLAG1}).size(), 1u);
        EXPECT_EQ(glyphs(items, {TGlyph::DOT}).size(), 1u);
        const auto ties = ofKind(items, TItemKind::TIE_ABOVE);
        ASSERT_EQ(ties.size(), 1u);
        EXPECT_EQ(ties[0].rect, (TPixelRect{19, pitchY(29) - 6 - 12, 4 * 23, 24}));
    }
    {
        SCOPED_TRACE("a dotted quarter is one symbol with a dot and no tie");
        const TPlacedItems items = layout(motiveOf({TNote(0, 22, 180), TNote(180, 22, 60)}));
        EXPECT_EQ(glyphs(items, HEADS).size(), 2u);
        EXPECT_EQ(glyphs(items, {TGlyph::DOT}).size(), 1u);
        EXPECT_TRUE(ofKind(items, TItemKind::TIE_BELOW).empty());
    }
}

TEST(MeasureLayoutTest, HeadsCarryTheirStyle) {
    TMotive m = motiveOf({TNote(0, 22, 60), TNote(60, 23, 60), TNote(120, 24, 120)});
    m.notes[1].chording = false;
    m.notes[2].playing = true;
    const auto heads = glyphs(layout(m), HEADS);
    ASSERT_EQ(heads.size(), 3u);
    EXPECT_EQ(heads[0].style, STYLE_CHORD_TONE);
    EXPECT_EQ(heads[1].style, STYLE_NON_CHORD_TONE);
    EXPECT_EQ(heads[2].style, STYLE_SOUNDING);
}
