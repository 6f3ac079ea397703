#pragma once

#include <QString>

#include "app/name_only_icon_provider.h"
#include "commands/prompts_interface.h"

class QWidget;
class TMessageBundle;

// The prompts as real dialogs: message boxes, the program's own dialogs and the desktop's file
// dialogs, over `parent` or over the modal dialog that asks.
class TDialogPrompts : public TPromptsInterface {
  public:
    TDialogPrompts(QWidget* parent, const TMessageBundle& bundle)
        : parent_(parent), bundle_(bundle) {}

    void showMessage(const std::string& caption, const std::string& text) override;
    void showReport(const std::string& caption, const std::string& text) override;
    bool confirm(const std::string& caption, const std::string& text) override;
    std::optional<std::string> openFileName(const std::string& folder, const std::string& extension,
                                            const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& folder, const std::string& extension,
                                            const std::string& filter) override;
    std::optional<TNewDialogResult> newComposition() override;
    std::optional<int> chooseMidiDevice(const TMidiDeviceList& devices) override;
    void showAbout(TBaseActionInterface& actions) override;
    TRecoveryAnswer askRecovery(const std::string& caption, const std::string& text) override;
    TSaveChangesAnswer askSaveChanges(const std::string& caption, const std::string& text,
                                      const std::array<std::string, 3>& buttons) override;
    bool editInstrumentSet(TInstrForm& editor) override;
    std::unique_ptr<TProgressPrompt> showProgress(const std::string& caption,
                                                  const std::string& text) override;
    std::optional<int64_t> choosePitch(const std::string& caption, const TInstrumentSet& catalogue,
                                       int32_t number, TPitchSelectionListener& previews) override;
    std::optional<int32_t> chooseVolume(const std::string& caption, int32_t volume) override;
    std::optional<std::string> newInstrumentSetName(const TInstrConfList& existing) override;
    std::optional<std::string> openInstrumentSetName(const TInstrConfList& existing) override;

  private:
    // The file dialog, opening or saving; an empty name when cancelled.
    QString askFileName(const std::string& folder, const std::string& filter, bool saving);
    // The dialog a new box or dialog goes over: the modal one open (the instrument-set editor,
    // a dialog validating its input), else the window.
    QWidget* over() const;

    QWidget* parent_;
    const TMessageBundle& bundle_;
    TNameOnlyIconProvider icons_;
};

// "Compositions|*.tnr|All files|*" as a Qt name filter list: "Compositions (*.tnr);;All files (*)".
std::string qtNameFilters(const std::string& filter);
