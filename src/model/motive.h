#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "harmony/chord.h"
#include "model/duration.h"
#include "model/key.h"
#include "model/measure.h"
#include "model/note.h"

// Told whenever an operation that notifies has changed the motive; the listener reads it back.
class TMotiveListener {
  public:
    virtual ~TMotiveListener() = default;
    virtual void motiveChanged() = 0;
};

using TNoteList = std::vector<TNote>;
using TChordList = std::vector<TChord>;
using TRhythm = std::vector<DURATION>;

// Rest lengths a gap is split into, longest first.
constexpr DURATION REST_LENGTHS[] = {480, 240, 210, 180, 150, 120, 90, 60, 30};

// One measure of melody (two with an anacrusis) in a key and meter, with one chord per measure.
class TMotive {
  public:
    TMotive() = default;
    TMotive(const TKey& key, const TMeasure& measure, DURATION anacrusis = 0)
        : key(key), measure(measure), anacrusis(anacrusis) {}

    // A copy hears nobody and holds no stored variant.
    TMotive(const TMotive& other)
        : key(other.key),
          measure(other.measure),
          anacrusis(other.anacrusis),
          notes(other.notes),
          chords(other.chords) {}
    // Assignment keeps the target's listener and variant tag and does not notify.
    TMotive& operator=(const TMotive& other) {
        if (this != &other) {
            key = other.key;
            measure = other.measure;
            anacrusis = other.anacrusis;
            notes = other.notes;
            chords = other.chords;
        }
        return *this;
    }

    // Replaces notes and chords; key, meter and anacrusis stay. No notification.
    void assignContent(const TMotive& other);

    // Changes that notify the listener.
    void clear();
    void setNotes(const TNoteList& list);
    void clearNotes();
    void setChords(const TChordList& list);
    void clearChords();
    void setAnacrusis(DURATION value);
    void updateChording();

    // Changes without notification.
    void setChord(const TChord& chord);
    void updateSharps();

    int32_t measureLength() const { return measure.measureLength(); }
    int32_t startTime() const;
    int32_t endTime() const { return startTime() + measureLength(); }
    int measureCount() const { return anacrusis != 0 ? 2 : 1; }
    bool hasAllChords() const { return int(chords.size()) == measureCount(); }
    bool isEmpty() const { return notes.empty() && chords.empty(); }

    // Chord and voicing equality, note by note; key, meter and anacrusis do not count.
    bool operator==(const TMotive& other) const;

    // The chord exactly at t, or none.
    const TChord* chordAt(int32_t t) const;
    TChord* chordAt(int32_t t);
    // The chord that sounds at t: the last chord at or before it; before the motive's first
    // chord, the previous motive's last chord, carried over the bar line. Null when none.
    const TChord* chordSoundingAt(int32_t t, const TMotive* previous) const;
    // The first chord at or after the start of the measure holding t (less one tick), or none.
    const TChord* chordOfMeasure(int32_t t) const;
    // Index of the first note at or after t - 1; notes.size() when there is none.
    size_t firstNoteFrom(int32_t t) const;
    // Copies of the notes that start in the measure holding t.
    TNoteList notesInMeasure(int32_t t) const;
    // Exactly n notes, nearest first, from the measure of t before t; default notes fill up.
    TNoteList notesBefore(int32_t t, int n) const;

    TRhythm rhythm() const;

    void setListener(TMotiveListener* l) { listener_ = l; }
    TMotiveListener* listener() const { return listener_; }
    int32_t variantTag() const { return variantTag_; }
    void setVariantTag(int32_t tag) { variantTag_ = tag; }

    TKey key;
    TMeasure measure;
    DURATION anacrusis = 0;
    TNoteList notes;
    TChordList chords;

  private:
    void notify() const;

    TMotiveListener* listener_ = nullptr;
    int32_t variantTag_ = -1;
};

// The rhythm of a note sequence over [start, end) in bars of length barLength: notes as their
// durations, gaps as rests split at bar lines.
TRhythm rhythmOf(const TNoteList& notes, int32_t start, int32_t barLength, int32_t end);

// Appends the rest of `length` ticks starting at t, split at the bar line it crosses.
void appendRest(TRhythm& rhythm, int32_t length, int32_t t, int32_t barLength);

// Appends a rest of `length` ticks as the longest standard rests; a remainder below 30 is dropped.
void restPieces(TRhythm& rhythm, int32_t length);
