#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/motive.h"
#include "model/period_data.h"

// A chord that goes on sounding into the next motive, with the key it was struck in.
struct TSoundingChord {
    TChord chord;
    TKey key;
};

// The chords of a motive that sound: one per measure, the rest are never played.
size_t soundingChordCount(const TMotive& motive);

// Where a motive sounds when the motives of a period follow one another, in ticks from the start
// of the first motive's measure. Playing, exporting, rendering and printing all place motives
// by it, so that they agree on every onset and on which chord is held over the bar line.
struct TPlacedMotive {
    TMotiveAddress address;
    // Where the motive before it ended.
    int32_t start = 0;
    // The start of the measure the motive's own times count from.
    int32_t base = 0;
    // What the motive holds: from its first note's place to the end of its last measure.
    int32_t windowStart = 0;
    int32_t windowEnd = 0;
    // Where the next motive starts.
    int32_t end = 0;
    // It comes right after a motive with the same anacrusis: its first chord comes in where the
    // motive before ended. Otherwise it starts at a bar line of its own.
    bool follows = false;
    // The last chord of the motive before, still sounding when this one begins.
    std::optional<TSoundingChord> carried;
    // The first chord repeats the carried one over the bar line (same key, same voicing, after
    // an up-beat): it is held on rather than struck again.
    bool firstChordHeldOver = false;
};

// Places motives one after another; each is placed after the one placed before it.
class TTimeline {
  public:
    // Room beyond a motive's measures for notes a hand-edited document places past its end
    // (times and lengths are bounded when a document is read).
    static constexpr int64_t SLACK = int64_t{1} << 25;

    // Where `motive` goes after the motives placed so far. Nothing when it cannot be placed: a
    // meter without length (only a hand-edited file holds one), or huge hand-edited measures
    // that would take the time line past what 32 bits count; the motives after it go on from
    // the same place.
    std::optional<TPlacedMotive> place(const TMotive& motive);
    // Where the next motive would start.
    int32_t nextStart() const { return nextStart_; }
    void reset();

  private:
    int32_t nextStart_ = 0;
    bool placedAny_ = false;
    int32_t lastAnacrusis_ = 0;
    std::optional<TSoundingChord> lastChord_;
};

// The motives of `period` in order, each placed after the one before; motives that cannot be
// placed are left out.
std::vector<TPlacedMotive> periodTimeline(const TPeriodData& period);
