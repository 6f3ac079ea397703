#pragma once

#include <array>
#include <cstdint>
#include <map>

// Plain records of four-part writing. They hold positions only and need nothing but the standard
// library, so the model can hold chords (and with them these records) by value.

// How many of the three upper voices (soprano, alto, tenor) hold the root, third, fifth and
// seventh, in that order. The bass is not counted: it always holds the chord's bass tone.
struct TDoubling {
    std::array<int32_t, 4> counts{};

    int32_t operator[](int tone) const { return counts[static_cast<size_t>(tone)]; }
    bool operator==(const TDoubling&) const = default;
};

// Layout codes of an arrangement, by the intervals between adjacent upper voices.
constexpr uint8_t LAYOUT_CLOSE = 0;  // every adjacent upper interval up to a fourth
constexpr uint8_t LAYOUT_OPEN = 1;   // a fifth up to an octave
constexpr uint8_t LAYOUT_MIXED = 2;

constexpr int32_t MAX_BASS_OPTIONS = 3;

// One four-voice layout of a chord: the upper voices and up to three octaves for the bass.
struct TChordArrangement {
    std::array<int32_t, 3> upper{-1, -1, -1};        // soprano, alto, tenor
    std::array<int32_t, 3> bassOptions{-1, -1, -1};  // highest first, each 7 below the previous
    int32_t bassOptionCount = 0;
    std::array<bool, 3> bassOptionValid{false, false, false};
    uint8_t layout = LAYOUT_CLOSE;

    // At least one used bass option is admissible.
    bool isValid() const {
        for (int32_t j = 0; j < bassOptionCount && j < MAX_BASS_OPTIONS; ++j) {
            if (bassOptionValid[static_cast<size_t>(j)]) {
                return true;
            }
        }
        return false;
    }
    bool operator==(const TChordArrangement&) const = default;
};

// What the choice of a bass option knows of the chord before: its bass (-1 when none) and
// whether that bass had risen.
struct TBassContext {
    int32_t previousBass = -1;
    bool previousBassRose = false;
};

// Arrangements keyed by soprano position; std::multimap keeps equal keys in insertion order.
using TChordArrangementMap = std::multimap<int32_t, TChordArrangement>;
