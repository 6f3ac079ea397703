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
