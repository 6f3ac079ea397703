#include "generation/turn_analyser.h"

#include <algorithm>
#include <cstdlib>

bool TCandidateList::add(int32_t pitch, bool chording, int32_t turnPosition) {
    const bool present = std::any_of(items_.begin(), items_.end(),
                                     [pitch](const TScVariant& v) { return v.pitch == pitch; });
    if (present) {
        return false;
    }
    TScVariant v;
    v.pitch = pitch;
    v.chording = chording;
    v.turnPosition = turnPosition;
    items_.push_back(v);
    return true;
}

namespace {

bool isReal(const TNote& note) {
    return note.pitch != NO_PITCH;
}

// The three notes the analysers read; missing ones are default notes without pitch.
struct TView {
    explicit TView(const TTurnContext& c)
        : c(c), n0(noteAt(c, 0)), n1(noteAt(c, 1)), n2(noteAt(c, 2)) {}

    static TNote noteAt(const TTurnContext& c, size_t i) {
        return i < c.before.size() ? c.before[i] : TNote();
    }

    bool endsOnBarLine() const {
        if (!isReal(n0)) {
            return true;
        }
        const int32_t end = n0.time + std::abs(static_cast<int32_t>(n0.duration));
        return c.measureLength != 0 && end % c.measureLength == 0;
    }
    bool risingIntoN0() const { return n1.pitch < n0.pitch; }
    // N1 is a chord tone exactly one step from N0.
    bool leavesChordToneByStep() const {
        return isReal(n1) && n1.chording && std::abs(n0.pitch - n1.pitch) == 1;
    }
    bool isChordTone(int32_t p) const { return isValidPitch(p) && c.chord.isChordTone(p, c.key); }

    void chordTonesAround(int32_t k, int32_t position, TCandidateList& out) const {
        const int32_t up = c.chord.nextChordTone(n0.pitch, c.key, k);
        if (inMelodyRange(up)) {
            out.add(up, true, position);
        }
        const int32_t down = c.chord.previousChordTone(n0.pitch, c.key, k);
        if (inMelodyRange(down)) {
            out.add(down, true, position);
        }
    }
    void chordStep(bool up, int32_t position, TCandidateList& out) const {
        const int32_t p = up ? c.chord.nextChordTone(n0.pitch, c.key, 1)
                             : c.chord.previousChordTone(n0.pitch, c.key, 1);
        if (std::abs(p - n0.pitch) == 1 && inMelodyRange(p)) {
            out.add(p, true, position);
        }
    }
    void nonChordSteps(TCandidateList& out) const {
        const int32_t up = c.chord.nextNonChordTone(n0.pitch, c.key, 1);
        if (up == n0.pitch + 1 && inMelodyRange(up)) {
            out.add(up, false, -1);
        }
        const int32_t down = c.chord.previousNonChordTone(n0.pitch, c.key, 1);
        if (down == n0.pitch - 1 && inMelodyRange(down)) {
            out.add(down, false, -1);
        }
    }
    // Over the next chord tone to the non-chord tone beyond it, or to the first non-chord tone
    // when that chord tone lies outside the range.
    void leapTarget(bool up, TCandidateList& out) const {
        const int32_t p1 = up ? c.chord.nextNonChordTone(n0.pitch, c.key, 1)
                              : c.chord.previousNonChordTone(n0.pitch, c.key, 1);
        if (!inMelodyRange(p1)) {
            return;
        }
        const int32_t q =
            up ? c.chord.nextChordTone(p1, c.key, 1) : c.chord.previousChordTone(p1, c.key, 1);
        if (!inMelodyRange(q)) {
            out.add(p1, false, -1);
            return;
        }
        const int32_t p2 =
            up ? c.chord.nextNonChordTone(q, c.key, 1) : c.chord.previousNonChordTone(q, c.key, 1);
        if (inMelodyRange(p2)) {
            out.add(p2, false, -1);
        }
    }

    const TTurnContext& c;
    TNote n0;
    TNote n1;
    TNote n2;
};

void arpeggio0(const TTurnContext& c, int32_t position, TCandidateList& out) {
    const TView v(c);
    if (isReal(v.n0) && inMelodyRange(v.n0.pitch) && v.isChordTone(v.n0.pitch)) {
        out.add(v.n0.pitch, true, position);
    }
}

void arpeggioK(const TTurnContext& c, int32_t k, int32_t position, TCandidateList& out) {
    const TView v(c);
    if (isReal(v.n0) && v.n0.chording) {
        v.chordTonesAround(k, position, out);
    }
}

void arpeggio1(const TTurnContext& c, int32_t position, TCandidateList& out) {
    arpeggioK(c, 1, position, out);
}
void arpeggio2(const TTurnContext& c, int32_t position, TCandidateList& out) {
    arpeggioK(c, 2, position, out);
}
void arpeggio3(const TTurnContext& c, int32_t position, TCandidateList& out) {
    arpeggioK(c, 3, position, out);
}

void auxiliary(const TTurnContext& c, int32_t position, TCandidateList& out) {
    const TView v(c);
    if (!isReal(v.n0)) {
        return;
    }
    if (v.n0.chording && !v.endsOnBarLine()) {
        v.nonChordSteps(out);
    } else if (v.leavesChordToneByStep()) {
        // back to the chord tone the neighbour left
        v.chordStep(!v.risingIntoN0(), position, out);
    }
}

void line(const TTurnContext& c, int32_t position, TCandidateList& out) {
    const TView v(c);
    if (!isReal(v.n0)) {
        return;
    }
    if (v.n0.chording && !v.endsOnBarLine()) {
        v.nonChordSteps(out);
        return;
    }
    const int32_t dir = v.n0.pitch - v.n1.pitch;
    if (!isReal(v.n1) || std::abs(dir) != 1) {
        return;
    }
    if (!(v.n1.chording || (isReal(v.n2) && v.n1.pitch - v.n2.pitch == dir))) {
        return;
    }
    const int32_t p = v.n0.pitch + dir;
    if (!inMelodyRange(p)) {
        return;
    }
    const bool chordTone = v.isChordTone(p);
    if (chordTone || !v.endsOnBarLine()) {
        out.add(p, chordTone, chordTone ? position : -1);
    }
}

void encircling(const TTurnContext& c, int32_t position, TCandidateList& out) {
    const TView v(c);
    if (!isReal(v.n0)) {
        return;
    }
    if (v.n0.chording && !v.endsOnBarLine()) {
        v.nonChordSteps(out);
        return;
    }
    if (!isReal(v.n1)) {
        return;
    }
    if (!v.n0.chording && v.leavesChordToneByStep() && !v.endsOnBarLine()) {
        // around the chord tone to the non-chord tone on its other side
        const int32_t p = v.risingIntoN0() ? v.n0.pitch - 2 : v.n0.pitch + 2;
        if (inMelodyRange(p) && !v.isChordTone(p)) {
            out.add(p, false, -1);
        }
    } else if (isReal(v.n2) && v.n2.chording && !v.n1.chording && !v.n0.chording &&
               std::abs(v.n0.pitch - v.n1.pitch) >= 2 && std::abs(v.n1.pitch - v.n2.pitch) == 1) {
        v.chordStep(!v.risingIntoN0(), position, out);
    }
}

void leapIn(const TTurnContext& c, int32_t position, TCandidateList& out) {
    const TView v(c);
    if (!isReal(v.n0)) {
        return;
    }
    if (v.n0.chording && !v.endsOnBarLine()) {
        v.leapTarget(true, out);
        v.leapTarget(false, out);
    } else if (v.n1.chording && std::abs(v.n0.pitch - v.n1.pitch) != 1) {
        // A missing N1 is a default note, a chord tone without pitch, so a non-chord tone with
        // nothing before it in the measure resolves by step. NO_PITCH lies one step only from
        // pitches far below the melody range, whose steps stay outside it anyway.
        v.chordStep(true, position, out);
        v.chordStep(false, position, out);
    }
}

void leapOut(const TTurnContext& c, int32_t position, TCandidateList& out) {
    const TView v(c);
    if (!isReal(v.n0)) {
        return;
    }
    if (v.n0.chording && !v.endsOnBarLine()) {
        v.nonChordSteps(out);
    } else if (v.leavesChordToneByStep()) {
        v.chordTonesAround(2, position, out);
    }
}

}  // namespace

std::map<TURN_ROUND, TTurnAnalyser> makeTurnAnalysers() {
    return {
        {TURN_ARPEGGIO_0, &arpeggio0},  {TURN_ARPEGGIO_1, &arpeggio1},
        {TURN_ARPEGGIO_2, &arpeggio2},  {TURN_ARPEGGIO_3, &arpeggio3},
        {TURN_AUXILIARY, &auxiliary},   {TURN_LINE, &line},
        {TURN_ENCIRCLING, &encircling}, {TURN_LEAP_IN, &leapIn},
        {TURN_LEAP_OUT, &leapOut},
    };
}
