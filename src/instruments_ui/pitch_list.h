#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "playback/pitch_chooser.h"

class QListWidget;
class QPushButton;
class TInstrumentSet;
class TPitchSelectionListener;

// The instrument chooser: a list of the catalogue's categories and a list of the chosen
// category's entries. Holding the left button on an entry lets it be heard through the
// listener. OK is enabled while both lists have a selection. The caller sets the caption.
class TPitchList : public QDialog {
    Q_OBJECT

  public:
    // The catalogue must outlive the dialog.
    TPitchList(QWidget* parent, const TInstrumentSet& catalogue);

    void setListener(TPitchSelectionListener* listener) { chooser_.setListener(listener); }
    // Shows the category and the entry `number` stands for, or nothing selected.
    void preselect(int32_t number);
    // The number chosen; none while a list has no selection.
    std::optional<int64_t> result() const { return chooser_.result(); }

    QListWidget* categoryList() const { return categoryList_; }
    QListWidget* instrumentList() const { return instrumentList_; }
    QPushButton* okButton() const { return okButton_; }

    // A press still held when the dialog closes ends with it.
    void done(int result) override;

  private:
    void showEntries();
    void showSelection();
    void categoryClicked();
    void entrySelected();

    TPitchChooser chooser_;
    QListWidget* categoryList_;
    QListWidget* instrumentList_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
