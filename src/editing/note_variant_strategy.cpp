#include "editing/note_variant_strategy.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "editing/variant_view.h"
#include "generation/scheme.h"

namespace {

int32_t absDuration(int32_t d) {
    return std::abs(d);
}

}  // namespace

int TNoteVariantStrategy::paneOfThis() const {
    return view_.strategy(0) == this ? 0 : 1;
}

const TScVariant* TNoteVariantStrategy::candidateAt(int32_t pitch) const {
    for (const TScVariant& v : candidates_) {
        if (v.pitch == pitch) {
            return &v;
        }
    }
    return nullptr;
}

int32_t TNoteVariantStrategy::maxDuration() const {
    int32_t longest = 0;
    for (const TScVariant& v : candidates_) {
        for (DURATION d : v.durations) {
            longest = std::max(longest, absDuration(d));
        }
    }
    return longest;
}

int32_t TNoteVariantStrategy::step() const {
    int32_t g = 0;
    for (DURATION d : view_.scheme().rhythmScheme()) {
        g = std::gcd(g, absDuration(d));
    }
    return g == 0 ? 30 : g;
}

void TNoteVariantStrategy::defineZone(int32_t extent, int pane, bool withCommit) {
    const int32_t w = lengthPixels(extent);
    const int32_t delay = view_.host().dadCursorDelay();
    const bool lengthens = extent < maxDuration();
    std::vector<TDirection> directions;
    const int32_t inner = pane == 0 ? SIDE_RIGHT : SIDE_LEFT;
    const int32_t outer = pane == 0 ? SIDE_LEFT : SIDE_RIGHT;
    if (lengthens) {
        directions.push_back(
            TDirection::make(outer, extendInitialPressure(), delay - extendReduction(), false));
    }
    if (withCommit) {
        directions.push_back(TDirection::make(inner, commitInitialPressure(), delay, true));
    }
    view_.clipMaker().defineClip(NOTE_ZONE, view_.zoneBesideBoundary(pane, w),
                                 std::move(directions));
}

void TNoteVariantStrategy::confineAtOpen() {
    defineZone(PANE_WIDTH, view_.activePane(), true);
    view_.clipMaker().activateClip(NOTE_ZONE);
}

void TNoteVariantStrategy::activate(int pane) {
    extent_ = std::min(step(), maxDuration());
    defineZone(extent_, pane, true);
    view_.clipMaker().activateClip(NOTE_ZONE);
    view_.soundClick(view_.model().meter().isMeasureStart(view_.model().startPosition()));
}

void TNoteVariantStrategy::clearCandidates() {
    candidates_.clear();
}

bool TNoteVariantStrategy::prepareCandidates(int32_t t) {
    TVariantModel& model = view_.model();
    if (t >= model.endPosition()) {
        candidates_.clear();
        position_ = -1;
        hoverRow_ = -1;
        return false;
    }
    position_ = t;
    const int32_t l = model.meter().measureLength();
    const int32_t s = model.meter().measureStartOf(t);
    const int32_t e = std::min(model.endPosition(), s + l);
    // the harmony that sounds at the note: a motive without a chord of its own there still
    // sounds the previous motive's last chord
    TChord chord;
    if (const TChord* sounding = model.chordSoundingAt(t))
        chord = *sounding;
    const uint32_t flags = view_.schemeFlags();
    variant_set found;
    view_.scheme().collectVariants(model.notes(), &chord, (flags & 1) != 0, (flags & 2) != 0,
                                   l > 0 && t % l == 0, found, model.meter(), model.motive(), t, e);
    candidates_.assign(found.begin(), found.end());
    std::sort(candidates_.begin(), candidates_.end(),
              [](const TScVariant& a, const TScVariant& b) { return a.pitch < b.pitch; });
    hoverRow_ = -1;
    return true;
}

int32_t TNoteVariantStrategy::hoverRowAt(int32_t y) {
    const int32_t r = rowOfY(y);
    if (r == hoverRow_) {
        return r;
    }
    hoverRow_ = candidateAt(r) != nullptr ? r : -1;
    return hoverRow_;
}

void TNoteVariantStrategy::takeHovered() {
    if (hoverRow_ == -1) {
        return;
    }
    const TScVariant* v = candidateAt(hoverRow_);
    if (v == nullptr) {
        return;
    }
    chosenVariant_ = *v;
    if (chosenVariant_.durations.empty()) {
        return;
    }
    TVariantModel& model = view_.model();
    currentNote_ = TNote(model.startPosition(), hoverRow_, chosenVariant_.durations.front());
    currentNote_.chording = chosenVariant_.chording;
    currentNote_.sharp = chosenVariant_.sharp;
    if (!currentNote_.isRest()) {
        model.setNote(currentNote_);
    }
    repaintPane(paneOfThis());
    view_.soundNote(currentNote_);
    afterNoteChange();
}

void TNoteVariantStrategy::afterNoteChange() {
    TVariantModel& model = view_.model();
    const int32_t next = model.startPosition() + absDuration(currentNote_.duration);
    uint32_t flags = 0;
    if (chosenVariant_.turnPosition != -1 || model.meter().isMeasureStart(next)) {
        flags |= 1;
    }
    if (chosenVariant_.rhythmPosition != -1) {
        flags |= 2;
    }
    view_.setSchemeFlags(flags);
    lastRow_ = -1;
    const int otherPane = 1 - paneOfThis();
    TVariantStrategy& other = view_.other(*this);
    other.prepareCandidates(next);
    other.paintPaneFull(otherPane);
    other.repaintPane(otherPane);
}

void TNoteVariantStrategy::edgeBroken(int32_t clipId, int32_t side, bool needsSteadyRow) {
    (void)side;
    if (clipId != NOTE_ZONE) {
        return;
    }
    if (needsSteadyRow) {
        view_.countCommit();
        const int newPane = 1 - view_.activePane();
        view_.switchPane(newPane);
        if (TVariantStrategy* s = view_.strategy(newPane)) {
            s->takeHovered();
        }
        return;
    }
    const int32_t longest = maxDuration();
    if (extent_ < longest) {
        extent_ = std::min(extent_ + step(), longest);
        view_.soundClick(false);
    }
    const int pane = view_.activePane();
    defineZone(extent_, pane, !view_.other(*this).isEmpty());
    view_.clipMaker().activateClip(NOTE_ZONE);
    // only a note taken in this pane grows; its duration always comes from its candidate's list
    if (currentNote_.pitch != NO_PITCH && !chosenVariant_.durations.empty()) {
        const std::vector<DURATION>& list = chosenVariant_.durations;
        DURATION d = list.back();
        if (list.size() == 1) {
            d = list.front();
        } else {
            for (DURATION candidate : list) {
                if (absDuration(candidate) >= extent_) {
                    d = candidate;
                    break;
                }
            }
        }
        if (d != currentNote_.duration) {
            currentNote_.duration = d;
            if (!currentNote_.isRest()) {
                view_.model().setNote(currentNote_);
            }
            afterNoteChange();
        }
    }
    repaintPane(pane);
}

void TNoteVariantStrategy::commit(int pane) {
    if (candidates_.empty()) {
        return;
    }
    TVariantModel& model = view_.model();
    const bool taken = currentNote_.duration != 0;
    model.setStartPosition(model.startPosition() + absDuration(currentNote_.duration));
    repaintPane(pane);
    // the scheme moves on only past a note that was written
    if (taken && chosenVariant_.turnPosition != -1) {
        view_.scheme().advanceTurnPosition();
    }
    if (taken && chosenVariant_.rhythmPosition != -1) {
        view_.scheme().advanceRhythmPosition();
    }
    view_.setSchemeFlags(0);
    currentNote_ = TNote(0, NO_PITCH, 0);
    hoverRow_ = -1;
    lastRow_ = -1;
    extent_ = 0;
    clearCandidates();
}

void TNoteVariantStrategy::mouseMove(uint32_t shift, int32_t x, int32_t y, int pane) {
    setCtrlMode((shift & SHIFT_CTRL) != 0 && !candidates_.empty());
    moveStep(x, y, pane);
}

void TNoteVariantStrategy::poll() {
    if (ctrlMode_) {
        replayTick();
    }
    const TScreenPoint p = view_.clipMaker().pointer().pos();
    const TScreenPoint o = view_.viewOrigin();
    moveStep(p.x - o.x, p.y - o.y, view_.activePane());
}

void TNoteVariantStrategy::moveStep(int32_t x, int32_t y, int pane) {
    if (ctrlMode_) {
        changePitch(y);
        return;
    }
    TClipMaker& clip = view_.clipMaker();
    TVariantStrategy& other = view_.other(*this);
    const int otherPane = 1 - pane;
    bool repaintOther = false;
    if (!clip.warped()) {
        const int32_t r = other.hoverRowAt(y);
        if (r != lastRow_ || r == -1) {
            if (clip.resetSteadyPressure()) {
                // another row takes away the commit pressure built so far
                lastRow_ = r;
                other.paintEdgeColumn(otherPane);
                return;
            }
            repaintOther = r != lastRow_;
        }
        lastRow_ = r;
    }
    if (view_.demoMode()) {
        const TScreenPoint o = view_.viewOrigin();
        if (clip.testEdgesAtOnce(x + o.x, y + o.y)) {
            view_.repaintPanes();
            return;
        }
    } else {
        const TEdgeTest t = clip.testEdges(false);
        if (t.moved && t.atEdge) {
            if (clip.currentId() == NOTE_ZONE) {
                view_.other(*this).paintEdgeColumn(1 - view_.activePane());
                view_.surface().paintExtentLine(view_.activePane());
            } else {
                repaintPane(view_.activePane());
            }
            return;
        }
    }
    if (repaintOther) {
        other.paintEdgeColumn(otherPane);
    }
}

void TNoteVariantStrategy::restartReplay() {
    replayTicks_ = 0;
    replayPhase_ = 0;
}

void TNoteVariantStrategy::setCtrlMode(bool on) {
    if (on == ctrlMode_) {
        return;
    }
    ctrlMode_ = on;
    const int pane = paneOfThis();
    if (on) {
        replayStep_ = std::max<int32_t>(1, REPLAY_STEP_MS / timerPeriod());
        if (view_.clipMaker().resetPressure()) {
            repaintPane(pane);
            view_.other(*this).paintEdgeColumn(1 - pane);
        }
    } else {
        view_.repaintPanes();
    }
    restartReplay();
}

void TNoteVariantStrategy::changePitch(int32_t y) {
    const int32_t r = rowOfY(y);
    if (r == currentNote_.pitch) {
        return;
    }
    const TScVariant* v = candidateAt(r);
    if (v == nullptr || currentNote_.duration == 0) {
        return;
    }
    chosenVariant_ = *v;
    TVariantModel& model = view_.model();
    currentNote_.pitch = r;
    currentNote_.time = model.startPosition();
    currentNote_.chording = v->chording;
    currentNote_.sharp = v->sharp;
    if (!currentNote_.isRest()) {
        model.setNote(currentNote_);
    }
    view_.soundNote(currentNote_);
    repaintPane(paneOfThis());
    afterNoteChange();
    restartReplay();
}

void TNoteVariantStrategy::replayTick() {
    if (replayPhase_ == 3) {
        return;
    }
    if (++replayTicks_ < replayStep_) {
        return;
    }
    replayTicks_ = 0;
    const int pane = paneOfThis();
    switch (replayPhase_) {
        case 0: {
            if (currentNote_.pitch == NO_PITCH) {
                replayPhase_ = 3;
                return;
            }
            const TNote before = view_.noteBeforeStart();
            if (before.pitch == NO_PITCH) {
                replayPhase_ = 3;
                return;
            }
            view_.soundNote(before);
            markRow(1 - pane, before.pitch);
            break;
        }
        case 1:
            repaintPane(1 - pane);
            view_.soundNote(currentNote_);
            markRow(pane, currentNote_.pitch);
            break;
        case 2:
            repaintPane(pane);
            break;
        default:
            break;
    }
    ++replayPhase_;
}
