#pragma once

#include <cstddef>
#include <map>
#include <vector>

#include "generation/turn.h"
#include "harmony/chord.h"
#include "model/key.h"
#include "model/measure.h"
#include "model/motive.h"

// Writes the notes of a motive from a rhythm, one turn list and one reference pitch per measure,
// under the chords the motive holds. A turn that cannot be placed in the melody range falls back
// in a fixed order and at last repeats the previous pitch, so generation always completes.
// Created for one generate call; the only random draws happen in leap fallbacks.
class TMGenerator {
  public:
    TMGenerator(const TKey& key, const TMeasure& measure);

    // Replaces the notes of every measure of m that has a chord; measures without one keep their
    // notes. Does nothing unless the scheme holds one list per measure and the references at
    // least as many entries, or when the rhythm has no sounding or rest length at all.
    void generate(TMotive& m, const TRhythm& rhythm, const std::vector<TTurnWithDirVector>& scheme,
                  const std::vector<TLight>& references) const;

    // The first pitch of a measure: the chord tone at or above the reference, kept inside the
    // melody range by its neighbour; the middle chord tone when the reference is above them all.
    static int32_t nearestChordTone(const TChord& chord, const TKey& key, int32_t reference);

    const TKey& key() const { return key_; }
    const TMeasure& measure() const { return measure_; }

    // Pitches note d onwards for one turn; returns the number of notes pitched, 0 on failure.
    using TTurnGenerator = int (TMGenerator::*)(TNoteList& notes, const TChord& chord, size_t d,
                                                const TTurnRoundWithDir& turn) const;

    // Pitches the notes of one measure: the first from the reference, the rest turn by turn.
    void pitchMeasure(TNoteList& notes, const TChord& chord, const TTurnWithDirVector& turns,
                      int32_t reference) const;

  private:
    enum class Kind { Chord, NonChord };

    int32_t nextOf(Kind kind, const TChord& chord, int32_t from, bool up, int32_t n) const;
    void place(TNote& note, int32_t pitch, Kind kind) const;
    bool step(TNoteList& notes, size_t d, const TChord& chord, Kind kind, bool up,
              bool tryOnly) const;
    bool leap(TNoteList& notes, size_t d, const TChord& chord, Kind kind, bool up, int32_t n,
              bool tryOnly) const;

    int single(TNoteList& notes, const TChord& chord, size_t d, const TTurnRoundWithDir& t) const;
    int arpeggio(TNoteList& notes, const TChord& chord, size_t d, const TTurnRoundWithDir& t) const;
    int auxiliary(TNoteList& notes, const TChord& chord, size_t d,
                  const TTurnRoundWithDir& t) const;
    int line(TNoteList& notes, const TChord& chord, size_t d, const TTurnRoundWithDir& t) const;
    int encircling(TNoteList& notes, const TChord& chord, size_t d,
                   const TTurnRoundWithDir& t) const;
    int leapIn(TNoteList& notes, const TChord& chord, size_t d, const TTurnRoundWithDir& t) const;
    int leapOut(TNoteList& notes, const TChord& chord, size_t d, const TTurnRoundWithDir& t) const;
    int retention(TNoteList& notes, const TChord& chord, size_t d,
                  const TTurnRoundWithDir& t) const;

    TKey key_;
    TMeasure measure_;
    std::map<TURN_ROUND, TTurnGenerator> generators_;
};
