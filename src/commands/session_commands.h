#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDocumentCommands;
class TMessageBundle;
class TPeriodData;
class TPopupHints;
class TPromptsInterface;
class TRecentFiles;
class TRecoveryKeeper;
class TRecoveryStore;

// What the File menu's list of recent documents shows.
struct TRecentMenu {
    struct TEntry {
        std::string label;
        std::string path;
        bool operator==(const TEntry&) const = default;
    };
    std::vector<TEntry> entries;
    // The file names of documents no longer found, taken off the list as it was made.
    std::vector<std::string> missing;
};

// What a run keeps of the user's session beside the documents: the recent documents, the
// popup's hint choice and the unsaved composition kept safe, with the commands on them (opening a
// recent document, the question about unsaved changes and the offer of work a run left behind).
class TSessionCommands {
  public:
    struct THooks {
        std::function<void()> stop;
        // Ends the edit in progress, keeping what it entered.
        std::function<void()> finishEditing;
    };

    TSessionCommands(TPeriodData& period, TDocumentCommands& documents, TPromptsInterface& prompts,
                     const TMessageBundle& bundle, THooks hooks);
    ~TSessionCommands();

    // Keeps the recent documents and the hint choice in `settingsFolder`, and the unsaved
    // composition in `recoveryFolder`, from now on; an empty folder keeps them for this run only,
    // or the composition not at all. True when the composition is kept safe.
    bool keepIn(const std::string& settingsFolder, const std::string& recoveryFolder);
    // A normal end: nothing is left to recover, and nothing more is asked.
    void end();

    TRecentFiles& recent() { return *recent_; }
    TPopupHints& hints() { return *hints_; }
    const TRecoveryStore* recoveryStore() const { return store_.get(); }

    // The recent documents as the menu lists them, documents no longer found taken off.
    TRecentMenu recentMenu(const std::string& home);
    // Opens a recent document once unsaved work is settled; one no longer found is taken off
    // the list with a word, and the composition on the screen stays.
    void openRecent(const std::string& path);

    // The composition as it stands is what its file holds, or what a command made.
    void markSaved();
    // Keeps the composition safe when it has changes no file holds.
    void keepWorkSafe();
    // Asks whether to save changes no file holds; true when the command may go on.
    bool settleUnsavedWork();
    // Asks once about the newest composition a run that did not close normally left behind.
    void offerRecovery();

  private:
    TPeriodData& period_;
    TDocumentCommands& documents_;
    TPromptsInterface& prompts_;
    const TMessageBundle& bundle_;
    THooks hooks_;
    std::unique_ptr<TRecentFiles> recent_;
    std::unique_ptr<TPopupHints> hints_;
    std::unique_ptr<TRecoveryStore> store_;
    std::unique_ptr<TRecoveryKeeper> keeper_;
};
