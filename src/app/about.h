#pragma once

#include <QDialog>

class QPushButton;
class TBaseActionInterface;
class TLinkLabel;
class TMessageBundle;

// The About dialog: the program's name and version, and a link that opens the home page
// through the window's commands.
class TAbout : public QDialog {
    Q_OBJECT

  public:
    TAbout(QWidget* parent, const TMessageBundle& bundle, TBaseActionInterface& actions);

  private:
    TBaseActionInterface& actions_;
    TLinkLabel* homePageLink_;
    QPushButton* okButton_;
};
