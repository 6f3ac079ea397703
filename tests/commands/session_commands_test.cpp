#include "commands/session_commands.h"

#include <gtest/gtest.h>

#include <memory>

#include "commands/document_commands.h"
#include "help/eng_message_bundle.h"
#include "model/document.h"
#include "model/period_data.h"
#include "model/recent_files.h"
#include "model/recovery_store.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace {

class SessionCommandsTest : public ::testing::Test {
  protected:
    SessionCommandsTest() {
        TDocumentCommands::buildDefaultComposition(period_);
        documents_ = std::make_unique<TDocumentCommands>(
            period_, prompts_, bundle_, scratch_.base(),
            TDocumentCommands::THooks{[] {}, [] {}, [] {}, [](const std::string&) { return true; },
                                      [this](const std::string& path) {
                                          if (session_)
                                              session_->recent().add(path);
                                      },
                                      [this] {
                                          if (session_)
                                              session_->markSaved();
                                      },
                                      nullptr});
        session_ = std::make_unique<TSessionCommands>(
            period_, *documents_, prompts_, bundle_,
            TSessionCommands::THooks{[this] { ++stops_; }, [this] { ++editsFinished_; }});
    }
    // A saved document of the default composition named `file`.
    std::string savedDocument(const std::string& file) {
        TPeriodData period;
        TDocumentCommands::buildDefaultComposition(period);
        return scratch_.write(file, documentText(period));
    }
    void change() { period_.setTempo(period_.tempo() == 120 ? 121 : 120); }

    TScratchFolder scratch_{"session-commands"};
    TPeriodData period_;
    TScriptedPrompts prompts_;
    TEngMessageBundle bundle_;
    std::unique_ptr<TDocumentCommands> documents_;
    std::unique_ptr<TSessionCommands> session_;
    int stops_ = 0;
    int editsFinished_ = 0;
};

TEST_F(SessionCommandsTest, UnsavedChangesAreAskedAboutAndOnlyThen) {
    EXPECT_TRUE(session_->settleUnsavedWork());
    EXPECT_EQ(prompts_.count("save changes"), 0u);
    EXPECT_EQ(editsFinished_, 1);  // the edit in progress counts as a change

    change();
    prompts_.saveChanges.push_back(TSaveChangesAnswer::CANCEL);
    EXPECT_FALSE(session_->settleUnsavedWork());
    EXPECT_EQ(prompts_.shown.back().text, "Save changes to Untitled?");
    prompts_.saveChanges.push_back(TSaveChangesAnswer::DISCARD);
    EXPECT_TRUE(session_->settleUnsavedWork());

    // what a command made is settled work
    session_->markSaved();
    EXPECT_TRUE(session_->settleUnsavedWork());
    EXPECT_EQ(prompts_.count("save changes"), 2u);
}

TEST_F(SessionCommandsTest, TheRecentMenuTakesOffDocumentsNoLongerFound) {
    const std::string kept = savedDocument("kept.tnr");
    const std::string gone = savedDocument("gone.tnr");
    session_->recent().add(gone);
    session_->recent().add(kept);
    std::filesystem::remove(gone);
    const TRecentMenu menu = session_->recentMenu("");
    ASSERT_EQ(menu.entries.size(), 1u);
    EXPECT_EQ(menu.entries[0].path, kept);
    EXPECT_EQ(menu.entries[0].label, recentFileLabel({kept}, 0, ""));
    EXPECT_EQ(menu.missing, std::vector<std::string>{"gone.tnr"});
    EXPECT_EQ(session_->recent().entries(), std::vector<std::string>{kept});
}

TEST_F(SessionCommandsTest, ARecentDocumentOpensAfterUnsavedWorkIsSettled) {
    const std::string file = savedDocument("piece.tnr");
    change();
    // cancelled: the composition stays
    prompts_.saveChanges.push_back(TSaveChangesAnswer::CANCEL);
    session_->openRecent(file);
    EXPECT_EQ(period_.name(), "Untitled");
    prompts_.saveChanges.push_back(TSaveChangesAnswer::DISCARD);
    session_->openRecent(file);
    EXPECT_EQ(period_.name(), file);
    EXPECT_EQ(session_->recent().entries(), std::vector<std::string>{file});

    // a document gone since: a word, the list without it, the composition as it was
    std::filesystem::remove(file);
    session_->openRecent(file);
    EXPECT_EQ(prompts_.shown.back().kind, "message");
    EXPECT_NE(prompts_.shown.back().text.find("can no longer be found"), std::string::npos);
    EXPECT_TRUE(session_->recent().entries().empty());
    EXPECT_EQ(period_.name(), file);
    EXPECT_GE(stops_, 3);
}

TEST_F(SessionCommandsTest, WorkARunLeftBehindIsOfferedOnceAndRestored) {
    const std::string folder = scratch_.path("recovery");
    {
        // a run that kept a changed composition and was killed
        auto gone = std::make_unique<TRecoveryStore>(folder);
        ASSERT_TRUE(gone->begin());
        TPeriodData period;
        TDocumentCommands::buildDefaultComposition(period);
        period.setTempo(77);
        ASSERT_TRUE(gone->keep("/somewhere/left.tnr", documentText(period)));
    }
    ASSERT_TRUE(session_->keepIn(scratch_.base(), folder));
    // later: nothing happens, and the work stays for the next start
    prompts_.recoveries.push_back(TRecoveryAnswer::LATER);
    session_->offerRecovery();
    EXPECT_EQ(session_->recoveryStore()->leftBehind().size(), 1u);
    EXPECT_EQ(period_.tempo(), 100);

    prompts_.recoveries.push_back(TRecoveryAnswer::RESTORE);
    session_->offerRecovery();
    EXPECT_EQ(period_.tempo(), 77);
    EXPECT_EQ(period_.name(), "/somewhere/left.tnr");
    // this run keeps it now; the old copy is gone, and it is still unsaved work
    EXPECT_TRUE(session_->recoveryStore()->leftBehind().empty());
    prompts_.saveChanges.push_back(TSaveChangesAnswer::CANCEL);
    EXPECT_FALSE(session_->settleUnsavedWork());
    EXPECT_EQ(prompts_.count("recovery"), 2u);
}

}  // namespace
