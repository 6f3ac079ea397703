// The four demonstrations in the real window, offscreen with the drawn pointer and without
// waits: they replay their recorded paths through the popup and leave the notes and chords their
// pages describe; every ending gives back the user's composition under its name.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/demonstration.h"
#include "app/main_window.h"
#include "generation/random.h"
#include "help/dynamic_help_thread.h"
#include "model/document.h"
#include "model/period_data.h"
#include "playback/capture_port.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace fs = std::filesystem;

namespace {

class DemonstrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetMotivicaRandForTesting();
        // the shipped demonstration data, copied so that a test may damage it
        help_ = scratch_.path("data") + "/";
        fs::create_directories(help_);
        fs::copy(fs::path(MOTIVICA_DATA_DIR) / "dynamichelp", help_ + "dynamichelp",
                 fs::copy_options::recursive);
        // the compositions play ten times faster here: the waits for their ends are short
        for (const auto& entry : fs::directory_iterator(help_ + "dynamichelp")) {
            if (entry.path().extension() != ".tnr")
                continue;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            in.close();
            std::string document = text.str();
            const std::string slow = "<TEMP VALUE=\"100\"/>";
            const size_t at = document.find(slow);
            ASSERT_NE(at, std::string::npos) << entry.path();
            document.replace(at, slow.size(), "<TEMP VALUE=\"199\"/>");
            std::ofstream(entry.path(), std::ios::binary) << document;
        }
        auto prompts = std::make_unique<TScriptedPrompts>();
        prompts_ = prompts.get();
        window_ = std::make_unique<TMainWindow>(scratch_.base(), std::move(prompts), &devices_);
        window_->setHelpFolder(help_);
        window_->setDemonstrationStepDelay(std::chrono::milliseconds(1));
        window_->show();
        // the user's own composition, named and changed
        window_->period().setName("tnrs/mine.tnr");
        window_->period().setTempo(77);
    }

    // Runs demonstration n to its end; `result` receives the composition it leaves.
    TDynamicHelpThread::TEnding run(int n, TPeriodData* result = nullptr) {
        window_->demonstrationAction(n);
        TDemonstration* demo = window_->demonstration();
        EXPECT_NE(demo, nullptr);
        if (demo == nullptr)
            return TDynamicHelpThread::TEnding::Failed;
        if (result != nullptr)
            demo->setBeforeRestore([result](const TPeriodData& p) { *result = p; });
        TDynamicHelpThread::TEnding ending = TDynamicHelpThread::TEnding::Running;
        // a real event loop: it wakes for every step the demonstration hands over at once
        QEventLoop loop;
        QObject::connect(demo, &TDemonstration::finished, &loop, [&] {
            ending = demo->runner().ending();
            loop.quit();
        });
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window_->demonstration() == nullptr; }, 5000));
        return ending;
    }

    void expectUsersCompositionBack() {
        EXPECT_EQ(window_->period().name(), "tnrs/mine.tnr");
        EXPECT_EQ(window_->period().tempo(), 77);
        EXPECT_TRUE(window_->isEnabled());
        EXPECT_FALSE(window_->variantView().demoMode());
    }

    TScratchFolder scratch_{"demonstration"};
    std::string help_;
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    TScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<TMainWindow> window_;
};

const TMotive& firstMotive(const TPeriodData& p) {
    return p.motiveAt(p.motiveAddresses().front());
}

}  // namespace

TEST_F(DemonstrationTest, NotesDemoEntersTheNotesItsPagesDescribe) {
    TPeriodData result;
    EXPECT_EQ(run(1, &result), TDynamicHelpThread::TEnding::Normal);
    // the last path changed the up-beat to B with Ctrl; A and B follow in the measure
    const TMotive& m = firstMotive(result);
    ASSERT_GE(m.notes.size(), 3u);
    EXPECT_EQ(m.notes.front().time, 180);
    EXPECT_EQ(m.notes.front().pitch, 26);
    bool a = false;
    for (const TNote& n : m.notes)
        a = a || (n.time == 300 && n.pitch == 25);
    EXPECT_TRUE(a);
    expectUsersCompositionBack();
    EXPECT_TRUE(prompts_->shown.empty());
}

TEST_F(DemonstrationTest, ChordDemoGivesTheFirstMotiveTheChordsItsPageNames) {
    TPeriodData result;
    EXPECT_EQ(run(2, &result), TDynamicHelpThread::TEnding::Normal);
    const TMotive& m = firstMotive(result);
    ASSERT_EQ(m.chords.size(), 2u);
    EXPECT_EQ(m.chords[0].time, 0);
    EXPECT_EQ(m.chords[1].time, 240);
    // what its page says: the tonic in the first measure, the dominant in the second
    EXPECT_EQ(m.chords[0].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(m.chords[1].type, TChordType::DOMINANT_THREE_CHORD);
    expectUsersCompositionBack();
}

TEST_F(DemonstrationTest, EffectDemosPutVariantsIntoThePeriod) {
    for (int n : {3, 4}) {
        TPeriodData before;
        TPeriodData result;
        ASSERT_TRUE(readDocument(
            before,
            help_ + "dynamichelp/" + (n == 3 ? "helpSimpleEffect.tnr" : "helpRelEffect.tnr")));
        EXPECT_EQ(run(n, &result), TDynamicHelpThread::TEnding::Normal) << n;
        const auto addresses = result.motiveAddresses();
        // the dropped variants replaced motives of the first phrase
        const size_t target = n == 3 ? 1 : 2;
        EXPECT_NE(result.motiveAt(addresses[target]).notes,
                  before.motiveAt(before.motiveAddresses()[target]).notes)
            << n;
        expectUsersCompositionBack();
    }
}

TEST_F(DemonstrationTest, AMissingFileShowsTheErrorAndGivesTheCompositionBack) {
    const char* removed[] = {"helpSelectNotes.tnr", "helpSelectChord1.xml",
                             "helpSimpleEffect4.html", "helpRelEffect.tnr"};
    for (int n = 1; n <= 4; ++n) {
        fs::remove(help_ + "dynamichelp/" + removed[n - 1]);
        prompts_->shown.clear();
        EXPECT_EQ(run(n), TDynamicHelpThread::TEnding::Failed) << n;
        bool error = false;
        for (const auto& s : prompts_->shown)
            error =
                error ||
                s.text ==
                    "There was an error. To execute given demonstration script it is impossible";
        EXPECT_TRUE(error) << n;
        expectUsersCompositionBack();
    }
}

TEST_F(DemonstrationTest, AKeyCancelsAndTheUnsavedCompositionComesBackUnderItsName) {
    window_->period().setName("Untitled");
    window_->setDemonstrationStepDelay(std::chrono::milliseconds(15));
    window_->demonstrationAction(1);
    TDemonstration* demo = window_->demonstration();
    ASSERT_NE(demo, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return demo->helpForm() != nullptr; }, 10000));
    QTest::qWait(200);
    QTest::keyClick(window_.get(), Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->demonstration() == nullptr; }, 20000));
    EXPECT_EQ(window_->period().name(), "Untitled");
    EXPECT_EQ(window_->period().tempo(), 77);
    EXPECT_TRUE(window_->isEnabled());
}
