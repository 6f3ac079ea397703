// What the window keeps for the user beyond the documents: the recent documents, and the
// composition kept safe between saves so that a crash loses nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/demonstration.h"
#include "app/main_window.h"
#include "app/step_form.h"
#include "generation/random.h"
#include "model/document.h"
#include "model/recent_files.h"
#include "model/recovery_store.h"
#include "playback/capture_port.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace fs = std::filesystem;

namespace {

class SessionFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetMotivicaRandForTesting();
        fs::create_directories(scratch_.path("tnrs"));
    }

    // A new run of the program over the same per-user folders.
    std::unique_ptr<TMainWindow> start(const std::string& recovery) {
        auto prompts = std::make_unique<TScriptedPrompts>();
        prompts_ = prompts.get();
        auto window = std::make_unique<TMainWindow>(scratch_.base(), std::move(prompts), &devices_);
        window->keepSessionIn(settings_, recovery);
        return window;
    }

    // What a killed run leaves: its recovery files, but no lock held on them.
    std::string crashCopyOf(const std::string& recovery) {
        const std::string copy = scratch_.path("crashed" + std::to_string(++crashes_)) + "/";
        fs::create_directories(copy);
        for (const fs::directory_entry& e : fs::directory_iterator(recovery))
            if (e.path().extension() == ".recovery")
                fs::copy_file(e.path(), copy + e.path().filename().string());
        return copy;
    }

    static size_t recoveryFiles(const std::string& folder) {
        size_t n = 0;
        std::error_code ec;
        for (const fs::directory_entry& e : fs::directory_iterator(folder, ec))
            n += e.path().extension() == ".recovery" ? 1 : 0;
        return n;
    }

    // An edit of the composition: the first motive gets a note, the tempo changes.
    static void edit(TMainWindow& w, int32_t pitch) {
        TPeriodData& p = w.period();
        p.motiveAt(p.motiveAddresses().front()).notes = {TNote(60, pitch, 120)};
        p.setTempo(80 + pitch);
    }

    static std::vector<std::string> menuTexts(QMenu* menu) {
        emit menu->aboutToShow();
        std::vector<std::string> texts;
        for (QAction* a : menu->actions())
            texts.push_back(a->isSeparator() ? "--" : a->text().toStdString());
        return texts;
    }

    TScratchFolder scratch_{"session_files"};
    std::string settings_ = scratch_.path("config") + "/";
    std::string recovery_ = scratch_.path("recovery") + "/";
    int crashes_ = 0;
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    TScriptedPrompts* prompts_ = nullptr;
};

}  // namespace

TEST_F(SessionFilesTest, RecentDocumentsFollowOpenAndSaveSurviveARestartAndStayEight) {
    std::vector<std::string> files;
    {
        auto w = start(std::string());
        for (int i = 1; i <= 9; ++i) {
            files.push_back(scratch_.path("tnrs/song" + std::to_string(i) + ".tnr"));
            prompts_->fileNames.push_back(files.back());
            w->saveAsAction();
        }
        // Open by the dialog brings the oldest still listed to the front
        prompts_->fileNames.push_back(files[2]);
        w->openAction();
        ASSERT_EQ(w->period().name(), files[2]);
        // a document opened for a demonstration or the tutorial is not one the user chose
        ASSERT_TRUE(w->openDocument(files[0]));
    }
    auto w = start(std::string());
    const std::vector<std::string>& entries = w->recentFiles().entries();
    ASSERT_EQ(entries.size(), TRecentFiles::CAPACITY);
    EXPECT_EQ(entries[0], files[2]);
    EXPECT_EQ(entries[1], files[8]);
    EXPECT_EQ(entries[7], files[1]);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), files[0]), 0);

    EXPECT_EQ(menuTexts(w->recentMenu()),
              (std::vector<std::string>{"&1  song3.tnr", "&2  song9.tnr", "&3  song8.tnr",
                                        "&4  song7.tnr", "&5  song6.tnr", "&6  song5.tnr",
                                        "&7  song4.tnr", "&8  song2.tnr", "--", "Clear List"}));
    // choosing an entry opens it, as Open would
    w->recentMenu()->actions()[3]->trigger();
    EXPECT_EQ(w->period().name(), files[6]);
    EXPECT_EQ(w->windowTitle().toStdString(), "Motivica 1.0 - " + files[6]);
    EXPECT_EQ(w->recentFiles().entries().front(), files[6]);
}

TEST_F(SessionFilesTest, OnlyDocumentsThatOpenedOrSavedAreListed) {
    auto w = start(std::string());
    prompts_->fileNames.push_back(scratch_.write("tnrs/broken.tnr", "not a composition"));
    w->openAction();
    prompts_->fileNames.push_back(scratch_.path("no such folder/song.tnr"));
    w->saveAsAction();
    EXPECT_EQ(prompts_->count("message"), 2u);
    EXPECT_TRUE(w->recentFiles().entries().empty());
    // a document a file manager hands over is one the user chose
    const std::string handed = scratch_.path("tnrs/handed.tnr");
    ASSERT_TRUE(w->saveDocument(handed));
    ASSERT_TRUE(w->openUsedDocument(handed));
    EXPECT_EQ(w->recentFiles().entries(), std::vector<std::string>{handed});
}

TEST_F(SessionFilesTest, MissingDocumentsAreTakenOffWithANote) {
    auto w = start(std::string());
    const std::string kept = scratch_.path("tnrs/kept.tnr");
    const std::string gone = scratch_.path("tnrs/gone.tnr");
    for (const std::string& f : {gone, kept}) {
        prompts_->fileNames.push_back(f);
        w->saveAsAction();
    }
    fs::remove(gone);
    EXPECT_EQ(
        menuTexts(w->recentMenu()),
        (std::vector<std::string>{"&1  kept.tnr", "--", "No longer found, taken off: gone.tnr",
                                  "--", "Clear List"}));
    EXPECT_EQ(w->recentFiles().entries(), std::vector<std::string>{kept});

    // a file that goes while the menu is open: the composition on the screen stays
    edit(*w, 30);
    const std::string before = documentText(w->period());
    QAction* entry = w->recentMenu()->actions()[0];
    fs::remove(kept);
    entry->trigger();
    EXPECT_EQ(documentText(w->period()), before);
    ASSERT_EQ(prompts_->count("message"), 1u);
    EXPECT_EQ(prompts_->shown.back().text,
              "The file\n" + kept +
                  "\ncan no longer be found. It is taken off the list of recent documents.");
    EXPECT_TRUE(w->recentFiles().entries().empty());
    EXPECT_EQ(menuTexts(w->recentMenu()),
              (std::vector<std::string>{"(no documents yet)", "--", "Clear List"}));
    EXPECT_FALSE(w->recentMenu()->actions().back()->isEnabled());
}

TEST_F(SessionFilesTest, AnEditIsKeptAndComesBackByteForByteAfterACrash) {
    std::string expected;
    std::string name;
    std::string crashed;
    {
        auto w = start(recovery_);
        w->keepWorkSafe();
        EXPECT_EQ(recoveryFiles(recovery_), 0u) << "the untouched start needs no keeping";
        const std::string file = scratch_.path("tnrs/work.tnr");
        prompts_->fileNames.push_back(file);
        w->saveAsAction();
        edit(*w, 27);
        w->keepWorkSafe();
        ASSERT_EQ(recoveryFiles(recovery_), 1u);
        expected = documentText(w->period());
        name = w->period().name();
        EXPECT_EQ(readWholeFile(w->recoveryStore()->file()), recoveryFileText(file, expected));
        crashed = crashCopyOf(recovery_);
    }
    // the run that closed normally took its own files away
    EXPECT_EQ(recoveryFiles(recovery_), 0u);
    EXPECT_FALSE(fs::exists(recovery_) && !fs::is_empty(recovery_));

    auto w = start(crashed);
    prompts_->recoveries.push_back(TRecoveryAnswer::RESTORE);
    w->offerRecovery();
    ASSERT_EQ(prompts_->count("recovery"), 1u);
    EXPECT_EQ(prompts_->shown.back().caption, "Unsaved Work");
    EXPECT_NE(prompts_->shown.back().text.find(name), std::string::npos);
    EXPECT_EQ(documentText(w->period()), expected);
    EXPECT_EQ(w->period().name(), name);
    EXPECT_EQ(w->windowTitle().toStdString(), "Motivica 1.0 - " + name);
    // the work is still unsaved: this run keeps it, and the crashed run's copy is gone
    ASSERT_EQ(recoveryFiles(crashed), 1u);
    EXPECT_EQ(readWholeFile(w->recoveryStore()->file()), recoveryFileText(name, expected));
    // a save ends the keeping
    w->saveAction();
    w->keepWorkSafe();
    EXPECT_EQ(recoveryFiles(crashed), 0u);
    EXPECT_EQ(readWholeFile(name), expected);
    // and asks nothing any more
    w->offerRecovery();
    EXPECT_EQ(prompts_->count("recovery"), 1u);
}

TEST_F(SessionFilesTest, DiscardRemovesTheWorkAndClosingTheQuestionKeepsItForLater) {
    std::string crashed;
    {
        auto w = start(recovery_);
        edit(*w, 25);
        w->keepWorkSafe();
        crashed = crashCopyOf(recovery_);
    }
    const std::string fresh = documentText(start(std::string())->period());
    {
        auto w = start(crashed);
        w->offerRecovery();  // closed without an answer
        EXPECT_EQ(prompts_->count("recovery"), 1u);
        EXPECT_EQ(documentText(w->period()), fresh);
        EXPECT_EQ(recoveryFiles(crashed), 1u);
    }
    auto w = start(crashed);
    prompts_->recoveries.push_back(TRecoveryAnswer::DISCARD);
    w->offerRecovery();
    EXPECT_EQ(prompts_->count("recovery"), 1u);
    EXPECT_EQ(documentText(w->period()), fresh);
    EXPECT_EQ(recoveryFiles(crashed), 0u);
}

TEST_F(SessionFilesTest, TheWorkOfARunStillGoingIsNotOffered) {
    auto running = start(recovery_);
    edit(*running, 22);
    running->keepWorkSafe();
    ASSERT_EQ(recoveryFiles(recovery_), 1u);
    auto second = start(recovery_);
    second->offerRecovery();
    EXPECT_EQ(prompts_->count("recovery"), 0u);
}

TEST_F(SessionFilesTest, TheTutorialAndTheDemonstrationsNeverLeaveWorkBehind) {
    auto w = start(recovery_);
    w->setHelpFolder(std::string(MOTIVICA_DATA_DIR) + "/");
    w->setDemonstrationStepDelay(std::chrono::milliseconds(1));
    w->show();

    // the tutorial replaces the composition on purpose: nothing to keep
    prompts_->confirmations.push_back(true);
    w->stepHelpAction();
    ASSERT_NE(w->stepForm(), nullptr);
    w->keepWorkSafe();
    EXPECT_EQ(recoveryFiles(recovery_), 0u);
    w->stepForm()->hide();

    // the user's own unsaved work, kept
    edit(*w, 29);
    w->keepWorkSafe();
    ASSERT_EQ(recoveryFiles(recovery_), 1u);
    const std::string kept = readWholeFile(w->recoveryStore()->file());
    const std::vector<std::string> recent = w->recentFiles().entries();

    // the chord demonstration swaps in its own composition and back, while the keeper looks
    // as often as it can
    w->demonstrationAction(2);
    TDemonstration* demo = w->demonstration();
    ASSERT_NE(demo, nullptr);
    QTimer often;
    QObject::connect(&often, &QTimer::timeout, [&] {
        w->keepWorkSafe();
        EXPECT_EQ(readWholeFile(w->recoveryStore()->file()), kept);
    });
    often.start(5);
    QEventLoop loop;
    QObject::connect(demo, &TDemonstration::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->demonstration() == nullptr; }, 5000));
    often.stop();
    w->keepWorkSafe();
    EXPECT_EQ(readWholeFile(w->recoveryStore()->file()), kept);
    EXPECT_EQ(w->recentFiles().entries(), recent);

    // and the next start offers exactly the user's work
    const std::string crashed = crashCopyOf(recovery_);
    auto next = start(crashed);
    prompts_->recoveries.push_back(TRecoveryAnswer::RESTORE);
    next->offerRecovery();
    std::string name;
    std::string document;
    ASSERT_TRUE(parseRecoveryFile(kept, name, document));
    EXPECT_EQ(documentText(next->period()), document);
}
