#include "app/u_motive_canvas.h"

#include "app/base_service.h"
#include "app/relay.h"
#include "generation/chord_selection.h"
#include "model/motive.h"

TUMotiveCanvas::TUMotiveCanvas(QWidget* parent, TBaseService& host, TMotive* motive,
                               int32_t canvasId)
    : TMotiveCanvas(parent, &host.notePainter()), host_(host), canvasId_(canvasId) {
    setMotive(motive);
}

void TUMotiveCanvas::setNotesMode(int mode) {
    if (mode == notesMode_)
        return;
    notesMode_ = mode;
    update();
}

void TUMotiveCanvas::setChordMode(int mode) {
    if (mode == chordMode_)
        return;
    chordMode_ = mode;
    update();
}

void TUMotiveCanvas::selectChords() {
    TMotive* m = motive();
    if (m == nullptr)
        return;
    const TMotiveAndListenerPair previous = host_.previousPair(*m);
    ::selectChords(*m, previous.motive, previous.kind, host_.scheme());
    update();
}

void TUMotiveCanvas::markPlaying(int32_t variantTag, int32_t noteIndex, bool playing) {
    TMotive* m = motive();
    if (m == nullptr || noteIndex < 0 || static_cast<size_t>(noteIndex) >= m->notes.size())
        return;
    // a report about a version this canvas no longer shows changes nothing
    if (variantTag != m->variantTag())
        return;
    if (playing && host_.popupShown())
        return;
    setNotePlaying(static_cast<size_t>(noteIndex), playing);
}

void TUMotiveCanvas::noteStarted(int32_t variantTag, int32_t noteIndex) {
    markPlaying(variantTag, noteIndex, true);
}

void TUMotiveCanvas::noteEnded(int32_t variantTag, int32_t noteIndex) {
    markPlaying(variantTag, noteIndex, false);
}

void TUMotiveCanvas::onNoteOn(int32_t motiveTag, int32_t noteIndex) {
    host_.relay().postNote(canvasId_, motiveTag, noteIndex, true);
}

void TUMotiveCanvas::onNoteOff(int32_t motiveTag, int32_t noteIndex) {
    host_.relay().postNote(canvasId_, motiveTag, noteIndex, false);
}

void TUMotiveCanvas::onMotiveStart() {
    host_.relay().postPlay(canvasId_, true);
}

void TUMotiveCanvas::onMotiveEnd() {
    host_.relay().postPlay(canvasId_, false);
}
