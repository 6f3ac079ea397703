#include "model/tempo.h"

#include <algorithm>
#include <cmath>

int tempoCategory(int32_t tempo) {
    if (tempo < 55)
        return 0;
    return (tempo - 55 + 7) / 15;
}

int32_t quarterMilliseconds(int32_t tempo) {
    return 8 * (200 - tempo);
}

DURATION anacrusisFor(TMotiveType type, int d, int32_t measureLength) {
    switch (type) {
        case TMotiveType::TROCHEE:
            return 0;
        case TMotiveType::AMPHIBRACHYS:
            return static_cast<DURATION>((d + 1) * 30);
        case TMotiveType::IAMBUS:
            return static_cast<DURATION>(measureLength - (d + 1) * 30);
    }
    return 0;
}

int quartersPerMinute(int32_t tempo) {
    const int64_t step = 200 - int64_t{tempo};
    if (step <= 0)
        return 0;
    // 60000 ms / (8 x step ms), to the nearest whole quarter
    return int((7500 + step / 2) / step);
}

int32_t tempoForQuartersPerMinute(double quarters) {
    // no mark, or one that stands still, is as slow as a tempo goes
    if (!(quarters > 0))
        return MIN_TEMPO;
    // a quarter lasts 8 x (200 - tempo) ms
    const double value = 200.0 - 7500.0 / quarters;
    return static_cast<int32_t>(
        std::lround(std::clamp(value, double{MIN_TEMPO}, double{MAX_TEMPO})));
}
