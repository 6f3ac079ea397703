#pragma once

#include <cstdint>

#include "model/duration.h"
#include "model/key.h"
#include "model/measure.h"
#include "model/period_data.h"
#include "model/tempo.h"
#include "templates/period_layout.h"

// Everything the new-composition dialog decides: the period's shape and the frame every motive
// of the new composition shares.
struct TNewDialogResult {
    TPeriodLayout layout;
    TKey key;
    TMeasure measure;
    DURATION anacrusis = 0;
    int32_t tempo = DEFAULT_TEMPO;

    // Replaces the period with an empty composition of this shape and frame.
    void buildPeriod(TPeriodData& period) const {
        layout.buildPeriod(period, key, measure, anacrusis, tempo);
    }

    bool operator==(const TNewDialogResult& other) const = default;
};
