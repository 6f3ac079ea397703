#include "editing/u_motive_interface.h"

#include "development/chord_motive_variant_model.h"
#include "development/edit_motive_variant_model.h"
#include "development/raw_variant_model.h"
#include "editing/canvas_mapping.h"
#include "editing/color_panel_listener.h"
#include "editing/motive_editor.h"
#include "generation/m_generator.h"
#include "generation/scheme.h"
#include "generation/turn_analysis.h"

void TEditUMInterface::mouseDown(uint32_t, int32_t, int32_t, int32_t, int32_t) {
    TMotive& m = *canvas_.motive();
    TEditingHost& host = canvas_.host();
    host.stopPlaying();
    canvas_.pushSnapshot();
    pressed_ = true;
    canvas_.sendEditStarted();
    const TMotiveAndListenerPair previous = host.previousPair(m);
    int32_t start = canvas_.timeCursor();
    if (start < m.startTime()) {
        start = m.startTime();
    }
    auto model = std::make_unique<TEditMotiveVariantModel>(
        m, previous.motive, m.startTime(), static_cast<uint8_t>(previous.kind), previous.motive);
    model->setStartPosition(start);
    TScheme& scheme = host.scheme();
    scheme.applyRhythmMode(canvas_.rhythmMode(), m, start);
    scheme.applyNotesMode(canvas_.notesMode());
    canvas_.openPopup(std::move(model));
}

void TEditUMInterface::mouseMove(uint32_t shift, int32_t x, int32_t, int32_t gx, int32_t gy) {
    if (pressed_) {
        canvas_.host().popup().mouseMoved(shift, gx, gy);
        return;
    }
    const TMotive& m = *canvas_.motive();
    int32_t t = timeAtX(m, x);
    if (canvas_.rhythmMode() == 3) {
        t = snapToNote(m, t);
    }
    if (t != canvas_.timeCursor()) {
        canvas_.setTimeCursor(t);
        canvas_.view().repaint();
    }
    canvas_.sendCursorMoved();
}

void TEditUMInterface::mouseUp() {
    if (!pressed_) {
        return;
    }
    pressed_ = false;
    const std::unique_ptr<TVariantModel> model = canvas_.closePopup();
    const int32_t reached = model != nullptr ? model->startPosition() : -1;
    if (reached != -1) {
        canvas_.setTimeCursor(reached);
        canvas_.view().movePointerToX(xOfTime(*canvas_.motive(), reached));
    }
    canvas_.editCompleted();
}

void TDeleteUMInterface::mouseDown(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) {
    pressed_ = true;
    canvas_.host().stopPlaying();
    canvas_.pushSnapshot();
    mouseMove(shift, x, y, gx, gy);
}

void TDeleteUMInterface::mouseMove(uint32_t, int32_t x, int32_t, int32_t, int32_t) {
    if (!pressed_) {
        return;
    }
    TMotive& m = *canvas_.motive();
    const int32_t t = timeAtX(m, x);
    for (auto it = m.notes.begin(); it != m.notes.end(); ++it) {
        if (it->time == t) {
            m.notes.erase(it);
            m.updateChording();
            canvas_.view().repaint();
            return;
        }
    }
}

void TDeleteUMInterface::mouseUp() {
    pressed_ = false;
}

bool TSGIBaseUMInterface::carryChordOver() {
    TMotive& m = *canvas_.motive();
    const TMotiveAndListenerPair previous = canvas_.host().previousPair(m);
    if (m.anacrusis == 0 || previous.motive == nullptr || previous.motive->chords.empty()) {
        return false;
    }
    TChord carried = previous.motive->chords.back();
    carried.time = 0;
    m.setChord(carried);
    return true;
}

std::unique_ptr<TVariantModel> TSGIBaseUMInterface::createVariantModel() {
    TMotive& m = *canvas_.motive();
    if (emptiesMotive()) {
        m.notes.clear();
        m.chords.clear();
    }
    const bool carried = carryChordOver();
    const TMotiveAndListenerPair previous = canvas_.host().previousPair(m);
    const int32_t origin = carried ? m.measureLength() : m.startTime();
    const auto kind = static_cast<uint8_t>(previous.kind);
    if (rawModel()) {
        return std::make_unique<TRawVariantModel>(m, previous.motive, origin, kind);
    }
    return std::make_unique<TChordMotiveVariantModel>(m, previous.motive, origin, kind);
}

void TSGIBaseUMInterface::mouseDown(uint32_t, int32_t, int32_t, int32_t, int32_t) {
    canvas_.host().stopPlaying();
    canvas_.pushSnapshot();
    prepare();
    pressed_ = true;
    canvas_.sendEditStarted();
    canvas_.openPopup(createVariantModel());
}

void TSGIBaseUMInterface::mouseMove(uint32_t shift, int32_t, int32_t, int32_t gx, int32_t gy) {
    if (pressed_) {
        canvas_.host().popup().mouseMoved(shift, gx, gy);
    }
}

void TSGIBaseUMInterface::mouseUp() {
    if (!pressed_) {
        return;
    }
    pressed_ = false;
    canvas_.closePopup();
    finish();
    canvas_.editCompleted();
}

void TChordUMInterface::finish() {
    canvas_.motive()->updateChording();
    canvas_.sendChordsChosen();
}

void TNewChordUMInterface::finish() {
    canvas_.sendChordsChosen();
}

void TChordWithTransferUMInterface::prepare() {
    const TMotive& m = *canvas_.motive();
    rhythm_ = m.rhythm();
    turns_ = turnSchemeOfMotive(m);
    references_ = lightsOfMotive(m);
}

void TChordWithTransferUMInterface::finish() {
    TMotive& m = *canvas_.motive();
    // the melody keeps its rhythm, figures and starting pitches under the new chords
    const TMGenerator generator(m.key, m.measure);
    generator.generate(m, rhythm_, turns_, references_);
    m.updateChording();
}
