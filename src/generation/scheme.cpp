#include "generation/scheme.h"

#include <algorithm>

namespace {

constexpr int32_t REST_CANDIDATE_PITCH = 24;

}  // namespace

const TRhythm& defaultRhythmScheme() {
    static const TRhythm list = {30, 60, 90, 120, 150, 180, 210, 240};
    return list;
}

const std::vector<TURN_ROUND>& defaultTurnScheme() {
    static const std::vector<TURN_ROUND> list = {TURN_ARPEGGIO_0, TURN_ARPEGGIO_1, TURN_ARPEGGIO_2,
                                                 TURN_ARPEGGIO_3, TURN_AUXILIARY,  TURN_LINE,
                                                 TURN_ENCIRCLING, TURN_LEAP_IN,    TURN_LEAP_OUT};
    return list;
}

TScheme::TScheme() : chordSet_(harmonySetChords()), turnAnalysers_(makeTurnAnalysers()) {
    setDefaultRhythmScheme();
    setDefaultTurnScheme();
}

void TScheme::chordsAfter(const TKey& key, int32_t rank, std::vector<TChord>& following,
                          std::vector<TChord>& tonic) const {
    following.clear();
    for (const TChord& chord : chordSet_) {
        if (!chord.isAvailableIn(key)) {
            continue;
        }
        if (chord.order >= rank) {
            following.push_back(chord);
        } else if (chord.tonicGroup) {
            tonic.push_back(chord);
        }
    }
}

std::vector<TChord> TScheme::chordCandidates(const TKey& key, int32_t rank) const {
    std::vector<TChord> following;
    std::vector<TChord> tonic;
    chordsAfter(key, rank, following, tonic);
    std::stable_sort(following.begin(), following.end(),
                     [](const TChord& a, const TChord& b) { return a.order < b.order; });
    following.insert(following.end(), tonic.begin(), tonic.end());
    return following;
}

void TScheme::setDefaultRhythmScheme() {
    rhythmScheme_ = defaultRhythmScheme();
    rhythmInOrder_ = false;
    if (rhythmListener_) {
        rhythmListener_();
    }
}

void TScheme::setRhythmScheme(const TRhythm& list, bool inOrder, bool notify) {
    rhythmScheme_ = list;
    rhythmInOrder_ = inOrder;
    if (!inOrder) {
        std::sort(rhythmScheme_.begin(), rhythmScheme_.end());
    }
    if (notify && rhythmListener_) {
        rhythmListener_();
    }
}

int32_t TScheme::peekRhythmPosition() const {
    if (!rhythmInOrder_) {
        return 0;
    }
    const int32_t next = rhythmPosition_ + 1;
    return next < static_cast<int32_t>(rhythmScheme_.size()) ? next : 0;
}

void TScheme::advanceRhythmPosition() {
    rhythmPosition_ = peekRhythmPosition();
}

void TScheme::setDefaultTurnScheme() {
    turnScheme_ = defaultTurnScheme();
    turnsInOrder_ = false;
    if (turnListener_) {
        turnListener_();
    }
}

void TScheme::setTurnScheme(const std::vector<TURN_ROUND>& list, bool inOrder, bool notify) {
    turnScheme_ = list;
    turnsInOrder_ = inOrder;
    if (notify && turnListener_) {
        turnListener_();
    }
}

int32_t TScheme::peekTurnPosition() const {
    if (!turnsInOrder_) {
        return 0;
    }
    const int32_t next = turnPosition_ + 1;
    return next < static_cast<int32_t>(turnScheme_.size()) ? next : 0;
}

void TScheme::advanceTurnPosition() {
    turnPosition_ = peekTurnPosition();
}

void TScheme::resetPositions() {
    rhythmPosition_ = 0;
    turnPosition_ = 0;
}

void TScheme::resetScheme() {
    setDefaultRhythmScheme();
    setDefaultTurnScheme();
}

void TScheme::applyRhythmMode(int rhythmMode, const TMotive& motive, int32_t insertionTime) {
    rhythmPosition_ = 0;
    switch (rhythmMode) {
        case 0:
            setDefaultRhythmScheme();
            break;
        case 1:
            setRhythmScheme({60, 120, 180, 240}, false, true);
            break;
        case 2:
            setRhythmScheme({120, 240}, false, true);
            break;
        case 3: {
            const TRhythm rhythm = motive.rhythm();
            setRhythmScheme(rhythm, true, true);
            const int32_t index = rhythmIndexAt(rhythm, motive.startTime(), insertionTime);
            rhythmPosition_ = index < 0 ? 0 : index;
            break;
        }
        default:
            break;
    }
}

void TScheme::applyNotesMode(int notesMode) {
    switch (notesMode) {
        case 0:
            setTurnScheme({TURN_LINE}, false, true);
            insertMode_ = INSERT_CLASSIC;
            break;
        case 1:
            setTurnScheme({TURN_ARPEGGIO_0, TURN_ARPEGGIO_1, TURN_ARPEGGIO_2, TURN_ARPEGGIO_3},
                          false, true);
            insertMode_ = INSERT_CLASSIC;
            break;
        case 2:
            setDefaultTurnScheme();
            insertMode_ = INSERT_CLASSIC;
            break;
        case 3:
            insertMode_ = INSERT_NEW_WAY;
            break;
        case 4:
            insertMode_ = INSERT_ALL;
            break;
        default:
            break;
    }
}

int32_t TScheme::rhythmIndex(bool advance) const {
    const int32_t i = advance ? peekRhythmPosition() : rhythmPosition_;
    // a position left over from a longer scheme starts the cycle again instead of reading past
    // the end
    return i >= 0 && i < static_cast<int32_t>(rhythmScheme_.size()) ? i : 0;
}

int32_t TScheme::turnIndex(bool advance) const {
    const int32_t i = advance ? peekTurnPosition() : turnPosition_;
    return i >= 0 && i < static_cast<int32_t>(turnScheme_.size()) ? i : 0;
}

TTurnVector notesBeforeIn(const std::vector<TNote>& notes, int32_t t, int n,
                          int32_t measureLength) {
    TTurnVector before;
    if (measureLength > 0) {
        const int32_t measureOfT = t / measureLength;
        for (auto it = notes.rbegin(); it != notes.rend() && static_cast<int>(before.size()) < n;
             ++it) {
            if (it->time >= t) {
                continue;
            }
            if (it->time / measureLength != measureOfT) {
                break;
            }
            before.push_back(*it);
        }
    }
    while (static_cast<int>(before.size()) < n) {
        before.push_back(TNote());
    }
    return before;
}

int32_t rhythmIndexAt(const TRhythm& rhythm, int32_t start, int32_t t) {
    int32_t a = start;
    for (size_t i = 0; i < rhythm.size(); ++i) {
        const int32_t length = rhythm[i] < 0 ? -rhythm[i] : rhythm[i];
        if (t >= a && t < a + length) {
            return static_cast<int32_t>(i);
        }
        a += length;
    }
    return -1;
}

void TScheme::collectPitches(const std::vector<TNote>& notes, const TChord* chord, bool advanceTurn,
                             bool barLine, const TMotive& motive, int32_t t,
                             TCandidateList& list) const {
    const TKey& key = motive.key;
    auto everyPosition = [&] {
        for (int32_t p = MELODY_LOW; p <= MELODY_HIGH; ++p) {
            list.add(p, chord == nullptr || chord->isChordTone(p, key), -1);
        }
    };
    auto chordTones = [&] {
        for (int32_t p : chord->chordTonePositions(key)) {
            if (inMelodyRange(p)) {
                list.add(p, true, -1);
            }
        }
    };
    if (chord == nullptr) {
        everyPosition();
        return;
    }
    const int32_t measureLength = contextMeasure_->measureLength();
    if (insertMode_ == INSERT_ALL || (insertMode_ == INSERT_NEW_WAY && barLine)) {
        everyPosition();
        return;
    }
    if (insertMode_ == INSERT_NEW_WAY) {
        const TTurnVector before = notesBeforeIn(notes, t, 2, measureLength);
        const TNote& n0 = before[0];
        const TNote& n1 = before[1];
        const bool approachedByStep = n1.pitch != NO_PITCH && n1.chording &&
                                      n1.pitch - n0.pitch <= 1 && n0.pitch - n1.pitch <= 1;
        if (!n0.chording && !approachedByStep) {
            // a hanging non-chord tone: offer its resolutions
            const int32_t up = chord->nextChordTone(n0.pitch, key, 1);
            if (up == n0.pitch + 1 && inMelodyRange(up)) {
                list.add(up, true, 0);
            }
            const int32_t down = chord->previousChordTone(n0.pitch, key, 1);
            if (down == n0.pitch - 1 && inMelodyRange(down)) {
                list.add(down, true, 0);
            }
        } else {
            for (int32_t p = n0.pitch - 7; p <= n0.pitch + 7; ++p) {
                if (inMelodyRange(p)) {
                    list.add(p, chord->isChordTone(p, key), -1);
                }
            }
        }
        if (list.empty()) {
            everyPosition();
        }
        return;
    }
    // the classic way
    if (barLine) {
        chordTones();
        return;
    }
    const TTurnVector before = notesBeforeIn(notes, t, 3, measureLength);
    const TTurnContext context{before, *chord, key, measureLength};
    auto runKind = [&](size_t index) {
        const auto analyser = turnAnalysers_.find(turnScheme_[index]);
        if (analyser != turnAnalysers_.end()) {
            analyser->second(context, static_cast<int32_t>(index), list);
        }
    };
    if (!turnScheme_.empty()) {
        if (turnsInOrder_) {
            runKind(static_cast<size_t>(turnIndex(advanceTurn)));
        } else {
            for (size_t i = 0; i < turnScheme_.size(); ++i) {
                runKind(i);
            }
        }
    }
    if (list.empty()) {
        chordTones();
    }
}

std::vector<DURATION> TScheme::offeredDurations(bool advanceRhythm, int32_t remaining,
                                                int32_t& position) const {
    std::vector<DURATION> durations;
    position = -1;
    if (rhythmScheme_.empty()) {
        for (int32_t d = SIXTEENTH; d <= remaining; d += SIXTEENTH) {
            durations.push_back(static_cast<DURATION>(d));
        }
    } else {
        const int32_t i = rhythmIndex(advanceRhythm);
        if (rhythmInOrder_) {
            if (rhythmScheme_[static_cast<size_t>(i)] <= remaining) {
                durations.push_back(rhythmScheme_[static_cast<size_t>(i)]);
            }
        } else {
            for (DURATION d : rhythmScheme_) {
                if (d <= remaining) {
                    durations.push_back(d);
                }
            }
        }
        position = durations.empty() ? -1 : i;
    }
    if (durations.empty()) {
        // nothing fits: the remaining time itself
        durations.push_back(static_cast<DURATION>(remaining));
        position = -1;
    }
    return durations;
}

void TScheme::collectVariants(const std::vector<TNote>& notes, const TChord* chord,
                              bool advanceTurn, bool advanceRhythm, bool barLine, variant_set& out,
                              const TMeasure& measure, const TMotive& motive, int32_t t,
                              int32_t endTime) {
    contextMeasure_ = &measure;
    contextMotive_ = &motive;
    out.clear();
    const int32_t remaining = endTime - t;
    if (chord != nullptr && !chord->isArranged()) {
        chord = nullptr;
    }

    if (rhythmInOrder_ && !rhythmScheme_.empty()) {
        const int32_t i = rhythmIndex(advanceRhythm);
        const DURATION v = rhythmScheme_[static_cast<size_t>(i)];
        if (v < 0) {
            // the ordered rhythm asks for a rest here: that is the only candidate, shown on the
            // pitch of the note before it so the popup can place it in a row
            TScVariant rest;
            rest.pitch = REST_CANDIDATE_PITCH;
            for (auto it = notes.rbegin(); it != notes.rend(); ++it) {
                if (it->time < t) {
                    if (inMelodyRange(it->pitch)) {
                        rest.pitch = it->pitch;
                    }
                    break;
                }
            }
            rest.chording = false;
            rest.turnPosition = -1;
            if (remaining < -v) {
                rest.durations = {static_cast<DURATION>(-remaining)};
                rest.rhythmPosition = -1;
            } else {
                rest.durations = {v};
                rest.rhythmPosition = i;
            }
            out.insert(rest);
            return;
        }
    }

    TCandidateList list;
    collectPitches(notes, chord, advanceTurn, barLine, motive, t, list);

    int32_t position = -1;
    const std::vector<DURATION> durations = offeredDurations(advanceRhythm, remaining, position);
    for (TScVariant& v : list.items()) {
        v.durations = durations;
        v.rhythmPosition = position;
        v.sharp = isValidPitch(v.pitch) && motive.key.isRaisedSeventh(v.pitch);
        out.insert(v);
    }
}
