#include "model/motive.h"

#include <cstdlib>

namespace {

int32_t floorDiv(int32_t a, int32_t b) {
    int32_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

}  // namespace

void TMotive::notify() const {
    if (listener_)
        listener_->motiveChanged();
}

void TMotive::assignContent(const TMotive& other) {
    notes = other.notes;
    chords = other.chords;
}

void TMotive::clear() {
    notes.clear();
    chords.clear();
    notify();
}

void TMotive::setNotes(const TNoteList& list) {
    notes = list;
    notify();
}

void TMotive::clearNotes() {
    notes.clear();
    notify();
}

void TMotive::setChords(const TChordList& list) {
    chords = list;
    notify();
}

void TMotive::clearChords() {
    chords.clear();
    notify();
}

void TMotive::setAnacrusis(DURATION value) {
    anacrusis = value;
    notify();
}

const TChord* TMotive::chordSoundingAt(int32_t t, const TMotive* previous) const {
    const TChord* sounding = nullptr;
    for (const TChord& c : chords) {
        if (c.time > t)
            break;
        sounding = &c;
    }
    if (sounding == nullptr && previous != nullptr && !previous->chords.empty())
        sounding = &previous->chords.back();
    return sounding;
}

int32_t TMotive::startTime() const {
    return anacrusis != 0 ? measureLength() - anacrusis : 0;
}

void TMotive::setChord(const TChord& chord) {
    if (chords.empty()) {
        chords.push_back(chord);
    } else if (chords.size() == 1) {
        if (chords[0].time == chord.time)
            chords[0] = chord;
        else if (chords[0].time < chord.time)
            chords.push_back(chord);
        else
            chords.insert(chords.begin(), chord);
    } else {
        // with both measures' chords in place, only a chord at one of their times is taken
        for (TChord& c : chords)
            if (c.time == chord.time) {
                c = chord;
                return;
            }
    }
}

void TMotive::updateChording() {
    if (chords.empty())
        return;
    for (TNote& n : notes) {
        const TChord* c = chordOfMeasure(n.time);
        if (!c)
            break;
        n.chording = isValidPitch(n.pitch) && c->isChordTone(n.pitch, key);
    }
    notify();
}

void TMotive::updateSharps() {
    for (TNote& n : notes)
        n.sharp = isValidPitch(n.pitch) && key.isRaisedSeventh(n.pitch);
}

bool TMotive::operator==(const TMotive& other) const {
    if (chords.size() != other.chords.size() || notes.size() != other.notes.size())
        return false;
    for (size_t i = 0; i < chords.size(); ++i) {
        const TChord& o = other.chords[i];
        if (!chords[i].sameVoicing(o.soprano, o.alt, o.tenor, o.bass))
            return false;
    }
    for (size_t i = 0; i < notes.size(); ++i)
        if (!(notes[i] == other.notes[i]))
            return false;
    return true;
}

const TChord* TMotive::chordAt(int32_t t) const {
    for (const TChord& c : chords)
        if (c.time == t)
            return &c;
    return nullptr;
}

TChord* TMotive::chordAt(int32_t t) {
    return const_cast<TChord*>(static_cast<const TMotive*>(this)->chordAt(t));
}

const TChord* TMotive::chordOfMeasure(int32_t t) const {
    const int32_t l = measureLength();
    if (l <= 0)
        return nullptr;
    const int32_t m = floorDiv(t, l) * l;
    for (const TChord& c : chords)
        if (c.time >= m - 1)
            return &c;
    return nullptr;
}

size_t TMotive::firstNoteFrom(int32_t t) const {
    for (size_t i = 0; i < notes.size(); ++i)
        if (notes[i].time >= t - 1)
            return i;
    return notes.size();
}

TNoteList TMotive::notesInMeasure(int32_t t) const {
    TNoteList result;
    const int32_t l = measureLength();
    if (l <= 0)
        return result;
    const int32_t m = floorDiv(t, l) * l;
    for (const TNote& n : notes)
        if (n.time >= m && n.time < m + l)
            result.push_back(n);
    return result;
}

TNoteList TMotive::notesBefore(int32_t t, int n) const {
    TNoteList result;
    const int32_t l = measureLength();
    if (n <= 0)
        return result;
    if (l > 0) {
        const int32_t m = floorDiv(t, l);
        for (size_t i = notes.size(); i-- > 0 && int(result.size()) < n;) {
            if (notes[i].time >= t)
                continue;
            if (floorDiv(notes[i].time, l) != m)
                break;
            result.push_back(notes[i]);
        }
    }
    while (int(result.size()) < n)
        result.emplace_back();
    return result;
}

TRhythm TMotive::rhythm() const {
    return rhythmOf(notes, startTime(), measureLength(), endTime());
}

void restPieces(TRhythm& rhythm, int32_t length) {
    for (DURATION v : REST_LENGTHS)
        while (length >= v) {
            rhythm.push_back(static_cast<DURATION>(-v));
            length -= v;
        }
}

void appendRest(TRhythm& rhythm, int32_t length, int32_t t, int32_t barLength) {
    const int32_t e = t + length;
    if (barLength <= 0) {
        restPieces(rhythm, length);
        return;
    }
    const int32_t b = floorDiv(e, barLength) * barLength;
    if (floorDiv(t, barLength) != floorDiv(e, barLength)) {
        restPieces(rhythm, b - t);
        if (e - b != 0)
            restPieces(rhythm, e - b);
    } else {
        restPieces(rhythm, length);
    }
}

TRhythm rhythmOf(const TNoteList& notes, int32_t start, int32_t barLength, int32_t end) {
    TRhythm result;
    int32_t t = start;
    for (size_t i = 0; i < notes.size();) {
        const TNote& n = notes[i];
        const int32_t d = n.time == t ? n.duration : t - n.time;
        if (d == 0) {
            // a zero-length note (only a hand-edited file holds one) adds nothing and is passed
            ++i;
            continue;
        }
        if (d < 0) {
            appendRest(result, -d, t, barLength);
            t += -d;
            if (n.time != t)
                ++i;  // a rest note at t: its length was taken, move on
        } else {
            result.push_back(static_cast<DURATION>(d));
            t += d;
            ++i;
        }
    }
    if (t < end)
        appendRest(result, end - t, t, barLength);
    return result;
}
