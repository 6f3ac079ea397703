#include "editing/motive_editor.h"

#include "development/variant_model.h"
#include "editing/canvas_mapping.h"
#include "editing/color_panel_listener.h"
#include "generation/chord_selection.h"
#include "model/motive.h"

TMotiveEditor::TMotiveEditor(TEditingHost& host, TEditorView& view, TMotive* motive)
    : host_(host), view_(view), motive_(motive) {
    selectInterfaces();
}

TMotiveEditor::~TMotiveEditor() {
    if (variantModel_ != nullptr) {
        host_.popup().close();
    }
}

void TMotiveEditor::setMotive(TMotive* motive) {
    if (active_ != nullptr) {
        mouseUp();
    }
    motive_ = motive;
    history_ = TMotiveHistory();
    timeCursor_ = -1;
}

void TMotiveEditor::selectInterfaces() {
    upper_ = notesMode_ == 5 ? static_cast<TUMotiveInterface*>(&delete_) : &edit_;
    switch (chordMode_) {
        case 1:
            lower_ = &chord_;
            break;
        case 2:
            upper_ = &newChord_;
            lower_ = &newChord_;
            break;
        case 3:
            upper_ = &chord_;
            lower_ = &chord_;
            break;
        default:
            lower_ = &transfer_;
            break;
    }
}

void TMotiveEditor::setNotesMode(int mode) {
    if (mode == notesMode_) {
        return;
    }
    notesMode_ = mode;
    selectInterfaces();
    view_.repaint();
}

void TMotiveEditor::setChordMode(int mode) {
    if (mode == chordMode_) {
        return;
    }
    chordMode_ = mode;
    selectInterfaces();
    view_.repaint();
}

void TMotiveEditor::selectChords() {
    if (motive_ == nullptr) {
        return;
    }
    const TMotiveAndListenerPair previous = host_.previousPair(*motive_);
    ::selectChords(*motive_, previous.motive, previous.kind, host_.scheme());
    view_.repaint();
}

bool TMotiveEditor::mouseDown(TMouseButton button, uint32_t shift, int32_t x, int32_t y, int32_t gx,
                              int32_t gy) {
    if (button != TMouseButton::Left || active_ != nullptr || motive_ == nullptr ||
        host_.popupShown()) {
        return false;
    }
    active_ = y <= CANVAS_NOTES_BOTTOM ? upper_ : lower_;
    active_->mouseDown(shift, x, y, gx, gy);
    return true;
}

void TMotiveEditor::mouseMove(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) {
    if (motive_ == nullptr) {
        return;
    }
    if (active_ != nullptr) {
        active_->mouseMove(shift, x, y, gx, gy);
        return;
    }
    (y <= CANVAS_NOTES_BOTTOM ? upper_ : lower_)->mouseMove(shift, x, y, gx, gy);
}

void TMotiveEditor::mouseUp() {
    TUMotiveInterface* active = active_;
    active_ = nullptr;
    if (active != nullptr) {
        active->mouseUp();
    }
}

int TMotiveEditor::cursorShapeAt(int32_t y) const {
    return (y <= CANVAS_NOTES_BOTTOM ? upper_ : lower_)->cursorShape();
}

bool TMotiveEditor::pushSnapshot() {
    return motive_ != nullptr && history_.pushSnapshot(*motive_);
}

void TMotiveEditor::back() {
    if (motive_ == nullptr || active_ != nullptr) {
        return;
    }
    history_.back(*motive_);
    view_.repaint();
}

void TMotiveEditor::forward() {
    if (motive_ == nullptr || active_ != nullptr) {
        return;
    }
    history_.forward(*motive_);
    view_.repaint();
}

bool TMotiveEditor::showVersion(int32_t version) {
    if (motive_ == nullptr || !history_.showVersion(*motive_, version)) {
        return false;
    }
    view_.repaint();
    return true;
}

bool TMotiveEditor::dropMotive(const TMotive& source) {
    if (!dropEnabled_ || motive_ == nullptr || &source == motive_ || active_ != nullptr) {
        return false;
    }
    host_.stopPlaying();
    pushSnapshot();
    motive_->notes = source.notes;
    motive_->chords = source.chords;
    motive_->updateChording();
    sendEditStarted();
    view_.repaint();
    return true;
}

int32_t TMotiveEditor::timeCursor() const {
    if (variantModel_ != nullptr && variantModel_->offersNotes()) {
        return variantModel_->startPosition();
    }
    return timeCursor_;
}

bool TMotiveEditor::showsCursor() const {
    return upper_->paintsCursor() && timeCursor() != -1;
}

void TMotiveEditor::openPopup(std::unique_ptr<TVariantModel> model) {
    variantModel_ = std::move(model);
    const TScreenPoint anchor =
        popupAnchor(view_.canvasOnScreen(), view_.screenArea(), view_.popupWidth());
    host_.popup().open(host_.scheme(), *variantModel_, anchor.x, anchor.y);
}

std::unique_ptr<TVariantModel> TMotiveEditor::closePopup() {
    if (variantModel_ != nullptr) {
        host_.popup().close();
    }
    return std::move(variantModel_);
}

void TMotiveEditor::sendEditStarted() {
    for (TUMotiveCanvasListener* l : listeners_) {
        l->editStarted(*this);
    }
}

void TMotiveEditor::sendCursorMoved() {
    for (TUMotiveCanvasListener* l : listeners_) {
        l->cursorMoved(*this);
    }
}

void TMotiveEditor::sendChordsChosen() {
    for (TUMotiveCanvasListener* l : listeners_) {
        l->chordsChosen(*this);
    }
}

void TMotiveEditor::editCompleted() {
    view_.repaint();
    host_.playMotive(*motive_, view_.playerListener());
}
