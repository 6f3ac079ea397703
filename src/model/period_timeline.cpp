#include "model/period_timeline.h"

#include <algorithm>
#include <limits>

namespace {

// The largest multiple of `length` not above t.
int32_t measureStartAtOrBefore(int32_t t, int32_t length) {
    const int32_t rest = t % length;
    return rest < 0 ? t - rest - length : t - rest;
}

}  // namespace

size_t soundingChordCount(const TMotive& motive) {
    return std::min(motive.chords.size(), static_cast<size_t>(motive.measureCount()));
}

std::optional<TPlacedMotive> TTimeline::place(const TMotive& motive) {
    const int32_t length = motive.measureLength();
    if (length <= 0)
        return std::nullopt;
    if (int64_t{nextStart_} + 3 * int64_t{length} + SLACK > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    TPlacedMotive placed;
    placed.start = nextStart_;
    const int32_t floor = measureStartAtOrBefore(nextStart_, length);
    placed.base = floor;
    if (placedAny_) {
        placed.follows = lastAnacrusis_ == motive.anacrusis;
        placed.carried = lastChord_;
        // a motive with another anacrusis starts at the next bar line
        if (!placed.follows)
            placed.base = nextStart_ % length == 0 ? nextStart_ : floor + length;
    }
    placed.windowStart = placed.base + motive.startTime();
    placed.windowEnd = placed.base + motive.endTime();
    placed.end = placed.base + (motive.anacrusis == 0 ? length : 2 * length - motive.anacrusis);
    const size_t chords = soundingChordCount(motive);
    if (placed.follows && placed.carried && motive.anacrusis != 0 && chords > 0) {
        const TChord& first = motive.chords[0];
        placed.firstChordHeldOver =
            placed.carried->key == motive.key &&
            placed.carried->chord.sameVoicing(first.soprano, first.alt, first.tenor, first.bass);
    }

    nextStart_ = placed.end;
    placedAny_ = true;
    lastAnacrusis_ = motive.anacrusis;
    // an up-beat motive's only chord is the up-beat's: it has ended before the next motive
    if (chords > 0 && !(motive.anacrusis != 0 && chords == 1))
        lastChord_ = TSoundingChord{motive.chords[chords - 1], motive.key};
    else
        lastChord_.reset();
    return placed;
}

void TTimeline::reset() {
    *this = TTimeline();
}

std::vector<TPlacedMotive> periodTimeline(const TPeriodData& period) {
    std::vector<TPlacedMotive> placed;
    TTimeline timeline;
    for (const TMotiveAddress& address : period.motiveAddresses()) {
        std::optional<TPlacedMotive> p = timeline.place(period.motiveAt(address));
        if (!p)
            continue;
        p->address = address;
        placed.push_back(*p);
    }
    return placed;
}
