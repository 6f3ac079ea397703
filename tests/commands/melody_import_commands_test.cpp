#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/document_commands.h"
#include "exchange/melody_import.h"
#include "help/eng_message_bundle.h"
#include "model/document.h"
#include "model/period_data.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace {

// Two measures of 3/8 in D minor, the second note outside the key.
const std::string SCORE =
    "<score-partwise version=\"3.1\"><part-list><score-part id=\"P1\"><part-name>M</part-name>"
    "</score-part></part-list><part id=\"P1\"><measure number=\"1\"><attributes><divisions>2"
    "</divisions><key><fifths>-1</fifths><mode>minor</mode></key><time><beats>3</beats>"
    "<beat-type>8</beat-type></time></attributes><note><pitch><step>D</step><octave>5</octave>"
    "</pitch><duration>1</duration></note><note><pitch><step>E</step><alter>-1</alter><octave>5"
    "</octave></pitch><duration>2</duration></note></measure><measure number=\"2\"><note><pitch>"
    "<step>C</step><alter>1</alter><octave>5</octave></pitch><duration>3</duration></note>"
    "</measure></part></score-partwise>";

// Tells which of the window's hooks ran, in order, and what the period told its listener.
class ImportCommandsTest : public ::testing::Test, public TPeriodDataListener {
  protected:
    ImportCommandsTest() {
        TDocumentCommands::buildDefaultComposition(period_);
        period_.setName("/some/where/piece.tnr");
        period_.setListener(this);
        documents_ = std::make_unique<TDocumentCommands>(
            period_, prompts_, bundle_, scratch_.base(),
            TDocumentCommands::THooks{[this] { calls_.push_back("stop"); },
                                      [this] { calls_.push_back("release views"); },
                                      [this] { calls_.push_back("first chords"); },
                                      [](const std::string&) { return true; },
                                      [this](const std::string&) { calls_.push_back("used"); },
                                      [this] { calls_.push_back("settled"); }, nullptr});
    }
    void periodChanged() override { calls_.push_back("period changed"); }
    void tempoChanged(int32_t) override { calls_.push_back("tempo changed"); }
    void nameChanged(const std::string& name) override { calls_.push_back("name " + name); }

    TScratchFolder scratch_{"import-commands"};
    TPeriodData period_;
    TScriptedPrompts prompts_;
    TEngMessageBundle bundle_;
    std::unique_ptr<TDocumentCommands> documents_;
    std::vector<std::string> calls_;
};

}  // namespace

TEST_F(ImportCommandsTest, ImportReplacesTheCompositionAndShowsTheReport) {
    const std::string file = scratch_.write("tune.musicxml", SCORE);
    prompts_.fileNames.push_back(file);
    documents_->importMelody();
    EXPECT_EQ(calls_,
              (std::vector<std::string>{"stop", "release views", "tempo changed", "name Untitled",
                                        "period changed", "first chords", "settled"}));
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[0].kind, "open");
    EXPECT_NE(prompts_.shown[0].text.find("*.mid"), std::string::npos);
    EXPECT_NE(prompts_.shown[0].text.find("*.musicxml"), std::string::npos);
    EXPECT_EQ(prompts_.shown[1].kind, "message");
    EXPECT_EQ(prompts_.shown[1].caption, "Import");
    EXPECT_EQ(prompts_.shown[1].text, "Measure 1, beat 2: E♭5 outside D minor; kept E5");
    EXPECT_EQ(period_.name(), "Untitled");
    EXPECT_EQ(period_.listener(), this);
    EXPECT_EQ(documentText(period_), documentText(importMelodyFile(file).period));
}

TEST_F(ImportCommandsTest, ReportSaysSoWhenNothingChanged) {
    std::string clean = SCORE;
    clean.replace(clean.find("<alter>-1</alter>"), 17, "");
    const std::string file = scratch_.write("clean.musicxml", clean);
    const std::optional<std::string> report = documents_->importMelodyFile(file);
    ASSERT_TRUE(report);
    EXPECT_EQ(*report, "The melody was imported as it stands.");
}

TEST_F(ImportCommandsTest, FileThatCannotBeImportedLeavesTheCompositionAsItWas) {
    const std::string before = documentText(period_);
    const std::string file = scratch_.write("tune.mid", std::string("MThd\0\0\0\6\0\1\0\2", 12));
    prompts_.fileNames.push_back(file);
    documents_->importMelody();
    EXPECT_EQ(documentText(period_), before);
    EXPECT_EQ(period_.name(), "/some/where/piece.tnr");
    EXPECT_EQ(calls_, (std::vector<std::string>{"stop"}));
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[1].caption, "Error");
    EXPECT_EQ(prompts_.shown[1].text,
              "Unable to import the melody of\n" + file + "\nnot a standard MIDI file");
}

TEST_F(ImportCommandsTest, CancelledFileDialogChangesNothing) {
    const std::string before = documentText(period_);
    documents_->importMelody();
    EXPECT_EQ(documentText(period_), before);
    EXPECT_EQ(calls_, (std::vector<std::string>{"stop"}));
}
