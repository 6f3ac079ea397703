#pragma once

#include "app/prompts_interface.h"

class QWidget;
class TMessageBundle;

// The prompts as real dialogs: message boxes and the desktop's file dialogs, over `parent`.
class TDialogPrompts : public TPromptsInterface {
  public:
    TDialogPrompts(QWidget* parent, const TMessageBundle& bundle)
        : parent_(parent), bundle_(bundle) {}

    void showMessage(const std::string& caption, const std::string& text) override;
    bool confirm(const std::string& caption, const std::string& text) override;
    std::optional<std::string> openFileName(const std::string& folder, const std::string& extension,
                                            const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& folder, const std::string& extension,
                                            const std::string& filter) override;
    std::optional<TNewDialogResult> newComposition() override;
    std::optional<int> chooseMidiDevice(const TMidiDeviceList& devices) override;
    void showAbout(TBaseActionInterface& actions) override;

  private:
    QWidget* parent_;
    const TMessageBundle& bundle_;
};

// "(*.tnr)|*.tnr|Any file|*.*" as a Qt name filter list: "(*.tnr) (*.tnr);;Any file (*.*)".
std::string qtNameFilters(const std::string& filter);
