#include "model/tempo.h"

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
