#include "editing/variant_view.h"

#include <algorithm>
#include <cstdlib>

#include "editing/chord_variant_strategy.h"
#include "editing/note_variant_strategy.h"
#include "generation/scheme.h"
#include "model/midi_output.h"
#include "playback/sound_chord.h"
#include "playback/voice_map.h"

int paneAt(int32_t x, int activePane) {
    if (x <= PANE_BOUNDARY - 1) {
        return 0;
    }
    if (x >= PANE_BOUNDARY + 1) {
        return 1;
    }
    return activePane;
}

TVariantView::TVariantView(TVariantViewHost& host, TVariantSurface& surface,
                           TPointerControl& pointer, TAuditionTimer& timer)
    : host_(host), surface_(surface), timer_(timer), clipMaker_(pointer) {}

TVariantView::~TVariantView() {
    if (isOpen()) {
        close();
    }
}

TScreenRect TVariantView::zoneBesideBoundary(int pane, int32_t width) {
    const TScreenPoint o = surface_.viewOrigin();
    if (pane == 0) {
        return {o.x + PANE_BOUNDARY - width, o.y, o.x + PANE_BOUNDARY + 1, o.y + VIEW_HEIGHT};
    }
    return {o.x + PANE_BOUNDARY, o.y, o.x + PANE_BOUNDARY + 1 + width, o.y + VIEW_HEIGHT};
}

TVariantStrategy& TVariantView::other(const TVariantStrategy& s) const {
    return strategies_[0].get() == &s ? *strategies_[1] : *strategies_[0];
}

void TVariantView::open(TScheme& scheme, TVariantModel& model, int32_t screenX, int32_t screenY) {
    if (isOpen()) {
        close();
    }
    savedPointer_ = clipMaker_.pointer().pos();

    const TScreenRect screen = surface_.screenArea();
    const int32_t width = surface_.popupWidth();
    const int32_t height = surface_.popupHeight();
    int32_t left = screenX;
    if (left + width > screen.right) {
        left = screen.right - width;
    }
    left = std::max(left, screen.left);
    int32_t top = screenY - height;
    if (top < screen.top) {
        top = screen.top;
    }
    surface_.showAt(left, top);
    origin_ = surface_.viewOrigin();

    scheme_ = &scheme;
    model_ = &model;
    soundKey_ = model.motive().key;
    surface_.setCaption(host_.text(model.offersNotes() ? "dad note caption" : "dad chord caption"));
    surface_.setHint(host_.text(model.offersNotes() ? "dad note hint" : "dad chord hint"));

    chooseActivePane();
    placePointer();

    soundingNote_ = TNote();
    clickKey_ = -1;
    schemeFlags_ = 0;

    auditionContext();

    for (auto& s : strategies_) {
        if (model.offersChords()) {
            s = std::make_unique<TChordVariantStrategy>(*this);
        } else if (noteKind_ == TNoteStrategyKind::NT) {
            s = std::make_unique<TNTNoteVariantStrategy>(*this);
        } else {
            s = std::make_unique<TWindowsNoteVariantStrategy>(*this);
        }
    }

    const int inactive = 1 - activePane_;
    strategies_[inactive]->prepareCandidates(model.startPosition());
    strategies_[inactive]->paintPaneFull(inactive);
    repaintPanes();

    strategies_[activePane_]->confineAtOpen();
    clipMaker_.addListener(strategies_[activePane_].get());

    if (!demoMode_) {
        timer_.start(strategies_[activePane_]->timerPeriod());
    }
}

void TVariantView::chooseActivePane() {
    const int32_t s = model_->startPosition();
    const TMotive* m = &model_->motive();
    int pane = 0;
    if (s == lastStartPosition_ && commitCount_ == 1 && m == lastMotive_ && model_->offersNotes() &&
        !model_->offersChords()) {
        // reopening right after one note was written continues in the pane that note came from
        pane = 1 - lastStartPane_;
    }
    activePane_ = pane;
    lastStartPosition_ = s;
    lastStartPane_ = pane;
    commitCount_ = 0;
    lastMotive_ = m;
}

TNote TVariantView::noteBeforeStart() const {
    const int32_t s = model_->startPosition();
    if (s == model_->origin()) {
        const TNote previous = model_->previousNote();
        if (previous.pitch != NO_PITCH) {
            return previous;
        }
    }
    for (const TNote& n : model_->notes()) {
        if (n.time + std::abs(static_cast<int32_t>(n.duration)) == s) {
            return n;
        }
    }
    return TNote();
}

void TVariantView::placePointer() {
    const TScreenPoint origin = surface_.viewOrigin();
    int32_t y = 225;
    if (model_->offersNotes()) {
        const TNote before = noteBeforeStart();
        if (before.pitch >= 13 && before.pitch <= 34 && !before.isRest()) {
            y = rowTop(before.pitch) + 9;
        }
    }
    const int32_t x = activePane_ == 1 ? 290 : 190;
    clipMaker_.pointer().setPos({origin.x + x, origin.y + y});
}

void TVariantView::auditionContext() {
    const int32_t l = model_->meter().measureLength();
    const int32_t s = model_->startPosition();
    if (l > 0) {
        const int32_t measureStart = model_->meter().measureStartOf(s);
        int32_t t;
        if (model_->offersChords()) {
            t = measureStart - l;
        } else {
            t = s == measureStart ? s - l : measureStart;
        }
        soundChordAt(t);
    }
    if (model_->offersNotes()) {
        const TNote before = noteBeforeStart();
        if (before.pitch != NO_PITCH) {
            soundNote(before);
        }
    }
}

void TVariantView::mouseMoved(uint32_t shift, int32_t screenX, int32_t screenY) {
    if (!isOpen()) {
        return;
    }
    // the pointer never shows outside the zone in force, whatever the event said
    TScreenPoint p{screenX, screenY};
    if (clipMaker_.currentId() != -1) {
        p = clipMaker_.currentClip().rect.clamp(p);
    }
    const TScreenPoint origin = surface_.viewOrigin();
    const int32_t x = p.x - origin.x;
    const int32_t y = p.y - origin.y;
    const int pane = paneAt(x, activePane_);
    if (pane != activePane_) {
        switchPane(pane);
    }
    if (isOpen()) {
        strategies_[activePane_]->mouseMove(shift, x, y, activePane_);
    }
}

void TVariantView::surfaceMoved() {
    if (!isOpen())
        return;
    const TScreenPoint now = surface_.viewOrigin();
    clipMaker_.translate(now.x - origin_.x, now.y - origin_.y);
    origin_ = now;
}

void TVariantView::switchPane(int newPane) {
    const int oldPane = activePane_;
    if (newPane == oldPane || !isOpen()) {
        return;
    }
    TVariantStrategy* old = strategies_[oldPane].get();
    TVariantStrategy* next = strategies_[newPane].get();
    old->commit(oldPane);
    next->activate(newPane);
    activePane_ = newPane;
    clipMaker_.removeListener(old);
    clipMaker_.addListener(next);
    surface_.paintPane(oldPane, true);
    if (!model_->offersChords()) {
        const int32_t s = model_->startPosition();
        if (model_->meter().isMeasureStart(s)) {
            soundChordAt(s);
        }
    }
}

void TVariantView::repaintPanes() {
    surface_.paintPane(0, true);
    surface_.paintPane(1, true);
}

void TVariantView::timerStep() {
    if (!isOpen()) {
        timer_.stop();
        return;
    }
    strategies_[activePane_]->poll();
}

void TVariantView::close() {
    timer_.stop();
    surface_.hide();
    clipMaker_.releasePointer();
    clipMaker_.clear();
    stopAudition();
    strategies_[0].reset();
    strategies_[1].reset();
    clipMaker_.pointer().setPos(savedPointer_);
}

void TVariantView::soundNote(const TNote& note) {
    TMidiOutputInterface& out = host_.audition();
    if (soundingNote_.pitch != NO_PITCH) {
        soundingNote_.soundOff(out, soundKey_);
        soundingNote_ = TNote();
    }
    if (!note.isRest() && note.pitch != NO_PITCH) {
        soundingNote_ = note;
        soundingNote_.soundOn(out, soundKey_);
    }
}

void TVariantView::soundChord(const TChord& chord) {
    if (chord.sameVoicing(soundingChord_)) {
        return;
    }
    TMidiOutputInterface& out = host_.audition();
    if (soundingChord_.isArranged()) {
        ::soundChord(out, soundingChord_, soundKey_, false);
    }
    soundingChord_ = chord;
    ::soundChord(out, soundingChord_, soundKey_, true);
}

void TVariantView::stopChord() {
    if (soundingChord_.isArranged()) {
        ::soundChord(host_.audition(), soundingChord_, soundKey_, false);
    }
    soundingChord_.clearVoicing();
}

void TVariantView::soundChordAt(int32_t t) {
    if (const TChord* sounding = model_->chordSoundingAt(t)) {
        soundChord(*sounding);
        return;
    }
    stopChord();
}

void TVariantView::soundClick(bool accented) {
    TMidiOutputInterface& out = host_.audition();
    if (clickKey_ != -1) {
        out.noteOff(DRUM_CHANNEL, clickKey_, clickVelocity_);
    }
    clickKey_ = static_cast<int16_t>(accented ? host_.upBeatDrumVoice() : host_.drumVoice());
    clickVelocity_ = static_cast<int16_t>(accented ? 100 : 80);
    out.noteOn(DRUM_CHANNEL, clickKey_, clickVelocity_);
}

void TVariantView::stopAudition() {
    stopChord();
    soundNote(TNote());
    if (clickKey_ != -1) {
        host_.audition().noteOff(DRUM_CHANNEL, clickKey_, clickVelocity_);
        clickKey_ = -1;
    }
}
