#include "instruments_ui/instr_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QTest>
#include <filesystem>
#include <functional>

#include "app/main_window.h"
#include "app/play_panel.h"
#include "app/relay.h"
#include "app/u_motive_canvas.h"
#include "model/config.h"
#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "playback/pitch_preview.h"
#include "support/instrument_window_test.h"

namespace {

using InstrFormTest = TInstrumentWindowTest;

TEST_F(InstrFormTest, ShowsTheSetByCatalogueNamesBesideATestCanvasOfItsOwn) {
    TMainWindow& w = *window_;
    edit([&](TInstrForm& f) {
        EXPECT_EQ(f.windowTitle(), "Set of Instruments - Mine");
        EXPECT_EQ(f.editedSetName(), "Mine");
        EXPECT_EQ(f.instrumentText(TInstrumentNumber::MELODY_VOICE), "Violin");
        EXPECT_EQ(f.instrumentText(TInstrumentNumber::CHORD_VOICE), "Pad 2 (warm)");
        EXPECT_EQ(f.instrumentText(TInstrumentNumber::BASS_VOICE), "Acoustic Bass");
        EXPECT_EQ(f.instrumentText(TInstrumentNumber::DRAFT_MELODY_VOICE), "Pad 6 (metallic)");
        EXPECT_EQ(f.instrumentText(TInstrumentNumber::UP_BEAT_DRUM_VOICE), "Mute Hi Conga");
        EXPECT_EQ(f.instrumentText(TInstrumentNumber::DRUM_VOICE), "Hi Bongo");
        EXPECT_EQ(f.volumeText(TInstrumentNumber::MELODY_VOLUME), "110");
        EXPECT_EQ(f.volumeText(TInstrumentNumber::DRAFT_CHORD_VOLUME), "90");
        EXPECT_EQ(f.volumeText(TInstrumentNumber::DRUM_VOLUME), "127");
        EXPECT_TRUE(f.muteBox(TInstrumentMute::MUTE_MELODY)->isChecked());
        EXPECT_FALSE(f.muteBox(TInstrumentMute::MUTE_BASS)->isChecked());
        EXPECT_TRUE(f.muteBox(TInstrumentMute::MUTE_DRUM)->isChecked());
        // the draft voices play in every mode: they have no mute
        EXPECT_EQ(f.findChildren<QCheckBox*>().size(), 4);
        for (TInstrumentNumber field :
             {TInstrumentNumber::MELODY_VOICE, TInstrumentNumber::DRUM_VOICE,
              TInstrumentNumber::MELODY_VOLUME, TInstrumentNumber::DRUM_VOLUME}) {
            QAbstractButton* b = f.instrumentButton(field) != nullptr ? f.instrumentButton(field)
                                                                      : f.volumeButton(field);
            EXPECT_TRUE(b != nullptr && !b->accessibleName().isEmpty());
        }
        EXPECT_EQ(f.instrumentButton(TInstrumentNumber::CHORD_VOICE)->accessibleName(),
                  "Instruments - Chord - Play mode");

        // the test canvas: number 255, an empty measure of C major in 2/4, its play button
        TUMotiveCanvas* canvas = f.testCanvas();
        EXPECT_EQ(canvas->canvasId(), 255);
        EXPECT_EQ(canvas->pos(), QPoint(20, 22));
        EXPECT_EQ(f.playButton()->geometry(), QRect(251, 152, 27, 26));
        EXPECT_EQ(f.playButton()->parentWidget(), canvas->parentWidget());
        const TMotive& m = f.testMotive();
        EXPECT_EQ(m.key, TKey(0, MAJOR));
        EXPECT_EQ(m.measure.beatsPerMeasure(), 2);
        EXPECT_EQ(m.measure.beatValue(), QUARTER);
        EXPECT_EQ(m.anacrusis, 0);
        EXPECT_TRUE(m.isEmpty());
        // it stands alone, and the player's notes for number 255 reach it
        EXPECT_EQ(w.freeStandingCanvas(), canvas);
        const TMotiveAndListenerPair before = w.previousPair(m);
        EXPECT_EQ(before.motive, nullptr);
        EXPECT_EQ(before.listener, nullptr);
        EXPECT_EQ(before.kind, PREVIOUS_NONE);
        canvas->motive()->setNotes({TNote(0, 30, QUARTER)});
        w.relay().postNote(255, canvas->motive()->variantTag(), 0, true);
        QCoreApplication::processEvents();
        EXPECT_TRUE(canvas->motive()->notes[0].playing);
        w.relay().postNote(255, canvas->motive()->variantTag(), 0, false);
        QCoreApplication::processEvents();
        EXPECT_FALSE(canvas->motive()->notes[0].playing);
        // the editor listens to the set it edits
        EXPECT_EQ(w.instrumentSet().listener(), &f);

        // every control the keyboard reaches says what it is, and Tab reaches every edit button
        f.show();
        QStringList unnamed;
        int editButtons = 0;
        for (QWidget* child : f.findChildren<QWidget*>()) {
            if (!(child->focusPolicy() & Qt::TabFocus) || !child->isVisibleTo(&f))
                continue;
            if (child->accessibleName().isEmpty())
                unnamed << child->metaObject()->className();
            editButtons += child->accessibleName().startsWith("Instruments - ") ||
                           child->accessibleName().startsWith("Volume - ");
        }
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
        EXPECT_EQ(editButtons, 13);
        return false;
    });
    EXPECT_EQ(prompts_->count("editor"), 1u);
    // gone with the editor: no listener, no free-standing canvas, relayed notes go nowhere
    EXPECT_EQ(w.freeStandingCanvas(), nullptr);
    EXPECT_EQ(w.instrumentSet().listener(), nullptr);
    w.relay().postNote(255, -1, 0, true);
    QCoreApplication::processEvents();
}

TEST_F(InstrFormTest, PreviewsSoundTheRowsDesignAndCancelPutsTheSetBack) {
    struct TRow {
        const TPitchCellDesign* design;
        std::vector<TMidiBytes> pressed;   // what pressing entry 40 (a drum key: 38) sends
        std::vector<TMidiBytes> released;  // what letting go sends
    };
    const std::vector<TRow> rows = {
        {&MELODY_PITCH_CELL, {{0xC0, 40}, {0xB0, 7, 100}, {0x90, 72, 100}}, {{0x80, 72, 100}}},
        {&CHORD_PITCH_CELL,
         {{0xC1, 40},
          {0xB1, 7, 100},
          {0x91, 72, 100},
          {0x91, 64, 100},
          {0x91, 55, 100},
          {0x91, 36, 100}},
         {{0x81, 72, 100}, {0x81, 64, 100}, {0x81, 55, 100}, {0x81, 36, 100}}},
        {&BASS_PITCH_CELL, {{0xC2, 40}, {0xB2, 7, 100}, {0x92, 36, 100}}, {{0x82, 36, 100}}},
        {&DRAFT_MELODY_PITCH_CELL,
         {{0xC3, 40}, {0xB3, 7, 100}, {0x93, 72, 100}},
         {{0x83, 72, 100}}},
        {&DRAFT_CHORD_PITCH_CELL,
         {{0xC4, 40},
          {0xB4, 7, 100},
          {0x94, 72, 100},
          {0x94, 64, 100},
          {0x94, 55, 100},
          {0x94, 36, 100}},
         {{0x84, 72, 100}, {0x84, 64, 100}, {0x84, 55, 100}, {0x84, 36, 100}}},
        {&UP_BEAT_PITCH_CELL, {{0xB9, 7, 100}, {0x99, 38, 100}}, {{0x89, 38, 100}}},
        {&BEAT_PITCH_CELL, {{0xB9, 7, 100}, {0x99, 38, 100}}, {{0x89, 38, 100}}},
    };
    edit([&](TInstrForm& f) {
        for (const TRow& row : rows) {
            SCOPED_TRACE(row.design->captionKey);
            const int32_t entry = row.design->drums() ? 38 : 40;
            std::vector<TMidiBytes> whilePressed, afterRelease;
            prompts_->pitches.push_back([&](TPitchSelectionListener& previews) {
                previews.pitchPressed(entry);
                whilePressed = sent();
                previews.pitchReleased();
                afterRelease = sent();
                return std::optional<int64_t>();
            });
            const int32_t before = f.set().number(row.design->field);
            f.instrumentButton(row.design->field)->click();
            EXPECT_EQ(prompts_->shown.back().kind, "pitch");
            EXPECT_EQ(prompts_->shown.back().caption,
                      window_->bundle().text(row.design->captionKey));
            EXPECT_EQ(prompts_->shown.back().text, std::to_string(before));
            EXPECT_EQ(whilePressed, row.pressed);
            EXPECT_EQ(afterRelease, row.released);
            // Cancel: the field stays and the set's own program and volume come back
            EXPECT_EQ(f.set().number(row.design->field), before);
            EXPECT_EQ(sent(), appliedSet(mine_));
        }
        // a press the chooser leaves held ends when it closes, before the set comes back
        prompts_->pitches.push_back([](TPitchSelectionListener& previews) {
            previews.pitchPressed(41);
            return std::optional<int64_t>();
        });
        f.instrumentButton(TInstrumentNumber::BASS_VOICE)->click();
        EXPECT_EQ(sent(), (std::vector<TMidiBytes>{
                               {0xC2, 41}, {0xB2, 7, 100}, {0x92, 36, 100}, {0x82, 36, 100}} +
                           appliedSet(mine_)));
        return false;
    });
}

TEST_F(InstrFormTest, ChoicesVolumesAndMutesChangeTheSetAndAreHeardAtOnce) {
    edit([&](TInstrForm& f) {
        TInstrumentConf expected = mine_;
        // a chosen program is stored, shown and sent
        prompts_->pitches.push_back([](TPitchSelectionListener&) { return 0; });
        f.instrumentButton(TInstrumentNumber::CHORD_VOICE)->click();
        expected.setChordVoice(0);
        EXPECT_EQ(f.set(), expected);
        EXPECT_EQ(f.instrumentText(TInstrumentNumber::CHORD_VOICE), "Acoustic Grand Piano");
        EXPECT_EQ(sent(), appliedSet(expected) + appliedSet(expected));
        // a number the catalogue may hold but a message cannot is not stored
        prompts_->pitches.push_back([](TPitchSelectionListener&) { return 300; });
        f.instrumentButton(TInstrumentNumber::CHORD_VOICE)->click();
        EXPECT_EQ(f.set(), expected);
        sent();

        prompts_->volumes.push_back(0);
        f.volumeButton(TInstrumentNumber::BASS_VOLUME)->click();
        EXPECT_EQ(prompts_->shown.back().caption, "Bass - Play mode");
        EXPECT_EQ(prompts_->shown.back().text, "105");
        expected.setBassVolume(0);
        EXPECT_EQ(f.set(), expected);
        EXPECT_EQ(f.volumeText(TInstrumentNumber::BASS_VOLUME), "0");
        EXPECT_EQ(sent(), appliedSet(expected));
        prompts_->volumes.push_back(std::nullopt);
        f.volumeButton(TInstrumentNumber::DRUM_VOLUME)->click();
        EXPECT_EQ(prompts_->shown.back().caption, "Metronome");
        EXPECT_EQ(f.set(), expected);
        EXPECT_TRUE(sent().empty());

        QTest::mouseClick(f.muteBox(TInstrumentMute::MUTE_DRUM), Qt::LeftButton);
        expected.setMuteDrum(false);
        EXPECT_EQ(f.set(), expected);
        EXPECT_EQ(sent(), appliedSet(expected));
        // nothing of it reaches the file unless saved
        EXPECT_EQ(setFile("Mine"), instrumentSetText(mine_));
        return false;
    });
}

TEST_F(InstrFormTest, CancelLeavesTheFileAndTheWindowOnTheConfiguredSet) {
    const std::string before = setFile("Mine");
    edit([&](TInstrForm& f) {
        prompts_->volumes.push_back(1);
        f.volumeButton(TInstrumentNumber::MELODY_VOLUME)->click();
        prompts_->setNames.push_back("Fresh");
        f.newSet();  // the defaults, named "Fresh", nothing written
        EXPECT_EQ(f.windowTitle(), "Set of Instruments - Fresh");
        EXPECT_EQ(f.set(), TInstrumentConf());
        EXPECT_EQ(f.set().listener(), &f);
        f.cancelAction();
        return f.result() == QDialog::Accepted;
    });
    EXPECT_EQ(setFile("Mine"), before);
    EXPECT_FALSE(std::filesystem::exists(instrumentSetPath(scratch_.base(), "Fresh")));
    EXPECT_EQ(window_->config().instrumentSchemeName(), "Mine");
    EXPECT_EQ(window_->instrumentSet(), mine_);
    EXPECT_EQ(window_->instrList()->currentText(), "Mine");
    // and the output plays the configured set again
    const std::vector<TMidiBytes> last = sent();
    ASSERT_GE(last.size(), 12u);
    EXPECT_EQ(std::vector<TMidiBytes>(last.end() - 12, last.end()), appliedSet(mine_));
}

TEST_F(InstrFormTest, OkWritesUnderTheEditedNameAndTheConfigurationKeepsIt) {
    TInstrumentConf expected;
    edit([&](TInstrForm& f) {
        prompts_->setNames.push_back("Fresh");
        f.newSet();
        prompts_->volumes.push_back(64);
        f.volumeButton(TInstrumentNumber::CHORD_VOLUME)->click();
        expected.setChordVolume(64);
        f.okAction();
        return f.result() == QDialog::Accepted;
    });
    EXPECT_EQ(setFile("Fresh"), instrumentSetText(expected));
    EXPECT_EQ(setFile("Mine"), instrumentSetText(mine_));
    EXPECT_EQ(window_->config().instrumentSchemeName(), "Fresh");
    EXPECT_EQ(window_->instrumentSet(), expected);
    EXPECT_EQ(window_->instrList()->currentText(), "Fresh");
}

TEST_F(InstrFormTest, SaveAsWritesTheNewNameAndOpenReadsAStoredSet) {
    TInstrumentConf other;
    other.setBassVoice(33);
    ASSERT_TRUE(saveInstrumentSet(other, "Other", scratch_.base()));
    edit([&](TInstrForm& f) {
        prompts_->setNames.push_back("Copy");
        f.saveSetAs();
        EXPECT_EQ(prompts_->shown.back().text, "Mine;Other;");
        EXPECT_EQ(setFile("Copy"), instrumentSetText(mine_));
        EXPECT_EQ(f.editedSetName(), "Copy");
        EXPECT_EQ(f.windowTitle(), "Set of Instruments - Copy");

        // Open: the stored set in one go, under its name
        sent();
        prompts_->openNames.push_back("Other");
        f.openSet();
        EXPECT_EQ(prompts_->shown.back().text, "Copy;Mine;Other;");
        EXPECT_EQ(f.set(), other);
        EXPECT_EQ(f.editedSetName(), "Other");
        EXPECT_EQ(f.instrumentText(TInstrumentNumber::BASS_VOICE), "Electric Bass (finger)");
        EXPECT_EQ(sent(), appliedSet(other));

        // a set that cannot be read is told and keeps the name
        scratch_.write("instruments/Broken.xml", "<INSTRUMENT_CONF><BASS_VOICE PITCH=\"x\"/>");
        prompts_->openNames.push_back("Broken");
        f.openSet();
        EXPECT_EQ(prompts_->shown.back().kind, "message");
        EXPECT_EQ(prompts_->shown.back().caption, "Error");
        EXPECT_EQ(prompts_->shown.back().text,
                  "Unable to open file\n" + instrumentSetPath(scratch_.base(), "Broken"));
        EXPECT_EQ(f.editedSetName(), "Other");

        // Save writes under the edited name without asking
        const size_t asked = prompts_->shown.size();
        f.saveSet();
        EXPECT_EQ(prompts_->shown.size(), asked);
        EXPECT_EQ(setFile("Other"), instrumentSetText(other));
        return false;
    });
    // a Cancel after Save As leaves the configured name as it was
    EXPECT_EQ(window_->config().instrumentSchemeName(), "Mine");
}

TEST_F(InstrFormTest, AFailedWriteTellsAndKeepsTheEditorOpen) {
    edit([&](TInstrForm& f) {
        // the instruments folder gives way to a file: nothing can be written there
        std::filesystem::remove_all(scratch_.path("instruments"));
        scratch_.write("instruments", "not a folder");
        f.okAction();
        EXPECT_NE(f.result(), QDialog::Accepted);
        EXPECT_EQ(prompts_->shown.back().kind, "message");
        EXPECT_EQ(prompts_->shown.back().caption, "Error");
        EXPECT_EQ(
            prompts_->shown.back().text.rfind("The error occurs while saving of the file\n", 0),
            0u);
        prompts_->setNames.push_back("Elsewhere");
        f.saveSetAs();
        EXPECT_EQ(f.editedSetName(), "Mine");
        f.cancelAction();
        return f.result() == QDialog::Accepted;
    });
    EXPECT_EQ(window_->config().instrumentSchemeName(), "");
}

TEST_F(InstrFormTest, PlayQueuesTheTestMotiveAfterWhatPlays) {
    TMainWindow& w = *window_;
    edit([&](TInstrForm& f) {
        const int32_t measure = f.testMotive().measureLength();
        QTest::mouseClick(f.playButton(), Qt::LeftButton);
        EXPECT_TRUE(w.motivePlayer().playing());
        EXPECT_EQ(w.motivePlayer().nextStart(), measure);
        // a second press queues it again behind the first
        QTest::mouseClick(f.playButton(), Qt::LeftButton);
        EXPECT_EQ(w.motivePlayer().nextStart(), 2 * measure);
        return false;
    });
    // nothing of the editor's is left queued once it is gone
    EXPECT_FALSE(w.motivePlayer().playing());
}

}  // namespace
