#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "generation/chord_selection.h"
#include "model/period_data.h"

// The largest period the templates make, for the exports' tests and benchmarks: 4 sentences of
// 4 phrases of 4 motives (64), in G minor and 2/4 with an eighth of anacrusis, every motive
// holding a melody of eighths and sixteenths tied over its bar line, harmonised throughout.
inline TPeriodData largestPeriod() {
    TPeriodData period;
    std::vector<COLORED_BOX_SUFFIX> letters;
    for (int i = 0; i < 16; ++i)
        letters.push_back(static_cast<COLORED_BOX_SUFFIX>(5 + i % 11));
    period.buildFromLayout(std::vector<int>(4, 4), std::vector<int>(16, 4), letters,
                           TKey(-2, MINOR), TMeasure(2, QUARTER), EIGHTH, 100);
    int32_t pitch = 17;
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        TMotive& m = period.motiveAt(a);
        for (int32_t t = m.startTime(); t < m.endTime();) {
            const DURATION length = t == m.startTime() + 30 ? 90 : 30 + (t / 30 % 2) * 30;
            const DURATION fitted = DURATION(std::min<int32_t>(length, m.endTime() - t));
            m.notes.emplace_back(t, pitch, fitted);
            pitch = 13 + (pitch - 13 + 3) % 22;
            t += fitted;
        }
        m.updateSharps();
    }
    harmonizeEveryMotive(period);
    return period;
}
