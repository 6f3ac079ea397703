#pragma once

#include <cstdint>

#include "model/duration.h"

// The meter: beatsPerMeasure beats of beatValue ticks each (2/4 by default).
class TMeasure {
  public:
    TMeasure() = default;
    TMeasure(int32_t beatsPerMeasure, DURATION beatValue)
        : beatValue_(beatValue), beatsPerMeasure_(beatsPerMeasure) {}

    DURATION beatValue() const { return beatValue_; }
    int32_t beatsPerMeasure() const { return beatsPerMeasure_; }
    void setBeatValue(DURATION v) { beatValue_ = v; }
    void setBeatsPerMeasure(int32_t n) { beatsPerMeasure_ = n; }

    int32_t measureLength() const { return int32_t(beatValue_) * beatsPerMeasure_; }
    // A zero-length meter (only a hand-edited file can hold one) has no bar lines.
    bool isMeasureStart(int32_t t) const {
        const int32_t l = measureLength();
        return l != 0 && t % l == 0;
    }
    // The start of the measure holding t; t itself without bar lines.
    int32_t measureStartOf(int32_t t) const {
        const int32_t l = measureLength();
        return l > 0 ? (t / l) * l : t;
    }
    // Width in pixels the canvases give one measure: 23 per sixteenth plus 19.
    int32_t displayWidth() const { return (beatValue_ / 30) * beatsPerMeasure_ * 23 + 19; }

    bool operator==(const TMeasure& other) const {
        return beatValue_ == other.beatValue_ && beatsPerMeasure_ == other.beatsPerMeasure_;
    }

  private:
    DURATION beatValue_ = 120;
    int32_t beatsPerMeasure_ = 2;
};
