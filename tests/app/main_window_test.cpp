#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "app/dialog_prompts.h"
#include "app/key_box.h"
#include "app/navigation_tree.h"
#include "app/selection_panel.h"
#include "app/temp_panel.h"
#include "app/u_motive_canvas.h"
#include "cli/export_command.h"
#include "cli/new_command.h"
#include "commands/document_commands.h"
#include "exchange/musicxml_writer.h"
#include "generation/random.h"
#include "model/document.h"
#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "playback/relay_target.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace {

// A window over a scratch base folder, asking through scripted prompts and playing into the
// capture port.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { resetMotivicaRandForTesting(); }

    TMainWindow& window() {
        if (!window_) {
            auto prompts = std::make_unique<TScriptedPrompts>();
            prompts_ = prompts.get();
            script(*prompts_);
            window_ = std::make_unique<TMainWindow>(scratch_.base(), std::move(prompts), &devices_);
        }
        return *window_;
    }
    virtual void script(TScriptedPrompts&) {}
    std::string title() { return window().windowTitle().toStdString(); }

    TScratchFolder scratch_{"main_window"};
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    TScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<TMainWindow> window_;
};

// The chords of a motive as the document writes them: type, time and the four voices.
std::string chordsText(const TMotive& motive) {
    std::ostringstream out;
    for (const TChord& chord : motive.chords)
        writeXml(out, chord, 0);
    return out.str();
}

}  // namespace

TEST_F(MainWindowTest, StartsWithTheDefaultCompositionAndChordsForItsFirstMotive) {
    TMainWindow& w = window();
    const TPeriodData& period = w.period();
    EXPECT_EQ(title(), "Motivica 1.0 - Untitled");
    EXPECT_EQ(period.key, TKey(-2, MINOR));
    EXPECT_EQ(period.measure.beatsPerMeasure(), 2);
    EXPECT_EQ(period.measure.beatValue(), QUARTER);
    EXPECT_EQ(period.anacrusis, 60);
    EXPECT_EQ(period.tempo(), 100);
    ASSERT_EQ(w.periodPanel()->motiveSets().size(), 8u);
    EXPECT_EQ(w.periodPanel()->motiveSets()[0]->canvas()->canvasId(), 48);
    EXPECT_EQ(w.periodPanel()->motiveSets()[7]->canvas()->canvasId(), 55);
    // the same chords the command line chooses from a fresh generator
    std::ostringstream out, err;
    const std::string file = scratch_.path("cli.tnr");
    ASSERT_EQ(runNewCommand({"--key", "-2", "--mode", "minor", "--anacrusis", "60", "-o", file},
                            out, err),
              0);
    TPeriodData expected;
    ASSERT_TRUE(readDocument(expected, file));
    const TMotive& first = period.sentences[0].phrases[0].motives[0];
    ASSERT_FALSE(first.chords.empty());
    EXPECT_EQ(chordsText(first), chordsText(expected.sentences[0].phrases[0].motives[0]));
    EXPECT_TRUE(period.sentences[0].phrases[0].motives[1].chords.empty());
    // the configuration was written with its defaults
    EXPECT_TRUE(std::filesystem::exists(scratch_.path("config.xml")));
}

TEST_F(MainWindowTest, SaveOfAnUntitledCompositionRunsSaveAs) {
    TMainWindow& w = window();
    const std::string file = scratch_.path("tnrs/first.tnr");
    std::filesystem::create_directories(scratch_.path("tnrs"));
    prompts_->fileNames.push_back(file);
    w.saveAction();
    ASSERT_EQ(prompts_->count("save"), 1u);
    EXPECT_EQ(prompts_->shown.back().caption, scratch_.path("tnrs/"));
    EXPECT_EQ(title(), "Motivica 1.0 - " + file);
    EXPECT_EQ(scratch_.read("tnrs/first.tnr"), documentText(w.period()));
    // a second Save writes the same file again without asking
    w.saveAction();
    EXPECT_EQ(prompts_->count("save"), 1u);
}

TEST_F(MainWindowTest, SaveAsOntoAnExistingFileAsksAndCancelKeepsEverything) {
    TMainWindow& w = window();
    const std::string file = scratch_.write("old.tnr", "precious");
    prompts_->fileNames.push_back(file);
    prompts_->confirmations.push_back(false);
    w.saveAsAction();
    ASSERT_EQ(prompts_->count("confirm"), 1u);
    EXPECT_EQ(prompts_->shown.back().caption, "Warning");
    EXPECT_EQ(prompts_->shown.back().text, "The file\n" + file + "\n already exists. Replace?");
    EXPECT_EQ(scratch_.read("old.tnr"), "precious");
    EXPECT_EQ(title(), "Motivica 1.0 - Untitled");
}

TEST_F(MainWindowTest, AFailedOpenShowsTheMessageAndKeepsTheCompositionThatWasOpen) {
    TMainWindow& w = window();
    // an opened document, changed since: both its name and its changes stay
    const std::string good = scratch_.path("good.tnr");
    ASSERT_TRUE(w.saveDocument(good));
    ASSERT_TRUE(w.openDocument(good));
    w.period().sentences[0].phrases[0].motives[1].notes.push_back(TNote(60, 20, 60));
    const std::string before = documentText(w.period());
    for (const std::string& text :
         {std::string("not xml"), std::string("<PERIOD><NOTE TIME=\"x\"/>"), std::string()}) {
        const std::string file = scratch_.write("bad.tnr", text);
        EXPECT_FALSE(w.openDocument(file));
        ASSERT_FALSE(prompts_->shown.empty());
        EXPECT_EQ(prompts_->shown.back().kind, "message");
        EXPECT_EQ(prompts_->shown.back().caption, "Error");
        EXPECT_EQ(prompts_->shown.back().text, "Unable to open file\n" + file);
        EXPECT_EQ(title(), "Motivica 1.0 - " + good);
        EXPECT_EQ(documentText(w.period()), before);
        EXPECT_EQ(w.periodPanel()->motiveSets().size(), 8u);
    }
    EXPECT_FALSE(w.openDocument(scratch_.path("missing.tnr")));
    EXPECT_EQ(documentText(w.period()), before);
    // the changes are still unsaved: leaving them is asked about
    prompts_->saveChanges.push_back(TSaveChangesAnswer::CANCEL);
    w.newAction();
    EXPECT_EQ(prompts_->shown.back().kind, "save changes");
}

// Every file dialog lists its files under a name, in the form Qt's dialog reads.
TEST_F(MainWindowTest, EveryFileDialogNamesItsKindOfFile) {
    TMainWindow& w = window();
    w.openAction();
    w.saveAsAction();
    w.exportAction();
    w.exportAudioAction();
    for (QAction* menu : w.menuBar()->actions())
        for (QAction* a : menu->menu()->actions())
            if (a->text().startsWith("Export to MusicXML") || a->text() == "Export to PDF")
                a->trigger();
    std::vector<std::string> filters;
    for (const auto& shown : prompts_->shown)
        if (shown.kind == "open" || shown.kind == "save")
            filters.push_back(qtNameFilters(shown.text));
    EXPECT_EQ(filters, (std::vector<std::string>{
                           "Compositions (*.tnr);;All files (*)",
                           "Compositions (*.tnr);;All files (*)",
                           "MIDI files (*.mid);;All files (*)",
                           "WAV audio (*.wav);;All files (*)",
                           "MusicXML scores (*.musicxml);;All files (*)",
                           "PDF documents (*.pdf);;All files (*)",
                       }));
}

TEST_F(MainWindowTest, SaveAndOpenRoundTripByteForByte) {
    TMainWindow& w = window();
    const std::string file = scratch_.path("round.tnr");
    ASSERT_TRUE(w.saveDocument(file));
    const std::string saved = scratch_.read("round.tnr");
    ASSERT_TRUE(w.openDocument(file));
    EXPECT_EQ(title(), "Motivica 1.0 - " + file);
    ASSERT_TRUE(w.saveDocument(scratch_.path("again.tnr")));
    EXPECT_EQ(scratch_.read("again.tnr"), saved);
}

TEST_F(MainWindowTest, PlayAllTwiceQueuesThePeriodTwice) {
    TMainWindow& w = window();
    w.playAllAction();
    const int32_t once = w.motivePlayer().nextStart();
    ASSERT_GT(once, 0);
    w.playAllAction();
    // the second period follows the first, motive after motive: eight measures of 2/4 more
    EXPECT_EQ(w.motivePlayer().nextStart() - once, 8 * 240);
    w.stopAction();
}

TEST_F(MainWindowTest, RelayedNotificationsForUnknownTargetsChangeNothing) {
    TMainWindow& w = window();
    const std::string before = documentText(w.period());
    w.relay().postNote(255, -1, 0, true);
    w.relay().postNote(48 + 8, -1, 0, true);
    w.relay().postNote(3, -1, 0, true);
    w.relay().postPlay(255, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(documentText(w.period()), before);
    for (TUMotiveSet* set : w.periodPanel()->motiveSets())
        EXPECT_FALSE(set->selected());
}

TEST_F(MainWindowTest, EveryControlHasANameAndTheKeyboardReachesIt) {
    TMainWindow& w = window();
    w.show();
    const auto named = [&w](const QString& name) {
        for (QWidget* child : w.findChildren<QWidget*>())
            if (child->accessibleName() == name)
                return child;
        return static_cast<QWidget*>(nullptr);
    };
    for (const char* name : {"New",
                             "Save",
                             "Open",
                             "Play",
                             "Stop play",
                             "Tempo",
                             "DAD cursor delay",
                             "Instruments",
                             "Delete current Set of Instruments",
                             "New Set of Instruments",
                             "Modify current Set of Instruments",
                             "How to select the notes for motive",
                             "How to select a chord and its location",
                             "How to use simple (without Rel. prefix) ways of motive development",
                             "How to use relative (with Rel. prefix) ways of motive development",
                             "Home Page",
                             "Navigation",
                             "Key and meter",
                             "Play period",
                             "Play sentence 1",
                             "Play sentence 2",
                             "Play phrase 1",
                             "Play phrase 4",
                             "Motive 1",
                             "Motive 8",
                             "Play motive 1",
                             "Select motive 8",
                             "Drag motive 3",
                             "Select notes - 'In the line'"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(named(name), nullptr);
    }
    EXPECT_EQ(named("Play phrase 2")->accessibleDescription(), "B");
    // what a screen reader says is the name, not the list's current text
    for (const char* name : {"Instruments", "Tempo", "DAD cursor delay"}) {
        SCOPED_TRACE(name);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(named(name));
        ASSERT_NE(spoken, nullptr);
        EXPECT_EQ(spoken->text(QAccessible::Name).toStdString(), name);
    }
    EXPECT_EQ(named("New")->toolTip(), "New");
    EXPECT_EQ(named("New")->toolTipDuration(), 10000);
    // every control the keyboard can reach says what it is (the parts of a composite control,
    // such as a spin box's text field, speak through the control)
    QStringList unnamed;
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!(child->focusPolicy() & Qt::TabFocus) || !child->isVisibleTo(&w))
            continue;
        if (child->accessibleName().isEmpty() &&
            (child->parentWidget() == nullptr || child->parentWidget()->accessibleName().isEmpty()))
            unnamed << child->metaObject()->className();
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
    // Tab walks from the first toolbar button to the play strip of the last motive
    QWidget* start = named("New");
    QWidget* target = named("Play motive 8");
    ASSERT_NE(start, nullptr);
    ASSERT_NE(target, nullptr);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    start->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), start);
    bool reached = false;
    for (int step = 0; step < 200 && !reached; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached = QApplication::focusWidget() == target;
    }
    EXPECT_TRUE(reached);
    // and the focused strip plays its motive from the keyboard
    QTest::keyClick(target, Qt::Key_Space);
    EXPECT_TRUE(w.motivePlayer().playing());
    w.stopAction();
}

TEST_F(MainWindowTest, TheNavigationTreeNamesTheStructureAndScrollsToIt) {
    TMainWindow& w = window();
    TNavigationTree* tree = w.navigationTree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* period = tree->topLevelItem(0);
    EXPECT_EQ(period->text(0), "Period");
    ASSERT_EQ(period->childCount(), 2);
    QTreeWidgetItem* second = period->child(1);
    EXPECT_EQ(second->text(0), "Sentence 2");
    ASSERT_EQ(second->childCount(), 2);
    EXPECT_EQ(second->child(0)->text(0), "Phrase A1");
    EXPECT_EQ(second->child(1)->text(0), "Phrase B1");
    QTreeWidgetItem* lastMotive = second->child(1)->child(1);
    EXPECT_EQ(lastMotive->text(0), "Motive 2");
    // choosing a node brings its element to the start of the row, and can be done again
    TPeriodPanel* panel = w.periodPanel();
    const int left = panel->motiveSets()[5]->x();
    emit tree->itemClicked(second->child(1)->child(0), 0);
    EXPECT_EQ(panel->scrollPosition(), std::min(left, panel->rowWidth() - panel->width()));
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    // a real click leaves nothing highlighted: no selected node and no current one
    w.show();
    QTreeWidgetItem* phrase = second->child(0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(phrase).center());
    EXPECT_EQ(panel->scrollPosition(),
              std::min(panel->motiveSets()[4]->x(), panel->rowWidth() - panel->width()));
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_EQ(tree->currentItem(), nullptr);
    // the period's marker stands right after the key box
    emit tree->itemClicked(period, 0);
    EXPECT_EQ(panel->scrollPosition(), panel->keyBox()->width());
}

TEST_F(MainWindowTest, ExportWritesWhatTheCommandLineWrites) {
    TMainWindow& w = window();
    const std::string saved = scratch_.path("period.tnr");
    ASSERT_TRUE(w.saveDocument(saved));
    const std::string fromWindow = scratch_.path("mids/window.mid");
    std::filesystem::create_directories(scratch_.path("mids"));
    prompts_->fileNames.push_back(fromWindow);
    w.exportAction();
    EXPECT_EQ(prompts_->shown.back().caption, scratch_.path("mids/"));
    std::ostringstream out, err;
    const std::string fromCli = scratch_.path("cli.mid");
    ASSERT_EQ(runExportCommand({saved, "-o", fromCli}, out, err), 0);
    ASSERT_FALSE(scratch_.read("mids/window.mid").empty());
    EXPECT_EQ(scratch_.read("mids/window.mid"), scratch_.read("cli.mid"));
    // the composition's own file is never overwritten by its MIDI form
    prompts_->fileNames.push_back(saved);
    prompts_->confirmations.push_back(true);
    const std::string before = scratch_.read("period.tnr");
    w.exportAction();
    EXPECT_EQ(prompts_->shown.back().text, "The error occurs while saving of the file\n" + saved);
    EXPECT_EQ(scratch_.read("period.tnr"), before);
}

TEST_F(MainWindowTest, FileImportBringsAMelodyInAsANewCompositionAndReportsIt) {
    TMainWindow& w = window();
    QAction* item = nullptr;
    for (QAction* action : w.menuBar()->actions().front()->menu()->actions())
        if (action->text() == "Import...")
            item = action;
    ASSERT_NE(item, nullptr);
    // the tutorial's melody as a notation program gets it
    ASSERT_TRUE(w.openDocument(std::string(MOTIVICA_DATA_DIR) + "/stepbystep/step8.tnr"));
    const std::string score = scratch_.path("melody.musicxml");
    ASSERT_TRUE(writeMusicXmlFile(w.period(), score));
    const TPeriodData written = w.period();
    ASSERT_TRUE(w.saveDocument(scratch_.path("mine.tnr")));

    prompts_->fileNames.push_back(score);
    item->trigger();
    ASSERT_GE(prompts_->shown.size(), 2u);
    EXPECT_EQ(prompts_->shown[prompts_->shown.size() - 2].kind, "open");
    EXPECT_EQ(qtNameFilters(prompts_->shown[prompts_->shown.size() - 2].text),
              "MusicXML scores and MIDI files (*.musicxml *.xml *.mid *.midi);;MusicXML scores "
              "(*.musicxml *.xml);;MIDI files (*.mid *.midi);;All files (*)");
    EXPECT_EQ(prompts_->shown.back().kind, "message");
    EXPECT_EQ(prompts_->shown.back().caption, "Import") << prompts_->shown.back().text;
    EXPECT_EQ(w.period().name(), "Untitled");
    EXPECT_NE(title().find("Untitled"), std::string::npos);
    EXPECT_EQ(w.period().measure, written.measure);
    EXPECT_EQ(w.period().anacrusis, written.anacrusis);
    for (const TMotiveAddress& a : written.motiveAddresses()) {
        SCOPED_TRACE(a.sentence * 100 + a.phrase * 10 + a.motive);
        EXPECT_EQ(w.period().motiveAt(a).notes, written.motiveAt(a).notes);
    }
    // the first motive gets its chords as after New
    EXPECT_FALSE(w.period().motiveAt({0, 0, 0}).chords.empty());

    // a file that is no melody is reported, and the composition stays as it was; like a new
    // one, the imported composition holds no unsaved work yet
    const std::string bad = scratch_.path("letter.musicxml");
    std::ofstream(bad) << "Dear students,";
    const std::vector<TNote> notes = w.period().motiveAt({0, 0, 0}).notes;
    prompts_->fileNames.push_back(bad);
    w.importAction();
    EXPECT_EQ(prompts_->shown[prompts_->shown.size() - 2].kind, "open");
    EXPECT_EQ(prompts_->shown.back().kind, "message");
    EXPECT_EQ(prompts_->shown.back().text.rfind("Unable to import the melody of\n" + bad, 0), 0u)
        << prompts_->shown.back().text;
    EXPECT_EQ(w.period().motiveAt({0, 0, 0}).notes, notes);

    // unsaved work is asked about first, and a cancel imports nothing
    w.period().motiveAt({0, 0, 0}).notes.clear();
    w.period().notifyChanged();
    prompts_->saveChanges.push_back(TSaveChangesAnswer::CANCEL);
    const size_t asked = prompts_->shown.size();
    w.importAction();
    ASSERT_EQ(prompts_->shown.size(), asked + 1);
    EXPECT_EQ(prompts_->shown.back().kind, "save changes");
}

TEST_F(MainWindowTest, MusicXmlExportFromTheFileMenuWritesWhatTheCommandLineWrites) {
    TMainWindow& w = window();
    const std::string saved = scratch_.path("period.tnr");
    ASSERT_TRUE(w.saveDocument(saved));
    QAction* item = nullptr;
    for (QAction* action : w.menuBar()->actions().front()->menu()->actions())
        if (action->text() == "Export to MusicXML (*.musicxml)")
            item = action;
    ASSERT_NE(item, nullptr);

    const std::string fromWindow = scratch_.path("mids/window.musicxml");
    std::filesystem::create_directories(scratch_.path("mids"));
    prompts_->fileNames.push_back(fromWindow);
    item->trigger();
    EXPECT_EQ(prompts_->shown.back().caption, scratch_.path("mids/"));
    EXPECT_EQ(prompts_->shown.back().text, "MusicXML scores|*.musicxml|All files|*");
    std::ostringstream out, err;
    const std::string fromCli = scratch_.path("cli.musicxml");
    ASSERT_EQ(runExportCommand({saved, "-o", fromCli, "--format", "musicxml"}, out, err), 0);
    ASSERT_FALSE(scratch_.read("mids/window.musicxml").empty());
    EXPECT_EQ(scratch_.read("mids/window.musicxml"), scratch_.read("cli.musicxml"));

    // an existing file is replaced only when the user agrees
    const size_t shownBefore = prompts_->shown.size();
    prompts_->fileNames.push_back(fromWindow);
    prompts_->confirmations.push_back(false);
    std::filesystem::resize_file(fromWindow, 0);
    item->trigger();
    EXPECT_GT(prompts_->shown.size(), shownBefore + 1);
    EXPECT_TRUE(scratch_.read("mids/window.musicxml").empty());

    // the composition's own file is never overwritten by its score
    prompts_->fileNames.push_back(saved);
    prompts_->confirmations.push_back(true);
    const std::string before = scratch_.read("period.tnr");
    item->trigger();
    EXPECT_EQ(prompts_->shown.back().text, "The error occurs while saving of the file\n" + saved);
    EXPECT_EQ(scratch_.read("period.tnr"), before);
}

TEST_F(MainWindowTest, ASaveIntoAFolderThatCannotBeWrittenKeepsNameAndFile) {
    TMainWindow& w = window();
    const std::string missing = scratch_.path("no/such/folder/x.tnr");
    EXPECT_FALSE(w.saveDocument(missing));
    EXPECT_EQ(prompts_->shown.back().text, "The error occurs while saving of the file\n" + missing);
    EXPECT_EQ(title(), "Motivica 1.0 - Untitled");
}

TEST_F(MainWindowTest, LongPeriodsOpenAndScroll) {
    TMainWindow& w = window();
    for (int motives : {64, 500}) {
        SCOPED_TRACE(motives);
        TPeriodData period;
        std::vector<int> phrases(static_cast<size_t>(motives / 4), 2);
        std::vector<COLORED_BOX_SUFFIX> letters(static_cast<size_t>(motives / 2), 5);
        std::vector<int> perPhrase(letters.size(), 2);
        period.buildFromLayout(phrases, perPhrase, letters, TKey(0, MAJOR), TMeasure(3, QUARTER), 0,
                               120);
        const std::string file = scratch_.path("long.tnr");
        ASSERT_TRUE(writeDocument(period, file));
        ASSERT_TRUE(w.openDocument(file));
        TPeriodPanel* panel = w.periodPanel();
        ASSERT_EQ(panel->motiveSets().size(), static_cast<size_t>(motives));
        // canvas numbers step over the free-standing canvas's 255
        for (TUMotiveSet* set : panel->motiveSets())
            EXPECT_NE(set->canvas()->canvasId(), 255);
        panel->scrollTo(panel->rowWidth());
        EXPECT_EQ(panel->scrollPosition(), panel->rowWidth() - panel->width());
        w.relay().postNote(periodCanvasId(static_cast<size_t>(motives - 1)), -1, 0, true);
        QCoreApplication::processEvents();
    }
}

TEST_F(MainWindowTest, DeletingTheOnlyInstrumentSetLeavesNoneConfigured) {
    // a base folder holding one set, configured
    std::filesystem::create_directories(scratch_.path("instruments"));
    TInstrumentConf set;
    ASSERT_TRUE(saveInstrumentSet(set, "Mine", scratch_.base()));
    TConfig config(scratch_.base());
    ASSERT_TRUE(config.createDefaultConfig());
    ASSERT_TRUE(config.setInstrumentSchemeName("Mine"));
    TMainWindow& w = window();
    ASSERT_EQ(w.instrList()->count(), 1);
    EXPECT_EQ(w.instrList()->currentText(), "Mine");
    prompts_->confirmations.push_back(true);
    QToolButton* remove = nullptr;
    for (QToolButton* b : w.findChildren<QToolButton*>())
        if (b->accessibleName() == "Delete current Set of Instruments")
            remove = b;
    ASSERT_NE(remove, nullptr);
    remove->click();
    EXPECT_EQ(prompts_->shown.back().text,
              "Are you sure you want to delete the Set of Instruments Mine?");
    EXPECT_FALSE(std::filesystem::exists(instrumentSetPath(scratch_.base(), "Mine")));
    EXPECT_EQ(w.config().instrumentSchemeName(), "");
    EXPECT_EQ(w.instrList()->count(), 0);
    EXPECT_EQ(w.instrList()->currentIndex(), -1);
}

TEST_F(MainWindowTest, TheTrackBarSetsTheCursorDelay) {
    TMainWindow& w = window();
    w.cursorDelayTrackBar()->setValue(7);
    EXPECT_EQ(w.dadCursorDelay(), 8);
    w.cursorDelayTrackBar()->setValue(1);
    EXPECT_EQ(w.dadCursorDelay(), 14);
    TConfig stored(scratch_.base());
    TXmlDocument xml;
    ASSERT_TRUE(stored.loadConfig(xml));
    EXPECT_EQ(stored.cursorDelay(), 1);
}

TEST_F(MainWindowTest, HelpServicesPlayAndShowPartsOfThePeriod) {
    TMainWindow& w = window();
    TForHelpService& help = w;
    ASSERT_EQ(help.motiveSets().size(), 8u);
    // a phrase's marker plays exactly that phrase's motives: phrase 2 is B, motives 3 and 4
    help.playPhrase(1);
    const int32_t phraseLength = w.motivePlayer().nextStart();
    w.stopAction();
    help.playMotive(2);
    help.playMotive(3);
    EXPECT_EQ(w.motivePlayer().nextStart(), phraseLength);
    w.stopAction();
    // waiting for the end of playback ends when the player reports it stopped, and at once when
    // nothing plays, so that a wait armed after a short motive ended does not last for ever
    help.awaitPlaybackEnd();
    EXPECT_TRUE(help.playbackEnded());
    help.playMotive(2);
    help.awaitPlaybackEnd();
    EXPECT_FALSE(help.playbackEnded());
    w.onPlayStopped();
    EXPECT_TRUE(help.playbackEnded());
    w.stopAction();
    // the parts of the row: phrase 3 (A1) has its marker, element 0 is the key box
    QWidget* marker = help.phraseControl(2);
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(help.phraseControl(4), nullptr);
    EXPECT_EQ(w.periodPanel()->elements().front(), w.periodPanel()->keyBox());
    const size_t lastElement = w.periodPanel()->elements().size() - 1;
    help.scrollToElement(lastElement);
    EXPECT_EQ(w.periodPanel()->scrollPosition(),
              w.periodPanel()->rowWidth() - w.periodPanel()->width());
}

TEST_F(MainWindowTest, SelectingAMotiveClearsTheOneSelectedBefore) {
    TMainWindow& w = window();
    const std::vector<TUMotiveSet*>& sets = w.periodPanel()->motiveSets();
    QTest::mouseClick(sets[1]->selectionPanel(), Qt::LeftButton);
    EXPECT_TRUE(sets[1]->selected());
    EXPECT_EQ(w.periodPanel()->selectedSet(), sets[1]);
    QTest::mouseClick(sets[4]->selectionPanel(), Qt::LeftButton);
    EXPECT_FALSE(sets[1]->selected());
    EXPECT_TRUE(sets[4]->selected());
    EXPECT_EQ(w.periodPanel()->selectedSet(), sets[4]);
    QTest::mouseClick(sets[4]->selectionPanel(), Qt::LeftButton);
    EXPECT_EQ(w.periodPanel()->selectedSet(), nullptr);
}

// Every way a composition comes into the window brings its tempo to the player: the timer runs
// at 200 - tempo milliseconds a step, and what the capture port hears keeps to it.
TEST_F(MainWindowTest, EveryCompositionPlaysAtItsOwnTempo) {
    TMainWindow& w = window();
    // from the first message the capture port hears to the last
    const auto playedSpan = [&](size_t motive) {
        log_.clear();
        w.playMotive(motive);
        for (int i = 0; i < 500 && w.motivePlayer().playing(); ++i)
            QTest::qWait(10);
        EXPECT_FALSE(w.motivePlayer().playing());
        const std::vector<TCapturedMessage> sent = log_.messages();
        EXPECT_GE(sent.size(), 2u);
        return sent.empty() ? std::chrono::steady_clock::duration{}
                            : sent.back().time - sent.front().time;
    };
    EXPECT_EQ(w.motivePlayer().timer()->delayMs(), 100);
    const auto startUpSpan = playedSpan(1);

    TPeriodData fast;
    TDocumentCommands::buildDefaultComposition(fast);
    fast.setTempo(150);
    ASSERT_TRUE(w.openDocument(scratch_.write("fast.tnr", documentText(fast))));
    EXPECT_EQ(w.tempPanel()->value(), 150);
    EXPECT_EQ(w.motivePlayer().timer()->delayMs(), 50);
    // the same motive at 50 ms a step instead of 100 takes half as long
    const auto fastSpan = playedSpan(1);
    EXPECT_GT(fastSpan, startUpSpan * 0.4);
    EXPECT_LT(fastSpan, startUpSpan * 0.6);

    // a new composition at 147, then a document at 100
    TNewDialogResult result;
    result.layout = TPeriodLayout({1}, {2}, {5});
    result.key = TKey(1, MAJOR);
    result.measure = TMeasure(2, 120);
    result.tempo = 147;
    prompts_->newCompositions.push_back(result);
    w.newAction();
    ASSERT_EQ(w.period().tempo(), 147);
    EXPECT_EQ(w.motivePlayer().timer()->delayMs(), 53);
    TPeriodData slow;
    TDocumentCommands::buildDefaultComposition(slow);
    ASSERT_EQ(slow.tempo(), 100);
    ASSERT_TRUE(w.openDocument(scratch_.write("slow.tnr", documentText(slow))));
    EXPECT_EQ(w.motivePlayer().timer()->delayMs(), 100);
}

namespace {

// A change nothing has saved: a note in the second motive.
void changeSomething(TMainWindow& w) {
    w.period().sentences[0].phrases[0].motives[1].notes.push_back(TNote(60, 20, 60));
}

}  // namespace

// Every command that puts another composition in place of one with unsaved changes asks first:
// Cancel keeps everything, Discard goes on, Save saves and goes on only once the file is written.
TEST_F(MainWindowTest, UnsavedChangesAreAskedAboutBeforeTheCompositionGoes) {
    TMainWindow& w = window();
    const size_t shownAtStart = prompts_->shown.size();
    // nothing changed: nothing asked
    w.newAction();
    EXPECT_EQ(prompts_->count("save changes"), 0u);
    EXPECT_EQ(prompts_->count("new"), 1u);
    ASSERT_GT(prompts_->shown.size(), shownAtStart);

    changeSomething(w);
    const std::string changed = documentText(w.period());
    // Cancel (as Escape answers) at every entry point: no dialog of the command, nothing lost
    const std::vector<std::pair<std::string, std::function<void()>>> commands = {
        {"new", [&] { w.newAction(); }},
        {"open", [&] { w.openAction(); }},
        {"step-by-step help", [&] { w.stepHelpAction(); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        const size_t asked = prompts_->count("save changes");
        prompts_->saveChanges.push_back(TSaveChangesAnswer::CANCEL);
        run();
        EXPECT_EQ(prompts_->count("save changes"), asked + 1);
        EXPECT_EQ(prompts_->shown.back().kind, "save changes");
        EXPECT_EQ(documentText(w.period()), changed);
    }
    EXPECT_EQ(prompts_->shown.back().caption, "Save Changes");
    EXPECT_EQ(prompts_->shown.back().text, "Save changes to Untitled?");
    EXPECT_EQ(prompts_->saveChangeButtons,
              (std::array<std::string, 3>{"Save", "Discard", "Cancel"}));
    EXPECT_EQ(prompts_->count("new"), 1u);
    EXPECT_EQ(prompts_->count("open"), 0u);

    // Save of an untitled composition runs Save As; a cancelled Save As goes no further
    prompts_->saveChanges.push_back(TSaveChangesAnswer::SAVE);
    w.newAction();
    EXPECT_EQ(prompts_->count("save"), 1u);
    EXPECT_EQ(prompts_->count("new"), 1u);
    EXPECT_EQ(documentText(w.period()), changed);
    // a Save As that writes goes on to the command
    const std::string file = scratch_.path("kept.tnr");
    prompts_->saveChanges.push_back(TSaveChangesAnswer::SAVE);
    prompts_->fileNames.push_back(file);
    w.openAction();
    EXPECT_EQ(scratch_.read("kept.tnr"), changed);
    EXPECT_EQ(prompts_->count("open"), 1u);
    EXPECT_EQ(title(), "Motivica 1.0 - " + file);

    // saved: nothing to ask; changed again, the question names the file, and Discard goes on
    const size_t asked = prompts_->count("save changes");
    w.newAction();
    EXPECT_EQ(prompts_->count("save changes"), asked);
    changeSomething(w);
    prompts_->saveChanges.push_back(TSaveChangesAnswer::DISCARD);
    w.newAction();
    EXPECT_EQ(prompts_->shown[prompts_->shown.size() - 2].text, "Save changes to kept.tnr?");
    EXPECT_EQ(prompts_->shown.back().kind, "new");
}

// Closing the window: Cancel keeps it open with the work, Discard closes it, and a composition
// that is saved closes without a word.
TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsksFirst) {
    TMainWindow& w = window();
    w.show();
    changeSomething(w);
    prompts_->saveChanges.push_back(TSaveChangesAnswer::CANCEL);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(prompts_->count("save changes"), 1u);
    // the player still plays after a cancelled close
    w.playAllAction();
    EXPECT_TRUE(w.motivePlayer().playing());
    w.stopAction();

    const std::string file = scratch_.path("closing.tnr");
    prompts_->saveChanges.push_back(TSaveChangesAnswer::SAVE);
    prompts_->fileNames.push_back(file);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(scratch_.read("closing.tnr"), documentText(w.period()));
}

TEST_F(MainWindowTest, TheStandardShortcutsAreOnTheMenus) {
    TMainWindow& w = window();
    std::map<std::string, std::string> shortcuts;
    for (QAction* menu : w.menuBar()->actions())
        for (QAction* a : menu->menu()->actions())
            if (!a->shortcut().isEmpty())
                shortcuts[a->text().toStdString()] =
                    a->shortcut().toString(QKeySequence::PortableText).toStdString();
    EXPECT_EQ(shortcuts["New"], "Ctrl+N");
    EXPECT_EQ(shortcuts["Open"], "Ctrl+O");
    EXPECT_EQ(shortcuts["Save"], "Ctrl+S");
    EXPECT_EQ(shortcuts["Save As..."], "Ctrl+Shift+S");
    EXPECT_EQ(shortcuts["Quit"], "Ctrl+Q");
    EXPECT_EQ(shortcuts["Play All / Stop"], "Space");
}

// Space plays the period and stops it again, except where the focus gives Space a meaning of
// its own: a focused button is pressed instead.
TEST_F(MainWindowTest, SpacePlaysAndStopsWhereTheFocusAllows) {
    TMainWindow& w = window();
    w.show();
    QAction* playStop = nullptr;
    for (QAction* menu : w.menuBar()->actions())
        for (QAction* a : menu->menu()->actions())
            if (a->text() == "Play All / Stop")
                playStop = a;
    ASSERT_NE(playStop, nullptr);
    w.navigationTree()->setFocus();
    QApplication::processEvents();
    playStop->trigger();
    EXPECT_TRUE(w.motivePlayer().playing());
    playStop->trigger();
    EXPECT_FALSE(w.motivePlayer().playing());

    QToolButton* newButton = nullptr;
    for (QToolButton* b : w.findChildren<QToolButton*>())
        if (b->accessibleName() == "New")
            newButton = b;
    ASSERT_NE(newButton, nullptr);
    newButton->setFocus();
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
    if (QApplication::focusWidget() != newButton)
        GTEST_SKIP() << "the platform gives no focus";
    playStop->trigger();
    QTest::qWait(300);
    EXPECT_FALSE(w.motivePlayer().playing());
    EXPECT_EQ(prompts_->count("new"), 1u);
}
