#include "app/new_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialog_button_row.h"
#include "app/elided_combo_box.h"
#include "app/key_panel.h"
#include "app/temp_panel.h"
#include "app/zatakt_panel.h"
#include "help/message_bundle.h"

namespace {

// The form's own captions; what the lists hold comes from the bundle and the model.
constexpr const char* CAPTION = "New Dialog";
constexpr const char* OK_TEXT = "OK";
constexpr const char* CANCEL_TEXT = "Cancel";
constexpr const char* KEY_TITLE = "&Key Signature:";
constexpr const char* MOTIVE_TYPE_TITLE = "Motive T&ype:";
constexpr const char* TEMP_TITLE = "&Temp:";
constexpr const char* METER_TITLE = "M&eter:";
constexpr const char* SHAPE_TITLE = "Period Structure:";
constexpr const char* SENTENCES_LABEL = "&Sentences:";
constexpr const char* PHRASES_LABEL = "&Phrases:";
constexpr const char* ADD_TEXT = "Add";
constexpr const char* DELETE_TEXT = "Delete";
constexpr const char* MOVE_UP_TEXT = "Move Up";
constexpr const char* MOVE_DOWN_TEXT = "Move Down";
constexpr const char* MOTIVE_COUNT_LABEL = "Motive &Count:";
constexpr const char* PHRASE_LETTER_LABEL = "Phrase &Letter:";
constexpr const char* STRUCTURE_LABEL = "Period St&ructure:";
constexpr const char* TEMPLATES_TITLE = "Period Structure Te&mplates:";
constexpr const char* LETTER_SCHEMES_TITLE = "Letter Sc&hemes:";
constexpr const char* APPLY_TEXT = "&Apply";

constexpr int CLIENT_WIDTH = 690;
constexpr int CLIENT_HEIGHT = 608;
constexpr int LEFT_COLUMN_WIDTH = 240;
// Where the choice panels sit inside their group boxes; a style that puts the title above the
// frame instead of on it pushes them down to keep the same room under the frame's top.
constexpr int PANEL_LEFT = 9;
constexpr int PANEL_TOP = 18;
constexpr int PANEL_GAP_BELOW_TITLE = 6;
constexpr int PANEL_BOTTOM_MARGIN = 9;

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

// The accessible name of a control: its caption without the mnemonic mark and colon.
QString plainName(const char* caption) {
    QString name = QString::fromUtf8(caption);
    name.remove('&');
    if (name.endsWith(':'))
        name.chop(1);
    return name;
}

void fillList(QComboBox* box, const std::vector<std::string>& items) {
    for (const std::string& item : items)
        box->addItem(qText(item));
}

void keepSizeWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QPushButton* createButton(QWidget* parent, const char* name, const char* text,
                          const QString& accessibleName) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TNewDialog::TNewDialog(QWidget* parent, const TMessageBundle& bundle)
    : QDialog(parent), model_(bundle) {
    setObjectName("newDialog");
    setWindowTitle(QString::fromUtf8(CAPTION));
    setAccessibleName(QString::fromUtf8(CAPTION));

    keyPanel_ = new TKeyPanel(nullptr, bundle, model_.keyPanel());
    zataktPanel_ = new TZataktPanel(nullptr, bundle, model_.zataktPanel());
    tempPanel_ = new TTempPanel(nullptr, bundle, model_.tempPanel());
    measureBox_ = new QComboBox;
    measureBox_->setObjectName("measureBox");
    measureBox_->setAccessibleName(plainName(METER_TITLE));
    fillList(measureBox_, model_.meterItems());
    measureBox_->setCurrentIndex(model_.meterIndex());
    measureBox_->setMinimumWidth(90);

    // the left column spreads its groups over the height of the shape editor beside it
    auto* leftColumn = new QVBoxLayout;
    leftColumn->setSpacing(8);
    leftColumn->addWidget(createPanelGroup("keyPanelBase", KEY_TITLE, keyPanel_));
    leftColumn->addStretch(1);
    leftColumn->addWidget(createPanelGroup("motiveTypeBase", MOTIVE_TYPE_TITLE, zataktPanel_));
    leftColumn->addStretch(1);
    leftColumn->addWidget(createPanelGroup("tempBase", TEMP_TITLE, tempPanel_));
    leftColumn->addStretch(1);
    leftColumn->addWidget(createPanelGroup("GroupBox4", METER_TITLE, measureBox_));

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addLayout(leftColumn);
    top->addWidget(createShapeGroup(), 1);

    okButton_ = createButton(this, "okButton", OK_TEXT, plainName(OK_TEXT));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    cancelButton_ = createButton(this, "cancelButton", CANCEL_TEXT, plainName(CANCEL_TEXT));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(top, 1);
    layout->addWidget(createTemplatesGroup());
    layout->addWidget(createLetterSchemesGroup());
    layout->addSpacing(4);
    layout->addLayout(dialogButtonRow({okButton_, cancelButton_}));
    setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);

    setTabOrderOfControls();
    model_.setShapeListener(this);
    structureChanged();
    connectHandlers();
}

TNewDialog::~TNewDialog() {
    model_.setShapeListener(nullptr);
}

QGroupBox* TNewDialog::createPanelGroup(const char* name, const char* title, QWidget* panel) {
    auto* group = new QGroupBox(QString::fromUtf8(title));
    group->setObjectName(name);
    group->setAccessibleName(plainName(title));
    panel->setParent(group);
    const int top = std::max(PANEL_TOP, group->contentsRect().top() + PANEL_GAP_BELOW_TITLE);
    const int width =
        panel == measureBox_ ? panel->minimumWidth() : LEFT_COLUMN_WIDTH - 2 * PANEL_LEFT;
    const int height = panel->sizeHint().height();
    panel->setGeometry(PANEL_LEFT, top, width, height);
    group->setFixedSize(LEFT_COLUMN_WIDTH, top + height + PANEL_BOTTOM_MARGIN);
    return group;
}

QGroupBox* TNewDialog::createShapeGroup() {
    auto* group = new QGroupBox(QString::fromUtf8(SHAPE_TITLE));
    group->setObjectName("GroupBox5");
    group->setAccessibleName(plainName(SHAPE_TITLE));

    sentenceList_ = new QListWidget(group);
    sentenceList_->setObjectName("sentenceList");
    sentenceList_->setAccessibleName(plainName(SENTENCES_LABEL));
    phraseList_ = new QListWidget(group);
    phraseList_->setObjectName("phraseList");
    phraseList_->setAccessibleName(plainName(PHRASES_LABEL));
    auto* sentencesLabel = new QLabel(QString::fromUtf8(SENTENCES_LABEL), group);
    sentencesLabel->setBuddy(sentenceList_);
    auto* phrasesLabel = new QLabel(QString::fromUtf8(PHRASES_LABEL), group);
    phrasesLabel->setBuddy(phraseList_);

    addSentenceButton_ = createButton(group, "addSentenceButton", ADD_TEXT, "Add sentence");
    deleteSentenceButton_ =
        createButton(group, "deleteSentenceButton", DELETE_TEXT, "Delete sentence");
    moveSentenceUpButton_ =
        createButton(group, "moveSentenceUpButton", MOVE_UP_TEXT, "Move sentence up");
    moveSentenceDownButton_ =
        createButton(group, "moveSentenceDownButton", MOVE_DOWN_TEXT, "Move sentence down");
    addPhraseButton_ = createButton(group, "addPhraseButton", ADD_TEXT, "Add phrase");
    deletePhraseButton_ = createButton(group, "deletePhraseButton", DELETE_TEXT, "Delete phrase");
    movePhraseUpButton_ = createButton(group, "movePhraseUpButton", MOVE_UP_TEXT, "Move phrase up");
    movePhraseDownButton_ =
        createButton(group, "movePhraseDownButton", MOVE_DOWN_TEXT, "Move phrase down");

    auto* sentenceButtons = new QVBoxLayout;
    sentenceButtons->setSpacing(6);
    for (QPushButton* b : {addSentenceButton_, deleteSentenceButton_, moveSentenceUpButton_,
                           moveSentenceDownButton_})
        sentenceButtons->addWidget(b);
    sentenceButtons->addStretch(1);
    auto* phraseButtons = new QVBoxLayout;
    phraseButtons->setSpacing(6);
    for (QPushButton* b :
         {addPhraseButton_, deletePhraseButton_, movePhraseUpButton_, movePhraseDownButton_})
        phraseButtons->addWidget(b);
    phraseButtons->addStretch(1);

    motiveCountList_ = new QComboBox(group);
    motiveCountList_->setObjectName("motiveCountList");
    motiveCountList_->setAccessibleName(plainName(MOTIVE_COUNT_LABEL));
    fillList(motiveCountList_, TNewDialogModel::motiveCountItems());
    motiveCountLabel_ = new QLabel(QString::fromUtf8(MOTIVE_COUNT_LABEL), group);
    motiveCountLabel_->setObjectName("motiveCountLabel");
    motiveCountLabel_->setBuddy(motiveCountList_);
    phraseLetterList_ = new QComboBox(group);
    phraseLetterList_->setObjectName("phraseLetterList");
    phraseLetterList_->setAccessibleName(plainName(PHRASE_LETTER_LABEL));
    fillList(phraseLetterList_, TNewDialogModel::phraseLetterItems());
    phraseLetterLabel_ = new QLabel(QString::fromUtf8(PHRASE_LETTER_LABEL), group);
    phraseLetterLabel_->setObjectName("phraseLetterLabel");
    phraseLetterLabel_->setBuddy(phraseLetterList_);
    for (QWidget* w :
         {static_cast<QWidget*>(motiveCountLabel_), static_cast<QWidget*>(motiveCountList_),
          static_cast<QWidget*>(phraseLetterLabel_), static_cast<QWidget*>(phraseLetterList_)})
        keepSizeWhenHidden(w);
    auto* phraseFields = new QGridLayout;
    phraseFields->setHorizontalSpacing(8);
    phraseFields->setVerticalSpacing(6);
    phraseFields->addWidget(motiveCountLabel_, 0, 0);
    phraseFields->addWidget(motiveCountList_, 0, 1);
    phraseFields->addWidget(phraseLetterLabel_, 1, 0);
    phraseFields->addWidget(phraseLetterList_, 1, 1);
    phraseFields->setColumnStretch(2, 1);

    periodStructureEdit_ = new QPlainTextEdit(group);
    periodStructureEdit_->setObjectName("periodStructureEdit");
    periodStructureEdit_->setAccessibleName(plainName(STRUCTURE_LABEL));
    periodStructureEdit_->setReadOnly(true);
    periodStructureEdit_->setTabChangesFocus(true);
    periodStructureEdit_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    auto* structureLabel = new QLabel(QString::fromUtf8(STRUCTURE_LABEL), group);
    structureLabel->setBuddy(periodStructureEdit_);

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(9, 6, 9, 9);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(sentencesLabel, 0, 0, 1, 2);
    grid->addWidget(phrasesLabel, 0, 3, 1, 2);
    grid->addWidget(sentenceList_, 1, 0);
    grid->addLayout(sentenceButtons, 1, 1);
    grid->setColumnMinimumWidth(2, 6);
    grid->addWidget(phraseList_, 1, 3);
    grid->addLayout(phraseButtons, 1, 4);
    grid->addLayout(phraseFields, 2, 3, 1, 2);
    grid->setRowMinimumHeight(3, 4);
    grid->addWidget(structureLabel, 4, 0, 1, 5);
    grid->addWidget(periodStructureEdit_, 5, 0, 1, 5);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return group;
}

QGroupBox* TNewDialog::createTemplatesGroup() {
    auto* group = new QGroupBox(QString::fromUtf8(TEMPLATES_TITLE));
    group->setObjectName("GroupBox6");
    group->setAccessibleName(plainName(TEMPLATES_TITLE));
    // the captions of the larger templates are wider than the dialog
    templatesBox_ = new TElidedComboBox(group);
    templatesBox_->setObjectName("templatesBox");
    templatesBox_->setAccessibleName(plainName(TEMPLATES_TITLE));
    fillList(templatesBox_, model_.templateItems());
    templatesBox_->setCurrentIndex(model_.templateIndex());
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(9, 6, 9, 9);
    row->addWidget(templatesBox_);
    return group;
}

QGroupBox* TNewDialog::createLetterSchemesGroup() {
    auto* group = new QGroupBox(QString::fromUtf8(LETTER_SCHEMES_TITLE));
    group->setObjectName("GroupBox7");
    group->setAccessibleName(plainName(LETTER_SCHEMES_TITLE));
    letterSchemesBox_ = new QComboBox(group);
    letterSchemesBox_->setObjectName("letterSchemesBox");
    letterSchemesBox_->setAccessibleName(plainName(LETTER_SCHEMES_TITLE));
    fillList(letterSchemesBox_, model_.letterSchemeItems());
    letterSchemesBox_->setCurrentIndex(model_.letterSchemeIndex());
    letterSchemesBox_->setMinimumWidth(200);
    applyLetterSchemeButton_ =
        createButton(group, "applyLetterSchemeButton", APPLY_TEXT, "Apply letter scheme");
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(9, 6, 9, 9);
    row->setSpacing(8);
    row->addWidget(letterSchemesBox_);
    row->addWidget(applyLetterSchemeButton_);
    row->addStretch(1);
    return group;
}

void TNewDialog::setTabOrderOfControls() {
    const std::vector<QWidget*> order = {
        keyPanel_->findChild<QComboBox*>("modeList"),
        keyPanel_->findChild<QComboBox*>("keyList"),
        zataktPanel_->findChild<QComboBox*>("motiveTypeList"),
        zataktPanel_->findChild<QComboBox*>("durationList"),
        tempPanel_->findChild<QComboBox*>("tempCategoryList"),
        tempPanel_->findChild<QWidget*>("tempValueEdit"),
        measureBox_,
        sentenceList_,
        addSentenceButton_,
        deleteSentenceButton_,
        moveSentenceUpButton_,
        moveSentenceDownButton_,
        phraseList_,
        addPhraseButton_,
        deletePhraseButton_,
        movePhraseUpButton_,
        movePhraseDownButton_,
        motiveCountList_,
        phraseLetterList_,
        periodStructureEdit_,
        templatesBox_,
        letterSchemesBox_,
        applyLetterSchemeButton_,
        okButton_,
        cancelButton_,
    };
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TNewDialog::connectHandlers() {
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(letterSchemesBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.chooseLetterScheme(index); });
    connect(applyLetterSchemeButton_, &QPushButton::clicked, this,
            [this] { model_.applyLetterScheme(); });
    connect(templatesBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.chooseTemplate(index); });
    connect(sentenceList_, &QListWidget::currentRowChanged, this,
            [this](int row) { model_.clickSentence(row); });
    connect(phraseList_, &QListWidget::currentRowChanged, this,
            [this](int row) { model_.clickPhrase(row); });
    connect(addSentenceButton_, &QPushButton::clicked, this, [this] { model_.addSentence(); });
    connect(deleteSentenceButton_, &QPushButton::clicked, this,
            [this] { model_.deleteSentence(); });
    connect(moveSentenceUpButton_, &QPushButton::clicked, this,
            [this] { model_.moveSentenceUp(); });
    connect(moveSentenceDownButton_, &QPushButton::clicked, this,
            [this] { model_.moveSentenceDown(); });
    connect(addPhraseButton_, &QPushButton::clicked, this, [this] { model_.addPhrase(); });
    connect(deletePhraseButton_, &QPushButton::clicked, this, [this] { model_.deletePhrase(); });
    connect(movePhraseUpButton_, &QPushButton::clicked, this, [this] { model_.movePhraseUp(); });
    connect(movePhraseDownButton_, &QPushButton::clicked, this,
            [this] { model_.movePhraseDown(); });
    connect(motiveCountList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.chooseMotiveCount(index); });
    connect(phraseLetterList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { model_.choosePhraseLetter(index); });
    connect(measureBox_, &QComboBox::currentIndexChanged, this, &TNewDialog::measureBoxChange);
}

void TNewDialog::measureBoxChange(int index) {
    model_.chooseMeter(index);
    zataktPanel_->refresh();
}

void TNewDialog::structureChanged() {
    const TShapeEditorState state = model_.shapeEditorState();
    {
        const QSignalBlocker block(sentenceList_);
        sentenceList_->clear();
        for (const std::string& item : state.sentenceItems)
            sentenceList_->addItem(qText(item));
    }
    selectSentenceRow();
    phrasesChanged();
}

void TNewDialog::phrasesChanged() {
    const TShapeEditorState state = model_.shapeEditorState();
    {
        const QSignalBlocker block(phraseList_);
        phraseList_->clear();
        for (const std::string& item : state.phraseItems)
            phraseList_->addItem(qText(item));
    }
    selectPhraseRow();
    refreshPhraseControls(state);
    refreshSentenceButtons(state);
}

void TNewDialog::sentenceSelected() {
    selectSentenceRow();
    phrasesChanged();
}

void TNewDialog::phraseSelected() {
    selectPhraseRow();
    refreshPhraseControls(model_.shapeEditorState());
}

void TNewDialog::selectSentenceRow() {
    const QSignalBlocker block(sentenceList_);
    sentenceList_->setCurrentRow(model_.shape().selectedSentence());
}

void TNewDialog::selectPhraseRow() {
    const QSignalBlocker block(phraseList_);
    phraseList_->setCurrentRow(model_.shape().selectedPhrase());
}

void TNewDialog::refreshSentenceButtons(const TShapeEditorState& state) {
    addSentenceButton_->setEnabled(state.addSentenceEnabled);
    deleteSentenceButton_->setEnabled(state.deleteSentenceEnabled);
    moveSentenceUpButton_->setEnabled(state.moveSentenceUpEnabled);
    moveSentenceDownButton_->setEnabled(state.moveSentenceDownEnabled);
}

void TNewDialog::refreshPhraseControls(const TShapeEditorState& state) {
    addPhraseButton_->setEnabled(state.addPhraseEnabled);
    deletePhraseButton_->setEnabled(state.deletePhraseEnabled);
    movePhraseUpButton_->setEnabled(state.movePhraseUpEnabled);
    movePhraseDownButton_->setEnabled(state.movePhraseDownEnabled);
    for (QWidget* w :
         {static_cast<QWidget*>(motiveCountLabel_), static_cast<QWidget*>(motiveCountList_),
          static_cast<QWidget*>(phraseLetterLabel_), static_cast<QWidget*>(phraseLetterList_)})
        w->setVisible(state.phraseFieldsShown);
    {
        const QSignalBlocker blockCount(motiveCountList_);
        const QSignalBlocker blockLetter(phraseLetterList_);
        motiveCountList_->setCurrentIndex(state.motiveCountIndex);
        phraseLetterList_->setCurrentIndex(state.phraseLetterIndex);
    }
    periodStructureEdit_->setPlainText(qText(state.structureText));
}

void TNewDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // the dialog opens in the middle of the screen, wherever its owner stands
    if (!centred_ && screen() != nullptr) {
        const QRect area = screen()->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
        centred_ = true;
    }
}
