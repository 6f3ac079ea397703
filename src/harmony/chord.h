#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "harmony/chord_arrangement.h"
#include "model/key.h"

// Returned by the chord-tone navigation when no such position exists (also when it passes
// below position 0).
constexpr int32_t NO_POSITION = 42;

// Diatonic steps between consecutive chord tones, row 0 for a triad, row 1 for a seventh chord.
// Upward entry k: from tone k to tone k + 1 (the last wraps to the root an octave up).
// Downward entry k: from tone k down to tone k - 1 (tone 0 wraps down to the highest tone).
constexpr std::array<std::array<int32_t, 4>, 2> UP_STEPS = {{{2, 2, 3, 0}, {2, 2, 2, 1}}};
constexpr std::array<std::array<int32_t, 4>, 2> DOWN_STEPS = {{{3, 2, 2, 0}, {1, 2, 2, 2}}};

// The soprano range of every arrangement search and the soprano aimed at without a preceding
// chord.
constexpr int32_t SOPRANO_LOW = 13;
constexpr int32_t SOPRANO_HIGH = 34;
constexpr int32_t SOPRANO_TARGET = 25;

// Indices of TMotionFlags: the soprano moves that connect to the preceding chord.
constexpr int MOTION_LEAP_UP = 0;    // rises by 3 or more steps
constexpr int MOTION_STEP_UP = 1;    // rises by 1 or 2 steps
constexpr int MOTION_HOLD = 2;       // keeps its position
constexpr int MOTION_STEP_DOWN = 3;  // falls by 1 or 2 steps
constexpr int MOTION_LEAP_DOWN = 4;  // falls by 3 or more steps
constexpr int MOTION_TONIC = 5;      // a chord on degree 1 can carry the tonic in the soprano
using TMotionFlags = std::array<bool, 6>;
// Any of the soprano moves (flags 0..4) is admissible.
bool hasSopranoMove(const TMotionFlags& flags);

// The 29 chord types, in table order, and NONE for a chord of no type.
enum class TChordType : uint8_t {
    TONIC_THREE_CHORD,
    TONIC_SIXTH_CHORD,
    TONIC_FOUR_CHORD,
    TOPM_THREE_CHORD,
    LOWM_THREE_CHORD,
    TOPM_FOUR_CHORD,
    SUBDOMINANT_THREE_CHORD,
    SUBDOMINANT_SIXTH_CHORD,
    SUBDOMINANT_FOUR_CHORD,
    LOWINTRO_THREE_CHORD,
    LOWINTRO_SIXTH_CHORD,
    LOWINTRO_FOUR_CHORD,
    LOWINTRO_SIXTH_FIFTH_CHORD,
    LOWINTRO_FOURTH_THIRD_CHORD,
    LOWINTRO_SECOND_CHORD,
    K_SIXTH_FOURTH_CHORD,
    LOWM_FOUR_CHORD,
    DOMINANT_THREE_CHORD,
    LOWM_SIXTH_CHORD,
    DOMINANT_SIXTH_CHORD,
    DOMINANT_FOUR_CHORD,
    DOMINANT_SIXTH_FIFTH_CHORD,
    DOMINANT_FOURTH_THIRD_CHORD,
    DOMINANT_SECOND_CHORD,
    TOPINTRO_SIXTH_CHORD,
    TOPINTRO_FOUR_CHORD,
    TOPINTRO_SIXTH_FIFTH_CHORD,
    TOPINTRO_FOURTH_THIRD_CHORD,
    TOPINTRO_SECOND_CHORD,
    NONE,
};

constexpr int CHORD_TYPE_COUNT = 29;
// The types' names in documents, indexed by TChordType.
constexpr std::array<std::string_view, CHORD_TYPE_COUNT> CHORD_TYPE_NAMES = {
    "TONIC_THREE_CHORD",
    "TONIC_SIXTH_CHORD",
    "TONIC_FOUR_CHORD",
    "TOPM_THREE_CHORD",
    "LOWM_THREE_CHORD",
    "TOPM_FOUR_CHORD",
    "SUBDOMINANT_THREE_CHORD",
    "SUBDOMINANT_SIXTH_CHORD",
    "SUBDOMINANT_FOUR_CHORD",
    "LOWINTRO_THREE_CHORD",
    "LOWINTRO_SIXTH_CHORD",
    "LOWINTRO_FOUR_CHORD",
    "LOWINTRO_SIXTH_FIFTH_CHORD",
    "LOWINTRO_FOURTH_THIRD_CHORD",
    "LOWINTRO_SECOND_CHORD",
    "K_SIXTH_FOURTH_CHORD",
    "LOWM_FOUR_CHORD",
    "DOMINANT_THREE_CHORD",
    "LOWM_SIXTH_CHORD",
    "DOMINANT_SIXTH_CHORD",
    "DOMINANT_FOUR_CHORD",
    "DOMINANT_SIXTH_FIFTH_CHORD",
    "DOMINANT_FOURTH_THIRD_CHORD",
    "DOMINANT_SECOND_CHORD",
    "TOPINTRO_SIXTH_CHORD",
    "TOPINTRO_FOUR_CHORD",
    "TOPINTRO_SIXTH_FIFTH_CHORD",
    "TOPINTRO_FOURTH_THIRD_CHORD",
    "TOPINTRO_SECOND_CHORD",
};

// The 21 types that automatic harmonisation, generation and development draw from, in the
// order of the scheme's chord set. The other eight occur only when chosen by hand or read.
constexpr int HARMONY_SET_SIZE = 21;
constexpr std::array<TChordType, HARMONY_SET_SIZE> HARMONY_SET = {
    TChordType::TONIC_THREE_CHORD,          TChordType::TONIC_SIXTH_CHORD,
    TChordType::TONIC_FOUR_CHORD,           TChordType::TOPM_THREE_CHORD,
    TChordType::LOWM_THREE_CHORD,           TChordType::TOPM_FOUR_CHORD,
    TChordType::SUBDOMINANT_THREE_CHORD,    TChordType::SUBDOMINANT_SIXTH_CHORD,
    TChordType::SUBDOMINANT_FOUR_CHORD,     TChordType::LOWINTRO_THREE_CHORD,
    TChordType::LOWINTRO_SIXTH_CHORD,       TChordType::LOWINTRO_FOUR_CHORD,
    TChordType::K_SIXTH_FOURTH_CHORD,       TChordType::LOWM_FOUR_CHORD,
    TChordType::DOMINANT_THREE_CHORD,       TChordType::LOWM_SIXTH_CHORD,
    TChordType::DOMINANT_SIXTH_CHORD,       TChordType::DOMINANT_FOUR_CHORD,
    TChordType::DOMINANT_SIXTH_FIFTH_CHORD, TChordType::TOPINTRO_SIXTH_CHORD,
    TChordType::TOPINTRO_FOUR_CHORD,
};

// Soprano, alto, tenor and bass as diatonic positions.
using TVoicing = std::array<int32_t, 4>;

// A chord of a measure: its type data, the doublings its type allows, the arrangements computed
// for them and the chosen four voices. A chord of no type (TChordType::NONE) has no tones.
// The glyphs that label a chord type are display resources and belong to the drawing code.
class TChord {
  public:
    TChord() = default;
    TChord(uint8_t degree, uint8_t toneCount, uint8_t bassTone)
        : degree(degree), toneCount(toneCount), bassTone(bassTone) {}

    // Usable in the key's mode.
    bool isAvailableIn(const TKey& key) const;
    // The succession rule for this type after a chord of order rank (0 when none precedes):
    // a type of at least that order, or a tonic-group type of lower order.
    bool canFollow(int32_t rank) const { return order >= rank || tonicGroup; }

    bool hasType() const { return type != TChordType::NONE; }
    bool isArranged() const { return soprano != -1; }
    void setVoicing(int32_t s, int32_t a, int32_t t, int32_t b) {
        soprano = s;
        alt = a;
        tenor = t;
        bass = b;
    }
    void setVoicing(const TVoicing& v) { setVoicing(v[0], v[1], v[2], v[3]); }
    void clearVoicing() { setVoicing(-1, -1, -1, -1); }
    bool sameVoicing(int32_t s, int32_t a, int32_t t, int32_t b) const {
        return soprano == s && alt == a && tenor == t && bass == b;
    }
    bool sameVoicing(const TVoicing& v) const { return sameVoicing(v[0], v[1], v[2], v[3]); }
    bool sameVoicing(const TChord& other) const { return sameVoicing(other.voicing()); }
    TVoicing voicing() const { return {soprano, alt, tenor, bass}; }
    // All four voices lie in 0..41, as the voice-leading check needs of a preceding chord.
    bool hasCompleteVoicing() const;

    // Chord tones. Tone k (0 root, 1 third, 2 fifth, 3 seventh) lies on scale degree
    // ((degree - 1 + 2k) mod 7) + 1.
    int toneDegree(int tone) const;
    // Steps from tone k up to the next tone, and from tone k down to the one below it.
    int32_t upStep(int tone) const;
    int32_t downStep(int tone) const;
    // The tone index held by position p, or -1 when p is not a chord tone.
    int toneIndexAt(int32_t p, const TKey& key) const;

    std::array<bool, PITCH_COUNT> chordToneMap(const TKey& key) const;
    bool isChordTone(int32_t p, const TKey& key) const;
    // Navigation: count moves to the next (previous) chord tone or non-chord tone; NO_POSITION
    // when the top (bottom) of the range is passed.
    int32_t nextChordTone(int32_t p, const TKey& key, int32_t count) const;
    int32_t previousChordTone(int32_t p, const TKey& key, int32_t count) const;
    int32_t nextNonChordTone(int32_t p, const TKey& key, int32_t count) const;
    int32_t previousNonChordTone(int32_t p, const TKey& key, int32_t count) const;
    // Single moves from `from` until `to` is reached or passed, or the navigation runs out.
    int32_t chordToneSteps(int32_t from, int32_t to, const TKey& key) const;
    int32_t nonChordToneSteps(int32_t from, int32_t to, const TKey& key) const;
    std::vector<int32_t> chordTonePositions(const TKey& key) const;

    // Four-part arrangements.
    // Recomputes arrangementMaps and arrangementCounts for sopranos low..high.
    void buildArrangements(const TKey& key, int32_t low, int32_t high);
    // Re-validates every bass option of the arrangements with soprano in low..high against the
    // preceding chord's voicing (which must be complete); returns the soprano moves that remain.
    TMotionFlags checkConnection(const TVoicing& previous, const TKey& key, int32_t low,
                                 int32_t high);
    // Takes the valid arrangement whose soprano is nearest to target (the earliest doubling that
    // has one), its bass by the context. Returns false and leaves the voices alone when there is
    // none.
    bool chooseArrangement(int32_t target, const TBassContext& context = TBassContext());
    // The index of the bass option to use for an arrangement, by the context.
    static int32_t chooseBassOption(const TChordArrangement& arrangement,
                                    const TBassContext& context);
    // Sum of arrangementCounts: how many arrangement columns a list of this chord needs.
    int32_t arrangementColumnCount() const;

    int32_t time = 0;
    uint8_t degree = 0;
    uint8_t toneCount = 0;
    uint8_t bassTone = 0;
    std::vector<TDoubling> doublings;
    std::vector<TChordArrangementMap> arrangementMaps;
    std::vector<int32_t> arrangementCounts;
    int32_t soprano = -1;
    int32_t alt = -1;
    int32_t tenor = -1;
    int32_t bass = -1;
    TRgb colour = 0x000000;
    bool inMajor = true;
    bool inMinor = true;
    int32_t order = 0;
    bool tonicGroup = false;
    TChordType type = TChordType::NONE;
};

// A type's name as documents write it; empty for NONE.
std::string_view chordTypeName(TChordType type);
// The type of a name as documents write it. Names compare exactly; an unknown or empty name gives
// NONE.
TChordType chordTypeFromName(std::string_view name);

// A chord of the type with all its type data, not arranged, at time 0; NONE gives a chord of no
// type.
TChord chordOfType(TChordType type);
// chordOfType of the named type.
TChord chordFromTypeName(std::string_view name);

// The chords of HARMONY_SET in set order, each as chordOfType gives it.
std::vector<TChord> harmonySetChords();

// The chords of HARMONY_SET that may follow a chord of order rank in the key's mode: those of
// order at least rank sorted by order (set order among equal orders), then the tonic-group chords
// of lower order in set order.
std::vector<TChord> successionCandidates(const TKey& key, int32_t rank);
