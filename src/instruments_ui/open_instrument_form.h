#pragma once

#include <QDialog>
#include <string>

#include "playback/instr_conf_list.h"

class QComboBox;
class QPushButton;
class TInstrPromptsInterface;
class TMessageBundle;

// The dialog in which the user picks a stored set of instruments to open. OK without a choice
// is told and the dialog stays open.
class TOpenInstrumentForm : public QDialog {
    Q_OBJECT

  public:
    TOpenInstrumentForm(QWidget* parent, const TMessageBundle& bundle,
                        TInstrPromptsInterface& prompts, TInstrConfList existing);

    // The name chosen when OK closed the dialog.
    const std::string& chosenName() const { return chosen_; }
    QComboBox* existsList() const { return existsList_; }

    void accept() override;

  private:
    const TMessageBundle& bundle_;
    TInstrPromptsInterface& prompts_;
    TInstrConfList existing_;
    QComboBox* existsList_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    std::string chosen_;
};
