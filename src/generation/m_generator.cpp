#include "generation/m_generator.h"

#include <algorithm>
#include <cstdlib>

#include "generation/random.h"

TMGenerator::TMGenerator(const TKey& key, const TMeasure& measure) : key_(key), measure_(measure) {
    generators_[TURN_SINGLE] = &TMGenerator::single;
    generators_[TURN_ARPEGGIO] = &TMGenerator::arpeggio;
    generators_[TURN_AUXILIARY] = &TMGenerator::auxiliary;
    generators_[TURN_LINE] = &TMGenerator::line;
    generators_[TURN_ENCIRCLING] = &TMGenerator::encircling;
    generators_[TURN_LEAP_IN] = &TMGenerator::leapIn;
    generators_[TURN_LEAP_OUT] = &TMGenerator::leapOut;
    generators_[TURN_RETENTION] = &TMGenerator::retention;
}

void TMGenerator::generate(TMotive& m, const TRhythm& rhythm,
                           const std::vector<TTurnWithDirVector>& scheme,
                           const std::vector<TLight>& references) const {
    const int count = m.measureCount();
    if (scheme.size() != static_cast<size_t>(count) ||
        references.size() < static_cast<size_t>(count)) {
        return;
    }
    // a rhythm without any length could never fill a measure
    const bool hasLength =
        std::any_of(rhythm.begin(), rhythm.end(), [](DURATION v) { return v != 0; });
    const int32_t length = measure_.measureLength();
    if (!hasLength || length <= 0) {
        return;
    }

    const TNoteList kept = m.notes;
    TNoteList result;
    size_t index = 0;
    for (int k = 0; k < count; ++k) {
        const int32_t windowStart = k == 0 ? m.startTime() : length;
        const int32_t barLine = (windowStart / length) * length;
        const int32_t windowEnd = std::min(barLine + length, m.endTime());
        const TChord* chord = m.chordAt(barLine);
        if (chord == nullptr) {
            for (const TNote& note : kept) {
                if (note.time >= barLine && note.time < barLine + length) {
                    result.push_back(note);
                }
            }
            continue;
        }
        TNoteList notes;
        int32_t a = windowStart;
        while (a < windowEnd) {
            int32_t v = rhythm[index];
            if (v == 0) {
                index = (index + 1) % rhythm.size();
                continue;
            }
            const int32_t left = windowEnd - a;
            if (std::abs(v) > left) {
                // the element is cut at the bar line and used whole again in the next measure
                v = v > 0 ? left : -left;
            } else {
                index = (index + 1) % rhythm.size();
            }
            if (v > 0) {
                TNote note(a, 0, static_cast<DURATION>(v));
                note.chording = true;
                notes.push_back(note);
            }
            a += std::abs(v);
        }
        if (!notes.empty()) {
            pitchMeasure(notes, *chord, scheme[static_cast<size_t>(k)],
                         references[static_cast<size_t>(k)].referencePitch);
            result.insert(result.end(), notes.begin(), notes.end());
        }
    }
    for (TNote& note : result) {
        note.sharp = isValidPitch(note.pitch) && key_.isRaisedSeventh(note.pitch);
    }
    m.setNotes(result);
}

int32_t TMGenerator::nearestChordTone(const TChord& chord, const TKey& key, int32_t reference) {
    const std::vector<int32_t> tones = chord.chordTonePositions(key);
    if (tones.empty()) {
        return reference;  // a chord of no type has no tones to choose from
    }
    const auto found = std::lower_bound(tones.begin(), tones.end(), reference);
    if (found == tones.end()) {
        return tones[tones.size() / 2];
    }
    if (*found > MELODY_HIGH && found != tones.begin()) {
        return *(found - 1);
    }
    if (*found < MELODY_LOW && found + 1 != tones.end()) {
        return *(found + 1);
    }
    return *found;
}

void TMGenerator::pitchMeasure(TNoteList& notes, const TChord& chord,
                               const TTurnWithDirVector& turns, int32_t reference) const {
    if (notes.empty()) {
        return;
    }
    notes[0].pitch = nearestChordTone(chord, key_, reference);
    notes[0].chording = true;
    size_t d = 1;
    size_t i = 0;
    while (d < notes.size()) {
        int placed = 0;
        if (!turns.empty()) {
            const TTurnRoundWithDir& turn = turns[i];
            const auto gen = generators_.find(turn.turn);
            if (gen != generators_.end()) {
                placed = (this->*(gen->second))(notes, chord, d, turn);
            }
            i = (i + 1) % turns.size();
        }
        if (placed == 0) {
            // a turn that cannot be placed repeats the previous pitch
            notes[d].pitch = notes[d - 1].pitch;
            notes[d].chording = true;
            placed = 1;
        }
        d += static_cast<size_t>(placed);
    }
}

int32_t TMGenerator::nextOf(Kind kind, const TChord& chord, int32_t from, bool up,
                            int32_t n) const {
    if (kind == Kind::Chord) {
        return up ? chord.nextChordTone(from, key_, n) : chord.previousChordTone(from, key_, n);
    }
    return up ? chord.nextNonChordTone(from, key_, n) : chord.previousNonChordTone(from, key_, n);
}

void TMGenerator::place(TNote& note, int32_t pitch, Kind kind) const {
    note.pitch = pitch;
    note.chording = kind == Kind::Chord;
}

bool TMGenerator::step(TNoteList& notes, size_t d, const TChord& chord, Kind kind, bool up,
                       bool tryOnly) const {
    const int32_t prev = notes[d - 1].pitch;
    const int32_t c = nextOf(kind, chord, prev, up, 1);
    if (inMelodyRange(c) && std::abs(c - prev) == 1) {
        place(notes[d], c, kind);
        return true;
    }
    if (tryOnly) {
        return false;
    }
    if (step(notes, d, chord, kind, !up, true)) {
        return true;
    }
    return leap(notes, d, chord, kind, up, 1, false);
}

bool TMGenerator::leap(TNoteList& notes, size_t d, const TChord& chord, Kind kind, bool up,
                       int32_t n, bool tryOnly) const {
    const int32_t prev = notes[d - 1].pitch;
    int32_t target = nextOf(kind, chord, prev, up, n);
    if (!inMelodyRange(target)) {
        // one tone nearer or farther, in an order the generator decides
        int32_t e = (motivicaRand() & 1) ? -1 : 1;
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (n + e != 0) {
                target = nextOf(kind, chord, prev, up, n + e);
                if (inMelodyRange(target)) {
                    break;
                }
            }
            e = -e;
        }
    }
    if (!inMelodyRange(target)) {
        if (tryOnly) {
            return false;
        }
        return leap(notes, d, chord, kind, !up, n, true);
    }
    place(notes[d], target, kind);
    return true;
}

int TMGenerator::single(TNoteList& notes, const TChord&, size_t d, const TTurnRoundWithDir&) const {
    notes[d].pitch = notes[d - 1].pitch;
    notes[d].chording = true;
    return 1;
}

int TMGenerator::arpeggio(TNoteList& notes, const TChord& chord, size_t d,
                          const TTurnRoundWithDir& t) const {
    if (t.span == 0) {
        return single(notes, chord, d, t);
    }
    return leap(notes, d, chord, Kind::Chord, t.firstUp, t.span, false) ? 1 : 0;
}

int TMGenerator::auxiliary(TNoteList& notes, const TChord& chord, size_t d,
                           const TTurnRoundWithDir& t) const {
    if (!step(notes, d, chord, Kind::NonChord, t.firstUp, false)) {
        return 0;
    }
    if (d + 1 >= notes.size()) {
        return 1;
    }
    // back to a chord tone from the side the neighbour went to
    const bool up = notes[d].pitch <= notes[d - 1].pitch;
    if (!step(notes, d + 1, chord, Kind::Chord, up, false)) {
        return 0;
    }
    return 2;
}

int TMGenerator::line(TNoteList& notes, const TChord& chord, size_t d,
                      const TTurnRoundWithDir& t) const {
    int32_t p = notes[d - 1].pitch;
    int32_t s = t.firstUp ? 1 : -1;
    int count = 0;
    int reversals = 0;
    for (;;) {
        if (d + static_cast<size_t>(count) >= notes.size()) {
            return count;
        }
        p += s;
        if (inMelodyRange(p)) {
            TNote& note = notes[d + static_cast<size_t>(count)];
            note.pitch = p;
            note.chording = chord.isChordTone(p, key_);
            ++count;
            reversals = 0;
        } else {
            p -= s;
            s = -s;
            // hemmed in on both sides (only a start outside the range can be): give up
            if (++reversals > 1) {
                return count;
            }
        }
        if (chord.isChordTone(p, key_)) {
            return count;
        }
    }
}

int TMGenerator::encircling(TNoteList& notes, const TChord& chord, size_t d,
                            const TTurnRoundWithDir& t) const {
    if (!step(notes, d, chord, Kind::NonChord, t.firstUp, false)) {
        return 0;
    }
    if (d + 1 >= notes.size()) {
        return 1;
    }
    if (!leap(notes, d + 1, chord, Kind::NonChord, t.secondUp, t.span, false)) {
        return 0;
    }
    if (d + 2 >= notes.size()) {
        return 2;
    }
    if (!step(notes, d + 2, chord, Kind::Chord, t.thirdUp, false)) {
        return 0;
    }
    return 3;
}

int TMGenerator::leapIn(TNoteList& notes, const TChord& chord, size_t d,
                        const TTurnRoundWithDir& t) const {
    if (!leap(notes, d, chord, Kind::NonChord, t.firstUp, t.span, false)) {
        return 0;
    }
    if (d + 1 >= notes.size()) {
        return 1;
    }
    if (!step(notes, d + 1, chord, Kind::Chord, t.secondUp, false)) {
        return 0;
    }
    return 2;
}

int TMGenerator::leapOut(TNoteList& notes, const TChord& chord, size_t d,
                         const TTurnRoundWithDir& t) const {
    if (!step(notes, d, chord, Kind::NonChord, t.firstUp, false)) {
        return 0;
    }
    if (d + 1 >= notes.size()) {
        return 1;
    }
    if (!leap(notes, d + 1, chord, Kind::Chord, t.secondUp, t.span, false)) {
        return 0;
    }
    return 2;
}

int TMGenerator::retention(TNoteList& notes, const TChord& chord, size_t d,
                           const TTurnRoundWithDir& t) const {
    if (!step(notes, d, chord, Kind::NonChord, !t.firstUp, false)) {
        return 0;
    }
    // the previous note is held over as the suspension and resolves into this one
    const int32_t resolution = notes[d - 1].pitch;
    notes[d - 1].pitch = notes[d].pitch;
    notes[d - 1].chording = false;
    notes[d].pitch = resolution;
    notes[d].chording = true;
    return 1;
}
