#pragma once

#include <optional>
#include <string>

#include "playback/midi_device_list.h"
#include "templates/new_dialog_result.h"

class TBaseActionInterface;

// Everything the window asks of the user goes through here, so that its commands run the same
// with real dialogs on a screen and with scripted answers in tests.
class TPromptsInterface {
  public:
    virtual ~TPromptsInterface() = default;

    // A message box with one OK button.
    virtual void showMessage(const std::string& caption, const std::string& text) = 0;
    // An OK/Cancel box; true on OK.
    virtual bool confirm(const std::string& caption, const std::string& text) = 0;
    // The file dialogs, opened on `folder` with a filter "Label|pattern|Label|pattern...";
    // a name typed without extension gets `extension`. Nothing when the user cancels.
    virtual std::optional<std::string> openFileName(const std::string& folder,
                                                    const std::string& extension,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& folder,
                                                    const std::string& extension,
                                                    const std::string& filter) = 0;

    // The new-composition dialog; nothing on Cancel.
    virtual std::optional<TNewDialogResult> newComposition() = 0;
    // The device dialog filled as `devices` says; the chosen index, nothing on Cancel.
    virtual std::optional<int> chooseMidiDevice(const TMidiDeviceList& devices) = 0;
    // The About dialog, whose link runs the home page command of `actions`.
    virtual void showAbout(TBaseActionInterface& actions) = 0;
};
