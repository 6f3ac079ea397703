#pragma once

#include <cstdint>
#include <vector>

#include "harmony/chord.h"
#include "model/key.h"

// What the chord before a measure hands on to the chord chosen for that measure, and the order
// in which both harmonisers (the canvas's automatic chord choice and the chord popup) arrange,
// filter and voice the candidates:
//
//     TChordConnection connection(previous, beforePrevious);  // or TChordConnection() for none
//     std::vector<TChord> candidates = ...;                   // by the succession rule
//     connection.arrangeCandidates(candidates, key);          // arranges, checks, drops
//     TChord chosen = candidates[pick];                       // the caller's choice
//     connection.voice(chosen);                               // the arrangement and its bass
//
// A preceding chord without a complete voicing (any voice outside 0..41, as an unarranged chord
// or a hand-edited document has) hands on no voicing: it is treated as no preceding chord here,
// though its order may still rank the candidates (that is the caller's business).
class TChordConnection {
  public:
    // No preceding chord: soprano range 13..34, no connection check, context (-1, false),
    // target soprano 25.
    TChordConnection() = default;
    // previous is P, the chord before the measure; beforePrevious the chord before P. Either may
    // be null. P's bass has risen when it lies above the bass of the chord before it.
    TChordConnection(const TChord* previous, const TChord* beforePrevious);

    bool hasPrevious() const { return hasPrevious_; }
    const TVoicing& previousVoicing() const { return previous_; }
    // The context that the choice of a bass option reads.
    int32_t previousBass() const { return hasPrevious_ ? previous_[3] : -1; }
    bool previousBassRose() const { return previousBassRose_; }
    TBassContext bassContext() const { return {previousBass(), previousBassRose_}; }

    // The soprano range: seven steps either side of P's soprano, within 13..34.
    int32_t low() const;
    int32_t high() const;
    // The soprano aimed at: P's soprano, or 25 without P.
    int32_t targetSoprano() const;

    // Arranges one candidate over the soprano range and checks it against P when there is one.
    // Returns the soprano moves that connect; without P all of them.
    TMotionFlags arrangeCandidate(TChord& chord, const TKey& key) const;
    // arrangeCandidate for every candidate, in order; the ones that no soprano move connects
    // (motion flags 0..4 all clear) are removed, the others keep their order. Returns the motion
    // flags of the kept candidates, in the same order.
    std::vector<TMotionFlags> arrangeCandidates(std::vector<TChord>& candidates,
                                                const TKey& key) const;
    // Gives a chord that arrangeCandidate has prepared its voices: the valid arrangement nearest
    // the target soprano, its bass by the connection context. False (voices untouched) when
    // none.
    bool voice(TChord& chord) const;

  private:
    bool hasPrevious_ = false;
    TVoicing previous_{-1, -1, -1, -1};
    bool previousBassRose_ = false;
};
