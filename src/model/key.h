#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Number of diatonic pitch positions: six octaves of seven steps, position 0 always the letter D.
constexpr int PITCH_COUNT = 42;
constexpr int NO_PITCH = -1;

// True for a diatonic position that a key can sound (0..41).
constexpr bool isValidPitch(int p) {
    return p >= 0 && p < PITCH_COUNT;
}

// Accidental codes returned by TKey::accidentalFor.
constexpr int ACCIDENTAL_NONE = 0;
constexpr int ACCIDENTAL_SHARP = 1;
constexpr int ACCIDENTAL_DOUBLE_SHARP = 2;
constexpr int ACCIDENTAL_FLAT = 3;
constexpr int ACCIDENTAL_DOUBLE_FLAT = 4;
constexpr int ACCIDENTAL_NATURAL = 5;

// Alterations asked of accidentalFor.
constexpr int ALTERATION_RAISE = 1;
constexpr int ALTERATION_LOWER = 3;

constexpr uint8_t MAJOR = 0;
constexpr uint8_t MINOR = 1;

// Step patterns in semitones by 0-based scale degree; minor is the harmonic minor scale.
constexpr std::array<int, 7> MAJOR_STEPS = {2, 2, 1, 2, 2, 2, 1};
constexpr std::array<int, 7> MINOR_STEPS = {2, 1, 2, 2, 1, 3, 1};

// Treble-staff positions of the signature's accidentals, in signature order.
constexpr std::array<int, 7> SHARP_POSITIONS = {30, 27, 31, 28, 25, 29, 26};
constexpr std::array<int, 7> FLAT_POSITIONS = {26, 29, 25, 28, 31, 27, 30};

// An RGB colour as 0xRRGGBB.
using TRgb = uint32_t;

// A key: the signature (-7..7, negative flats) and the mode, with the table that turns diatonic
// positions into MIDI note numbers. The derived fields are recomputed whenever signs or mode
// change.
class TKey {
  public:
    TKey() : TKey(0, MAJOR) {}
    TKey(int32_t signs, uint8_t mode);

    int32_t signs() const { return signs_; }
    uint8_t mode() const { return mode_; }
    bool isMinor() const { return mode_ == MINOR; }
    // Scale degree (1..7) of position 0.
    uint8_t firstDegree() const { return firstDegree_; }

    const std::array<int32_t, PITCH_COUNT>& pitches() const { return pitches_; }
    // MIDI note number of a position 0..41.
    int32_t pitch(int p) const { return pitches_.at(static_cast<size_t>(p)); }

    void setSigns(int32_t signs);
    void setMode(uint8_t mode);

    // Scale degree 1..7 of a position p >= 0.
    int degreeOf(int p) const;
    bool isRaisedSeventh(int p) const;
    // The accidental to draw for position p raised (1) or lowered (3); 0 for any other alteration.
    int accidentalFor(int p, int alteration) const;
    // The colour in which the editors paint a note on position p.
    TRgb degreeColour(int p) const;

    bool operator==(const TKey& other) const {
        return signs_ == other.signs_ && mode_ == other.mode_;
    }

  private:
    void recompute();

    int32_t signs_ = 0;
    uint8_t mode_ = MAJOR;
    uint8_t firstDegree_ = 2;
    std::array<int32_t, PITCH_COUNT> pitches_{};
};
