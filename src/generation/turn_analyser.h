#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "generation/sc_variant.h"
#include "generation/turn.h"
#include "harmony/chord.h"
#include "model/key.h"

// Candidates in the order they were proposed; a pitch proposed again is ignored.
class TCandidateList {
  public:
    // Adds a pitch unless it is already present; true when it was added.
    bool add(int32_t pitch, bool chording, int32_t turnPosition);
    bool empty() const { return items_.empty(); }
    const std::vector<TScVariant>& items() const { return items_; }
    std::vector<TScVariant>& items() { return items_; }

  private:
    std::vector<TScVariant> items_;
};

// What an analyser sees: the last three notes before the insertion point, nearest first
// (default notes, without pitch, where the measure has fewer), and the chord they sound over.
struct TTurnContext {
    const TTurnVector& before;
    const TChord& chord;
    const TKey& key;
    int32_t measureLength;
};

// Proposes the pitches that continue the melody with one turn kind.
using TTurnAnalyser = void (*)(const TTurnContext& context, int32_t turnPosition,
                               TCandidateList& out);

// The analysers of the nine kinds the assistant continues a melody with (2 to 10).
std::map<TURN_ROUND, TTurnAnalyser> makeTurnAnalysers();
