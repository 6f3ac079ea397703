#include "model/key.h"

#include <algorithm>
#include <cstdlib>

namespace {

int floorMod(int a, int m) {
    int r = a % m;
    return r < 0 ? r + m : r;
}

constexpr std::array<TRgb, 7> DEGREE_COLOURS = {0x00FFFF, 0x42BB91, 0x81E8FE, 0x68FE43,
                                                0x1DD7FE, 0xADDB9D, 0xFA8FC2};

}  // namespace

TKey::TKey(int32_t signs, uint8_t mode) : signs_(signs), mode_(mode) {
    recompute();
}

void TKey::setSigns(int32_t signs) {
    signs_ = signs;
    recompute();
}

void TKey::setMode(uint8_t mode) {
    mode_ = mode;
    recompute();
}

void TKey::recompute() {
    // tonic letter, C = 0 .. B = 6; the relative minor lies two letters lower
    int t = signs_ > 0 ? floorMod(4 * signs_, 7) : floorMod(3 * std::abs(signs_), 7);
    if (mode_ == MINOR)
        t -= 2;
    const int b = t <= 1 ? 1 : 8;
    const int i0 = b - t;  // 0-based scale degree of the letter D
    firstDegree_ = static_cast<uint8_t>(i0 + 1);

    int d = 26;
    if (signs_ <= -4)
        d = 25;
    else if (signs_ >= 4)
        d = 27;
    if (mode_ == MINOR && firstDegree_ == 7)
        d += 1;  // position 0 holds the raised leading tone
    const std::array<int, 7>& steps = mode_ == MINOR ? MINOR_STEPS : MAJOR_STEPS;
    pitches_[0] = d;
    for (int p = 1; p < PITCH_COUNT; ++p)
        pitches_[p] = pitches_[p - 1] + steps[floorMod(i0 + p - 1, 7)];
}

int TKey::degreeOf(int p) const {
    return floorMod(firstDegree_ + p - 1, 7) + 1;
}

bool TKey::isRaisedSeventh(int p) const {
    return mode_ == MINOR && degreeOf(p) == 7;
}

int TKey::accidentalFor(int p, int alteration) const {
    if (alteration != ALTERATION_RAISE && alteration != ALTERATION_LOWER)
        return ACCIDENTAL_NONE;
    const std::array<int, 7>& positions = signs_ > 0 ? SHARP_POSITIONS : FLAT_POSITIONS;
    const int n = std::min(std::abs(signs_), 7);
    bool altered = false;
    for (int i = 0; i < n; ++i)
        if (degreeOf(positions[i]) == degreeOf(p))
            altered = true;
    if (!altered)
        return alteration == ALTERATION_RAISE ? ACCIDENTAL_SHARP : ACCIDENTAL_FLAT;
    if (signs_ > 0)
        return alteration == ALTERATION_RAISE ? ACCIDENTAL_DOUBLE_SHARP : ACCIDENTAL_NATURAL;
    return alteration == ALTERATION_RAISE ? ACCIDENTAL_NATURAL : ACCIDENTAL_DOUBLE_FLAT;
}

TRgb TKey::degreeColour(int p) const {
    const int d = degreeOf(p);
    return d >= 1 && d <= 7 ? DEGREE_COLOURS[d - 1] : 0xFFFFFF;
}
