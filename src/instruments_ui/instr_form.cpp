#include "instruments_ui/instr_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>
#include <utility>

#include "app/base_service.h"
#include "app/dialog_button_row.h"
#include "app/play_panel.h"
#include "app/u_motive_canvas.h"
#include "commands/instr_prompts_interface.h"
#include "help/message_bundle.h"
#include "instruments_ui/instr_controllers.h"
#include "playback/apply_instrument_set.h"
#include "playback/instr_conf_list.h"
#include "playback/motive_player.h"
#include "playback/relay_target.h"

namespace {

// The form's own captions; its messages come from the bundle.
constexpr const char* FILE_MENU = "&File";
constexpr const char* NEW_TEXT = "&New";
constexpr const char* OPEN_TEXT = "&Open...";
constexpr const char* SAVE_TEXT = "&Save";
constexpr const char* SAVE_AS_TEXT = "Save &As...";
constexpr const char* OK_TEXT = "OK";
constexpr const char* CANCEL_TEXT = "Cancel";
constexpr const char* EDIT_TEXT = "...";

// The columns inside a group, shared by the headers above the groups.
constexpr int NAME_X = 12;
constexpr int INSTRUMENT_X = 84;
constexpr int INSTRUMENT_WIDTH = 210;
constexpr int VOLUME_X = INSTRUMENT_X + INSTRUMENT_WIDTH + 34;
constexpr int VOLUME_WIDTH = 40;
constexpr int MUTE_X = VOLUME_X + VOLUME_WIDTH + 38;
constexpr int MUTE_WIDTH = 40;
constexpr int GROUP_WIDTH = MUTE_X + MUTE_WIDTH + 8;
constexpr int EDIT_WIDTH = 24;
constexpr int CELL_HEIGHT = 22;
// The rows of a group, below its title.
constexpr int ROW_TOP = 24;
constexpr int ROW_HEIGHT = 28;
constexpr int GROUP_GAP = 8;

constexpr int MARGIN = 10;
constexpr int HEADER_HEIGHT = 20;
constexpr int GROUP_TOP = MARGIN + HEADER_HEIGHT;
// The test group: the canvas and the play button where the design puts them.
constexpr int TEST_X = MARGIN + GROUP_WIDTH + 12;
constexpr int CANVAS_X = 20;
constexpr int CANVAS_Y = 22;
constexpr int PLAY_X = 251;
constexpr int PLAY_Y = 152;
constexpr int PLAY_WIDTH = 27;
constexpr int PLAY_HEIGHT = 26;
constexpr int TEST_WIDTH = PLAY_X + PLAY_WIDTH + 16;

int groupHeight(int rows) {
    return ROW_TOP + rows * ROW_HEIGHT + 4;
}

QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

// A cell showing a value the user changes through its edit button only.
QLabel* valueCell(QWidget* parent, int x, int y, int width, Qt::Alignment alignment) {
    auto* cell = new QLabel(parent);
    cell->setGeometry(x, y, width, CELL_HEIGHT);
    cell->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    cell->setAutoFillBackground(true);
    cell->setBackgroundRole(QPalette::Base);
    cell->setAlignment(alignment | Qt::AlignVCenter);
    cell->setIndent(4);
    return cell;
}

QToolButton* editButton(QWidget* parent, int x, int y, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setText(EDIT_TEXT);
    button->setGeometry(x, y, EDIT_WIDTH, CELL_HEIGHT);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QGroupBox* group(QWidget* parent, const char* title, int y, int rows) {
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(MARGIN, y, GROUP_WIDTH, groupHeight(rows));
    return box;
}

void rowName(QWidget* group, const char* text, int y) {
    auto* label = new QLabel(text, group);
    label->setGeometry(NAME_X, y, INSTRUMENT_X - NAME_X - 4, CELL_HEIGHT);
}

}  // namespace

TInstrForm::TInstrForm(QWidget* parent, TBaseService& host, TInstrumentConf& set,
                       std::string editedSetName, std::string base, TInstrPromptsInterface& prompts)
    : QDialog(parent),
      host_(host),
      set_(set),
      editedSetName_(std::move(editedSetName)),
      base_(std::move(base)),
      prompts_(prompts),
      instruments_(loadCatalogue("instruments.xml", base_)),
      drums_(loadCatalogue("drums.xml", base_)),
      testMotive_(TKey(0, MAJOR), TMeasure(2, QUARTER), 0) {
    setObjectName("instrForm");
    createMenuAndToolbar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(findChild<QToolBar*>("instrToolbar"));
    layout->addWidget(createCells(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    set_.setListener(this);
    refresh();
}

TInstrForm::~TInstrForm() {
    // the test motive may still be queued with its canvas as listener: neither outlives the form
    host_.motivePlayer().stop();
    host_.setFreeStandingCanvas(nullptr);
    delete testCanvas_;
    if (set_.listener() == this)
        set_.setListener(nullptr);
}

void TInstrForm::createMenuAndToolbar() {
    menuBar_ = new QMenuBar(this);
    QMenu* file = menuBar_->addMenu(FILE_MENU);
    QAction* newAction = file->addAction(NEW_TEXT, this, [this] { newSet(); });
    QAction* openAction = file->addAction(OPEN_TEXT, this, [this] { openSet(); });
    QAction* saveAction = file->addAction(SAVE_TEXT, this, [this] { saveSet(); });
    file->addAction(SAVE_AS_TEXT, this, [this] { saveSetAs(); });

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName("instrToolbar");
    toolbar->setIconSize(QSize(20, 20));
    const std::pair<QAction*, QStyle::StandardPixmap> buttons[] = {
        {newAction, QStyle::SP_FileIcon},
        {openAction, QStyle::SP_DialogOpenButton},
        {saveAction, QStyle::SP_DialogSaveButton},
    };
    const char* hints[] = {"new", "open", "save"};
    for (size_t i = 0; i < std::size(buttons); ++i) {
        auto* button = new QToolButton(toolbar);
        const QString hint = qtext(bundle().text(hints[i]));
        button->setIcon(style()->standardIcon(buttons[i].second));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::StrongFocus);
        QAction* action = buttons[i].first;
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        toolbar->addWidget(button);
    }
}

QWidget* TInstrForm::createCells(QWidget* parent) {
    auto* body = new QWidget(parent);

    const std::pair<const char*, int> headers[] = {
        {"Name", NAME_X}, {"Instrument", INSTRUMENT_X}, {"Volume", VOLUME_X}, {"Mute", MUTE_X}};
    for (const auto& [text, x] : headers) {
        auto* header = new QLabel(text, body);
        header->setGeometry(MARGIN + x, MARGIN, x == MUTE_X ? MUTE_WIDTH : 120, HEADER_HEIGHT - 4);
        if (x == MUTE_X)
            header->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        else
            header->setIndent(x == NAME_X ? 0 : 4);
    }

    int y = GROUP_TOP;
    QGroupBox* play = group(body, "Play Mode:", y, 3);
    rowName(play, " Melody", ROW_TOP);
    rowName(play, " Chord", ROW_TOP + ROW_HEIGHT);
    rowName(play, " Bass", ROW_TOP + 2 * ROW_HEIGHT);
    addPitchCell(play, ROW_TOP, MELODY_PITCH_CELL);
    addPitchCell(play, ROW_TOP + ROW_HEIGHT, CHORD_PITCH_CELL);
    addPitchCell(play, ROW_TOP + 2 * ROW_HEIGHT, BASS_PITCH_CELL);
    addVolumeCell(play, ROW_TOP, MELODY_VOLUME_CELL);
    addVolumeCell(play, ROW_TOP + ROW_HEIGHT, CHORD_VOLUME_CELL);
    addVolumeCell(play, ROW_TOP + 2 * ROW_HEIGHT, BASS_VOLUME_CELL);
    addMuteCell(play, ROW_TOP, TInstrumentMute::MUTE_MELODY,
                bundle().text(MELODY_VOLUME_CELL.captionKey));
    addMuteCell(play, ROW_TOP + ROW_HEIGHT, TInstrumentMute::MUTE_CHORD,
                bundle().text(CHORD_VOLUME_CELL.captionKey));
    addMuteCell(play, ROW_TOP + 2 * ROW_HEIGHT, TInstrumentMute::MUTE_BASS,
                bundle().text(BASS_VOLUME_CELL.captionKey));
    y += play->height() + GROUP_GAP;

    QGroupBox* dad = group(body, "DAD Mode:", y, 2);
    rowName(dad, " Melody", ROW_TOP);
    rowName(dad, " Chord", ROW_TOP + ROW_HEIGHT);
    addPitchCell(dad, ROW_TOP, DRAFT_MELODY_PITCH_CELL);
    addPitchCell(dad, ROW_TOP + ROW_HEIGHT, DRAFT_CHORD_PITCH_CELL);
    addVolumeCell(dad, ROW_TOP, DRAFT_MELODY_VOLUME_CELL);
    addVolumeCell(dad, ROW_TOP + ROW_HEIGHT, DRAFT_CHORD_VOLUME_CELL);
    y += dad->height() + GROUP_GAP;

    QGroupBox* metronome = group(body, "Metronome:", y, 2);
    rowName(metronome, " Up Beat", ROW_TOP);
    rowName(metronome, " Beat", ROW_TOP + ROW_HEIGHT);
    addPitchCell(metronome, ROW_TOP, UP_BEAT_PITCH_CELL);
    addPitchCell(metronome, ROW_TOP + ROW_HEIGHT, BEAT_PITCH_CELL);
    // one volume and one mute for both clicks: between the two rows
    addVolumeCell(metronome, ROW_TOP + ROW_HEIGHT / 2, DRUM_VOLUME_CELL);
    addMuteCell(metronome, ROW_TOP + ROW_HEIGHT / 2, TInstrumentMute::MUTE_DRUM,
                bundle().text(DRUM_VOLUME_CELL.captionKey));
    const int bottom = y + metronome->height();

    QWidget* test = createTestGroup(body);
    test->move(TEST_X, GROUP_TOP);

    auto* ok = new QPushButton(OK_TEXT, body);
    auto* cancel = new QPushButton(CANCEL_TEXT, body);
    nameOkCancel(ok, cancel);
    const int buttonWidth = 88;
    const int right = TEST_X + test->width();
    cancel->setGeometry(right - buttonWidth, bottom - 26, buttonWidth, 26);
    ok->setGeometry(right - 2 * buttonWidth - 8, bottom - 26, buttonWidth, 26);
    connect(ok, &QPushButton::clicked, this, [this] { okAction(); });
    connect(cancel, &QPushButton::clicked, this, [this] { cancelAction(); });

    body->setFixedSize(right + MARGIN, bottom + MARGIN);
    return body;
}

QWidget* TInstrForm::createTestGroup(QWidget* parent) {
    auto* box = new QGroupBox("Test:", parent);
    testCanvas_ = new TUMotiveCanvas(box, host_, &testMotive_, FREE_CANVAS_ID);
    testCanvas_->setAccessibleName("Test motive");
    testCanvas_->move(CANVAS_X, CANVAS_Y);
    playListener_ = std::make_unique<TPlayButtonListener>(*this);
    playButton_ = new TPlayPanel(box, playListener_.get());
    playButton_->setFixedSize(PLAY_WIDTH, PLAY_HEIGHT);
    playButton_->move(PLAY_X, PLAY_Y);
    const QString play = qtext(bundle().text("play"));
    playButton_->setAccessibleName(play + " test motive");
    playButton_->setToolTip(play);
    playButton_->setFocusPolicy(Qt::StrongFocus);
    box->setFixedSize(TEST_WIDTH, CANVAS_Y + testCanvas_->height() + 10);
    // the player's notes for the canvas find it through the window, as number 255
    host_.setFreeStandingCanvas(testCanvas_);
    return box;
}

void TInstrForm::addPitchCell(QWidget* group, int y, const TPitchCellDesign& design) {
    auto controller = std::make_unique<TPitchNameController>(*this, design);
    const QString name = qtext(bundle().text(design.captionKey));
    TPitchRow row;
    row.cell = valueCell(group, INSTRUMENT_X, y, INSTRUMENT_WIDTH, Qt::AlignLeft);
    row.cell->setAccessibleName(name);
    row.button = editButton(group, INSTRUMENT_X + INSTRUMENT_WIDTH + 2, y, name);
    TButtonListener* listener = controller.get();
    QAbstractButton* button = row.button;
    connect(button, &QAbstractButton::clicked, this,
            [listener, button] { listener->buttonPressed(button, 0); });
    row.controller = std::move(controller);
    pitchRows_.push_back(std::move(row));
}

void TInstrForm::addVolumeCell(QWidget* group, int y, const TVolumeCellDesign& design) {
    auto controller = std::make_unique<TVolumeController>(*this, design);
    const QString name = "Volume - " + qtext(bundle().text(design.captionKey));
    TVolumeRow row;
    row.cell = valueCell(group, VOLUME_X, y, VOLUME_WIDTH, Qt::AlignRight);
    row.cell->setAccessibleName(name);
    row.cell->setIndent(6);
    row.button = editButton(group, VOLUME_X + VOLUME_WIDTH + 2, y, name);
    TButtonListener* listener = controller.get();
    QAbstractButton* button = row.button;
    connect(button, &QAbstractButton::clicked, this,
            [listener, button] { listener->buttonPressed(button, 0); });
    row.controller = std::move(controller);
    volumeRows_.push_back(std::move(row));
}

void TInstrForm::addMuteCell(QWidget* group, int y, TInstrumentMute field,
                             const std::string& name) {
    auto controller = std::make_unique<TMuteController>(*this, field);
    TMuteRow row;
    row.box = new QCheckBox(group);
    const int indicator =
        row.box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, row.box);
    row.box->setGeometry(MUTE_X + (MUTE_WIDTH - indicator) / 2, y, indicator + 4, CELL_HEIGHT);
    row.box->setAccessibleName("Mute - " + qtext(name));
    row.box->setToolTip(row.box->accessibleName());
    TButtonListener* listener = controller.get();
    QCheckBox* box = row.box;
    connect(box, &QCheckBox::clicked, this, [listener, box] { listener->buttonPressed(box, 0); });
    row.controller = std::move(controller);
    muteRows_.push_back(std::move(row));
}

void TInstrForm::refresh() {
    setWindowTitle(qtext(bundle().text("instr set") + editedSetName_));
    for (const TPitchRow& row : pitchRows_) {
        const TPitchCellDesign& design = row.controller->design();
        row.cell->setText(
            qtext(catalogue(design.catalogue).nameOfNumber(set_.number(design.field))));
    }
    for (const TVolumeRow& row : volumeRows_)
        row.cell->setText(QString::number(set_.number(row.controller->design().field)));
    for (const TMuteRow& row : muteRows_)
        row.box->setChecked(set_.mute(row.controller->field()));
}

void TInstrForm::instrumentConfChanged() {
    refresh();
    applySet();
}

TPlayer& TInstrForm::player() {
    return host_.player();
}

const TMessageBundle& TInstrForm::bundle() {
    return host_.bundle();
}

const TInstrumentSet& TInstrForm::catalogue(TCatalogueKind kind) const {
    return kind == TCatalogueKind::DRUMS ? drums_ : instruments_;
}

void TInstrForm::stopPlaying() {
    host_.stopPlaying();
}

void TInstrForm::applySet() {
    applyInstrumentSet(set_, host_.player());
}

bool TInstrForm::writeSet(const std::string& name) {
    const TFileResult written = saveInstrumentSet(set_, name, base_);
    if (!written)
        prompts_.showMessage(bundle().text("error"),
                             bundle().text(written.messageKey) + "\n" + written.path);
    return static_cast<bool>(written);
}

void TInstrForm::newSet() {
    stopPlaying();
    const std::optional<std::string> name =
        prompts_.newInstrumentSetName(scanInstrumentSets(base_));
    if (!name)
        return;
    // resetting lets go of the listener
    set_.resetToDefaults();
    set_.setListener(this);
    editedSetName_ = *name;
    refresh();
    applySet();
}

void TInstrForm::openSet() {
    stopPlaying();
    const std::optional<std::string> name =
        prompts_.openInstrumentSetName(scanInstrumentSets(base_));
    if (!name)
        return;
    // the fields arrive one by one: the set is shown and sent once, when the reading ends
    set_.setListener(nullptr);
    TXmlDocument document;
    const TFileResult loaded = loadInstrumentSet(set_, *name, document, base_);
    set_.setListener(this);
    if (loaded)
        editedSetName_ = *name;
    else
        prompts_.showMessage(bundle().text("error"),
                             bundle().text(loaded.messageKey) + "\n" + loaded.path);
    // a file that failed half-way has still changed the fields read before the failure
    refresh();
    applySet();
}

void TInstrForm::saveSet() {
    stopPlaying();
    (void)writeSet(editedSetName_);
}

void TInstrForm::saveSetAs() {
    stopPlaying();
    const std::optional<std::string> name =
        prompts_.newInstrumentSetName(scanInstrumentSets(base_));
    if (!name || !writeSet(*name))
        return;
    editedSetName_ = *name;
    refresh();
}

void TInstrForm::okAction() {
    stopPlaying();
    if (writeSet(editedSetName_))
        QDialog::accept();
}

void TInstrForm::reject() {
    stopPlaying();
    QDialog::reject();
}

void TInstrForm::playTest() {
    try {
        host_.motivePlayer().addMotive(testMotive_, testCanvas_);
    } catch (const std::runtime_error&) {
        // without a timer nothing plays
    }
}

QAbstractButton* TInstrForm::instrumentButton(TInstrumentNumber field) const {
    for (const TPitchRow& row : pitchRows_)
        if (row.controller->design().field == field)
            return row.button;
    return nullptr;
}

QAbstractButton* TInstrForm::volumeButton(TInstrumentNumber field) const {
    for (const TVolumeRow& row : volumeRows_)
        if (row.controller->design().field == field)
            return row.button;
    return nullptr;
}

QCheckBox* TInstrForm::muteBox(TInstrumentMute field) const {
    for (const TMuteRow& row : muteRows_)
        if (row.controller->field() == field)
            return row.box;
    return nullptr;
}

QString TInstrForm::instrumentText(TInstrumentNumber field) const {
    for (const TPitchRow& row : pitchRows_)
        if (row.controller->design().field == field)
            return row.cell->text();
    return {};
}

QString TInstrForm::volumeText(TInstrumentNumber field) const {
    for (const TVolumeRow& row : volumeRows_)
        if (row.controller->design().field == field)
            return row.cell->text();
    return {};
}
