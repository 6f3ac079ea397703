#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>

#include "app/effect_motive_panel.h"
#include "app/help_form.h"
#include "app/main_window.h"
#include "app/panel_chooser_group.h"
#include "app/period_panel.h"
#include "app/step_form.h"
#include "app/theory_form.h"
#include "app/u_motive_canvas.h"
#include "app/u_motive_set.h"
#include "generation/random.h"
#include "help/eng_message_bundle.h"
#include "help/tutorial_steps.h"
#include "model/document.h"
#include "playback/capture_port.h"
#include "playback/motive_player.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace {

// A help folder of its own: eight pages, a theory page and a tutorial composition of sixteen
// motives (two sentences of two phrases of four), each with a note.
class HelpWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetMotivicaRandForTesting();
        help_ = scratch_.path("help") + "/";
        std::filesystem::create_directories(help_ + "stepbystep");
        std::filesystem::create_directories(help_ + "theoryhelp");
        for (const TTutorialStep& step : TUTORIAL_STEPS)
            std::ofstream(help_ + "stepbystep/" + std::string(step.page))
                << "<html><body><p>" << step.page << "</p></body></html>";
        std::ofstream(help_ + "theoryhelp/theory.html")
            << "<html><body><h2>Period</h2></body></html>";
        TPeriodData tutorial;
        tutorial.buildFromLayout({2, 2}, {4, 4, 4, 4}, {5, 6, 10, 11}, TKey(1, MAJOR), TMeasure(),
                                 0, 100);
        int pitch = 15;
        for (const TMotiveAddress& a : tutorial.motiveAddresses())
            tutorial.motiveAt(a).notes = {TNote(0, pitch++, 240)};
        ASSERT_TRUE(writeDocument(tutorial, help_ + "stepbystep/step8.tnr"));

        auto prompts = std::make_unique<TScriptedPrompts>();
        prompts_ = prompts.get();
        window_ = std::make_unique<TMainWindow>(scratch_.base(), std::move(prompts), &devices_);
        window_->setHelpFolder(help_);
    }

    TScratchFolder scratch_{"help_windows"};
    std::string help_;
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    TScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<TMainWindow> window_;
};

}  // namespace

TEST_F(HelpWindowsTest, TheTutorialWalksItsEightStepsThroughItsComposition) {
    prompts_->confirmations.push_back(true);
    window_->stepHelpAction();
    TStepForm* form = window_->stepForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "Step-by-step help");
    // the warning came first
    ASSERT_FALSE(prompts_->shown.empty());
    EXPECT_EQ(prompts_->shown.back().kind, "confirm");
    EXPECT_EQ(window_->motiveSets().size(), 16u);
    EXPECT_EQ(form->step(), 0);
    EXPECT_FALSE(form->previousButton()->isEnabled());
    EXPECT_TRUE(form->nextButton()->isEnabled());
    EXPECT_TRUE(form->view()->toPlainText().contains("step1.html"));

    QTest::mouseClick(form->nextButton(), Qt::LeftButton);
    QTest::mouseClick(form->nextButton(), Qt::LeftButton);
    EXPECT_EQ(form->step(), 2);
    EXPECT_TRUE(form->view()->toPlainText().contains("step3.html"));
    // step 3 opens "Rel. Repeat" on motive 3 of the period
    EXPECT_EQ(window_->panelChoosers().selectedIndex(), 10);
    EXPECT_EQ(window_->developmentPanel(10)->way().source().notes,
              window_->motiveSets()[2]->motive()->notes);

    for (int i = 0; i < 10; ++i)
        form->next();
    EXPECT_EQ(form->step(), 7);
    EXPECT_FALSE(form->nextButton()->isEnabled());
    EXPECT_TRUE(form->previousButton()->isEnabled());
    QTest::mouseClick(form->previousButton(), Qt::LeftButton);
    EXPECT_EQ(form->step(), 6);
    // step 7 opens "Repeat" on motive 7
    EXPECT_EQ(window_->panelChoosers().selectedIndex(), 3);
}

TEST_F(HelpWindowsTest, AMissingTutorialCompositionChangesNothing) {
    std::filesystem::remove(help_ + "stepbystep/step8.tnr");
    const std::string title = window_->windowTitle().toStdString();
    const size_t motives = window_->motiveSets().size();
    prompts_->confirmations.push_back(true);
    window_->stepHelpAction();
    ASSERT_NE(window_->stepForm(), nullptr);
    EXPECT_FALSE(window_->stepForm()->isVisible());
    EXPECT_EQ(window_->windowTitle().toStdString(), title);
    EXPECT_EQ(window_->motiveSets().size(), motives);
    // no error box either: the tutorial simply does not start
    for (const auto& shown : prompts_->shown)
        EXPECT_NE(shown.kind, "message");
}

TEST_F(HelpWindowsTest, DecliningTheWarningKeepsTheComposition) {
    prompts_->confirmations.push_back(false);
    window_->stepHelpAction();
    EXPECT_EQ(window_->stepForm(), nullptr);
    EXPECT_EQ(window_->motiveSets().size(), 8u);
}

TEST_F(HelpWindowsTest, TheTheoryWindowShowsItsPageAndCloseHidesIt) {
    window_->theoryHelpAction();
    TTheoryForm* form = window_->theoryForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "Theory");
    EXPECT_TRUE(form->view()->toPlainText().contains("Period"));
    QPushButton* close = nullptr;
    for (QPushButton* b : form->findChildren<QPushButton*>())
        if (b->text() == "Close")
            close = b;
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    // a second command shows the same window again
    window_->theoryHelpAction();
    EXPECT_EQ(window_->theoryForm(), form);
    EXPECT_TRUE(form->isVisible());
}

TEST(ShippedHelpTest, TheTutorialStartsOnTheShippedComposition) {
    TScratchFolder scratch("shipped_help");
    TCaptureLog log;
    TCaptureDevices devices(log);
    auto prompts = std::make_unique<TScriptedPrompts>();
    prompts->confirmations.push_back(true);
    TMainWindow window(scratch.base(), std::move(prompts), &devices);
    window.stepHelpAction();
    ASSERT_NE(window.stepForm(), nullptr);
    ASSERT_TRUE(window.stepForm()->isVisible());
    EXPECT_GE(window.motiveSets().size(), 15u);
    EXPECT_FALSE(window.stepForm()->view()->toPlainText().isEmpty());
    for (int i = 0; i < 7; ++i)
        window.stepForm()->next();
    EXPECT_FALSE(window.stepForm()->view()->toPlainText().isEmpty());
    window.theoryHelpAction();
    EXPECT_TRUE(window.theoryForm()->view()->toPlainText().contains("Theory of melody"));
}

namespace {

// Catches the addresses the program hands to the user's browser.
class TUrlCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

}  // namespace

TEST(ShippedHelpTest, TheHomePageIsTheProgramsOwnStartPage) {
    TScratchFolder scratch("home_page");
    TCaptureLog log;
    TCaptureDevices devices(log);
    TMainWindow window(scratch.base(), std::make_unique<TScriptedPrompts>(), &devices);
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    window.openHomePage();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.opened.size(), 1);
    const QString page = catcher.opened.front().toLocalFile();
    EXPECT_TRUE(page.endsWith("help/index.html"));
    EXPECT_TRUE(std::filesystem::is_regular_file(page.toStdString()));
}

#include "help_windows_test.moc"

// The demonstration's page window says how to stop inside the window too, whole, since a narrow
// tool window's title bar cuts its caption short; a cancel changes both.
TEST(HelpFormTest, ThePageWindowSaysHowToStopInAWholeLine) {
    TEngMessageBundle bundle;
    THelpForm form(bundle);
    form.show();
    ASSERT_NE(form.cancelLine(), nullptr);
    EXPECT_EQ(form.cancelLine()->text(), "PRESS ANY KEY TO CANCEL");
    EXPECT_EQ(form.windowTitle(), "PRESS ANY KEY TO CANCEL");
    const QFontMetrics metrics(form.cancelLine()->font());
    EXPECT_LE(metrics.horizontalAdvance(form.cancelLine()->text()), form.cancelLine()->width());
    EXPECT_EQ(form.cancelLine()->geometry().bottom(), form.height() - 1);
    EXPECT_LE(form.view()->geometry().bottom(), form.cancelLine()->geometry().top());
    form.cancel();
    EXPECT_EQ(form.cancelLine()->text(), "CANCELLING...");
    EXPECT_EQ(form.windowTitle(), "CANCELLING...");
}

// The play buttons play the motive the page speaks of (and its phrase and sentence), and the
// row stays on it; every button shows its whole label.
TEST_F(HelpWindowsTest, TheTutorialPlaysTheMotiveItShowsWithoutScrollingAway) {
    prompts_->confirmations.push_back(true);
    window_->stepHelpAction();
    TStepForm* form = window_->stepForm();
    ASSERT_NE(form, nullptr);
    form->next();
    form->next();
    ASSERT_EQ(form->step(), 2);
    const int scrolled = window_->periodPanel()->scrollPosition();
    QPushButton* playMotive = nullptr;
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        SCOPED_TRACE(b->text().toStdString());
        EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text()));
        if (b->text() == "Play Motive")
            playMotive = b;
    }
    ASSERT_NE(playMotive, nullptr);
    log_.clear();
    QTest::mouseClick(playMotive, Qt::LeftButton);
    for (int i = 0; i < 100 && window_->motivePlayer().playing(); ++i)
        QTest::qWait(20);
    window_->stopAction();
    // motive 5 of the tutorial holds the one note of position 20
    const int expected = window_->period().key.pitch(20);
    int heard = -1;
    for (const TCapturedMessage& m : log_.messages())
        if (!m.systemExclusive && (m.packed & 0xff) == 0x90 && ((m.packed >> 16) & 0xff) > 0) {
            heard = int((m.packed >> 8) & 0xff);
            break;
        }
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(window_->periodPanel()->scrollPosition(), scrolled);
}
