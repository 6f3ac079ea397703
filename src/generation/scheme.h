#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "generation/sc_variant.h"
#include "generation/turn.h"
#include "generation/turn_analyser.h"
#include "harmony/chord.h"
#include "model/key.h"
#include "model/measure.h"
#include "model/motive.h"

// How the assistant chooses the pitches it offers.
constexpr int32_t INSERT_CLASSIC = 0;  // chord tones at a bar line, else the turns of the scheme
constexpr int32_t INSERT_NEW_WAY = 1;  // resolutions of a hanging non-chord tone, else an octave
constexpr int32_t INSERT_ALL = 2;      // every position of the melody range

// The editor's rhythm buttons ("step sixteenth" .. "the same rhythm") and note-selection
// buttons ("insert line" .. "insert all"), by button index.
constexpr int RHYTHM_MODE_COUNT = 4;
constexpr int NOTES_MODE_COUNT = 5;

// The material the system may propose or generate notes from: the chord set, the durations and
// the turn kinds, each of the last two as a set or an ordered cycle with its position.
// One lives as long as the main window; not locked, user-interface thread only.
class TScheme {
  public:
    TScheme();

    // The chord set: one unarranged chord of each harmony-set type, in set order.
    const std::vector<TChord>& chordSet() const { return chordSet_; }

    // Splits the chords usable in the key's mode into those of order at least rank (following,
    // cleared first) and the other tonic-group ones (tonic, only appended to), in set order.
    void chordsAfter(const TKey& key, int32_t rank, std::vector<TChord>& following,
                     std::vector<TChord>& tonic) const;
    // The chords offered after a chord of order rank (0 when none precedes): the following ones
    // sorted by order, keeping set order among equals, then the tonic-group ones of lower order.
    std::vector<TChord> chordCandidates(const TKey& key, int32_t rank) const;

    // Rhythm side.
    void setDefaultRhythmScheme();
    void setRhythmScheme(const TRhythm& list, bool inOrder, bool notify);
    const TRhythm& rhythmScheme() const { return rhythmScheme_; }
    bool rhythmInOrder() const { return rhythmInOrder_; }
    int32_t rhythmPosition() const { return rhythmPosition_; }
    void setRhythmPosition(int32_t position) { rhythmPosition_ = position; }
    int32_t peekRhythmPosition() const;
    void advanceRhythmPosition();

    // Turn side.
    void setDefaultTurnScheme();
    void setTurnScheme(const std::vector<TURN_ROUND>& list, bool inOrder, bool notify);
    const std::vector<TURN_ROUND>& turnScheme() const { return turnScheme_; }
    bool turnsInOrder() const { return turnsInOrder_; }
    int32_t turnPosition() const { return turnPosition_; }
    void setTurnPosition(int32_t position) { turnPosition_ = position; }
    int32_t peekTurnPosition() const;
    void advanceTurnPosition();
    const std::map<TURN_ROUND, TTurnAnalyser>& turnAnalysers() const { return turnAnalysers_; }

    int32_t insertMode() const { return insertMode_; }
    void setInsertMode(int32_t mode) { insertMode_ = mode; }

    void resetPositions();
    void resetScheme();

    void setRhythmListener(std::function<void()> listener) {
        rhythmListener_ = std::move(listener);
    }
    void clearRhythmListener() { rhythmListener_ = nullptr; }
    void setTurnListener(std::function<void()> listener) { turnListener_ = std::move(listener); }
    void clearTurnListener() { turnListener_ = nullptr; }

    // The motive and meter of the last collectVariants call (not owned), or null.
    const TMotive* contextMotive() const { return contextMotive_; }
    const TMeasure* contextMeasure() const { return contextMeasure_; }

    // A rhythm button: 0 all eight durations, 1 eighth steps, 2 quarter steps, 3 the motive's
    // own rhythm in order, starting at the element under the insertion time when there is one.
    void applyRhythmMode(int rhythmMode, const TMotive& motive, int32_t insertionTime);
    // A note-selection button: 0 lines, 1 arpeggios, 2 the classic turns, 3 the new way, 4 all.
    void applyNotesMode(int notesMode);

    // The candidates for the note at time t of the motive, up to the end time of the space to
    // fill. The flags say whether the assistant is about to move on in the turn and rhythm
    // schemes and whether t is a bar line; an unarranged chord counts as none.
    void collectVariants(const std::vector<TNote>& notes, const TChord* chord, bool advanceTurn,
                         bool advanceRhythm, bool barLine, variant_set& out,
                         const TMeasure& measure, const TMotive& motive, int32_t t,
                         int32_t endTime);

  private:
    // Index of the ordered element in use; out-of-range positions start the cycle again.
    int32_t rhythmIndex(bool advance) const;
    int32_t turnIndex(bool advance) const;
    void collectPitches(const std::vector<TNote>& notes, const TChord* chord, bool advanceTurn,
                        bool barLine, const TMotive& motive, int32_t t, TCandidateList& list) const;
    std::vector<DURATION> offeredDurations(bool advanceRhythm, int32_t remaining,
                                           int32_t& position) const;

    std::vector<TChord> chordSet_;
    TRhythm rhythmScheme_;
    bool rhythmInOrder_ = false;
    std::vector<TURN_ROUND> turnScheme_;
    bool turnsInOrder_ = false;
    std::map<TURN_ROUND, TTurnAnalyser> turnAnalysers_;
    int32_t turnPosition_ = 0;
    int32_t rhythmPosition_ = 0;
    const TMotive* contextMotive_ = nullptr;
    const TMeasure* contextMeasure_ = nullptr;
    std::function<void()> rhythmListener_;
    std::function<void()> turnListener_;
    int32_t insertMode_ = INSERT_CLASSIC;
};

// The default rhythm scheme (all eight durations) and turn scheme (kinds 2 to 10).
const TRhythm& defaultRhythmScheme();
const std::vector<TURN_ROUND>& defaultTurnScheme();

// Exactly n notes before t, nearest first, taken from t's measure only; default notes fill up.
TTurnVector notesBeforeIn(const std::vector<TNote>& notes, int32_t t, int n, int32_t measureLength);

// Index of the rhythm element whose span, laid end to end from start, contains t; -1 for none.
int32_t rhythmIndexAt(const TRhythm& rhythm, int32_t start, int32_t t);
