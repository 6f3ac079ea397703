#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>
#include <sstream>

#include "app/dragged.h"
#include "app/effect_motive_panel.h"
#include "app/main_window.h"
#include "app/panel_chooser.h"
#include "app/panel_chooser_group.h"
#include "app/play_panel.h"
#include "app/raw_panel.h"
#include "app/u_motive_canvas.h"
#include "app/u_motive_set.h"
#include "cli/develop_command.h"
#include "development/ways.h"
#include "generation/random.h"
#include "model/document.h"
#include "playback/capture_port.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"
#include "templates/new_dialog_result.h"

namespace {

// The window with the default composition, its first motive harmonised as at start-up.
class DevelopmentPanelsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetMotivicaRandForTesting();
        auto prompts = std::make_unique<TScriptedPrompts>();
        prompts_ = prompts.get();
        window_ = std::make_unique<TMainWindow>(scratch_.base(), std::move(prompts), &devices_);
    }

    TMotive& firstMotive() { return *window_->periodPanel()->motiveSets()[0]->canvas()->motive(); }
    TEffectMotivePanel& panel(int way) { return *window_->developmentPanel(way); }
    TUMotiveCanvas& paneCanvas(int way, int i) { return *panel(way).pane(i)->canvas(); }
    // The listeners of the motives queued in the player, in play order.
    std::vector<TMotivePlayerListener*> queued() {
        std::vector<TMotivePlayerListener*> listeners;
        for (const TPlayUnit& u : window_->motivePlayer().events())
            if (u.startsMotive)
                listeners.push_back(u.listener);
        return listeners;
    }

    TScratchFolder scratch_{"development_panels"};
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    TScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<TMainWindow> window_;
};

}  // namespace

TEST_F(DevelopmentPanelsTest, EveryWayFillsItsPanesAsTheDevelopCommandDoes) {
    // a melody over the chords chosen at start-up, with non-chord tones
    firstMotive().notes = {TNote(180, 20, 60), TNote(240, 22, 30), TNote(270, 21, 30),
                           TNote(300, 19, 60), TNote(360, 24, 60)};
    firstMotive().updateChording();
    const std::string document = scratch_.path("source.tnr");
    ASSERT_TRUE(window_->saveDocument(document));
    for (int way = 0; way < WAY_COUNT; ++way) {
        SCOPED_TRACE(std::string(WAY_CAPTIONS[static_cast<size_t>(way)]));
        // the command starts from the generator's first state; so does the panel here
        resetMotivicaRandForTesting();
        window_->panelChoosers().giveMotive(way, firstMotive());
        EXPECT_EQ(window_->panelChoosers().selectedIndex(), way);
        EXPECT_TRUE(panel(way).isVisible() || !window_->isVisible());

        const std::string out = scratch_.path("way" + std::to_string(way) + ".tnr");
        std::ostringstream cout, cerr;
        ASSERT_EQ(
            runDevelopCommand({document, "--motive", "0", "--way", std::to_string(way), "-o", out},
                              cout, cerr),
            0)
            << cerr.str();
        TPeriodData expected;
        ASSERT_TRUE(readDocument(expected, out));
        const std::vector<TMotiveAddress> addresses = expected.motiveAddresses();
        ASSERT_EQ(addresses.size(), 3u);
        bool anyNotes = false;
        for (int i = 0; i < 3; ++i) {
            const TMotive& want = expected.motiveAt(addresses[static_cast<size_t>(i)]);
            const TMotive& shown = *paneCanvas(way, i).motive();
            EXPECT_TRUE(shown == want) << "pane " << i;
            EXPECT_EQ(shown.anacrusis, firstMotive().anacrusis);
            anyNotes = anyNotes || !shown.notes.empty();
        }
        EXPECT_TRUE(anyNotes);
    }
}

TEST_F(DevelopmentPanelsTest, MoreKeepsTheOldVariantsAndPlaysAllThreeInOrder) {
    TMotive source = firstMotive();
    source.notes = {TNote(180, 20, 60), TNote(240, 22, 60), TNote(300, 24, 60), TNote(360, 21, 60)};
    source.updateChording();
    window_->panelChoosers().giveMotive(2, source);
    std::vector<TMotive> before;
    for (int i = 0; i < 3; ++i)
        before.push_back(*paneCanvas(2, i).motive());
    ASSERT_NE(panel(2).moreButton(), nullptr);
    EXPECT_EQ(panel(0).moreButton(), nullptr);
    QTest::mouseClick(panel(2).moreButton(), Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {
        TUMotiveCanvas& canvas = paneCanvas(2, i);
        ASSERT_EQ(canvas.editor().history().size(), 1u) << i;
        EXPECT_TRUE(canvas.editor().history().snapshot(0) == before[static_cast<size_t>(i)]);
        EXPECT_TRUE(canvas.backButton()->isEnabled());
    }
    EXPECT_EQ(queued(), (std::vector<TMotivePlayerListener*>{&paneCanvas(2, 0), &paneCanvas(2, 1),
                                                             &paneCanvas(2, 2)}));
    window_->stopAction();
    // back in a pane's history brings its earlier variant
    QTest::mouseClick(paneCanvas(2, 1).backButton(), Qt::LeftButton);
    EXPECT_TRUE(*paneCanvas(2, 1).motive() == before[1]);
}

TEST_F(DevelopmentPanelsTest, PlayAllSkipsEmptyVariantsAndAPanePlaysItsOwn) {
    TMotive source = firstMotive();
    source.notes = {TNote(180, 20, 60), TNote(240, 22, 180)};
    window_->panelChoosers().giveMotive(0, source);
    paneCanvas(0, 1).motive()->notes.clear();
    QTest::mouseClick(panel(0).playAllButton(), Qt::LeftButton);
    EXPECT_EQ(queued(),
              (std::vector<TMotivePlayerListener*>{&paneCanvas(0, 0), &paneCanvas(0, 2)}));
    window_->stopAction();
    // a pane's play button, from the keyboard
    TPlayPanel* play = panel(0).pane(2)->playButton();
    play->setFocus();
    QTest::keyClick(play, Qt::Key_Space);
    EXPECT_EQ(queued(), (std::vector<TMotivePlayerListener*>{&paneCanvas(0, 2)}));
    window_->stopAction();
}

TEST_F(DevelopmentPanelsTest, AVariantDroppedOnAPeriodCanvasCanBeUndone) {
    TMotive source = firstMotive();
    source.notes = {TNote(180, 20, 60), TNote(240, 22, 180)};
    window_->panelChoosers().giveMotive(3, source);
    TUMotiveCanvas& target = *window_->periodPanel()->motiveSets()[1]->canvas();
    // an empty motive is not kept in a history, so the target holds a note
    target.motive()->notes = {TNote(180, 25, 240)};
    const TMotive original = *target.motive();
    // what a drop of the pane's handle does on the canvas
    ASSERT_TRUE(target.editor().dropMotive(*paneCanvas(3, 2).motive()));
    EXPECT_EQ(target.motive()->notes, paneCanvas(3, 2).motive()->notes);
    EXPECT_NE(target.motive()->notes, original.notes);
    QTest::mouseClick(target.backButton(), Qt::LeftButton);
    EXPECT_TRUE(*target.motive() == original);
    // nothing is dropped onto a variant
    EXPECT_FALSE(paneCanvas(3, 0).editor().dropMotive(original));
}

TEST_F(DevelopmentPanelsTest, ARelativeWayGeneratesOnlyOnceThePanesHaveChords) {
    TMotive source = firstMotive();
    source.chords.clear();
    source.notes = {TNote(180, 20, 60), TNote(240, 22, 60), TNote(300, 24, 120)};
    source.updateChording();
    window_->panelChoosers().giveMotive(11, source);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(paneCanvas(11, i).motive()->notes, source.notes) << i;
        EXPECT_TRUE(paneCanvas(11, i).motive()->chords.empty()) << i;
        EXPECT_EQ(paneCanvas(11, i).chordMode(), 2);
    }
    // the user chooses a progression in the second pane
    TMotive& second = *paneCanvas(11, 1).motive();
    second.chords = firstMotive().chords;
    ASSERT_EQ(second.chords.size(), 2u);
    panel(11).chordsChosen(paneCanvas(11, 1).editor());
    for (int i = 0; i < 3; ++i) {
        const TMotive& pane = *paneCanvas(11, i).motive();
        EXPECT_EQ(pane.chords.size(), 2u) << i;
        EXPECT_TRUE(pane.chords[0].sameVoicing(firstMotive().chords[0])) << i;
        EXPECT_FALSE(pane.notes.empty()) << i;
        EXPECT_NE(pane.notes, source.notes) << i;
    }
    EXPECT_EQ(paneCanvas(0, 0).chordMode(), 3);
}

TEST_F(DevelopmentPanelsTest, ANewFrameEmptiesThePanesAndGivesThemTheMeter) {
    window_->panelChoosers().giveMotive(1, firstMotive());
    const int narrow = paneCanvas(1, 0).width();
    // New, with a composition in 3/4, G major, without anacrusis
    TNewDialogResult result;
    result.layout = TPeriodLayout({1}, {2}, {5});
    result.key = TKey(1, MAJOR);
    result.measure = TMeasure(3, 120);
    result.anacrusis = 0;
    prompts_->newCompositions.push_back(result);
    window_->newAction();
    ASSERT_EQ(window_->period().measure, TMeasure(3, 120));
    for (int way = 0; way < WAY_COUNT; ++way) {
        for (int i = 0; i < 3; ++i) {
            const TMotive& pane = *paneCanvas(way, i).motive();
            EXPECT_TRUE(pane.notes.empty());
            EXPECT_TRUE(pane.chords.empty());
            EXPECT_EQ(pane.measure, TMeasure(3, 120));
            EXPECT_EQ(pane.key, TKey(1, MAJOR));
            EXPECT_EQ(pane.anacrusis, 0);
        }
    }
    // a 3/4 measure is wider, so the panes draw smaller: all three stay in sight
    EXPECT_LT(paneCanvas(1, 0).scale(), 1.0);
    EXPECT_EQ(paneCanvas(1, 0).sizeHint().width(), paneCanvas(1, 0).width());
    EXPECT_GE(paneCanvas(1, 0).width(), narrow);
}

// Three variants side by side for every meter the New dialog offers (2/4, 3/4, 2/8, 3/8) and the
// longer ones a document may hold: the panes shrink to the panel's width, never below half their
// size, and a short meter keeps its full size.
TEST_F(DevelopmentPanelsTest, ThreeVariantsAreSeenSideBySideInEveryMeter) {
    TEffectMotivePanel* panel = window_->developmentPanel(1);
    ASSERT_NE(panel, nullptr);
    const std::pair<int, DURATION> meters[] = {{2, 120}, {3, 120}, {4, 120},
                                               {3, 60},  {6, 60},  {2, 60}};
    for (const auto& [beats, beat] : meters) {
        SCOPED_TRACE(std::to_string(beats) + "/" + std::to_string(480 / beat));
        TNewDialogResult result;
        result.layout = TPeriodLayout({1}, {2}, {5});
        result.key = TKey(0, MAJOR);
        result.measure = TMeasure(beats, beat);
        prompts_->newCompositions.push_back(result);
        window_->newAction();
        ASSERT_EQ(window_->period().measure, TMeasure(beats, beat));
        const TUMotiveCanvas& last = paneCanvas(1, 2);
        const int lastRight = last.mapTo(panel, QPoint(last.width(), 0)).x();
        // the panes end before the panel's buttons, with nothing to scroll to
        EXPECT_LE(lastRight, panel->width() - 2 * 28 - 6);
        QScrollArea* area = panel->findChild<QScrollArea*>();
        ASSERT_NE(area, nullptr);
        EXPECT_LE(area->widget()->width(), area->width());
        if (beats * beat <= 240)
            EXPECT_EQ(last.scale(), 1.0);
        else
            EXPECT_LT(last.scale(), 1.0);
    }
}

TEST_F(DevelopmentPanelsTest, ChoosersShowOnePanelAndAnswerTheKeyboard) {
    TMotivePanelChooserGroup& choosers = window_->panelChoosers();
    ASSERT_EQ(choosers.size(), 13u);
    // "Sequence Down" is shown at start
    EXPECT_EQ(choosers.selectedIndex(), 1);
    EXPECT_TRUE(choosers.chooser(1)->selected());
    EXPECT_EQ(choosers.chooser(11)->accessibleName(), "Rel. Parts");
    EXPECT_EQ(paneCanvas(11, 2).accessibleName(), "Rel. Parts variant 3");
    EXPECT_EQ(panel(11).pane(2)->playButton()->accessibleName(), "Play Rel. Parts variant 3");
    EXPECT_EQ(panel(11).pane(2)->handle()->accessibleName(), "Drag Rel. Parts variant 3");
    EXPECT_EQ(panel(11).moreButton()->accessibleName(), "More");
    EXPECT_EQ(panel(11).playAllButton()->accessibleName(), "Play all");
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    EXPECT_TRUE(panel(1).isVisible());
    EXPECT_FALSE(panel(0).isVisible());
    QTest::keyClick(choosers.chooser(1), Qt::Key_Right);
    EXPECT_EQ(choosers.selectedIndex(), 2);
    EXPECT_TRUE(panel(2).isVisible());
    EXPECT_FALSE(panel(1).isVisible());
    EXPECT_TRUE(choosers.chooser(2)->hasFocus());
    QTest::keyClick(choosers.chooser(2), Qt::Key_Left);
    QTest::keyClick(choosers.chooser(1), Qt::Key_Left);
    QTest::keyClick(choosers.chooser(0), Qt::Key_Left);
    EXPECT_EQ(choosers.selectedIndex(), 12);
    QTest::mouseClick(choosers.chooser(5), Qt::LeftButton);
    EXPECT_EQ(choosers.selectedIndex(), 5);
    EXPECT_TRUE(panel(5).isVisible());
    // the sunken chooser is painted otherwise than the raised ones
    EXPECT_NE(choosers.chooser(5)->grab().toImage(), choosers.chooser(4)->grab().toImage());
}

TEST_F(DevelopmentPanelsTest, ThePanesAreInTheRelayListAndShowTheNotesThatSound) {
    const std::vector<TRawPanel*>& relay = window_->relayList();
    ASSERT_EQ(relay.size(), 39u);
    // creation order: sequence up, sequence down, variation, repeat, parts, rhythm, other, ...
    EXPECT_EQ(relay[0], panel(0).pane(0));
    EXPECT_EQ(relay[15], panel(6).pane(0));
    EXPECT_EQ(relay[18], panel(5).pane(0));
    EXPECT_EQ(relay[27], panel(10).pane(0));
    EXPECT_EQ(relay[33], panel(9).pane(0));
    for (size_t k = 0; k < relay.size(); ++k)
        EXPECT_EQ(relay[k]->canvas()->canvasId(), static_cast<int32_t>(k));

    TMotive source = firstMotive();
    source.notes = {TNote(180, 20, 60), TNote(240, 22, 180)};
    window_->panelChoosers().giveMotive(3, source);
    TUMotiveCanvas& canvas = paneCanvas(3, 1);
    const int32_t id = canvas.canvasId();
    window_->relayNote(id, canvas.motive()->variantTag(), 1, true);
    EXPECT_TRUE(canvas.motive()->notes[1].playing);
    window_->relayNote(id, canvas.motive()->variantTag(), 1, false);
    EXPECT_FALSE(canvas.motive()->notes[1].playing);
    window_->relayPlay(id, true);
    EXPECT_TRUE(panel(3).pane(1)->playButton()->playing());
    window_->relayPlay(id, false);
    EXPECT_FALSE(panel(3).pane(1)->playButton()->playing());
}

TEST_F(DevelopmentPanelsTest, AnEditInARelativePaneKeepsTheOtherVariantsInTheirHistories) {
    TMotive source = firstMotive();
    source.notes = {TNote(180, 20, 60), TNote(240, 22, 60), TNote(300, 24, 120)};
    source.updateChording();
    window_->panelChoosers().giveMotive(10, source);
    std::vector<TMotive> variants;
    for (int i = 0; i < 3; ++i)
        variants.push_back(*paneCanvas(10, i).motive());
    ASSERT_FALSE(variants[0].notes.empty());
    // a press in the second pane starts choosing a new progression there
    QTest::mousePress(&paneCanvas(10, 1), Qt::LeftButton, Qt::NoModifier, QPoint(60, 140));
    EXPECT_TRUE(window_->popupShown());
    QTest::mouseRelease(&paneCanvas(10, 1), Qt::LeftButton, Qt::NoModifier, QPoint(60, 140));
    for (int i = 0; i < 3; ++i) {
        TUMotiveCanvas& canvas = paneCanvas(10, i);
        ASSERT_EQ(canvas.editor().history().size(), 1u) << i;
        EXPECT_TRUE(canvas.editor().history().snapshot(0) == variants[static_cast<size_t>(i)]);
        EXPECT_TRUE(canvas.motive()->notes.empty()) << i;
    }
}
