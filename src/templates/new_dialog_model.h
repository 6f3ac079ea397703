#pragma once

#include <string>
#include <vector>

#include "model/measure.h"
#include "templates/key_panel_model.h"
#include "templates/new_dialog_result.h"
#include "templates/raw_letter_scheme.h"
#include "templates/raw_period_data.h"
#include "templates/shape_editor_state.h"
#include "templates/temp_panel_model.h"
#include "templates/zatakt_panel_model.h"

class TMessageBundle;

// The new-composition dialog without its widgets: the shape being edited with the built-in
// templates and letter schemes, the meter, and the key, motive-type and tempo choices. Every
// showing starts afresh from the default shape, 2/4, E minor, Amphibrachys with an eighth before
// the bar and tempo 100. The handlers are the dialog's, one per control; the button rules follow
// from the shape (shapeEditorState) and keep it within the editor's limits.
class TNewDialogModel {
  public:
    explicit TNewDialogModel(const TMessageBundle& bundle);
    TNewDialogModel(const TNewDialogModel&) = delete;
    TNewDialogModel& operator=(const TNewDialogModel&) = delete;

    const TMessageBundle& bundle() const { return bundle_; }
    const TRawPeriodData& shape() const { return shape_; }
    // The listener hears every change of the shape.
    void setShapeListener(TRawPeriodDataListener* listener) { shape_.setListener(listener); }

    // The choice lists and what they select.
    const std::vector<TRawPeriodData>& templates() const { return templates_; }
    const std::vector<TRawLetterScheme>& letterSchemes() const { return letterSchemes_; }
    const std::vector<TMeasure>& meters() const { return meters_; }
    std::vector<std::string> templateItems() const;
    std::vector<std::string> letterSchemeItems() const;
    std::vector<std::string> meterItems() const;
    // "2/4": the beat count over 4 for quarter beats, over 8 for eighth beats.
    static std::string meterCaption(const TMeasure& meter);
    // "1" .. "4".
    static std::vector<std::string> motiveCountItems();
    // The letter codes the user can give a phrase ("A" .. "A2"), and their names.
    static const std::vector<PHRASE_LETTER>& phraseLetterCodes();
    static std::vector<std::string> phraseLetterItems();
    int templateIndex() const { return templateIndex_; }
    int letterSchemeIndex() const { return letterSchemeIndex_; }
    int meterIndex() const { return meterIndex_; }

    TKeyPanelModel& keyPanel() { return keyPanel_; }
    TZataktPanelModel& zataktPanel() { return zataktPanel_; }
    TTempPanelModel& tempPanel() { return tempPanel_; }
    const TKeyPanelModel& keyPanel() const { return keyPanel_; }
    const TZataktPanelModel& zataktPanel() const { return zataktPanel_; }
    const TTempPanelModel& tempPanel() const { return tempPanel_; }

    // Handlers. An index outside its list is ignored.
    void chooseLetterScheme(int index);
    void applyLetterScheme();
    void chooseTemplate(int index);
    void clickSentence(int index);
    void clickPhrase(int index);
    void addSentence();
    void deleteSentence();
    void moveSentenceUp();
    void moveSentenceDown();
    void addPhrase();
    void deletePhrase();
    void movePhraseUp();
    void movePhraseDown();
    void chooseMotiveCount(int index);
    void choosePhraseLetter(int index);
    // The motive-type panel follows the meter.
    void chooseMeter(int index);

    // What the shape editor's controls show for the current shape.
    TShapeEditorState shapeEditorState() const;

    TNewDialogResult result() const;

  private:
    const TMessageBundle& bundle_;
    std::vector<TRawPeriodData> templates_;
    std::vector<TRawLetterScheme> letterSchemes_;
    std::vector<TMeasure> meters_;
    int templateIndex_ = 0;
    int letterSchemeIndex_ = DEFAULT_LETTER_SCHEME_INDEX;
    int meterIndex_ = 0;
    TRawPeriodData shape_;
    TKeyPanelModel keyPanel_;
    TZataktPanelModel zataktPanel_;
    TTempPanelModel tempPanel_;
};
