#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "commands/instr_prompts_interface.h"
#include "playback/midi_device_list.h"
#include "templates/new_dialog_result.h"

class TBaseActionInterface;

// A window that shows how far a long task is and lets the user stop it; it goes with the object.
class TProgressPrompt {
  public:
    virtual ~TProgressPrompt() = default;
    // The task is this far (0 to 1); false once the user asked to stop.
    virtual bool advance(double fraction) = 0;
};
class TInstrForm;

// The answers to the question about work an earlier run left behind.
enum class TRecoveryAnswer {
    RESTORE,  // bring it back
    DISCARD,  // throw it away
    LATER,    // the question was closed: keep it and ask at the next start
};

// The answers to the question about changes not yet saved.
enum class TSaveChangesAnswer {
    SAVE,     // save them, then go on
    DISCARD,  // go on without them
    CANCEL,   // change nothing
};

// Everything the window asks of the user goes through here, so that its commands run the same
// with real dialogs on a screen and with scripted answers in tests. The message boxes and the
// instrument-set dialogs are those the instrument-set editor asks through as well.
class TPromptsInterface : public TInstrPromptsInterface {
  public:
    // The file dialogs, opened on `folder` with a filter "Label|pattern|Label|pattern...";
    // a name typed without extension gets `extension`. Nothing when the user cancels.
    virtual std::optional<std::string> openFileName(const std::string& folder,
                                                    const std::string& extension,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& folder,
                                                    const std::string& extension,
                                                    const std::string& filter) = 0;

    // A report to read, not a warning (what an import changed); shown as a message unless the
    // prompts have a plainer box for it.
    virtual void showReport(const std::string& caption, const std::string& text) {
        showMessage(caption, text);
    }

    // The new-composition dialog; nothing on Cancel.
    virtual std::optional<TNewDialogResult> newComposition() = 0;
    // The device dialog filled as `devices` says; the chosen index, nothing on Cancel.
    virtual std::optional<int> chooseMidiDevice(const TMidiDeviceList& devices) = 0;
    // The About dialog, whose link runs the home page command of `actions`.
    virtual void showAbout(TBaseActionInterface& actions) = 0;
    // A progress window for a long task, shown until the returned object goes.
    virtual std::unique_ptr<TProgressPrompt> showProgress(const std::string& caption,
                                                          const std::string& text) = 0;
    // Asks whether the work of a run that did not close normally comes back.
    virtual TRecoveryAnswer askRecovery(const std::string& caption, const std::string& text) = 0;
    // Asks whether changes not yet saved are saved before the composition goes; the buttons
    // are named Save, Discard and Cancel as `buttons` says, in that order.
    virtual TSaveChangesAnswer askSaveChanges(const std::string& caption, const std::string& text,
                                              const std::array<std::string, 3>& buttons) = 0;
    // Shows the instrument-set editor modally; true when it closed with OK.
    virtual bool editInstrumentSet(TInstrForm& editor) = 0;
};
