#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "templates/new_dialog_model.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TElidedComboBox;
class TKeyPanel;
class TMessageBundle;
class TTempPanel;
class TZataktPanel;

// The modal dialog in which the user chooses key, motive type, tempo and meter of a new
// composition and shapes its period. It shows the dialog model and follows every change of the
// shape; the model decides what each control does and which buttons are enabled.
class TNewDialog : public QDialog, public TRawPeriodDataListener {
    Q_OBJECT

  public:
    TNewDialog(QWidget* parent, const TMessageBundle& bundle);
    ~TNewDialog() override;

    // What the user chose; meaningful once exec() has returned Accepted.
    TNewDialogResult newDialogResult() const { return model_.result(); }
    std::vector<int> phrasesPerSentence() const { return model_.shape().phrasesPerSentence(); }
    std::vector<int> motivesPerPhrase() const { return model_.shape().motivesPerPhrase(); }
    std::vector<PHRASE_LETTER> phraseLetters() const { return model_.shape().phraseLetters(); }
    TKey key() const { return model_.keyPanel().key(); }
    TMeasure measure() const { return model_.result().measure; }
    DURATION anacrusis() const { return model_.zataktPanel().value(); }
    int32_t tempo() const { return model_.tempPanel().value(); }

    const TNewDialogModel& model() const { return model_; }

    // TRawPeriodDataListener: each rebuilds only what the change touches.
    void structureChanged() override;
    void phrasesChanged() override;
    void sentenceSelected() override;
    void phraseSelected() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QGroupBox* createPanelGroup(const char* name, const char* title, QWidget* panel);
    QGroupBox* createShapeGroup();
    QGroupBox* createTemplatesGroup();
    QGroupBox* createLetterSchemesGroup();
    void setTabOrderOfControls();
    void connectHandlers();

    void selectSentenceRow();
    void selectPhraseRow();
    void refreshSentenceButtons(const TShapeEditorState& state);
    void refreshPhraseControls(const TShapeEditorState& state);

    void measureBoxChange(int index);

    TNewDialogModel model_;
    bool centred_ = false;

    TKeyPanel* keyPanel_ = nullptr;
    TZataktPanel* zataktPanel_ = nullptr;
    TTempPanel* tempPanel_ = nullptr;
    QComboBox* measureBox_ = nullptr;
    QListWidget* sentenceList_ = nullptr;
    QListWidget* phraseList_ = nullptr;
    QPushButton* addSentenceButton_ = nullptr;
    QPushButton* deleteSentenceButton_ = nullptr;
    QPushButton* moveSentenceUpButton_ = nullptr;
    QPushButton* moveSentenceDownButton_ = nullptr;
    QPushButton* addPhraseButton_ = nullptr;
    QPushButton* deletePhraseButton_ = nullptr;
    QPushButton* movePhraseUpButton_ = nullptr;
    QPushButton* movePhraseDownButton_ = nullptr;
    QLabel* motiveCountLabel_ = nullptr;
    QComboBox* motiveCountList_ = nullptr;
    QLabel* phraseLetterLabel_ = nullptr;
    QComboBox* phraseLetterList_ = nullptr;
    QPlainTextEdit* periodStructureEdit_ = nullptr;
    TElidedComboBox* templatesBox_ = nullptr;
    QComboBox* letterSchemesBox_ = nullptr;
    QPushButton* applyLetterSchemeButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
