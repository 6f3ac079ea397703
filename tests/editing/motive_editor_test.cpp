#include "editing/motive_editor.h"

#include <gtest/gtest.h>

#include "editing/canvas_mapping.h"
#include "generation/scheme.h"
#include "support/fake_variant_view.h"

namespace {

class TFakeEditingHost : public TEditingHost {
  public:
    explicit TFakeEditingHost(TVariantViewRig& rig) : rig_(rig) {}
    void stopPlaying() override { ++stops; }
    TMotiveAndListenerPair previousPair(const TMotive&) override { return previous; }
    TColorPanelListener& popup() override { return rig_.view; }
    void playMotive(const TMotive& motive, TMotivePlayerListener*) override {
        played.push_back(motive.notes.size());
    }
    TScheme& scheme() override { return scheme_; }
    bool popupShown() override { return rig_.surface.visible; }

    int stops = 0;
    std::vector<size_t> played;
    TMotiveAndListenerPair previous{nullptr, nullptr, 1};

  private:
    TVariantViewRig& rig_;
    TScheme scheme_;
};

class TFakeEditorView : public TEditorView {
  public:
    void repaint() override { ++repaints; }
    TScreenRect canvasOnScreen() override { return canvas; }
    TScreenRect screenArea() override { return {0, 0, 1280, 800}; }
    int32_t popupWidth() override { return 490; }
    void movePointerToX(int32_t x) override { pointerX = x; }
    TMotivePlayerListener* playerListener() override { return nullptr; }

    int repaints = 0;
    int32_t pointerX = -1;
    TScreenRect canvas{100, 400, 352, 580};
};

TMotive motiveWithSixteenths(int count) {
    TMotive m(TKey(0, MAJOR), TMeasure(2, 120));
    for (int i = 0; i < count; ++i) {
        m.notes.emplace_back(30 * i, 20 + i % 3, 30);
    }
    return m;
}

class MotiveEditorTest : public ::testing::Test {
  protected:
    int32_t xOf(int32_t t) { return xOfTime(motive, t) + 5; }

    TVariantViewRig rig;
    TFakeEditingHost host{rig};
    TFakeEditorView view;
    TMotive motive = motiveWithSixteenths(8);
    TMotiveEditor editor{host, view, &motive};
};

TEST_F(MotiveEditorTest, TheTwentyFirstSnapshotDropsTheOldestAndBackGoesAtMostNineteenSteps) {
    for (int edit = 0; edit < 21; ++edit) {
        ASSERT_TRUE(editor.pushSnapshot());
        motive.notes[0].pitch = 13 + edit;
    }
    EXPECT_EQ(editor.history().size(), TMotiveHistory::MAX_HISTORY);
    int steps = 0;
    while (editor.history().canGoBack() && steps < 100) {
        editor.back();
        ++steps;
    }
    // going back from the live motive stores it first, so 20 are kept of 22 versions
    EXPECT_EQ(steps, 19);
    EXPECT_EQ(motive.notes[0].pitch, 13 + 1);
    while (editor.history().canGoForward()) {
        editor.forward();
    }
    EXPECT_EQ(motive.notes[0].pitch, 13 + 20);
    // an edit from an older snapshot goes on from what is shown and stores nothing
    editor.back();
    const size_t kept = editor.history().size();
    EXPECT_FALSE(editor.pushSnapshot());
    EXPECT_EQ(editor.history().size(), kept);
    EXPECT_EQ(editor.history().index(), -1);
}

TEST_F(MotiveEditorTest, BackAndForwardRestoreNotesChordsAndVersion) {
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.setVoicing(20, 17, 15, 6);
    motive.chords.push_back(tonic);
    editor.pushSnapshot();
    const TMotive before = motive;
    const int32_t beforeVersion = editor.history().snapshot(0).variantTag();
    motive.notes[0].pitch = 30;
    motive.chords.clear();
    const int32_t liveVersion = motive.variantTag();
    editor.back();
    EXPECT_TRUE(motive == before);
    EXPECT_EQ(motive.variantTag(), beforeVersion);
    editor.forward();
    EXPECT_EQ(motive.notes[0].pitch, 30);
    EXPECT_TRUE(motive.chords.empty());
    EXPECT_EQ(motive.variantTag(), liveVersion);
    // a player's report names a version: it is shown again
    EXPECT_TRUE(editor.showVersion(beforeVersion));
    EXPECT_TRUE(motive == before);
    EXPECT_FALSE(editor.showVersion(999));
}

TEST_F(MotiveEditorTest, AnEmptyMotiveIsNotStored) {
    TMotive empty(TKey(0, MAJOR), TMeasure(2, 120));
    TMotiveEditor e(host, view, &empty);
    EXPECT_FALSE(e.pushSnapshot());
    EXPECT_EQ(e.history().size(), 0u);
    EXPECT_FALSE(e.history().canGoBack());
}

TEST_F(MotiveEditorTest, DeleteModeRemovesEachOnsetItTouchesOnce) {
    editor.setNotesMode(5);
    ASSERT_TRUE(editor.mouseDown(TMouseButton::Left, 0, xOf(60), 60, 0, 0));
    EXPECT_EQ(host.stops, 1);
    EXPECT_EQ(motive.notes.size(), 7u);
    // dragging on over the same place and across the next onsets
    editor.mouseMove(0, xOf(60), 60, 0, 0);
    editor.mouseMove(0, xOf(60) + 3, 60, 0, 0);
    editor.mouseMove(0, xOf(90), 60, 0, 0);
    editor.mouseMove(0, xOf(90), 60, 0, 0);
    editor.mouseUp();
    ASSERT_EQ(motive.notes.size(), 6u);
    for (const TNote& n : motive.notes) {
        EXPECT_NE(n.time, 60);
        EXPECT_NE(n.time, 90);
    }
    // one snapshot for the whole drag
    EXPECT_EQ(editor.history().size(), 1u);
    // a place without an onset removes nothing
    motive.notes.erase(motive.notes.begin() + 2, motive.notes.end());  // 0 and 30 remain
    editor.mouseDown(TMouseButton::Left, 0, xOf(150), 60, 0, 0);
    editor.mouseUp();
    EXPECT_EQ(motive.notes.size(), 2u);
}

TEST_F(MotiveEditorTest, OnlyALeftPressWithoutAnOpenPopupStartsAnEdit) {
    EXPECT_FALSE(editor.mouseDown(TMouseButton::Right, 0, 40, 60, 0, 0));
    EXPECT_FALSE(editor.mouseDown(TMouseButton::Middle, 0, 40, 60, 0, 0));
    EXPECT_FALSE(rig.surface.visible);
    ASSERT_TRUE(editor.mouseDown(TMouseButton::Left, 0, 40, 60, 500, 500));
    EXPECT_TRUE(rig.surface.visible);
    // a second press while the popup is open does nothing
    TMotive other = motiveWithSixteenths(2);
    TMotiveEditor second(host, view, &other);
    EXPECT_FALSE(second.mouseDown(TMouseButton::Left, 0, 40, 60, 0, 0));
    EXPECT_FALSE(editor.mouseDown(TMouseButton::Left, 0, 40, 60, 0, 0));
    editor.mouseUp();
    EXPECT_FALSE(rig.surface.visible);
    EXPECT_TRUE(rig.host.output.silent());
}

TEST_F(MotiveEditorTest, ANotePressOpensAtTheCursorAndTheReleaseMovesTheCursorOn) {
    editor.mouseMove(0, xOf(120), 60, 0, 0);
    EXPECT_EQ(editor.timeCursor(), 120);
    rig.pointer.setPos({300, 470});
    ASSERT_TRUE(editor.mouseDown(TMouseButton::Left, 0, xOf(120), 60, 300, 470));
    ASSERT_NE(editor.variantModel(), nullptr);
    EXPECT_EQ(editor.variantModel()->startPosition(), 120);
    // beside the canvas: its right edge, 27 above its bottom
    EXPECT_EQ(rig.surface.shownLeft, 352);
    EXPECT_EQ(rig.surface.shownTop + rig.surface.popupHeight(), 580 - 27);
    rig.view.model().setStartPosition(180);
    editor.mouseUp();
    EXPECT_EQ(editor.timeCursor(), 180);
    EXPECT_EQ(view.pointerX, xOfTime(motive, 180));
    EXPECT_EQ(host.played.size(), 1u);
    // the pointer is back where the press happened, then moved along the cursor line
    EXPECT_EQ(rig.pointer.pos(), (TScreenPoint{300, 470}));
}

TEST_F(MotiveEditorTest, TheSameRhythmModeKeepsTheCursorAtTheStartOfALongNote) {
    motive.notes = {TNote(0, 20, 120), TNote(120, 22, 60), TNote(180, 24, 60)};
    editor.setRhythmMode(3);
    editor.mouseMove(0, xOf(60), 60, 0, 0);
    EXPECT_EQ(editor.timeCursor(), 0);
    editor.mouseMove(0, xOf(90), 60, 0, 0);
    EXPECT_EQ(editor.timeCursor(), 0);
    editor.mouseMove(0, xOf(150), 60, 0, 0);
    EXPECT_EQ(editor.timeCursor(), 120);
}

TEST_F(MotiveEditorTest, ModesSelectTheInteractionOfEachArea) {
    EXPECT_EQ(editor.cursorShapeAt(60), CURSOR_EDIT);
    EXPECT_EQ(editor.cursorShapeAt(140), CURSOR_NEW_CHORD);
    editor.setNotesMode(5);
    EXPECT_EQ(editor.cursorShapeAt(60), CURSOR_DELETE);
    editor.setChordMode(1);
    EXPECT_EQ(editor.cursorShapeAt(140), CURSOR_CHORD);
    editor.setChordMode(2);
    EXPECT_EQ(editor.cursorShapeAt(60), CURSOR_NEW_CHORD);
    EXPECT_EQ(editor.cursorShapeAt(140), CURSOR_NEW_CHORD);
    editor.setChordMode(3);
    EXPECT_EQ(editor.cursorShapeAt(60), CURSOR_CHORD);
}

TEST_F(MotiveEditorTest, OnlyAnAnacrusisReceivesThePreviousMotivesLastChord) {
    TMotive previous(TKey(0, MAJOR), TMeasure(2, 120));
    TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    dominant.setVoicing(21, 18, 16, 4);
    previous.chords.push_back(dominant);
    host.previous = {&previous, nullptr, 4};
    editor.setChordMode(1);
    editor.mouseDown(TMouseButton::Left, 0, 40, 140, 0, 0);
    editor.mouseUp();
    EXPECT_TRUE(motive.chords.empty());

    TMotive upbeat(TKey(0, MAJOR), TMeasure(2, 120), 60);
    upbeat.notes.emplace_back(180, 20, 60);
    TMotiveEditor e(host, view, &upbeat);
    e.setChordMode(1);
    e.mouseDown(TMouseButton::Left, 0, 40, 140, 0, 0);
    ASSERT_FALSE(upbeat.chords.empty());
    EXPECT_EQ(upbeat.chords.front().time, 0);
    EXPECT_TRUE(upbeat.chords.front().sameVoicing(dominant));
    // the chord choice starts after the carried chord's measure
    EXPECT_EQ(e.variantModel()->origin(), 240);
    e.mouseUp();
}

class TRecordingCanvasListener : public TUMotiveCanvasListener {
  public:
    void chordsChosen(TMotiveEditor&) override { ++chords; }
    void editStarted(TMotiveEditor&) override { ++edits; }
    void cursorMoved(TMotiveEditor&) override { ++cursors; }
    int chords = 0;
    int edits = 0;
    int cursors = 0;
};

TEST_F(MotiveEditorTest, NewChordsWriteTheMelodyAgainWithItsRhythmUnderThem) {
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.setVoicing(20, 17, 15, 6);
    motive.chords = {tonic};
    motive.notes = {TNote(0, 20, 60), TNote(60, 22, 60), TNote(120, 24, 120)};
    motive.updateChording();
    TRecordingCanvasListener listener;
    editor.addListener(&listener);
    ASSERT_TRUE(editor.mouseDown(TMouseButton::Left, 0, 40, 140, 0, 0));
    EXPECT_EQ(listener.edits, 1);
    // the popup puts the dominant into the motive
    TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    dominant.setVoicing(18, 16, 14, 4);
    dominant.time = 0;
    rig.view.model().setChord(dominant);
    editor.mouseUp();
    ASSERT_EQ(motive.chords.size(), 1u);
    EXPECT_EQ(motive.chords[0].type, TChordType::DOMINANT_THREE_CHORD);
    // the same rhythm, now starting on a tone of the new chord
    ASSERT_EQ(motive.notes.size(), 3u);
    EXPECT_EQ(motive.notes[0].time, 0);
    EXPECT_EQ(motive.notes[1].time, 60);
    EXPECT_EQ(motive.notes[2].duration, 120);
    EXPECT_TRUE(motive.chords[0].isChordTone(motive.notes[0].pitch, motive.key));
    EXPECT_NE(motive.notes[0].pitch, 20);
    // the melody followed the chord, so this mode does not report a chord choice
    EXPECT_EQ(listener.chords, 0);
    EXPECT_EQ(host.played.size(), 1u);
    // and the edit can be undone
    editor.back();
    EXPECT_EQ(motive.notes[0].pitch, 20);
    EXPECT_EQ(motive.chords[0].type, TChordType::TONIC_THREE_CHORD);
}

TEST_F(MotiveEditorTest, ADroppedMotiveReplacesNotesAndChordsUndoably) {
    TRecordingCanvasListener listener;
    editor.addListener(&listener);
    TMotive source(TKey(0, MAJOR), TMeasure(2, 120));
    source.notes = {TNote(0, 25, 240)};
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.setVoicing(20, 17, 15, 6);
    source.chords = {tonic};
    ASSERT_TRUE(editor.dropMotive(source));
    EXPECT_TRUE(motive == source);
    EXPECT_EQ(listener.edits, 1);
    editor.back();
    EXPECT_EQ(motive.notes.size(), 8u);
    // a canvas that takes no drops, and a motive dropped on itself, change nothing
    editor.forward();
    editor.setDropEnabled(false);
    EXPECT_FALSE(editor.dropMotive(motiveWithSixteenths(3)));
    editor.setDropEnabled(true);
    EXPECT_FALSE(editor.dropMotive(motive));
    EXPECT_TRUE(motive == source);
}

TEST(CanvasMappingTest, PitchRowsAndTimesStayInsideTheStaffAndTheMotive) {
    EXPECT_EQ(pitchAtY(153), 13);
    EXPECT_EQ(pitchAtY(200), std::nullopt);
    EXPECT_EQ(pitchAtY(0), 34);
    EXPECT_EQ(pitchAtY(153 - 5 * 10), 16);
    // the default composition's first motive: 2/4 with an eighth's anacrusis
    TMotive upbeat(TKey(-2, MINOR), TMeasure(2, 120), 60);
    EXPECT_EQ(timeAtX(upbeat, 0), 180);
    EXPECT_EQ(timeAtX(upbeat, 2000), upbeat.endTime() - 30);
    // the head of a quarter on the downbeat is at its time, not a sixteenth later
    EXPECT_EQ(timeAtX(upbeat, 85), 240);
    EXPECT_EQ(timeAtX(upbeat, 108), 270);
    // the downbeat's cursor lies after the bar line, left of the head, and maps back to it
    EXPECT_GT(xOfTime(upbeat, 240), 66);
    EXPECT_LT(xOfTime(upbeat, 240), 85 - 4);
    for (int32_t t = 180; t < upbeat.endTime(); t += 30)
        EXPECT_EQ(timeAtX(upbeat, xOfTime(upbeat, t)), t);
}

TEST(CanvasMappingTest, ThePopupGoesLeftOfACanvasAtTheScreensRightEdgeAndStaysOnIt) {
    const TScreenRect screen{0, 0, 1280, 800};
    EXPECT_EQ(popupAnchor({100, 300, 352, 480}, screen, 490), (TScreenPoint{352, 453}));
    EXPECT_EQ(popupAnchor({900, 300, 1152, 480}, screen, 490), (TScreenPoint{410, 453}));
    // no room on either side: the left edge is clamped to the screen
    EXPECT_EQ(popupAnchor({300, 300, 1000, 480}, {0, 0, 1200, 800}, 490), (TScreenPoint{0, 453}));
    // overflowing on the left at least as much as on the right: aligned to the right edge
    EXPECT_EQ(popupAnchor({100, 300, 900, 480}, {0, 0, 1000, 800}, 490), (TScreenPoint{510, 453}));
}

}  // namespace
