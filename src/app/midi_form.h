#pragma once

#include <QDialog>

#include "playback/midi_device_list.h"

class QComboBox;
class QPushButton;
class TMessageBundle;
class TPromptsInterface;

// The dialog in which the user picks the MIDI output device by name. It shows a device list
// already filled (listMidiDevices), with its preselection.
class TMidiForm : public QDialog {
    Q_OBJECT

  public:
    TMidiForm(QWidget* parent, const TMessageBundle& bundle, TMidiDeviceList devices);

    // Tells what went wrong while the list was filled, if anything, then shows the dialog
    // modally; returns the chosen device index, or -1 for none.
    int chooseDevice(TPromptsInterface& prompts);
    // The device index chosen when the dialog closed: -1 after Cancel or without a selection.
    int chosenDevice() const;

  private:
    const TMessageBundle& bundle_;
    TMidiDeviceList devices_;
    QComboBox* deviceList_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
