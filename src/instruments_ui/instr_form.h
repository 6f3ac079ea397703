#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "model/motive.h"
#include "playback/instrument_conf.h"
#include "playback/instrument_editing.h"
#include "playback/instrument_set.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QMenuBar;
class TBaseService;
class TButtonListener;
class TInstrPromptsInterface;
class TMessageBundle;
class TPitchNameController;
class TPlayPanel;
class TPlayer;
class TUMotiveCanvas;
class TVolumeController;
class TMuteController;

// The instrument-set editor. It edits the window's current set in place: every change is shown
// in its cells and sent to the output at once, so that the user hears it; what is not saved is
// dropped when the window reloads its configured set afterwards. It names the programs and drum
// keys from the two catalogues, and offers a test motive on a canvas of its own to try the set.
class TInstrForm : public QDialog, public TInstrConfListener {
    Q_OBJECT

  public:
    // `set` is the window's current set; the editor becomes its listener for its lifetime.
    // The catalogues are read from `base` once, here.
    TInstrForm(QWidget* parent, TBaseService& host, TInstrumentConf& set, std::string editedSetName,
               std::string base, TInstrPromptsInterface& prompts);
    ~TInstrForm() override;

    const std::string& editedSetName() const { return editedSetName_; }

    // TInstrConfListener: shows the set and puts it on the output.
    void instrumentConfChanged() override;

    // The commands of the File menu, the toolbar and the buttons.
    void newSet();
    void openSet();
    void saveSet();
    void saveSetAs();
    // Writes the set under its name and closes with OK when that succeeded.
    void okAction();
    void cancelAction() { reject(); }
    // Queues the test motive after whatever plays.
    void playTest();

    // What the cells' controllers use.
    TInstrumentConf& set() { return set_; }
    TPlayer& player();
    const TMessageBundle& bundle();
    TInstrPromptsInterface& prompts() { return prompts_; }
    const TInstrumentSet& catalogue(TCatalogueKind kind) const;
    void stopPlaying();
    // Puts the whole set on the output.
    void applySet();

    // The cells, by the field they show.
    QAbstractButton* instrumentButton(TInstrumentNumber field) const;
    QAbstractButton* volumeButton(TInstrumentNumber field) const;
    QCheckBox* muteBox(TInstrumentMute field) const;
    QString instrumentText(TInstrumentNumber field) const;
    QString volumeText(TInstrumentNumber field) const;
    TUMotiveCanvas* testCanvas() const { return testCanvas_; }
    TPlayPanel* playButton() const { return playButton_; }
    const TMotive& testMotive() const { return testMotive_; }

    // Esc, the window's close box and Cancel.
    void reject() override;

  private:
    struct TPitchRow {
        std::unique_ptr<TPitchNameController> controller;
        QLabel* cell = nullptr;
        QAbstractButton* button = nullptr;
    };
    struct TVolumeRow {
        std::unique_ptr<TVolumeController> controller;
        QLabel* cell = nullptr;
        QAbstractButton* button = nullptr;
    };
    struct TMuteRow {
        std::unique_ptr<TMuteController> controller;
        QCheckBox* box = nullptr;
    };

    void createMenuAndToolbar();
    QWidget* createCells(QWidget* parent);
    QWidget* createTestGroup(QWidget* parent);
    void addPitchCell(QWidget* group, int y, const TPitchCellDesign& design);
    void addVolumeCell(QWidget* group, int y, const TVolumeCellDesign& design);
    void addMuteCell(QWidget* group, int y, TInstrumentMute field, const std::string& name);
    void refresh();
    // Writes the set under `name`; tells the user when that fails.
    bool writeSet(const std::string& name);

    TBaseService& host_;
    TInstrumentConf& set_;
    std::string editedSetName_;
    std::string base_;
    TInstrPromptsInterface& prompts_;
    TInstrumentSet instruments_;
    TInstrumentSet drums_;
    // C major, 2/4, no anacrusis, no notes: an empty measure to try the set on
    TMotive testMotive_;

    QMenuBar* menuBar_ = nullptr;
    std::vector<TPitchRow> pitchRows_;
    std::vector<TVolumeRow> volumeRows_;
    std::vector<TMuteRow> muteRows_;
    TUMotiveCanvas* testCanvas_ = nullptr;
    TPlayPanel* playButton_ = nullptr;
    std::unique_ptr<TButtonListener> playListener_;
};
