#include "notation/note_view.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/motive.h"
#include "support/notation_fixtures.h"

namespace {

TNoteView rest(DURATION d) {
    TNoteView v;
    v.duration = d;
    return v;
}

TNoteView note(int32_t pitch, DURATION d, uint8_t kind = NOTE_VIEW_SINGLE, int32_t link = 0,
               uint8_t accidental = ACCIDENTAL_NONE, uint8_t style = STYLE_CHORD_TONE) {
    TNoteView v;
    v.pitch = pitch;
    v.duration = d;
    v.kind = kind;
    v.link = link;
    v.accidental = accidental;
    v.style = style;
    return v;
}

// The whole measure [0, measure length) of a motive without anacrusis.
TNoteViews views(const TMotive& m, int32_t lead = 0) {
    return buildMeasureViews(m, 0, m.notes.size(), 0, m.measureLength(), m.measure.beatValue(),
                             lead);
}

}  // namespace

TEST(NoteViewTest, RestsSplitGreedily) {
    struct Case {
        int32_t length;
        std::vector<DURATION> pieces;
    };
    const std::vector<Case> cases = {
        {240, {240}}, {360, {240, 120}}, {270, {240, 30}}, {330, {240, 90}},
        {480, {480}}, {510, {480, 30}},  {150, {120, 30}}, {210, {180, 30}},
        {45, {30}},   {20, {}},          {0, {}},          {90, {90}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "length " << c.length);
        TNoteViews v;
        appendRestViews(v, c.length);
        TNoteViews expected;
        for (const DURATION d : c.pieces)
            expected.push_back(rest(d));
        EXPECT_EQ(v, expected);
        for (const TNoteView& r : v)
            EXPECT_TRUE(r.isRest());
    }
}

TEST(NoteViewTest, EmptyMeasuresAndGapsBecomeRests) {
    EXPECT_EQ(views(motiveOf({})), (TNoteViews{rest(240)}));
    EXPECT_EQ(views(motiveOf({}, TMeasure(3, 120))), (TNoteViews{rest(240), rest(120)}));
    EXPECT_EQ(views(motiveOf({}, TMeasure(3, 60))), (TNoteViews{rest(180)}));

    // a quarter rest at the start of 2/4 followed by a quarter note
    EXPECT_EQ(views(motiveOf({TNote(120, 22, 120)})), (TNoteViews{rest(120), note(22, 120)}));
    // a gap in the middle and rests up to the end
    EXPECT_EQ(views(motiveOf({TNote(0, 22, 60), TNote(120, 23, 60)})),
              (TNoteViews{note(22, 60), rest(60), note(23, 60), rest(60)}));
}

TEST(NoteViewTest, LeadRestsComeFirst) {
    // the first measure of a 2/4 motive with an eighth's anacrusis
    TMotive m = motiveOf({TNote(180, 24, 60), TNote(240, 25, 120)});
    m.anacrusis = 60;
    const TNoteViews first = buildMeasureViews(m, 0, 2, 0, 240, 120, 180);
    EXPECT_EQ(first, (TNoteViews{rest(180), note(24, 60)}));
    // the second measure, limited to the motive's end
    const TNoteViews second = buildMeasureViews(m, 0, 2, 240, 420, 120, 0);
    EXPECT_EQ(second, (TNoteViews{note(25, 120), rest(60)}));
}

TEST(NoteViewTest, BeamsWithinOneBeatOnOneStaff) {
    {
        SCOPED_TRACE("two eighths in one beat are beamed");
        EXPECT_EQ(views(motiveOf({TNote(0, 22, 60), TNote(60, 24, 60), TNote(120, 22, 120)})),
                  (TNoteViews{note(22, 60, NOTE_VIEW_BEAMED, 1), note(24, 60, NOTE_VIEW_BEAMED, 1),
                              note(22, 120)}));
    }
    {
        SCOPED_TRACE("an eighth on each side of a beat boundary is not");
        EXPECT_EQ(views(motiveOf({TNote(0, 22, 120), TNote(120, 22, 60), TNote(180, 24, 60)})),
                  (TNoteViews{note(22, 120), note(22, 60, NOTE_VIEW_BEAMED, 1),
                              note(24, 60, NOTE_VIEW_BEAMED, 1)}));
        EXPECT_EQ(
            views(motiveOf(
                {TNote(0, 22, 60), TNote(60, 22, 90), TNote(150, 24, 30), TNote(180, 25, 60)})),
            (TNoteViews{note(22, 60, NOTE_VIEW_BEAMED, 1), note(22, 90, NOTE_VIEW_BEAMED, 1),
                        note(24, 30, NOTE_VIEW_BEAMED, 1), note(25, 60, NOTE_VIEW_BEAMED, 1)}));
    }
    {
        SCOPED_TRACE("one eighth in each staff is not");
        EXPECT_EQ(views(motiveOf({TNote(0, 19, 60), TNote(60, 20, 60), TNote(120, 20, 120)})),
                  (TNoteViews{note(19, 60), note(20, 60), note(20, 120)}));
    }
    {
        SCOPED_TRACE("four sixteenths: the first tells the size, the others their index");
        EXPECT_EQ(views(motiveOf({TNote(0, 22, 30), TNote(30, 23, 30), TNote(60, 24, 30),
                                  TNote(90, 25, 30), TNote(120, 22, 120)})),
                  (TNoteViews{note(22, 30, NOTE_VIEW_BEAMED, 3), note(23, 30, NOTE_VIEW_BEAMED, 1),
                              note(24, 30, NOTE_VIEW_BEAMED, 2), note(25, 30, NOTE_VIEW_BEAMED, 3),
                              note(22, 120)}));
    }
    {
        SCOPED_TRACE("a gap or a longer note breaks the group");
        EXPECT_EQ(views(motiveOf({TNote(0, 22, 30), TNote(60, 23, 30), TNote(90, 24, 30),
                                  TNote(120, 22, 120)})),
                  (TNoteViews{note(22, 30), rest(30), note(23, 30, NOTE_VIEW_BEAMED, 1),
                              note(24, 30, NOTE_VIEW_BEAMED, 1), note(22, 120)}));
        // in 2/2 (a beat of a half) a quarter between eighths separates them
        EXPECT_EQ(views(motiveOf({TNote(0, 22, 60), TNote(60, 22, 120), TNote(180, 22, 60),
                                  TNote(240, 22, 240)},
                                 TMeasure(2, 240))),
                  (TNoteViews{note(22, 60), note(22, 120), note(22, 60), note(22, 240)}));
    }
    {
        SCOPED_TRACE("a rest of the motive breaks the group");
        EXPECT_EQ(views(motiveOf({TNote(0, 22, 30), TNote(30, -1, -30), TNote(60, 24, 60),
                                  TNote(120, 22, 120)})),
                  (TNoteViews{note(22, 30), rest(30), note(24, 60), note(22, 120)}));
    }
}

TEST(NoteViewTest, LongLengthsAreTiedOrDotted) {
    EXPECT_EQ(views(motiveOf({TNote(0, 22, 150), TNote(150, 23, 90)})),
              (TNoteViews{note(22, 120, NOTE_VIEW_TIED, 1), note(22, 30, NOTE_VIEW_TIED, 0),
                          note(23, 90)}));
    EXPECT_EQ(views(motiveOf({TNote(0, 22, 210), TNote(210, 23, 30)})),
              (TNoteViews{note(22, 120, NOTE_VIEW_TIED, 1), note(22, 90, NOTE_VIEW_TIED, 0),
                          note(23, 30)}));
    EXPECT_EQ(views(motiveOf({TNote(0, 22, 180), TNote(180, 23, 60)})),
              (TNoteViews{note(22, 180), note(23, 60)}));
    EXPECT_EQ(views(motiveOf({TNote(0, 22, 240)})), (TNoteViews{note(22, 240)}));
    // a length without a name is one symbol of its own
    EXPECT_EQ(views(motiveOf({TNote(0, 22, 270)}, TMeasure(3, 120))),
              (TNoteViews{note(22, 270), rest(90)}));
}

TEST(NoteViewTest, OnlyTheFirstRaisedSeventhOfAMeasureIsMarked) {
    {
        SCOPED_TRACE("A minor: two G-sharps");
        TMotive m = motiveOf({TNote(0, 24, 60), TNote(60, 25, 60), TNote(120, 24, 120)}, TMeasure(),
                             TKey(0, MINOR));
        m.updateSharps();
        ASSERT_TRUE(m.notes[0].sharp);
        ASSERT_TRUE(m.notes[2].sharp);
        const TNoteViews v = views(m);
        ASSERT_EQ(v.size(), 3u);
        EXPECT_EQ(v[0].accidental, ACCIDENTAL_SHARP);
        EXPECT_EQ(v[1].accidental, ACCIDENTAL_NONE);
        EXPECT_EQ(v[2].accidental, ACCIDENTAL_NONE);
    }
    {
        SCOPED_TRACE("C minor: the raised B is a natural, on the first part of a tie only");
        TMotive m = motiveOf({TNote(0, 26, 150), TNote(150, 19, 90)}, TMeasure(), TKey(-3, MINOR));
        m.updateSharps();
        const TNoteViews v = views(m);
        ASSERT_EQ(v.size(), 3u);
        EXPECT_EQ(v[0].accidental, ACCIDENTAL_NATURAL);
        EXPECT_EQ(v[1].accidental, ACCIDENTAL_NONE);
        EXPECT_EQ(v[2].accidental, ACCIDENTAL_NONE);  // another B, later in the measure
    }
    {
        SCOPED_TRACE("each measure starts afresh");
        TMotive m = motiveOf({TNote(180, 24, 60), TNote(240, 24, 120)}, TMeasure(), TKey(0, MINOR));
        m.anacrusis = 60;
        m.updateSharps();
        EXPECT_EQ(buildMeasureViews(m, 0, 2, 0, 240, 120, 180)[1].accidental, ACCIDENTAL_SHARP);
        EXPECT_EQ(buildMeasureViews(m, 0, 2, 240, 420, 120, 0)[0].accidental, ACCIDENTAL_SHARP);
    }
    {
        SCOPED_TRACE("a note without the flag carries nothing");
        EXPECT_EQ(views(motiveOf({TNote(0, 24, 240)}, TMeasure(), TKey(0, MINOR)))[0].accidental,
                  ACCIDENTAL_NONE);
    }
}

TEST(NoteViewTest, StylesFollowChordingAndPlaying) {
    TMotive m = motiveOf({TNote(0, 22, 120), TNote(120, 23, 60), TNote(180, 24, 60)});
    m.notes[1].chording = false;
    m.notes[2].chording = false;
    m.notes[2].playing = true;
    const TNoteViews v = views(m);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].style, STYLE_CHORD_TONE);
    EXPECT_EQ(v[1].style, STYLE_NON_CHORD_TONE);
    EXPECT_EQ(v[2].style, STYLE_SOUNDING);
    m.notes[0].playing = true;
    EXPECT_EQ(views(m)[0].style, STYLE_SOUNDING);
}

TEST(NoteViewTest, OnlyNotesOfTheRangeAndMeasureCount) {
    const TMotive m = motiveOf({TNote(0, 22, 120), TNote(120, 23, 120), TNote(240, 24, 120)});
    // the index range leaves out the second note, the measure the third
    EXPECT_EQ(buildMeasureViews(m, 0, 1, 0, 240, 120, 0), (TNoteViews{note(22, 120), rest(120)}));
    EXPECT_EQ(buildMeasureViews(m, 0, 99, 0, 240, 120, 0),
              (TNoteViews{note(22, 120), note(23, 120)}));
    // an earlier limit ends the measure
    EXPECT_EQ(buildMeasureViews(m, 0, 3, 0, 120, 120, 0), (TNoteViews{note(22, 120)}));
}

TEST(NoteViewTest, DegenerateNotes) {
    // no pitch, a pitch the key cannot sound, no length, a rest of an unnamed length
    EXPECT_EQ(views(motiveOf(
                  {TNote(0, -1, 60), TNote(60, 50, 60), TNote(120, 22, 0), TNote(120, -1, -150)},
                  TMeasure(3, 120))),
              (TNoteViews{rest(60), rest(60), rest(120), rest(30), rest(90)}));
    // a zero-length meter has no room for anything
    EXPECT_TRUE(
        buildMeasureViews(motiveOf({TNote(0, 22, 60)}, TMeasure(0, 0)), 0, 1, 0, 0, 0, 0).empty());
}
