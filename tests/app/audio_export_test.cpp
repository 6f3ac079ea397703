// File > Export to audio: the period rendered at its tempo into a WAV file; a stopped export
// leaves no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "commands/audio_export.h"
#include "generation/random.h"
#include "playback/capture_port.h"
#include "playback/fluid_synth_engine.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace fs = std::filesystem;

namespace {

class AudioExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!findSoundfont())
            GTEST_SKIP() << "no General MIDI soundfont on this machine";
        resetMotivicaRandForTesting();
        auto prompts = std::make_unique<TScriptedPrompts>();
        prompts_ = prompts.get();
        window_ = std::make_unique<TMainWindow>(scratch_.base(), std::move(prompts), &devices_);
    }

    // The WAV's sample frames, from its data chunk's size.
    static uint64_t frames(const std::string& path) { return (fs::file_size(path) - 44) / 4; }

    TScratchFolder scratch_{"audio_export"};
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    TScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<TMainWindow> window_;
};

}  // namespace

TEST_F(AudioExportTest, ThePeriodLastsAsLongAsItsTempoSays) {
    const std::string slow = scratch_.path("slow.wav");
    const std::string fast = scratch_.path("fast.wav");
    window_->period().setTempo(100);
    ASSERT_TRUE(window_->audioExport().exportTo(slow));
    window_->period().setTempo(150);
    prompts_->progress.clear();
    ASSERT_TRUE(window_->audioExport().exportTo(fast));
    EXPECT_TRUE(prompts_->shown.size() == 2 && prompts_->shown[0].kind == "progress");
    // the timer's step is 200 - tempo ms: the music takes twice as long at 100 as at 150; the
    // decay after the last note is the same 1.5 s
    const double tail = 1.5 * 44100;
    const double slowMusic = static_cast<double>(frames(slow)) - tail;
    const double fastMusic = static_cast<double>(frames(fast)) - tail;
    ASSERT_GT(fastMusic, 44100.0);
    EXPECT_NEAR(slowMusic / fastMusic, 2.0, 0.02);
    // the progress rose to the end
    ASSERT_FALSE(prompts_->progress.empty());
    EXPECT_DOUBLE_EQ(prompts_->progress.back(), 1.0);
    for (size_t i = 1; i + 1 < prompts_->progress.size(); ++i) {
        EXPECT_GE(prompts_->progress[i], prompts_->progress[i - 1]);
    }
}

TEST_F(AudioExportTest, AStoppedExportLeavesNoFileAndAnOldOneUntouched) {
    const std::string path = scratch_.path("stopped.wav");
    prompts_->cancelProgressAt = 0.3;
    EXPECT_FALSE(window_->audioExport().exportTo(path));
    EXPECT_FALSE(fs::exists(path));
    // only the progress window was shown: a stop is no error
    ASSERT_EQ(prompts_->shown.size(), 1u);
    EXPECT_EQ(prompts_->shown[0].kind, "progress");

    std::ofstream(path) << "an older export";
    EXPECT_FALSE(window_->audioExport().exportTo(path));
    EXPECT_EQ(fs::file_size(path), std::string("an older export").size());
}

TEST_F(AudioExportTest, TheMenuAsksForTheFileAndTheReplacement) {
    const std::string path = scratch_.path("mine.wav");
    std::ofstream(path) << "keep me";
    prompts_->fileNames.push_back(path);
    prompts_->confirmations.push_back(false);  // do not replace
    window_->exportAudioAction();
    EXPECT_EQ(fs::file_size(path), std::string("keep me").size());
    prompts_->fileNames.push_back(path);
    prompts_->confirmations.push_back(true);
    window_->exportAudioAction();
    EXPECT_GT(fs::file_size(path), 44100u);
}

TEST_F(AudioExportTest, TheCompositionsOwnFileIsNeverOverwritten) {
    const std::string document = scratch_.path("mine.tnr");
    ASSERT_TRUE(window_->saveDocument(document));
    const std::string before = readWholeFile(document);
    prompts_->fileNames.push_back(document);
    prompts_->confirmations.push_back(true);
    window_->exportAudioAction();
    EXPECT_EQ(readWholeFile(document), before);
    ASSERT_FALSE(prompts_->shown.empty());
    EXPECT_EQ(prompts_->shown.back().text,
              "The error occurs while saving of the file\n" + document);
    EXPECT_EQ(prompts_->count("progress"), 0u);
}
