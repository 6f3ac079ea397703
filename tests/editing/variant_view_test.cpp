#include "editing/variant_view.h"

#include <gtest/gtest.h>

#include "development/edit_motive_variant_model.h"
#include "editing/note_variant_strategy.h"
#include "generation/scheme.h"
#include "support/fake_variant_view.h"

namespace {

// C major, 2/4, the tonic triad arranged under the measure, no notes yet.
TMotive emptyTonicMotive() {
    TMotive m(TKey(0, MAJOR), TMeasure(2, 120));
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.setVoicing(20, 17, 15, 6);
    tonic.time = 0;
    m.chords.push_back(tonic);
    return m;
}

class NotePopupTest : public ::testing::Test {
  protected:
    NotePopupTest() : model(motive, nullptr, 0, 1, nullptr) {}

    void open(int32_t x = 100, int32_t y = 700) {
        model.setStartPosition(start);
        rig.view.open(scheme, model, x, y);
    }
    TScreenPoint origin() { return rig.surface.viewOrigin(); }
    // Moves the pointer to a view point (as far as its zone lets it) and reports the move.
    void moveTo(int32_t x, int32_t y, uint32_t shift = 0) {
        rig.pointer.setPos({origin().x + x, origin().y + y});
        report(shift);
    }
    void report(uint32_t shift = 0) {
        const TScreenPoint p = rig.pointer.pos();
        rig.view.mouseMoved(shift, p.x, p.y);
    }
    // Keeps pushing sideways until `done` holds; false after many events without it.
    template <typename Done>
    bool pushUntil(int32_t dx, Done done) {
        for (int i = 0; i < 400; ++i) {
            rig.pointer.moveBy(dx, 0);
            report();
            if (done()) {
                return true;
            }
        }
        return false;
    }
    TNoteVariantStrategy& strategy(int pane) {
        return *dynamic_cast<TNoteVariantStrategy*>(rig.view.strategy(pane));
    }
    // Level with the candidate of `pitch` in the pane that is not active, pushes through the
    // boundary: the candidate becomes the current note of that pane.
    bool enterNote(int32_t pitch) {
        const int active = rig.view.activePane();
        if (strategy(1 - active).candidateAt(pitch) == nullptr) {
            return false;
        }
        moveTo(active == 0 ? 225 : 253, rowTop(pitch) + 9);
        const int32_t commits = rig.view.commitCount();
        return pushUntil(active == 0 ? 6 : -6,
                         [&] { return rig.view.commitCount() == commits + 1; });
    }
    // Pushes against the outer edge until the current note is longer.
    bool lengthen() {
        const int active = rig.view.activePane();
        const int32_t before = strategy(active).currentNote().duration;
        return pushUntil(active == 0 ? -6 : 6,
                         [&] { return strategy(active).currentNote().duration != before; });
    }

    TVariantViewRig rig;
    TMotive motive = emptyTonicMotive();
    TEditMotiveVariantModel model;
    TScheme scheme;
    int32_t start = 0;
};

TEST_F(NotePopupTest, OpeningPlacesPopupAndPointerAndOffersTheFirstNote) {
    open(100, 700);
    EXPECT_TRUE(rig.surface.visible);
    // the given point is the popup's bottom-left corner
    EXPECT_EQ(rig.surface.shownLeft, 100);
    EXPECT_EQ(rig.surface.shownTop, 700 - rig.surface.popupHeight());
    EXPECT_EQ(rig.surface.caption, "text of dad note caption");
    EXPECT_EQ(rig.surface.hint, "text of dad note hint");
    EXPECT_EQ(rig.view.activePane(), 0);
    // no note before the start: mid-height, 50 pixels from the boundary in the active pane
    EXPECT_EQ(rig.pointer.pos(), (TScreenPoint{origin().x + 190, origin().y + 225}));
    EXPECT_TRUE(strategy(0).isEmpty());
    ASSERT_FALSE(strategy(1).isEmpty());
    // at the bar line only chord tones of the tonic are offered
    for (const TScVariant& v : strategy(1).candidates()) {
        EXPECT_TRUE(v.chording) << v.pitch;
    }
    EXPECT_TRUE(rig.timer.running);
    EXPECT_EQ(rig.timer.period, 1);
}

TEST_F(NotePopupTest, APopupAtTheScreenEdgesStaysOnTheScreen) {
    rig.surface.screen = {1280, 0, 2560, 1024};  // the second of two screens
    open(2400, 100);
    EXPECT_EQ(rig.surface.shownLeft, 2560 - rig.surface.popupWidth());
    EXPECT_EQ(rig.surface.shownTop, 0);
}

TEST_F(NotePopupTest, PushingThroughTheBoundaryWritesThreeNotesAndLengthensOne) {
    open();
    ASSERT_TRUE(enterNote(20));
    EXPECT_EQ(rig.view.activePane(), 1);
    ASSERT_EQ(motive.notes.size(), 1u);
    EXPECT_EQ(motive.notes[0].pitch, 20);
    EXPECT_EQ(motive.notes[0].duration, 30);
    // the new note sounds
    EXPECT_EQ(rig.view.soundingNote().pitch, 20);

    ASSERT_TRUE(lengthen());
    EXPECT_EQ(motive.notes[0].duration, 60);
    // the other pane follows the note's new end
    EXPECT_EQ(strategy(0).position(), 60);

    const int32_t second = strategy(0).candidates().front().pitch;
    ASSERT_TRUE(enterNote(second));
    EXPECT_EQ(rig.view.activePane(), 0);
    EXPECT_EQ(model.startPosition(), 60);
    const int32_t third = strategy(1).candidates().back().pitch;
    ASSERT_TRUE(enterNote(third));

    ASSERT_EQ(motive.notes.size(), 3u);
    EXPECT_EQ(motive.notes[0].time, 0);
    EXPECT_EQ(motive.notes[0].duration, 60);
    EXPECT_EQ(motive.notes[1].time, 60);
    EXPECT_EQ(motive.notes[1].pitch, second);
    EXPECT_EQ(motive.notes[1].duration, 30);
    EXPECT_EQ(motive.notes[2].time, 90);
    EXPECT_EQ(motive.notes[2].pitch, third);
    EXPECT_EQ(rig.view.commitCount(), 3);

    rig.view.close();
    EXPECT_FALSE(rig.surface.visible);
    EXPECT_FALSE(rig.timer.running);
    EXPECT_TRUE(rig.host.output.silent());
    // closing keeps the notes
    EXPECT_EQ(motive.notes.size(), 3u);
}

TEST_F(NotePopupTest, MovingToAnotherRowTakesAwayTheCommitPressure) {
    open();
    moveTo(225, rowTop(20) + 9);
    rig.pointer.moveBy(20, 0);
    report();
    report();
    rig.pointer.moveBy(20, 0);
    report();
    ASSERT_GT(rig.view.clipMaker().direction(SIDE_RIGHT)->pressure, 128);
    moveTo(238, rowTop(22) + 9);
    // the first report after a push-back only records where the pointer went
    report();
    EXPECT_EQ(rig.view.clipMaker().direction(SIDE_RIGHT)->pressure, 128);
    EXPECT_EQ(rig.view.commitCount(), 0);
}

TEST_F(NotePopupTest, CtrlChangesThePitchOfTheCurrentNoteAndReplaysTheInterval) {
    open();
    ASSERT_TRUE(enterNote(20));
    ASSERT_TRUE(enterNote(strategy(0).candidates().front().pitch));
    ASSERT_EQ(motive.notes.size(), 2u);
    const int32_t before = motive.notes[1].pitch;
    int32_t target = -1;
    for (const TScVariant& v : strategy(0).candidates()) {
        if (v.pitch != before && !v.durations.empty() && v.durations.front() > 0) {
            target = v.pitch;
        }
    }
    ASSERT_NE(target, -1);
    moveTo(120, rowTop(target) + 9, SHIFT_CTRL);
    EXPECT_TRUE(strategy(0).ctrlMode());
    ASSERT_EQ(motive.notes.size(), 2u);
    EXPECT_EQ(motive.notes[1].pitch, target);
    EXPECT_EQ(rig.view.soundingNote().pitch, target);

    // with Ctrl held the timer replays the note before, then 400 ms later the current one
    rig.surface.marks.clear();
    for (int tick = 0; tick < 800; ++tick) {
        rig.view.timerStep();
    }
    ASSERT_EQ(rig.surface.marks.size(), 2u);
    EXPECT_EQ(rig.surface.marks[0], (std::pair<int, int32_t>{1, 20}));
    EXPECT_EQ(rig.surface.marks[1], (std::pair<int, int32_t>{0, target}));
}

TEST_F(NotePopupTest, CtrlWithoutCandidatesChangesNothing) {
    open();
    moveTo(120, rowTop(25) + 9, SHIFT_CTRL);
    EXPECT_FALSE(strategy(0).ctrlMode());
    EXPECT_TRUE(motive.notes.empty());
}

TEST_F(NotePopupTest, TheBoundaryColumnNeverSwitchesPanes) {
    EXPECT_EQ(paneAt(238, 1), 0);
    EXPECT_EQ(paneAt(240, 0), 1);
    EXPECT_EQ(paneAt(239, 0), 0);
    EXPECT_EQ(paneAt(239, 1), 1);
    open();
    // the zone of the first pane reaches the boundary column and no further
    moveTo(239, 225);
    moveTo(260, 225);
    EXPECT_EQ(rig.pointer.pos().x - origin().x, 239);
    EXPECT_EQ(rig.view.activePane(), 0);
}

TEST_F(NotePopupTest, DemonstrationsCommitAtTheEdgePixelWithoutATimer) {
    rig.view.setDemoMode(true);
    open();
    EXPECT_FALSE(rig.timer.running);
    moveTo(200, rowTop(24) + 9);
    moveTo(239, rowTop(24) + 9);
    EXPECT_EQ(rig.view.commitCount(), 1);
    ASSERT_EQ(motive.notes.size(), 1u);
    EXPECT_EQ(motive.notes[0].pitch, 24);
}

TEST_F(NotePopupTest, ReopeningAfterOneNoteContinuesInThePaneItCameFrom) {
    open();
    ASSERT_TRUE(enterNote(20));
    rig.view.close();
    // the canvas reopens where the model's start now is: still 0, the note was not committed
    start = model.startPosition();
    rig.view.open(scheme, model, 100, 700);
    EXPECT_EQ(rig.view.activePane(), 1);
    rig.view.close();
    rig.view.open(scheme, model, 100, 700);
    EXPECT_EQ(rig.view.activePane(), 0);
}

TEST_F(NotePopupTest, AnEndPositionOffersNothingAndSwitchingThereChangesNothing) {
    TNote whole(0, 20, 240);
    motive.notes.push_back(whole);
    start = 240;
    open();
    EXPECT_TRUE(strategy(1).isEmpty());
    moveTo(200, 225);
    pushUntil(6, [&] { return rig.view.activePane() == 1; });
    ASSERT_EQ(motive.notes.size(), 1u);
    EXPECT_EQ(motive.notes[0].duration, 240);
    rig.view.close();
    EXPECT_TRUE(rig.host.output.silent());
}

}  // namespace

TEST(NotePopupHarmonyTest, AnUpbeatWithoutChordsIsOfferedTheChordCarriedOverTheBarLine) {
    // the previous motive ends on the tonic after a dominant; this one has no chords yet
    TMotive previous(TKey(0, MAJOR), TMeasure(2, 120), 60);
    TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    dominant.setVoicing(17, 14, 11, 3);
    dominant.time = 0;
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.setVoicing(20, 17, 15, 6);
    tonic.time = 240;
    previous.chords = {dominant, tonic};
    TMotive motive(TKey(0, MAJOR), TMeasure(2, 120), 60);
    TEditMotiveVariantModel model(motive, &previous, motive.startTime(), 2, &previous);
    ASSERT_EQ(model.chordSoundingAt(180), &previous.chords.back());
    ASSERT_EQ(model.chordSoundingAt(300), &previous.chords.back());

    TVariantViewRig rig;
    TScheme scheme;
    model.setStartPosition(180);
    rig.view.open(scheme, model, 100, 700);
    const auto* offered = dynamic_cast<TNoteVariantStrategy*>(rig.view.strategy(1));
    ASSERT_NE(offered, nullptr);
    int chordTones = 0;
    for (const TScVariant& v : offered->candidates()) {
        if (!v.chording)
            continue;
        ++chordTones;
        // C, E or G (positions count from D), never the dominant's B or D
        const int32_t letter = v.pitch % 7;
        EXPECT_TRUE(letter == 6 || letter == 1 || letter == 3) << v.pitch;
    }
    EXPECT_GT(chordTones, 0);
    // the harmony auditioned at the opening is the tonic that sounds, not the dominant
    EXPECT_TRUE(rig.view.soundingChord().sameVoicing(tonic));
    rig.view.close();
}

TEST_F(NotePopupTest, APopupTheWindowManagerPutsElsewhereTakesThePointerAlong) {
    open(100, 700);
    const TScreenPoint first = rig.pointer.pos();
    const TScreenRect zone = rig.view.clipMaker().currentClip().rect;
    // the window manager maps the popup 22 pixels lower and 3 to the right than asked
    rig.surface.shownLeft += 3;
    rig.surface.shownTop += 22;
    rig.view.surfaceMoved();
    EXPECT_EQ(rig.pointer.pos(), (TScreenPoint{first.x + 3, first.y + 22}));
    EXPECT_EQ(rig.view.clipMaker().currentClip().rect,
              (TScreenRect{zone.left + 3, zone.top + 22, zone.right + 3, zone.bottom + 22}));
    // still 50 pixels from the boundary, mid-height, in the view as it now lies
    EXPECT_EQ(rig.pointer.pos(), (TScreenPoint{origin().x + 190, origin().y + 225}));
    // and a note can be written from there
    EXPECT_TRUE(enterNote(strategy(1).candidates().front().pitch));
}
