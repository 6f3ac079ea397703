#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <stdexcept>

#include "app/audition_timer.h"
#include "app/dad_window.h"
#include "app/demonstration.h"
#include "app/dialog_prompts.h"
#include "app/instrument_commands.h"
#include "app/motive_panels.h"
#include "app/navigation_tree.h"
#include "app/panel_chooser.h"
#include "app/panel_chooser_group.h"
#include "app/pointer_controls.h"
#include "app/raw_panel.h"
#include "app/script_recorder.h"
#include "app/step_form.h"
#include "app/temp_panel.h"
#include "app/theory_form.h"
#include "app/u_motive_canvas.h"
#include "app/variant_view_widget.h"
#include "commands/audio_export.h"
#include "commands/document_commands.h"
#include "commands/prompts_interface.h"
#include "editing/window_placement.h"
#include "generation/scheme.h"
#include "help/dynamic_help_thread.h"
#include "help/tutorial_steps.h"
#include "model/base_folder.h"
#include "model/popup_hints.h"
#include "model/recent_files.h"
#include "playback/apply_instrument_set.h"
#include "playback/midi_file_writer.h"
#include "playback/motive_player.h"
#include "playback/player.h"
#include "playback/relay_target.h"
#include "print/drawn_icon.h"
#include "print/note_painter.h"
#include "print/pdf_export.h"
#include "print/toolbar_icons.h"

namespace {

const QColor WINDOW_COLOR(212, 208, 200);
constexpr int TOP_ROW_HEIGHT = 38;
constexpr int LEFT_COLUMN_WIDTH = 214;
constexpr int HINT_MILLISECONDS = 10000;

}  // namespace

TMainWindow::TMainWindow(std::string base, std::unique_ptr<TPromptsInterface> prompts,
                         TMidiDevicesInterface* devices)
    : base_(std::move(base)), prompts_(std::move(prompts)) {
    // the help pages come with the program; without its data folder, the base folder's copies
    helpFolder_ = shippedDataFolder();
    helpFolder_ = helpFolder_.empty() ? base_ : helpFolder_ + "/";
    // what everything else is made with: the dialogs, the scheme, the output and its player,
    // the configuration
    if (!prompts_)
        prompts_ = std::make_unique<TDialogPrompts>(this, bundle_);
    scheme_ = std::make_unique<TScheme>();
    player_ =
        devices != nullptr ? std::make_unique<TPlayer>(*devices) : std::make_unique<TPlayer>();
    motivePlayer_ = std::make_unique<TMotivePlayer>(*player_, instruments_);
    config_ = std::make_unique<TConfig>(base_);
    // the measure bitmap all canvases paint into, one after another
    notePainter_ = std::make_unique<TNotePainter>();
    documents_ = std::make_unique<TDocumentCommands>(
        period_, *prompts_, bundle_, base_,
        TDocumentCommands::THooks{
            [this] { stopAction(); }, [this] { releasePeriodPanel(); },
            [this] { chooseFirstChords(); },
            [this](const std::string& path) { return writeMidiFile(path); },
            [this](const std::string& path) {
                // a demonstration's own documents are not the user's
                if (demonstration_ == nullptr && session_ != nullptr)
                    session_->recent().add(path);
            },
            [this] { compositionSettled(); },
            [this](const std::string& path, const std::string& word, bool blackHeads) {
                return writePeriodPdf(period_, path, {word, blackHeads});
            }});
    session_ = std::make_unique<TSessionCommands>(
        period_, *documents_, *prompts_, bundle_,
        TSessionCommands::THooks{[this] { stopAction(); }, [this] { finishEditing(); }});
    devices_ = std::make_unique<TDeviceCommands>(*player_, *config_, instruments_, *prompts_,
                                                 bundle_, [this] { stopAction(); });
    instrumentSets_ =
        std::make_unique<TInstrumentSetCommands>(instruments_, *config_, xml_, *player_, *prompts_,
                                                 bundle_, base_, [this] { stopAction(); });
    instrumentCommands_ =
        std::make_unique<TInstrumentCommands>(this, *this, instruments_, *config_, *prompts_, base_,
                                              [this] { loadInstrumentSetAtStart(); });

    setWindowTitle(QString::fromStdString(bundle_.text("program name") + period_.name()));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, WINDOW_COLOR);
    setPalette(palette);
    client_ = new QWidget(this);
    client_->setAutoFillBackground(true);
    client_->setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    setCentralWidget(client_);
    createMenus();

    // the configuration, written with the defaults when there is none
    std::error_code ignored;  // a folder that cannot be made shows up as files that cannot be read
    std::filesystem::create_directories(base_, ignored);
    if (!std::filesystem::exists(config_->path()))
        (void)config_->createDefaultConfig();
    (void)config_->loadConfig(xml_);

    // the configured MIDI device, or the one the user chooses when it does not open
    devices_->openAtStart();

    // the controls, then the default composition
    relay_ = new TRelay(this);
    relay_->setListener(this);
    createPopup();
    createDevelopmentPanels();
    QWidget* top = createTopRow(client_);
    top->setGeometry(0, 0, CLIENT_WIDTH, TOP_ROW_HEIGHT);

    // the instrument set and the cursor delay, now that their controls exist
    loadInstrumentSetAtStart();
    cursorDelayTrackBar_->setValue(config_->cursorDelay());
    connect(cursorDelayTrackBar_, &QSlider::valueChanged, this,
            [this](int position) { cursorDelayTrackBarChange(position); });
    connect(instrList_, &QComboBox::activated, this, [this](int index) { instrListChange(index); });

    auto* groups = new QWidget(client_);
    groups->setGeometry(4, TOP_ROW_HEIGHT + 4, LEFT_COLUMN_WIDTH - 8, 100);
    notesGroup_ = new TButtonGroupPanel(groups, TButtonGroupPanel::INSERT_NOTES, bundle_);
    rhythmGroup_ = new TButtonGroupPanel(groups, TButtonGroupPanel::RHYTHM, bundle_);
    chordGroup_ = new TButtonGroupPanel(groups, TButtonGroupPanel::CHORDS, bundle_);
    notesGroup_->move(0, 0);
    rhythmGroup_->move(0, 34);
    chordGroup_->move(0, 68);
    for (TButtonGroupPanel* group : {notesGroup_, rhythmGroup_, chordGroup_})
        group->setListener(this);
    createHelpButtons(groups);

    navigationTree_ = new TNavigationTree(client_);
    const int panelTop = CLIENT_HEIGHT - 229 - TPeriodPanel::SCROLL_BAR_HEIGHT;
    navigationTree_->setGeometry(4, TOP_ROW_HEIGHT + 108, LEFT_COLUMN_WIDTH - 8,
                                 panelTop - TOP_ROW_HEIGHT - 112);

    period_.setListener(this);
    TDocumentCommands::buildDefaultComposition(period_);

    // the variation panel in front, the instruments sounding, the first motive harmonised
    showDevelopmentPanel(1);
    applyInstrumentSet(instruments_, *player_);
    tempPanel_->setListener(this);
    motivePlayer_->setStopListener(this);
    chooseFirstChords();
    // what the window starts with is the work nothing needs to be asked about
    session_->markSaved();
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setInterval(RECOVERY_INTERVAL_MS);
    connect(recoveryTimer_, &QTimer::timeout, this, [this] { keepWorkSafe(); });
    // hints stay long enough to be read by someone learning the program
    for (QWidget* child : findChildren<QWidget*>())
        if (!child->toolTip().isEmpty())
            child->setToolTipDuration(HINT_MILLISECONDS);
}

TMainWindow::~TMainWindow() {
    shutDown();
}

void TMainWindow::shutDown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    // a demonstration still running gives the composition back before anything goes
    delete demonstration_;
    demonstration_ = nullptr;
    finishEditing();
    if (variantView_ != nullptr) {
        variantView_->close();
        variantView_->stopAudition();
    }
    // a normal close: nothing is left to recover
    if (recoveryTimer_ != nullptr)
        recoveryTimer_->stop();
    session_->end();
    // nothing may report to a window that is going away, and nothing may keep sounding
    motivePlayer_->stopAndDetach();
    player_->sendGeneralMidiReset();
    relay_->setListener(nullptr);
    period_.setListener(nullptr);
    // the widgets outlive the window's members; the canvases must not outlive the period
    releasePeriodPanel();
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    if (!shutDown_) {
        // a demonstration gives the user's composition back first: that is what is asked about
        delete demonstration_;
        demonstration_ = nullptr;
        if (!settleUnsavedWork()) {
            event->ignore();
            return;
        }
    }
    shutDown();
    event->accept();
}

bool TMainWindow::settleUnsavedWork() {
    return session_->settleUnsavedWork();
}

void TMainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("New", this, [this] { newAction(); })->setShortcut(QKeySequence::New);
    file->addAction("Open", this, [this] { openAction(); })->setShortcut(QKeySequence::Open);
    recentMenu_ = file->addMenu("Open Recent");
    recentMenu_->setToolTipsVisible(true);
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    QAction* save = file->addAction("Save", this, [this] { saveAction(); });
    save->setShortcut(QKeySequence("Ctrl+S"));
    file->addAction("Save As...", this, [this] { saveAsAction(); })
        ->setShortcut(QKeySequence("Ctrl+Shift+S"));
    // a melody from a notation program or a MIDI file, as a new composition
    file->addAction("Import...", this, [this] { importAction(); });
    file->addAction("Export to (*.mid)", this, [this] { exportAction(); });
    file->addAction("Export to MusicXML (*.musicxml)", this,
                    [this] { documents_->exportMusicXml(); });
    file->addAction("Export to audio (*.wav)", this, [this] { exportAudioAction(); });
    file->addAction("Export to PDF", this, [this] { documents_->exportPdf(); });
    file->addAction("Export to PDF, black note heads", this,
                    [this] { documents_->exportPdf(true); });
    file->addSeparator();
    // through the window's close, so that unsaved changes are asked about
    file->addAction("Quit", this, [this] { close(); })->setShortcut(QKeySequence("Ctrl+Q"));
    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->addAction("Midi Devices...", this, [this] { midiDevicesAction(); });
    tools->addAction("Instruments...", this, [this] { modifyInstrumentSetAction(); });
    QAction* playStop = tools->addAction("Play All / Stop", this, [this] {
        // a focused button or list keeps its own Space
        QWidget* focus = QApplication::focusWidget();
        if (auto* button = qobject_cast<QAbstractButton*>(focus)) {
            button->animateClick();
            return;
        }
        if (auto* list = qobject_cast<QComboBox*>(focus)) {
            list->showPopup();
            return;
        }
        if (motivePlayer_->playing())
            stopAction();
        else
            playAllAction();
    });
    playStop->setShortcut(QKeySequence(Qt::Key_Space));
    hintsAction_ = tools->addAction("Show DAD Hints");
    hintsAction_->setCheckable(true);
    hintsAction_->setChecked(true);
    connect(hintsAction_, &QAction::toggled, this, [this](bool shown) { showPopupHints(shown); });
    // a command without a menu item: the top row's button runs it
    auto* newInstr = new QAction(QString::fromStdString(bundle_.text("new instr set")), this);
    newInstr->setObjectName("NewInstrAction");
    connect(newInstr, &QAction::triggered, this, [this] { newInstrumentSetAction(); });
    addAction(newInstr);
    QMenu* demo = menuBar()->addMenu("&Demo");
    for (int n = 1; n <= 4; ++n) {
        demo->addAction(QString::fromStdString(bundle_.text(DEMONSTRATION_KEYS[n - 1])), this,
                        [this, n] { demonstrationAction(n); });
    }
    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("Theory", this, [this] { theoryHelpAction(); });
    help->addAction("Step-by-step help", this, [this] { stepHelpAction(); });
    help->addAction("About", this, [this] { aboutAction(); });
}

QWidget* TMainWindow::createTopRow(QWidget* parent) {
    auto* row = new QWidget(parent);
    // the toolbar: new, save, open, play, stop
    const char* keys[] = {"new", "save", "open", "play", "stop"};
    void (TMainWindow::*const actions[])() = {&TMainWindow::newAction, &TMainWindow::saveAction,
                                              &TMainWindow::openAction, &TMainWindow::playAllAction,
                                              &TMainWindow::stopAction};
    int x = 4;
    for (int id = 0; id < 5; ++id) {
        auto* button = new QToolButton(row);
        const QString hint = QString::fromStdString(bundle_.text(keys[id]));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setIcon(toolbarIcon(id));
        button->setIconSize(QSize(24, 24));
        button->setGeometry(x, 4, 30, 30);
        button->setFocusPolicy(Qt::StrongFocus);
        x += 31;
        const auto action = actions[id];
        connect(button, &QToolButton::clicked, this, [this, action] { (this->*action)(); });
    }

    auto* tempLabel = new QLabel(QString::fromStdString(bundle_.text("temp")), row);
    tempLabel->adjustSize();
    tempLabel->move(x + 14, (TOP_ROW_HEIGHT - tempLabel->height()) / 2);
    tempPanel_ = new TTempPanel(row, bundle_);
    tempPanel_->setAccessibleName("Tempo");
    tempLabel->setBuddy(tempPanel_);
    tempPanel_->adjustSize();
    tempPanel_->move(tempLabel->x() + tempLabel->width() + 6,
                     (TOP_ROW_HEIGHT - tempPanel_->height()) / 2);

    auto* delayLabel = new QLabel("DAD cursor delay:", row);
    cursorDelayTrackBar_ = new QSlider(Qt::Horizontal, row);
    cursorDelayTrackBar_->setRange(1, 7);
    cursorDelayTrackBar_->setValue(4);
    cursorDelayTrackBar_->setPageStep(1);
    cursorDelayTrackBar_->setTickPosition(QSlider::TicksBelow);
    cursorDelayTrackBar_->setAccessibleName("DAD cursor delay");
    delayLabel->setBuddy(cursorDelayTrackBar_);
    auto* instrLabel = new QLabel("Instruments:", row);
    instrList_ = new QComboBox(row);
    instrList_->setAccessibleName("Instruments");
    instrLabel->setBuddy(instrList_);
    // the instrument sets' buttons: new, modify (and delete below)
    QToolButton* setButtons[2];
    const char* setKeys[] = {"new instr set", "modify instr set"};
    const QIcon setIcons[] = {newInstrumentSetIcon(), modifyInstrumentSetIcon()};
    void (TMainWindow::*const setActions[])() = {&TMainWindow::newInstrumentSetAction,
                                                 &TMainWindow::modifyInstrumentSetAction};
    for (int i = 0; i < 2; ++i) {
        setButtons[i] = new QToolButton(row);
        const QString hint = QString::fromStdString(bundle_.text(setKeys[i]));
        setButtons[i]->setToolTip(hint);
        setButtons[i]->setAccessibleName(hint);
        setButtons[i]->setIcon(setIcons[i]);
        const auto action = setActions[i];
        connect(setButtons[i], &QToolButton::clicked, this, [this, action] { (this->*action)(); });
    }
    deleteInstrButton_ = new QToolButton(row);
    const QString deleteHint = QString::fromStdString(bundle_.text("delete instr set"));
    deleteInstrButton_->setToolTip(deleteHint);
    deleteInstrButton_->setAccessibleName(deleteHint);
    deleteInstrButton_->setIcon(deleteIcon());
    connect(deleteInstrButton_, &QToolButton::clicked, this, [this] { deleteInstrumentSet(); });

    // right of centre: the track bar, then the instrument sets
    delayLabel->adjustSize();
    instrLabel->adjustSize();
    int right = CLIENT_WIDTH - 6;
    deleteInstrButton_->setGeometry(right - 24, 7, 24, 24);
    right -= 28;
    setButtons[1]->setGeometry(right - 24, 7, 24, 24);
    right -= 28;
    setButtons[0]->setGeometry(right - 24, 7, 24, 24);
    right -= 28;
    instrList_->setGeometry(right - 126, 7, 126, 24);
    right -= 130;
    instrLabel->move(right - instrLabel->width(), (TOP_ROW_HEIGHT - instrLabel->height()) / 2);
    right -= instrLabel->width() + 18;
    cursorDelayTrackBar_->setGeometry(right - 100, 6, 100, 26);
    right -= 104;
    delayLabel->move(right - delayLabel->width(), (TOP_ROW_HEIGHT - delayLabel->height()) / 2);
    return row;
}

void TMainWindow::releasePeriodPanel() {
    finishEditing();
    // the canvases listen to the player and to their motives: both must be let go while the
    // motives still exist
    motivePlayer_->stop();
    navigationTree_->setListener(nullptr);
    delete periodPanel_;
    periodPanel_ = nullptr;
}

void TMainWindow::periodChanged() {
    releasePeriodPanel();
    const int panelHeight = 229 + TPeriodPanel::SCROLL_BAR_HEIGHT;
    periodPanel_ = new TPeriodPanel(client_, period_, *this, this);
    periodPanel_->setGeometry(0, CLIENT_HEIGHT - panelHeight, CLIENT_WIDTH, panelHeight);
    periodPanel_->show();
    navigationTree_->rebuild(periodPanel_->navigationNodes());
    navigationTree_->setListener(periodPanel_);
    notesGroup_->select(2);
    rhythmGroup_->select(0);
    chordGroup_->select(0);
    for (TEffectMotivePanel* panel : developmentPanels_)
        panel->setFrame(period_.measure, period_.key, period_.anacrusis);
    scheme_->resetScheme();
    // a composition read or made anew brings its own tempo, which the box shows without
    // passing on: the player must hear it here
    tempPanel_->setValue(period_.tempo());
    motivePlayer_->setTempo(period_.tempo());
    nameChanged(period_.name());
}

void TMainWindow::tempoChanged(int32_t tempo) {
    motivePlayer_->setTempo(tempo);
}

void TMainWindow::nameChanged(const std::string& name) {
    setWindowTitle(QString::fromStdString(bundle_.text("program name") + name));
}

void TMainWindow::tempValueChanged(int32_t value) {
    stopAction();
    period_.setTempo(value);
}

void TMainWindow::groupButtonPressed(int group, int index) {
    if (periodPanel_ == nullptr)
        return;
    if (group == TButtonGroupPanel::INSERT_NOTES)
        periodPanel_->setNotesMode(index);
    else if (group == TButtonGroupPanel::RHYTHM)
        periodPanel_->setRhythmMode(index);
    else
        periodPanel_->setChordMode(index);
}

TMotiveAndListenerPair TMainWindow::previousPair(const TMotive& motive) {
    // the editor's test motive stands alone: nothing plays before it
    if (periodPanel_ == nullptr || (freeCanvas_ != nullptr && freeCanvas_->motive() == &motive))
        return {};
    return periodPanel_->previousMotive(motive);
}

void TMainWindow::playMotive(const TMotive& motive, TMotivePlayerListener* listener) {
    const TMotiveAndListenerPair previous = previousPair(motive);
    try {
        if (previous.motive != nullptr) {
            TUMotiveSet* set = periodPanel_->setOf(previous.motive);
            motivePlayer_->addMotive(*previous.motive, set != nullptr ? set->canvas() : nullptr);
        }
        motivePlayer_->addMotive(motive, listener);
    } catch (const std::runtime_error&) {
        // without a timer nothing plays
    }
}

size_t TMainWindow::motiveCount() {
    return periodPanel_ != nullptr ? periodPanel_->motiveSets().size() : 0;
}

void TMainWindow::createPopup() {
    dadWindow_ = new TDadWindow(this);
    // the real pointer where the window system lets the program move it, else a drawn one
    // the hidden recording mode of demonstration paths: a drawn pointer (nothing warps the real
    // one, so the path is exactly what the popup read) and edges that act at once
    const char* recordFolder = std::getenv("MOTIVICA_RECORD_SCRIPTS");
    const bool recording = recordFolder != nullptr && *recordFolder != '\0';
    if (QGuiApplication::platformName() == "xcb" && !recording) {
        pointer_ = std::make_unique<TScreenPointer>();
    } else {
        auto drawn = std::make_unique<TDrawnPointer>();
        drawn->setOnMoved([this] { dadWindow_->viewWidget()->pointerMoved(); });
        dadWindow_->setDrawnPointer(drawn.get());
        pointer_ = std::move(drawn);
        pointerDrawn_ = true;
    }
    auditionTimer_ = std::make_unique<TRelayAuditionTimer>(*relay_);
    variantView_ = std::make_unique<TVariantView>(*this, *dadWindow_, *pointer_, *auditionTimer_);
    dadWindow_->setView(variantView_.get());
    if (recording) {
        variantView_->setDemoMode(true);
        recorder_ =
            new TScriptRecorder(this, recordFolder, [this]() -> std::optional<TScreenPoint> {
                if (!dadWindow_->isVisible())
                    return std::nullopt;
                return dadWindow_->viewOrigin();
            });
        qApp->installEventFilter(recorder_);
    }
    // a press cannot outlive the program's focus: the popup closes, the notes entered stay
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    finishEditing();
            });
}

void TMainWindow::createDevelopmentPanels() {
    const int top = TOP_ROW_HEIGHT + 4;
    const int rowHeight = TPanelChooser::HEIGHT + 2;
    const int panelTop = top + 2 * rowHeight + 2;
    const int panelBottom = CLIENT_HEIGHT - 229 - TPeriodPanel::SCROLL_BAR_HEIGHT;
    const QRect area(LEFT_COLUMN_WIDTH, panelTop, CLIENT_WIDTH - LEFT_COLUMN_WIDTH,
                     panelBottom - panelTop);
    developmentPanels_.assign(PANEL_CREATION_ORDER.size(), nullptr);
    // the panes join the relay list in creation order; a pane's place there is its number
    for (const int way : PANEL_CREATION_ORDER) {
        TEffectMotivePanel* panel =
            createMotivePanel(way, client_, *this, static_cast<int32_t>(relayList_.size()));
        panel->setGeometry(area);
        for (int i = 0; i < PANE_COUNT; ++i)
            relayList_.push_back(panel->pane(i));
        developmentPanels_[static_cast<size_t>(way)] = panel;
    }
    // the choosers in two rows above the panels: the simple ways, then the relative ones
    choosers_ = std::make_unique<TMotivePanelChooserGroup>();
    int x = LEFT_COLUMN_WIDTH;
    for (int way = 0; way < static_cast<int>(developmentPanels_.size()); ++way) {
        if (way == 7)
            x = LEFT_COLUMN_WIDTH;
        auto* chooser = new TPanelChooser(client_, *choosers_, way,
                                          developmentPanels_[static_cast<size_t>(way)]->caption());
        chooser->move(x, top + (way < 7 ? 0 : rowHeight));
        x += chooser->width() + 2;
        choosers_->add(chooser, developmentPanels_[static_cast<size_t>(way)]);
    }
}

TEffectMotivePanel* TMainWindow::developmentPanel(int wayIndex) {
    if (wayIndex < 0 || static_cast<size_t>(wayIndex) >= developmentPanels_.size())
        return nullptr;
    return developmentPanels_[static_cast<size_t>(wayIndex)];
}

void TMainWindow::showDevelopmentPanel(int wayIndex) {
    choosers_->select(wayIndex);
}

void TMainWindow::showDevelopmentPanelWithMotive(int wayIndex, const TMotive& motive) {
    choosers_->giveMotive(wayIndex, motive);
}

void TMainWindow::scrollToMotive(size_t k) {
    if (periodPanel_ == nullptr || k >= periodPanel_->motiveSets().size())
        return;
    periodPanel_->scrollTo(periodPanel_->motiveSets()[k]->x());
}

void TMainWindow::stepHelpAction() {
    stopAction();
    if (!settleUnsavedWork())
        return;
    if (!prompts_->confirm(bundle_.text("warning"), bundle_.text("step by step start warning")))
        return;
    if (stepForm_ == nullptr)
        stepForm_ = new TStepForm(this, *this, helpFolder_ + std::string(TUTORIAL_FOLDER));
    placeAtTopRight(stepForm_);
    stepForm_->start();
}

void TMainWindow::theoryHelpAction() {
    if (theoryForm_ == nullptr)
        theoryForm_ = new TTheoryForm(this, helpFolder_ + std::string(THEORY_FOLDER));
    placeAtTopRight(theoryForm_);
    theoryForm_->show();
    theoryForm_->raise();
}

void TMainWindow::finishEditing() {
    if (editingCanvas_ != nullptr)
        editingCanvas_->finishEdit();
    editingCanvas_ = nullptr;
}

bool TMainWindow::popupShown() {
    return dadWindow_ != nullptr && dadWindow_->isVisible();
}

int32_t TMainWindow::popupWidth() {
    return dadWindow_->frameGeometry().width();
}

TMidiOutputInterface& TMainWindow::audition() {
    return *player_;
}

void TMainWindow::relayTimerStep() {
    if (variantView_ != nullptr)
        variantView_->timerStep();
}

int32_t TMainWindow::dadCursorDelay() {
    return 15 - cursorDelayTrackBar_->value();
}

void TMainWindow::relayNote(int32_t canvasId, int32_t variantTag, int32_t noteIndex, bool started) {
    if (periodPanel_ == nullptr)
        return;
    const TRelayTarget target = noteTarget(canvasId, periodPanel_->motiveSets().size(),
                                           relayList_.size(), freeCanvas_ != nullptr);
    TUMotiveCanvas* canvas = nullptr;
    if (target.kind == TRelayTargetKind::FREE_CANVAS)
        canvas = freeCanvas_;
    else if (target.kind == TRelayTargetKind::MOTIVE_SET)
        canvas = periodPanel_->motiveSets()[target.index]->canvas();
    else if (target.kind == TRelayTargetKind::RELAY_ENTRY)
        canvas = relayList_[target.index]->canvas();
    if (canvas == nullptr)
        return;
    if (started)
        canvas->noteStarted(variantTag, noteIndex);
    else
        canvas->noteEnded(variantTag, noteIndex);
}

void TMainWindow::relayPlay(int32_t canvasId, bool started) {
    if (periodPanel_ == nullptr)
        return;
    const TRelayTarget target =
        playTarget(canvasId, periodPanel_->motiveSets().size(), relayList_.size());
    if (target.kind == TRelayTargetKind::RELAY_ENTRY) {
        relayList_[target.index]->setPlaying(started);
        return;
    }
    if (target.kind != TRelayTargetKind::MOTIVE_SET)
        return;
    TUMotiveSet* set = periodPanel_->motiveSets()[target.index];
    if (started)
        set->playStarted();
    else
        set->playStopped();
}

void TMainWindow::chooseFirstChords() {
    if (periodPanel_ != nullptr && !periodPanel_->motiveSets().empty())
        periodPanel_->motiveSets().front()->canvas()->selectChords();
}

void TMainWindow::showInstrumentSets(const TInstrumentSetList& list) {
    instrList_->clear();
    for (const std::string& name : list.names)
        instrList_->addItem(QString::fromStdString(name));
    instrList_->setCurrentIndex(list.current);
}

void TMainWindow::loadInstrumentSetAtStart() {
    showInstrumentSets(instrumentSets_->loadConfigured());
}

void TMainWindow::instrListChange(int index) {
    if (index < 0)
        return;
    if (const std::optional<TInstrumentSetList> list =
            instrumentSets_->choose(instrList_->itemText(index).toStdString()))
        showInstrumentSets(*list);
}

void TMainWindow::deleteInstrumentSet() {
    if (const std::optional<TInstrumentSetList> list = instrumentSets_->deleteConfigured())
        showInstrumentSets(*list);
}

void TMainWindow::newInstrumentSetAction() {
    instrumentCommands_->newSet();
}

void TMainWindow::modifyInstrumentSetAction() {
    instrumentCommands_->modifySet();
}

void TMainWindow::cursorDelayTrackBarChange(int position) {
    (void)config_->setCursorDelay(position);
}

bool TMainWindow::writeMidiFile(const std::string& path) {
    return static_cast<bool>(
        ::writeMidiFile(TMidiFileContent::ofPeriod(period_, instruments_), path));
}

bool TMainWindow::openDocument(const std::string& path) {
    stopAction();
    return documents_->openDocument(path);
}

bool TMainWindow::saveDocument(const std::string& path) {
    return documents_->saveDocument(path);
}

bool TMainWindow::openUsedDocument(const std::string& path) {
    stopAction();
    return documents_->openUsedDocument(path);
}

void TMainWindow::fillRecentMenu() {
    recentMenu_->clear();
    const char* home = std::getenv("HOME");
    const TRecentMenu menu = session_->recentMenu(home != nullptr ? home : "");
    for (const TRecentMenu::TEntry& entry : menu.entries) {
        const std::string path = entry.path;
        QAction* action = recentMenu_->addAction(QString::fromStdString(entry.label), this,
                                                 [this, path] { session_->openRecent(path); });
        action->setToolTip(QString::fromStdString(path));
    }
    if (menu.entries.empty())
        recentMenu_->addAction("(no documents yet)")->setEnabled(false);
    if (!menu.missing.empty()) {
        // a short note of what went, so that an entry does not vanish without a word
        std::string names;
        for (const std::string& m : menu.missing)
            names += (names.empty() ? "" : ", ") + m;
        recentMenu_->addSeparator();
        QAction* note =
            recentMenu_->addAction(QString::fromStdString("No longer found, taken off: " + names));
        note->setEnabled(false);
    }
    recentMenu_->addSeparator();
    recentMenu_->addAction("Clear List", this, [this] { session_->recent().clear(); })
        ->setEnabled(!menu.entries.empty());
}

void TMainWindow::compositionSettled() {
    // a demonstration swaps the composition and gives it back: nothing of the user's changes
    if (demonstration_ == nullptr && session_ != nullptr)
        session_->markSaved();
}

void TMainWindow::showPopupHints(bool shown) {
    if (session_ != nullptr && session_->hints().shown() != shown)
        session_->hints().setShown(shown);
    if (dadWindow_ != nullptr)
        dadWindow_->setHintShown(shown);
    if (hintsAction_ != nullptr && hintsAction_->isChecked() != shown)
        hintsAction_->setChecked(shown);
}

void TMainWindow::keepSessionIn(const std::string& settingsFolder,
                                const std::string& recoveryFolder) {
    recoveryTimer_->stop();
    const bool kept = session_->keepIn(settingsFolder, recoveryFolder);
    showPopupHints(session_->hints().shown());
    if (kept)
        recoveryTimer_->start();
}

void TMainWindow::keepWorkSafe() {
    if (shutDown_ || demonstration_ != nullptr || editingCanvas_ != nullptr || popupShown())
        return;
    session_->keepWorkSafe();
}

void TMainWindow::offerRecovery() {
    session_->offerRecovery();
}

void TMainWindow::newAction() {
    if (settleUnsavedWork())
        documents_->newComposition();
}
void TMainWindow::saveAction() {
    documents_->save();
}
void TMainWindow::saveAsAction() {
    documents_->saveAs();
}
void TMainWindow::openAction() {
    show();
    if (settleUnsavedWork())
        documents_->open();
}
void TMainWindow::importAction() {
    if (settleUnsavedWork())
        documents_->importMelody();
}
void TMainWindow::exportAction() {
    documents_->exportMidi();
}

void TMainWindow::playAllAction() {
    if (periodPanel_ != nullptr)
        periodPanel_->playPeriod();
}

void TMainWindow::stopAction() {
    motivePlayer_->stop();
}

void TMainWindow::midiDevicesAction() {
    devices_->chooseDevice();
}

void TMainWindow::aboutAction() {
    stopAction();
    prompts_->showAbout(*this);
}

void TMainWindow::showMainWindow() {
    show();
    raise();
    activateWindow();
}

void TMainWindow::openHomePage() {
    // the start page is a page of the program's help data, opened in the user's browser
    const QUrl url(QString::fromStdString(bundle_.text("site url")));
    QDesktopServices::openUrl(
        url.isRelative() ? QUrl::fromLocalFile(QString::fromStdString(helpFolder_) + url.toString())
                         : url);
}

std::vector<TUMotiveSet*> TMainWindow::motiveSets() {
    return periodPanel_ != nullptr ? periodPanel_->motiveSets() : std::vector<TUMotiveSet*>();
}

void TMainWindow::enableInput(bool enabled) {
    setEnabled(enabled);
    if (enabled) {
        activateWindow();
        setFocus();
    }
}

QWidget* TMainWindow::phraseControl(size_t k) {
    return periodPanel_ != nullptr ? periodPanel_->phraseMarker(k) : nullptr;
}

void TMainWindow::placeAtTopLeft(QWidget* control) {
    if (control != nullptr)
        control->move(geometry().topLeft());
}

void TMainWindow::placeAtTopRight(QWidget* control) {
    if (control != nullptr)
        control->move(geometry().right() + 1 - control->frameGeometry().width(), geometry().top());
}

void TMainWindow::placeClearOfMotive(QWidget* window, size_t k) {
    if (window == nullptr)
        return;
    const auto global = [](const QWidget* w) {
        const QPoint at = w->mapToGlobal(QPoint(0, 0));
        return TScreenRect{at.x(), at.y(), at.x() + w->width(), at.y() + w->height()};
    };
    std::vector<TScreenRect> keep;
    if (periodPanel_ != nullptr && k < periodPanel_->motiveSets().size())
        keep.push_back(global(periodPanel_->motiveSets()[k]));
    if (TEffectMotivePanel* panel = developmentPanel(choosers_->selectedIndex()))
        keep.push_back(global(panel));
    const QRect frame = frameGeometry();
    // before its first showing the window's frame is not known yet: the main window's is like it
    const QRect inner = geometry();
    const QSize outer = window->isVisible() ? window->frameGeometry().size()
                                            : window->size() + (frame.size() - inner.size());
    const QRect screen = this->screen()->availableGeometry();
    const auto rect = [](const QRect& r) {
        return TScreenRect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    };
    const TScreenRect place =
        placeClearOf(rect(screen), rect(frame), keep, outer.width(), outer.height());
    window->move(place.left, place.top);
}

void TMainWindow::scrollToElement(size_t k) {
    if (periodPanel_ != nullptr && k < periodPanel_->elements().size())
        periodPanel_->scrollTo(periodPanel_->elements()[k]->x());
}

void TMainWindow::playMotive(size_t k) {
    if (periodPanel_ != nullptr)
        periodPanel_->playMotive(k);
}

void TMainWindow::playSentence(size_t k) {
    if (periodPanel_ != nullptr)
        periodPanel_->playSentence(k);
}

void TMainWindow::playPhrase(size_t k) {
    if (periodPanel_ != nullptr)
        periodPanel_->playPhrase(k);
}

void TMainWindow::createHelpButtons(QWidget* column) {
    // beside the chord buttons: how to enter notes, chords, and the two kinds of ways; the home
    // page last
    const char* marks[] = {"\u266A", "C", "S", "R", "\u2302"};
    int x = column->width() - 5 * 26;
    for (int i = 0; i < 5; ++i) {
        auto* button = new QToolButton(column);
        const QString hint =
            QString::fromStdString(bundle_.text(i < 4 ? DEMONSTRATION_KEYS[i] : "home page"));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setIcon(helpIcon(QString::fromUtf8(marks[i]), i == 4));
        button->setIconSize(QSize(20, 20));
        button->setAutoRaise(true);
        button->setGeometry(x + i * 26, 68, 26, 30);
        if (i < 4)
            connect(button, &QToolButton::clicked, this, [this, i] { demonstrationAction(i + 1); });
        else
            connect(button, &QToolButton::clicked, this, [this] { openHomePage(); });
    }
}

void TMainWindow::demonstrationAction(int number) {
    stopAction();
    delete demonstration_;
    demonstration_ = new TDemonstration(*this, number, helpFolder_ + DEMONSTRATION_FOLDER,
                                        base_ + DEMONSTRATION_FOLDER);
    if (demonstrationStepDelay_)
        demonstration_->runner().setStepDelay(*demonstrationStepDelay_);
    connect(demonstration_, &TDemonstration::finished, this, [this] {
        // the sequence has ended; its thread is joined when the object goes
        if (demonstration_ != nullptr) {
            demonstration_->deleteLater();
            demonstration_ = nullptr;
        }
    });
    demonstration_->start();
}

void TMainWindow::pointerMovedWhilePressed(TScreenPoint p) {
    if (recorder_ != nullptr)
        recorder_->pointerMoved(p);
}

TAudioExport TMainWindow::audioExport() {
    return TAudioExport(period_, instruments_, *prompts_, bundle_);
}

void TMainWindow::exportAudioAction() {
    documents_->exportFile(TAudioExport::EXTENSION, TAudioExport::FILTER_LABEL,
                           [this](const std::string& path) {
                               // the sound's own failures and a stop are told by the export
                               audioExport().exportTo(path);
                               return true;
                           });
}
