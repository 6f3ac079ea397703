#pragma once

#include <QDialog>
#include <string>

#include "playback/instr_conf_list.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class TInstrPromptsInterface;
class TMessageBundle;

// The dialog in which the user names a new set of instruments, beside the list of the stored
// sets. OK refuses an empty name and a name no file can carry, and asks before a stored set is
// replaced.
class TNewInstrForm : public QDialog {
    Q_OBJECT

  public:
    TNewInstrForm(QWidget* parent, const TMessageBundle& bundle, TInstrPromptsInterface& prompts,
                  TInstrConfList existing);

    // The name accepted by OK: as typed, or the stored set's own spelling when it replaces one.
    const std::string& acceptedName() const { return accepted_; }
    QLineEdit* newName() const { return newName_; }
    QListWidget* existingList() const { return existingList_; }

    void accept() override;

  private:
    const TMessageBundle& bundle_;
    TInstrPromptsInterface& prompts_;
    TInstrConfList existing_;
    QLineEdit* newName_;
    QListWidget* existingList_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    std::string accepted_;
};
