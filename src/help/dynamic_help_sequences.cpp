// The four demonstrations of the Demo menu, step by step. Their pages, compositions and recorded
// paths lie in the demonstration folder; the pages say what each step shows.
#include "help/dynamic_help_thread.h"

namespace {

// Where a press enters notes (the notes area) and where it chooses chords (the chord area).
constexpr TScreenPoint NOTES_PRESS{0, 0};
constexpr TScreenPoint CHORD_PRESS{111, 166};

// The development ways the demonstrations open, as their choosers are numbered.
constexpr int SEQUENCE_UP = 0;
constexpr int VARIATION = 2;
constexpr int RHYTHM = 6;
constexpr int REL_SEQUENCE_UP = 7;
constexpr int REL_RHYTHM = 9;
constexpr int REL_REPEAT = 10;

}  // namespace

void TDHSelectNotes::sequence() {
    startDemo();
    showPage("helpSelectNotes1.html");
    loadComposition("helpSelectNotes");
    holdStill(200);

    // the whole motive, note by note, from its up-beat
    moveToCanvasLeft(0, 19);
    setTimeCursor(0, 180);
    holdStill(100);
    playScript(0, "helpSelectNotes", NOTES_PRESS, false);
    waitForPlayback();

    showPage("helpSelectNotes2.html");
    holdStill(200);
    showPage("helpSelectNotes3.html");
    holdStill(200);

    // again from the up-beat, lengthening notes by pushing the outer edge
    moveToCanvasLeft(0, 19);
    setTimeCursor(0, 180);
    holdStill(100);
    playScript(0, "helpSelectNotes1", NOTES_PRESS, false);
    waitForPlayback();

    // from the middle of the motive: what lies before the cursor stays
    showPage("helpSelectNotes4.html");
    holdStill(200);
    moveToCanvasLeft(0, 131);
    setTimeCursor(0, 300);
    holdStill(100);
    playScript(0, "helpSelectNotes2", NOTES_PRESS, false);
    waitForPlayback();

    // with Ctrl the pitch of the current note changes and the interval is heard
    showPage("helpSelectNotes5.html");
    holdStill(200);
    moveToCanvasLeft(0, 19);
    setTimeCursor(0, 180);
    holdStill(100);
    playScript(0, "helpSelectNotes3", NOTES_PRESS, true);
    waitForPlayback();
}

void TDHSelectChord::sequence() {
    startDemo();
    showPage("helpSelectChord1.html");
    loadComposition("helpSelectChord");
    holdStill(200);

    moveToCanvasCorner(0, CHORD_PRESS.x, CHORD_PRESS.y);
    holdStill(100);
    playScript(0, "helpSelectChord", CHORD_PRESS, false);
    waitForPlayback();

    moveToCanvasCorner(0, CHORD_PRESS.x, CHORD_PRESS.y);
    holdStill(100);
    playScript(0, "helpSelectChord1", CHORD_PRESS, false);
    waitForPlayback();
}

void TDHSimpleEffect::sequence() {
    using K = TDemoControlKind;
    startDemo();
    showPage("helpSimpleEffect1.html");
    loadComposition("helpSimpleEffect");
    holdStill(200);

    // the source: the first motive, selected by its strip
    showPage("helpSimpleEffect2.html");
    holdStill(100);
    click({K::MotiveSelection, 0}, 30);
    holdStill(150);

    // dragged onto a way's button, it gives three variants
    showPage("helpSimpleEffect3.html");
    holdStill(100);
    dragMotiveToWay(0, SEQUENCE_UP);
    holdStill(200);

    showPage("helpSimpleEffect4.html");
    holdStill(100);
    for (int pane = 0; pane < 3; ++pane) {
        playAndWait({K::PanePlay, SEQUENCE_UP, pane});
    }

    // the variant liked best goes into the period by its handle
    showPage("helpSimpleEffect5.html");
    holdStill(150);
    dragVariantToMotive(SEQUENCE_UP, 0, 1);
    holdStill(50);
    playAndWait({K::MotivePlay, 1});

    showPage("helpSimpleEffect6.html");
    holdStill(100);
    dragMotiveToWay(0, VARIATION);
    holdStill(150);
    playAndWait({K::PanePlay, VARIATION, 0});

    // "More..." gives three new variants
    showPage("helpSimpleEffect7.html");
    holdStill(100);
    click({K::MoreButton, VARIATION}, 20);
    holdStill(100);
    playAndWait({K::PanePlay, VARIATION, 0});

    showPage("helpSimpleEffect8.html");
    holdStill(100);
    dragMotiveToWay(2, RHYTHM);
    holdStill(150);
    playAndWait({K::PanePlay, RHYTHM, 0});
    dragVariantToMotive(RHYTHM, 0, 3);
    holdStill(50);
    playAndWait({K::MotivePlay, 3});

    showPage("helpSimpleEffect9.html");
    holdStill(300);
}

void TDHRelEffect::sequence() {
    using K = TDemoControlKind;
    startDemo();
    showPage("helpRelEffect1.html");
    loadComposition("helpRelEffect");
    holdStill(200);

    // the source goes to a relative way like to any other
    showPage("helpRelEffect2.html");
    holdStill(100);
    click({K::MotiveSelection, 0}, 30);
    holdStill(50);
    dragMotiveToWay(0, REL_SEQUENCE_UP);
    holdStill(200);
    playAndWait({K::PanePlay, REL_SEQUENCE_UP, 0});
    playAndWait({K::PanePlay, REL_SEQUENCE_UP, 1});

    showPage("helpRelEffect3.html");
    holdStill(100);
    dragMotiveToWay(0, REL_REPEAT);
    holdStill(150);
    playAndWait({K::PanePlay, REL_REPEAT, 0});
    playAndWait({K::PanePlay, REL_REPEAT, 1});

    showPage("helpRelEffect4.html");
    holdStill(150);
    dragVariantToMotive(REL_REPEAT, 0, 2);
    holdStill(50);
    playAndWait({K::MotivePlay, 2});

    showPage("helpRelEffect5.html");
    holdStill(100);
    dragMotiveToWay(1, REL_RHYTHM);
    holdStill(150);
    playAndWait({K::PanePlay, REL_RHYTHM, 0});
    holdStill(300);
}

std::unique_ptr<TDynamicHelpThread> createDemonstration(int number, TDemoHost& host,
                                                        const std::string& folder,
                                                        const std::string& parkFolder) {
    switch (number) {
        case 1:
            return std::make_unique<TDHSelectNotes>(host, folder, parkFolder);
        case 2:
            return std::make_unique<TDHSelectChord>(host, folder, parkFolder);
        case 3:
            return std::make_unique<TDHSimpleEffect>(host, folder, parkFolder);
        case 4:
            return std::make_unique<TDHRelEffect>(host, folder, parkFolder);
        default:
            return nullptr;
    }
}
