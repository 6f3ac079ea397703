#include "commands/session_commands.h"

#include <cstdio>
#include <ctime>
#include <filesystem>

#include "commands/document_commands.h"
#include "commands/prompts_interface.h"
#include "help/message_bundle.h"
#include "model/document.h"
#include "model/period_data.h"
#include "model/popup_hints.h"
#include "model/recent_files.h"
#include "model/recovery_keeper.h"
#include "model/recovery_store.h"

TSessionCommands::TSessionCommands(TPeriodData& period, TDocumentCommands& documents,
                                   TPromptsInterface& prompts, const TMessageBundle& bundle,
                                   THooks hooks)
    : period_(period),
      documents_(documents),
      prompts_(prompts),
      bundle_(bundle),
      hooks_(std::move(hooks)),
      recent_(std::make_unique<TRecentFiles>(std::string())),
      hints_(std::make_unique<TPopupHints>(std::string())),
      // what the window starts with is the work nothing needs to be asked about
      keeper_(std::make_unique<TRecoveryKeeper>()) {
    keeper_->markSaved(documentText(period_));
}

TSessionCommands::~TSessionCommands() {
    end();
}

bool TSessionCommands::keepIn(const std::string& settingsFolder,
                              const std::string& recoveryFolder) {
    recent_ = std::make_unique<TRecentFiles>(
        settingsFolder.empty() ? std::string() : settingsFolder + "recent-files");
    hints_ = std::make_unique<TPopupHints>(settingsFolder.empty() ? std::string()
                                                                  : settingsFolder + "dad-hints");
    keeper_.reset();
    if (store_ != nullptr)
        store_->end();
    store_.reset();
    // without a place to keep work, the keeper still knows whether the work is saved
    keeper_ = std::make_unique<TRecoveryKeeper>();
    keeper_->markSaved(documentText(period_));
    if (recoveryFolder.empty())
        return false;
    store_ = std::make_unique<TRecoveryStore>(recoveryFolder);
    if (!store_->begin()) {
        std::fprintf(stderr, "cannot keep unsaved work in %s\n", recoveryFolder.c_str());
        store_.reset();
        return false;
    }
    keeper_ = std::make_unique<TRecoveryKeeper>(*store_);
    keeper_->markSaved(documentText(period_));
    return true;
}

void TSessionCommands::end() {
    keeper_.reset();
    if (store_ != nullptr)
        store_->end();
}

TRecentMenu TSessionCommands::recentMenu(const std::string& home) {
    TRecentMenu menu;
    for (const std::string& m : recent_->dropMissing())
        menu.missing.push_back(std::filesystem::path(m).filename().string());
    const std::vector<std::string>& entries = recent_->entries();
    for (size_t i = 0; i < entries.size(); ++i)
        menu.entries.push_back({recentFileLabel(entries, i, home), entries[i]});
    return menu;
}

void TSessionCommands::openRecent(const std::string& path) {
    hooks_.stop();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        // the composition on the screen stays: a failed open would replace it
        recent_->remove(path);
        prompts_.showMessage(bundle_.text("error"),
                             bundle_.text("the file") + "\n" + path +
                                 "\ncan no longer be found. It is taken off the list of recent "
                                 "documents.");
        return;
    }
    if (settleUnsavedWork())
        documents_.openUsedDocument(path);
}

void TSessionCommands::markSaved() {
    if (keeper_ != nullptr)
        keeper_->markSaved(documentText(period_));
}

void TSessionCommands::keepWorkSafe() {
    if (keeper_ != nullptr)
        keeper_->update(documentText(period_), period_.name());
}

bool TSessionCommands::settleUnsavedWork() {
    hooks_.finishEditing();
    if (keeper_ == nullptr || !keeper_->unsaved(documentText(period_)))
        return true;
    hooks_.stop();
    const std::string name = period_.name() == "Untitled"
                                 ? period_.name()
                                 : std::filesystem::path(period_.name()).filename().string();
    switch (prompts_.askSaveChanges(
        bundle_.text("save changes caption"), bundle_.text("save changes") + name + "?",
        {bundle_.text("save changes save"), bundle_.text("save changes discard"),
         bundle_.text("save changes cancel")})) {
        case TSaveChangesAnswer::SAVE:
            return documents_.save();
        case TSaveChangesAnswer::DISCARD:
            return true;
        case TSaveChangesAnswer::CANCEL:
            return false;
    }
    return false;
}

void TSessionCommands::offerRecovery() {
    if (keeper_ == nullptr || store_ == nullptr)
        return;
    const std::vector<TLeftBehindWork> works = store_->leftBehind();
    if (works.empty())
        return;
    // the newest only: one question per start; an older one waits for the next
    const TLeftBehindWork& work = works.front();
    char changed[64] = "";
    std::tm local{};
    if (localtime_r(&work.changed, &local) != nullptr)
        std::strftime(changed, sizeof changed, "%Y-%m-%d %H:%M", &local);
    const std::string text =
        "Motivica was not closed normally, and the composition it was editing had not been "
        "saved. It was kept safe:\n\n" +
        work.name + "\nlast changed " + changed + "\n\nRestore it?";
    hooks_.stop();
    switch (prompts_.askRecovery("Unsaved Work", text)) {
        case TRecoveryAnswer::RESTORE:
            if (!documents_.restoreDocument(work.document, work.name)) {
                prompts_.showMessage(
                    bundle_.text("error"),
                    "The kept composition cannot be read. It stays in\n" + work.file);
                return;
            }
            // this run keeps it from now on; only then does the earlier run's copy go
            if (keeper_->update(documentText(period_), period_.name()))
                TRecoveryStore::discard(work);
            return;
        case TRecoveryAnswer::DISCARD:
            TRecoveryStore::discard(work);
            return;
        case TRecoveryAnswer::LATER:
            return;
    }
}
