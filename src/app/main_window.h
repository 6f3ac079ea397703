#pragma once

#include <QMainWindow>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "app/base_action_interface.h"
#include "app/base_service.h"
#include "app/button_group_panel.h"
#include "app/demonstration_window.h"
#include "app/period_panel.h"
#include "app/relay.h"
#include "commands/device_commands.h"
#include "commands/instrument_set_commands.h"
#include "commands/prompts_interface.h"
#include "commands/session_commands.h"
#include "editing/variant_view.h"
#include "help/eng_message_bundle.h"
#include "model/config.h"
#include "model/period_data.h"
#include "model/xml_document.h"
#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "templates/temp_panel_listener.h"

class QComboBox;
class QMenu;
class QSlider;
class QTimer;
class QAction;
class TPopupHints;
class TRecentFiles;
class TRecoveryStore;
class QToolButton;
class TAudioExport;
class TDadWindow;
class TDemonstration;
class TScriptRecorder;
class TEffectMotivePanel;
class TMotivePanelChooserGroup;
class TRawPanel;
class TStepForm;
class TTheoryForm;
class TDocumentCommands;
class TInstrumentCommands;
class TRelayAuditionTimer;
class TMidiDevicesInterface;
class TNavigationTree;
class TNotePainter;
class TPlayer;
class TScheme;
class TTempPanel;

// The one top-level window: it owns the composition, the scheme, the MIDI output, the motive
// player, the texts, the configuration and the instrument set, creates every panel that shows
// them, and wires the commands. The commands' bodies live in their own classes.
class TMainWindow : public QMainWindow,
                    public TBaseService,
                    public TPeriodPanelScrollerListener,
                    public TPeriodDataListener,
                    public TTempPanelListener,
                    public TBaseActionInterface,
                    public TDemonstrationWindow,
                    public TMotivePlayerStopListener,
                    public TRelayListener,
                    public TButtonGroupListener,
                    public TVariantViewHost {
    Q_OBJECT

  public:
    static constexpr int CLIENT_WIDTH = 1016;
    static constexpr int CLIENT_HEIGHT = 641;

    // Without prompts the window asks with real dialogs; without devices it opens the machine's
    // (the built-in synthesizer first). `base` is the folder every data file lives in.
    TMainWindow(std::string base, std::unique_ptr<TPromptsInterface> prompts = nullptr,
                TMidiDevicesInterface* devices = nullptr);
    ~TMainWindow() override;

    // TBaseService
    TPlayer& player() override { return *player_; }
    TMotivePlayer& motivePlayer() override { return *motivePlayer_; }
    void stopPlaying() override { stopAction(); }
    TMotiveAndListenerPair previousPair(const TMotive& motive) override;
    TColorPanelListener& popup() override { return *variantView_; }
    void playMotive(const TMotive& motive, TMotivePlayerListener* listener) override;
    TScheme& scheme() override { return *scheme_; }
    const TMessageBundle& bundle() override { return bundle_; }
    TPeriodData& period() override { return period_; }
    TRelay& relay() override { return *relay_; }
    bool popupShown() override;
    size_t motiveCount() override;
    int32_t dadCursorDelay() override;
    const TInstrumentConf& instrumentSet() override { return instruments_; }
    TNotePainter& notePainter() override { return *notePainter_; }
    TPointerControl& pointerControl() override { return *pointer_; }
    bool pointerIsDrawn() override { return pointerDrawn_; }
    int32_t popupWidth() override;
    void setEditingCanvas(TUMotiveCanvas* canvas) override { editingCanvas_ = canvas; }
    void setFreeStandingCanvas(TUMotiveCanvas* canvas) override { freeCanvas_ = canvas; }
    TUMotiveCanvas* freeStandingCanvas() const { return freeCanvas_; }

    // "New Set of Instruments" and "Instruments...": the instrument-set editor on a new set or
    // on the configured one.
    void newInstrumentSetAction();
    void modifyInstrumentSetAction();

    // TVariantViewHost
    TMidiOutputInterface& audition() override;
    int32_t drumVoice() override { return instruments_.drumVoice(); }
    int32_t upBeatDrumVoice() override { return instruments_.upBeatDrumVoice(); }
    std::string text(const std::string& key) override { return bundle_.text(key); }

    TDadWindow* dadWindow() override { return dadWindow_; }
    // The development panel of a chooser index (0..12), and the one shown.
    TEffectMotivePanel* developmentPanel(int wayIndex) override;
    TMotivePanelChooserGroup& panelChoosers() override { return *choosers_; }
    void showDevelopmentPanel(int wayIndex);
    // Shows the panel and hands it the motive, as a drop on its chooser does.
    void showDevelopmentPanelWithMotive(int wayIndex, const TMotive& motive) override;
    void stopPlayback() override { stopAction(); }
    void scrollToMotive(size_t k) override;
    // The step-by-step tutorial and the theory page (Help menu).
    void stepHelpAction();
    void theoryHelpAction();
    TStepForm* stepForm() const { return stepForm_; }
    TTheoryForm* theoryForm() const { return theoryForm_; }
    // The folder the help windows read their pages from (the program's data by default).
    void setHelpFolder(const std::string& folder) { helpFolder_ = folder; }
    const std::string& baseFolder() const { return base_; }
    TPromptsInterface& prompts() override { return *prompts_; }
    // Demonstrations 1 to 4 of the Demo menu; the one running, or null.
    void demonstrationAction(int number);
    TDemonstration* demonstration() const { return demonstration_; }
    // Tests run the demonstrations with shorter waits.
    void setDemonstrationStepDelay(std::chrono::milliseconds delay) {
        demonstrationStepDelay_ = delay;
    }
    void pointerMovedWhilePressed(TScreenPoint p) override;
    // The variant panes of the development panels, in the panels' creation order.
    const std::vector<TRawPanel*>& relayList() const { return relayList_; }
    TVariantView& variantView() override { return *variantView_; }
    // Ends the press that drives the popup, keeping what it entered.
    void finishEditing() override;

    // TBaseActionInterface
    void newAction() override;
    void saveAction() override;
    void saveAsAction() override;
    void openAction() override;
    void exportAction() override;
    // File > Import...: a melody from a MusicXML score or a MIDI file as a new composition, after
    // asking about unsaved work as New does.
    void importAction();
    // File > Export to audio, and the export object it runs (tests use it with a soundfont).
    void exportAudioAction();
    TAudioExport audioExport();
    void playAllAction() override;
    void stopAction() override;
    void midiDevicesAction() override;
    void aboutAction() override;
    void showMainWindow() override;
    void openHomePage() override;

    // TForHelpService
    std::vector<TUMotiveSet*> motiveSets() override;
    bool saveComposition(const std::string& path) override { return saveDocument(path); }
    bool openComposition(const std::string& path) override { return openDocument(path); }
    QWidget* ownerForm() override { return this; }
    TXmlDocument& xmlDocument() override { return xml_; }
    void enableInput(bool enabled) override;
    void enableWindow(bool enabled) override { setEnabled(enabled); }
    void awaitPlaybackEnd() override { playingAll_ = true; }
    // Also true when nothing plays at all, so that a wait for an end that came first, or for
    // playback that never started, does not last for ever.
    bool playbackEnded() override { return !playingAll_ || !motivePlayer_->playing(); }
    QWidget* phraseControl(size_t k) override;
    void placeAtTopLeft(QWidget* control) override;
    void placeAtTopRight(QWidget* control) override;
    void placeClearOfMotive(QWidget* window, size_t k) override;
    void scrollToElement(size_t k) override;
    void playPeriod() override { playAllAction(); }
    void playMotive(size_t k) override;
    void playSentence(size_t k) override;
    void playPhrase(size_t k) override;

    // Opens a document as the Open command does once a file is chosen.
    bool openDocument(const std::string& path);
    // Opens a document the user named outside the Open dialog (a recent one, one a file manager
    // handed over): it joins the recent documents.
    bool openUsedDocument(const std::string& path);

    // Where this run keeps the user's files beyond "config.xml": the recent documents in
    // `settingsFolder`, and the unsaved composition in `recoveryFolder`, from now on. An empty
    // folder keeps the recent documents for this run only, or the composition not at all.
    void keepSessionIn(const std::string& settingsFolder, const std::string& recoveryFolder);
    // Shows or hides the popup's hint line, and keeps the choice.
    void showPopupHints(bool shown);
    // Asks once about the composition a run that did not close normally left behind.
    void offerRecovery();
    // Keeps the composition safe when it has changes no file holds; the window does so every
    // few seconds, but never in the middle of an edit or during a demonstration.
    void keepWorkSafe();
    static constexpr int RECOVERY_INTERVAL_MS = 2000;
    TRecentFiles& recentFiles() { return session_->recent(); }
    const TRecoveryStore* recoveryStore() const { return session_->recoveryStore(); }
    // File > Open Recent, filled as it opens.
    QMenu* recentMenu() const { return recentMenu_; }
    bool saveDocument(const std::string& path);

    TPeriodPanel* periodPanel() const { return periodPanel_; }
    TNavigationTree* navigationTree() const { return navigationTree_; }
    TTempPanel* tempPanel() const { return tempPanel_; }
    QSlider* cursorDelayTrackBar() const { return cursorDelayTrackBar_; }
    QComboBox* instrList() const { return instrList_; }
    const TConfig& config() const { return *config_; }

    void periodPanelScrolled() override {}
    void periodChanged() override;
    void tempoChanged(int32_t tempo) override;
    void nameChanged(const std::string& name) override;
    void tempValueChanged(int32_t value) override;
    // On the timer thread at the natural end of playback: only clears the flag.
    void onPlayStopped() override { playingAll_ = false; }
    void relayNote(int32_t canvasId, int32_t variantTag, int32_t noteIndex, bool started) override;
    void relayPlay(int32_t canvasId, bool started) override;
    void relayTimerStep() override;
    void groupButtonPressed(int group, int index) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createMenus();
    void createPopup();
    void createDevelopmentPanels();
    void createHelpButtons(QWidget* column);
    QWidget* createTopRow(QWidget* parent);
    void showInstrumentSets(const TInstrumentSetList& list);
    void loadInstrumentSetAtStart();
    void instrListChange(int index);
    void deleteInstrumentSet();
    void cursorDelayTrackBarChange(int position);
    void chooseFirstChords();
    void releasePeriodPanel();
    bool writeMidiFile(const std::string& path);
    void shutDown();
    // Asks about changes not yet saved before the composition goes; true when the command may
    // go on (nothing unsaved, saved now, or the user let the changes go).
    bool settleUnsavedWork();
    void fillRecentMenu();
    void compositionSettled();

    std::string base_;
    TEngMessageBundle bundle_;
    std::unique_ptr<TPromptsInterface> prompts_;
    TPeriodData period_;
    std::unique_ptr<TScheme> scheme_;
    std::unique_ptr<TPlayer> player_;
    TInstrumentConf instruments_;
    std::unique_ptr<TMotivePlayer> motivePlayer_;
    std::unique_ptr<TConfig> config_;
    std::unique_ptr<TNotePainter> notePainter_;
    TXmlDocument xml_;
    std::unique_ptr<TDocumentCommands> documents_;
    std::unique_ptr<TInstrumentCommands> instrumentCommands_;
    std::unique_ptr<TSessionCommands> session_;
    std::unique_ptr<TDeviceCommands> devices_;
    std::unique_ptr<TInstrumentSetCommands> instrumentSets_;
    QAction* hintsAction_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QTimer* recoveryTimer_ = nullptr;
    bool shutDown_ = false;
    std::atomic<bool> playingAll_{false};

    TRelay* relay_ = nullptr;
    QWidget* client_ = nullptr;
    QSlider* cursorDelayTrackBar_ = nullptr;
    QComboBox* instrList_ = nullptr;
    QToolButton* deleteInstrButton_ = nullptr;
    TTempPanel* tempPanel_ = nullptr;
    TButtonGroupPanel* notesGroup_ = nullptr;
    TButtonGroupPanel* rhythmGroup_ = nullptr;
    TButtonGroupPanel* chordGroup_ = nullptr;
    TNavigationTree* navigationTree_ = nullptr;
    TPeriodPanel* periodPanel_ = nullptr;

    // The DAD popup: its window, the pointer it confines, its tick and its logic.
    TDadWindow* dadWindow_ = nullptr;
    std::unique_ptr<TPointerControl> pointer_;
    bool pointerDrawn_ = false;
    std::unique_ptr<TRelayAuditionTimer> auditionTimer_;
    std::unique_ptr<TVariantView> variantView_;
    TUMotiveCanvas* editingCanvas_ = nullptr;
    // the instrument-set editor's test canvas while the editor exists
    TUMotiveCanvas* freeCanvas_ = nullptr;

    // The development panels by chooser index, their choosers and their panes.
    std::vector<TEffectMotivePanel*> developmentPanels_;
    std::unique_ptr<TMotivePanelChooserGroup> choosers_;
    std::vector<TRawPanel*> relayList_;

    // The help windows, made at their first use, and the folder of their pages.
    TStepForm* stepForm_ = nullptr;
    TTheoryForm* theoryForm_ = nullptr;
    std::string helpFolder_;

    TDemonstration* demonstration_ = nullptr;
    std::optional<std::chrono::milliseconds> demonstrationStepDelay_;
    TScriptRecorder* recorder_ = nullptr;
};
