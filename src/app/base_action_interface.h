#pragma once

// The window's commands, for the dialogs and help code that run one of them (the About dialog's
// link runs the home page). Each behaves exactly as its menu entry or toolbar button.
class TBaseActionInterface {
  public:
    virtual ~TBaseActionInterface() = default;

    virtual void newAction() = 0;
    virtual void saveAction() = 0;
    virtual void saveAsAction() = 0;
    virtual void openAction() = 0;
    virtual void exportAction() = 0;
    virtual void playAllAction() = 0;
    virtual void stopAction() = 0;
    virtual void midiDevicesAction() = 0;
    virtual void aboutAction() = 0;
    virtual void showMainWindow() = 0;
    virtual void openHomePage() = 0;
};
