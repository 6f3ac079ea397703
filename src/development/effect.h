#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "generation/turn.h"
#include "harmony/chord.h"
#include "model/key.h"
#include "model/motive.h"
#include "model/note.h"

// The transformations the ways of motive development apply to notes and rhythms. They hold no
// state, never touch chords, and take every random choice from the program's one generator, in
// a fixed order, so that the same actions always give the same variants.
class TEffect {
  public:
    // The changes variation applies to one turn group.
    using VARY_TYPE = uint8_t;
    static constexpr VARY_TYPE VARY_RHYTHM_RETROGRADE = 0;
    static constexpr VARY_TYPE VARY_PITCH_RETROGRADE = 1;
    static constexpr VARY_TYPE VARY_RHYTHM_SHUFFLE = 2;
    static constexpr VARY_TYPE VARY_PITCH_SHUFFLE = 3;
    static constexpr VARY_TYPE VARY_MIRROR = 4;
    static constexpr VARY_TYPE VARY_SPLIT = 5;
    static constexpr VARY_TYPE VARY_MERGE = 6;

    // Rhythm operations.

    // Gives the notes the durations of the rhythm's sounding values, in order, from `start` on;
    // rests only advance the time. Notes beyond the sounding values keep what they had.
    static void retimeNotes(TNoteList& notes, const TRhythm& rhythm, int32_t start);
    // The group's durations in reverse order, from the start of its first note; a gap before a
    // note counts as one rest. Pitches keep their order.
    static void reverseRhythm(TNoteList& group);
    // A random permutation of the list; rests move like notes.
    static void shuffleRhythm(TRhythm& rhythm);
    // One to five passes, each moving sixteenths between two random elements; the total length
    // and the sign of every element stay.
    static void redistributeRhythm(TRhythm& rhythm);

    // Group operations of variation (and of the "other" effects).
    static void reversePitches(TNoteList& group);
    // The group's rhythm (built as for reverseRhythm) shuffled and given back to it.
    static void shuffleGroupRhythm(TNoteList& group);
    static void shufflePitches(TNoteList& group);
    // Mirrors the group's non-chord tones about their neighbouring chord tone, by the turn kind;
    // a mirrored pitch outside the melody range is not used.
    static void mirrorNonChordTones(TNoteList& group, TURN_ROUND kind);
    // Splits one note of a two-note group in two and moves the half beside the other note a step.
    static void splitNote(TNoteList& group);
    // The group becomes one note from its first note's start to its second note's end.
    static void mergeNotes(TNoteList& group);
    // Applies one change to a group of the given turn kind.
    static void applyChange(VARY_TYPE change, TNoteList& group, TURN_ROUND kind);
    // Every interval turned upside down; a note that would leave the melody range keeps its pitch.
    static void invertMelody(TNoteList& notes);

    // Variation.

    // The varied notes of the whole motive, measure by measure; the motive stays unchanged.
    static TNoteList varyMotive(const TMotive& motive, const TChordList& chordSet);
    // One to three passes over the notes of one measure, each changing one turn group.
    static void varyMeasure(TNoteList& notes, const TMotive& motive, const TChordList& chordSet);
    // The changes allowed for a group whose turn is `turn`, in the order they are drawn from.
    static std::vector<VARY_TYPE> allowedChanges(const TTurnRoundWithDir& turn,
                                                 const TNoteList& group);

    // Whole-motive effects: each measure's notes are changed on their own.

    // kind 0 shuffles, kind 1 redistributes each measure's rhythm; pitches keep their order.
    static void newRhythm(TMotive& motive, int kind);
    // kind 0 inversion, 1 rhythm retrograde, 2 pitch retrograde, 3 both retrogrades, 4 pitch
    // shuffle, 5 rhythm shuffle then pitch shuffle.
    static void otherEffect(TMotive& motive, int kind);

    // Removes one to n - 1 random notes; the others keep their times, so rests appear.
    static void dropNotes(TNoteList& notes);

    // Harmony of a measure.

    // Sets every note's chord-tone flag against the chord, then tells whether each non-chord tone
    // is resolved by step into a chord tone, is the last note, or is approached by step from one.
    static bool notesFitChord(TNoteList& notes, const TChord& chord, const TKey& key);
    // A random chord of the set that the notes fit, or none.
    static std::optional<TChord> pickFittingChord(const TNoteList& notes, const TMotive& motive,
                                                  const TChordList& chordSet);
};
