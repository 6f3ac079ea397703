#include "harmony/chord.h"

#include <algorithm>
#include <cstdlib>

#include "harmony/voice_leading.h"

// One row of the chord-type table.
struct TChordTypeRow {
    TChordType type;
    uint8_t degree;
    uint8_t toneCount;
    uint8_t bassTone;
    int doublingCount;
    std::array<TDoubling, 2> doublings;
    int32_t order;
    bool tonicGroup;
    bool inMinor;
    TRgb colour;
};

// The table, indexed by type.
static const std::array<TChordTypeRow, CHORD_TYPE_COUNT>& chordTypes() {
    using enum TChordType;
    static constexpr std::array<TChordTypeRow, CHORD_TYPE_COUNT> table = {{
        {TONIC_THREE_CHORD,
         1,
         3,
         0,
         2,
         {{{{1, 1, 1, 0}}, {{2, 1, 0, 0}}}},
         1,
         true,
         true,
         0xB9FFFF},
        {TONIC_SIXTH_CHORD,
         1,
         3,
         1,
         2,
         {{{{2, 0, 1, 0}}, {{1, 0, 2, 0}}}},
         2,
         true,
         true,
         0xDFE0FF},
        {TONIC_FOUR_CHORD, 1, 4, 0, 1, {{{{0, 1, 1, 1}}, {}}}, 3, true, true, 0xB9DCFF},
        {TOPM_THREE_CHORD, 6, 3, 0, 2, {{{{1, 1, 1, 0}}, {{0, 2, 1, 0}}}}, 4, true, true, 0xD0EBC7},
        {LOWM_THREE_CHORD,
         3,
         3,
         0,
         2,
         {{{{1, 1, 1, 0}}, {{0, 1, 2, 0}}}},
         13,
         true,
         false,
         0xFAD8F4},
        {TOPM_FOUR_CHORD, 6, 4, 0, 1, {{{{0, 1, 1, 1}}, {}}}, 5, false, true, 0xBFE7BC},
        {SUBDOMINANT_THREE_CHORD,
         4,
         3,
         0,
         2,
         {{{{1, 1, 1, 0}}, {{0, 1, 2, 0}}}},
         6,
         false,
         true,
         0xD0EBC7},
        {SUBDOMINANT_SIXTH_CHORD,
         4,
         3,
         1,
         2,
         {{{{2, 0, 1, 0}}, {{1, 0, 2, 0}}}},
         7,
         false,
         true,
         0xC1FFC8},
        {SUBDOMINANT_FOUR_CHORD, 4, 4, 0, 1, {{{{0, 1, 1, 1}}, {}}}, 8, false, true, 0xC6FFB7},
        {LOWINTRO_THREE_CHORD,
         2,
         3,
         0,
         2,
         {{{{1, 1, 1, 0}}, {{0, 2, 1, 0}}}},
         9,
         false,
         false,
         0xBDE8D9},
        {LOWINTRO_SIXTH_CHORD, 2, 3, 1, 1, {{{{1, 1, 1, 0}}, {}}}, 10, false, true, 0xA5E2C5},
        {LOWINTRO_FOUR_CHORD, 2, 4, 0, 1, {{{{0, 1, 1, 1}}, {}}}, 11, false, true, 0xA5E2C5},
        {LOWINTRO_SIXTH_FIFTH_CHORD, 2, 4, 1, 1, {{{{1, 0, 1, 1}}, {}}}, 11, false, true, 0xA5E2C5},
        {LOWINTRO_FOURTH_THIRD_CHORD,
         2,
         4,
         2,
         1,
         {{{{1, 1, 0, 1}}, {}}},
         11,
         false,
         true,
         0xA5E2C5},
        {LOWINTRO_SECOND_CHORD, 2, 4, 3, 1, {{{{1, 1, 1, 0}}, {}}}, 11, false, true, 0xA5E2C5},
        {K_SIXTH_FOURTH_CHORD, 1, 3, 2, 1, {{{{1, 1, 1, 0}}, {}}}, 12, false, true, 0xF3CBFE},
        {LOWM_FOUR_CHORD, 3, 4, 0, 1, {{{{0, 1, 1, 1}}, {}}}, 14, false, true, 0xF9D0F1},
        {DOMINANT_THREE_CHORD,
         5,
         3,
         0,
         2,
         {{{{1, 1, 1, 0}}, {{0, 1, 2, 0}}}},
         15,
         false,
         true,
         0xFDCCE3},
        {LOWM_SIXTH_CHORD, 3, 3, 1, 1, {{{{1, 1, 1, 0}}, {}}}, 15, false, true, 0xFDCCE4},
        {DOMINANT_SIXTH_CHORD,
         5,
         3,
         1,
         2,
         {{{{2, 0, 1, 0}}, {{1, 0, 2, 0}}}},
         16,
         false,
         true,
         0xFBCEE3},
        {DOMINANT_FOUR_CHORD,
         5,
         4,
         0,
         2,
         {{{{0, 1, 1, 1}}, {{1, 1, 0, 1}}}},
         17,
         false,
         true,
         0xFCC2DE},
        {DOMINANT_SIXTH_FIFTH_CHORD, 5, 4, 1, 1, {{{{1, 0, 1, 1}}, {}}}, 17, false, true, 0xFCC2DE},
        {DOMINANT_FOURTH_THIRD_CHORD,
         5,
         4,
         2,
         1,
         {{{{1, 1, 0, 1}}, {}}},
         17,
         false,
         true,
         0xFCC2DE},
        {DOMINANT_SECOND_CHORD, 5, 4, 3, 1, {{{{1, 1, 1, 0}}, {}}}, 17, false, true, 0xFCC2DE},
        {TOPINTRO_SIXTH_CHORD, 7, 3, 1, 1, {{{{1, 1, 1, 0}}, {}}}, 18, false, true, 0xFCD6D7},
        {TOPINTRO_FOUR_CHORD, 7, 4, 0, 1, {{{{0, 1, 1, 1}}, {}}}, 19, false, true, 0xFCCFD0},
        {TOPINTRO_SIXTH_FIFTH_CHORD, 7, 4, 1, 1, {{{{1, 0, 1, 1}}, {}}}, 19, false, true, 0xFCCFD0},
        {TOPINTRO_FOURTH_THIRD_CHORD,
         7,
         4,
         2,
         1,
         {{{{1, 1, 0, 1}}, {}}},
         19,
         false,
         true,
         0xFCCFD0},
        {TOPINTRO_SECOND_CHORD, 7, 4, 3, 1, {{{{1, 1, 1, 0}}, {}}}, 19, false, true, 0xFCCFD0},
    }};
    // chordOfType reads the row at the type's index
    static_assert([] {
        for (size_t i = 0; i < table.size(); ++i) {
            if (static_cast<size_t>(table[i].type) != i) {
                return false;
            }
        }
        return true;
    }());
    return table;
}

std::string_view chordTypeName(TChordType type) {
    const auto index = static_cast<size_t>(type);
    return index < CHORD_TYPE_NAMES.size() ? CHORD_TYPE_NAMES[index] : std::string_view();
}

TChordType chordTypeFromName(std::string_view name) {
    const auto found = std::find(CHORD_TYPE_NAMES.begin(), CHORD_TYPE_NAMES.end(), name);
    // an empty name matches no entry either
    return found == CHORD_TYPE_NAMES.end()
               ? TChordType::NONE
               : static_cast<TChordType>(found - CHORD_TYPE_NAMES.begin());
}

TChord chordOfType(TChordType type) {
    const auto index = static_cast<size_t>(type);
    if (index >= chordTypes().size()) {
        return TChord();
    }
    const TChordTypeRow& row = chordTypes()[index];
    TChord chord(row.degree, row.toneCount, row.bassTone);
    chord.doublings.assign(row.doublings.begin(), row.doublings.begin() + row.doublingCount);
    chord.order = row.order;
    chord.tonicGroup = row.tonicGroup;
    chord.inMajor = true;
    chord.inMinor = row.inMinor;
    chord.colour = row.colour;
    chord.type = row.type;
    return chord;
}

TChord chordFromTypeName(std::string_view name) {
    return chordOfType(chordTypeFromName(name));
}

std::vector<TChord> harmonySetChords() {
    std::vector<TChord> chords;
    for (TChordType type : HARMONY_SET)
        chords.push_back(chordOfType(type));
    return chords;
}

std::vector<TChord> successionCandidates(const TKey& key, int32_t rank) {
    std::vector<TChord> following;
    std::vector<TChord> tonics;
    for (TChordType type : HARMONY_SET) {
        TChord chord = chordOfType(type);
        if (!chord.isAvailableIn(key)) {
            continue;
        }
        if (chord.order >= rank) {
            following.push_back(std::move(chord));
        } else if (chord.tonicGroup) {
            tonics.push_back(std::move(chord));
        }
    }
    std::stable_sort(following.begin(), following.end(),
                     [](const TChord& a, const TChord& b) { return a.order < b.order; });
    following.insert(following.end(), tonics.begin(), tonics.end());
    return following;
}

bool TChord::isAvailableIn(const TKey& key) const {
    return key.isMinor() ? inMinor : inMajor;
}

bool TChord::hasCompleteVoicing() const {
    return isValidPitch(soprano) && isValidPitch(alt) && isValidPitch(tenor) && isValidPitch(bass);
}

// Only triads and seventh chords have tones; any other tone count (a chord of no type, or one
// built from odd values) has none, so no step table is ever read out of range.
static bool hasTones(const TChord& chord) {
    return chord.toneCount == 3 || chord.toneCount == 4;
}

static int modulo7(int value) {
    return ((value % 7) + 7) % 7;
}

int TChord::toneDegree(int tone) const {
    return modulo7(degree - 1 + 2 * tone) + 1;
}

int32_t TChord::upStep(int tone) const {
    if (!hasTones(*this) || tone < 0 || tone >= toneCount) {
        return 0;
    }
    return UP_STEPS[toneCount - 3][static_cast<size_t>(tone)];
}

int32_t TChord::downStep(int tone) const {
    if (!hasTones(*this) || tone < 0 || tone >= toneCount) {
        return 0;
    }
    return DOWN_STEPS[toneCount - 3][static_cast<size_t>(tone)];
}

int TChord::toneIndexAt(int32_t p, const TKey& key) const {
    if (!hasTones(*this) || !isValidPitch(p)) {
        return -1;
    }
    const int positionDegree = key.degreeOf(p);
    for (int k = 0; k < toneCount; ++k) {
        if (toneDegree(k) == positionDegree) {
            return k;
        }
    }
    return -1;
}

// The tone index of every position, -1 for positions that are no chord tone: from the lowest
// chord tone above position 0 upward by the chord's steps.
static std::array<int8_t, PITCH_COUNT> toneTable(const TChord& chord, const TKey& key) {
    std::array<int8_t, PITCH_COUNT> table;
    table.fill(-1);
    if (!hasTones(chord)) {
        return table;
    }
    int lowest = 7;
    int tone = 0;
    for (int k = 0; k < chord.toneCount; ++k) {
        const int distance = modulo7(chord.toneDegree(k) - key.firstDegree());
        if (distance < lowest) {
            lowest = distance;
            tone = k;
        }
    }
    for (int p = lowest; p < PITCH_COUNT;
         p += chord.upStep(tone), tone = (tone + 1) % chord.toneCount) {
        table[static_cast<size_t>(p)] = static_cast<int8_t>(tone);
    }
    return table;
}

std::array<bool, PITCH_COUNT> TChord::chordToneMap(const TKey& key) const {
    const std::array<int8_t, PITCH_COUNT> table = toneTable(*this, key);
    std::array<bool, PITCH_COUNT> map{};
    for (size_t p = 0; p < map.size(); ++p) {
        map[p] = table[p] >= 0;
    }
    return map;
}

bool TChord::isChordTone(int32_t p, const TKey& key) const {
    return isValidPitch(p) && chordToneMap(key)[static_cast<size_t>(p)];
}

static bool marked(const std::array<bool, PITCH_COUNT>& map, int32_t p) {
    return isValidPitch(p) && map[static_cast<size_t>(p)];
}

// One navigation primitive for all four directions: move count times, each time to the nearest
// position above (below) whose chord-tone flag equals `wanted`.
static int32_t navigate(const std::array<bool, PITCH_COUNT>& map, int32_t p, int32_t count,
                        bool upward, bool wanted) {
    for (int32_t i = 0; i < count; ++i) {
        if (upward) {
            p = std::max(p, int32_t{-1}) + 1;
            while (p < PITCH_COUNT && marked(map, p) != wanted) {
                ++p;
            }
            if (p >= PITCH_COUNT) {
                return NO_POSITION;
            }
        } else {
            p = std::min(p, PITCH_COUNT) - 1;
            while (p >= 0 && marked(map, p) != wanted) {
                --p;
            }
            if (p < 0) {
                return NO_POSITION;
            }
        }
    }
    return p;
}

int32_t TChord::nextChordTone(int32_t p, const TKey& key, int32_t count) const {
    return navigate(chordToneMap(key), p, count, true, true);
}

int32_t TChord::previousChordTone(int32_t p, const TKey& key, int32_t count) const {
    return navigate(chordToneMap(key), p, count, false, true);
}

int32_t TChord::nextNonChordTone(int32_t p, const TKey& key, int32_t count) const {
    return navigate(chordToneMap(key), p, count, true, false);
}

int32_t TChord::previousNonChordTone(int32_t p, const TKey& key, int32_t count) const {
    return navigate(chordToneMap(key), p, count, false, false);
}

static int32_t countSteps(const std::array<bool, PITCH_COUNT>& map, int32_t from, int32_t to,
                          bool wanted) {
    if (from == to) {
        return 0;
    }
    const bool upward = from < to;
    int32_t steps = 0;
    int32_t p = from;
    while (true) {
        p = navigate(map, p, 1, upward, wanted);
        ++steps;
        if (p == NO_POSITION || (upward ? p >= to : p <= to)) {
            return steps;
        }
    }
}

int32_t TChord::chordToneSteps(int32_t from, int32_t to, const TKey& key) const {
    return countSteps(chordToneMap(key), from, to, true);
}

int32_t TChord::nonChordToneSteps(int32_t from, int32_t to, const TKey& key) const {
    return countSteps(chordToneMap(key), from, to, false);
}

std::vector<int32_t> TChord::chordTonePositions(const TKey& key) const {
    const std::array<bool, PITCH_COUNT> map = chordToneMap(key);
    std::vector<int32_t> positions;
    for (int32_t p = 0; p < PITCH_COUNT; ++p) {
        if (map[static_cast<size_t>(p)]) {
            positions.push_back(p);
        }
    }
    return positions;
}

// Interval class of an upper voice a over the voice b below it: 1 up to a fourth, 2 a fifth up
// to an octave, 3 wider or crossed.
static int intervalClass(int32_t a, int32_t b) {
    const int32_t d = a - b;
    if (d >= 0 && d <= 3) {
        return 1;
    }
    if (d >= 4 && d <= 7) {
        return 2;
    }
    return 3;
}

// The widest distance of an interval class: a fourth for class 1, an octave for class 2.
static int32_t widestInterval(int intervalClass) {
    return intervalClass == 1 ? 3 : 7;
}

struct TLayoutSearch {
    int altoClass;
    int tenorClass;
    uint8_t code;
};

static constexpr std::array<TLayoutSearch, 4> LAYOUT_SEARCHES = {{
    {1, 1, LAYOUT_CLOSE},
    {2, 2, LAYOUT_OPEN},
    {1, 2, LAYOUT_MIXED},
    {2, 1, LAYOUT_MIXED},
}};

void TChord::buildArrangements(const TKey& key, int32_t low, int32_t high) {
    arrangementMaps.assign(doublings.size(), TChordArrangementMap());
    arrangementCounts.clear();
    if (!hasTones(*this)) {
        arrangementCounts.assign(doublings.size(), 0);
        return;
    }
    // the searches below run for every soprano of every doubling: look tones and steps up once
    const int tones = toneCount;
    const std::array<int8_t, PITCH_COUNT> toneAt = toneTable(*this, key);
    const std::array<int32_t, 4>& down = DOWN_STEPS[static_cast<size_t>(tones - 3)];
    std::array<int, 4> below{};
    for (int k = 0; k < tones; ++k) {
        below[static_cast<size_t>(k)] = (k + tones - 1) % tones;
    }
    const auto stepDown = [&](int32_t& p, int& tone) {
        p -= down[static_cast<size_t>(tone)];
        tone = below[static_cast<size_t>(tone)];
    };
    for (size_t d = 0; d < doublings.size(); ++d) {
        const TDoubling& doubling = doublings[d];
        TChordArrangementMap& map = arrangementMaps[d];
        int32_t largest = 0;
        for (int32_t s = std::max(low, int32_t{0}); s <= high && s < PITCH_COUNT; ++s) {
            const int ts = toneAt[static_cast<size_t>(s)];
            if (ts < 0 || doubling[ts] == 0) {
                continue;
            }
            int32_t inserted = 0;
            for (const TLayoutSearch& layout : LAYOUT_SEARCHES) {
                TDoubling rest = doubling;
                --rest.counts[static_cast<size_t>(ts)];
                // walk the chord tones downward from the soprano itself, so unisons can occur;
                // once the distance exceeds the layout's widest interval every lower position
                // would only end the walk, so the walk ends there
                const int32_t altoWidest = widestInterval(layout.altoClass);
                for (int32_t a = s, ta = ts; a >= 0 && s - a <= altoWidest; stepDown(a, ta)) {
                    if (rest[ta] <= 0 || intervalClass(s, a) != layout.altoClass) {
                        continue;
                    }
                    TDoubling tenorRest = rest;
                    --tenorRest.counts[static_cast<size_t>(ta)];
                    const int32_t tenorWidest = widestInterval(layout.tenorClass);
                    for (int32_t t = a, tt = ta; t >= 0 && a - t <= tenorWidest; stepDown(t, tt)) {
                        if (tenorRest[tt] <= 0 || intervalClass(a, t) != layout.tenorClass) {
                            continue;
                        }
                        int32_t b = t;
                        int tb = tt;
                        while (b >= 0 && tb != bassTone) {
                            stepDown(b, tb);
                        }
                        if (b < 0) {
                            continue;
                        }
                        TChordArrangement arrangement;
                        arrangement.upper = {s, a, t};
                        arrangement.layout = layout.code;
                        for (int32_t j = 0; j < MAX_BASS_OPTIONS && b - 7 * j >= 0; ++j) {
                            arrangement.bassOptions[static_cast<size_t>(j)] = b - 7 * j;
                            arrangement.bassOptionValid[static_cast<size_t>(j)] = true;
                            arrangement.bassOptionCount = j + 1;
                        }
                        // sopranos ascend, so every insertion goes to the end of the map
                        map.emplace_hint(map.end(), s, arrangement);
                        ++inserted;
                    }
                }
            }
            largest = std::max(largest, inserted);
        }
        arrangementCounts.push_back(largest);
    }
}

TMotionFlags TChord::checkConnection(const TVoicing& previous, const TKey& key, int32_t low,
                                     int32_t high) {
    TMotionFlags motionFlags{};
    for (TChordArrangementMap& map : arrangementMaps) {
        for (auto it = map.lower_bound(low); it != map.end() && it->first <= high; ++it) {
            TChordArrangement& arrangement = it->second;
            for (int32_t j = 0; j < arrangement.bassOptionCount && j < MAX_BASS_OPTIONS; ++j) {
                const TVoicing next = {arrangement.upper[0], arrangement.upper[1],
                                       arrangement.upper[2],
                                       arrangement.bassOptions[static_cast<size_t>(j)]};
                const bool valid = connectsValidly(previous, next, key);
                arrangement.bassOptionValid[static_cast<size_t>(j)] = valid;
                if (!valid) {
                    continue;
                }
                const int32_t p = previous[0];
                const int32_t n = next[0];
                if (n < p) {
                    motionFlags[p - n >= 3 ? MOTION_LEAP_DOWN : MOTION_STEP_DOWN] = true;
                } else if (n > p) {
                    motionFlags[n - p >= 3 ? MOTION_LEAP_UP : MOTION_STEP_UP] = true;
                } else {
                    motionFlags[MOTION_HOLD] = true;
                }
                if (degree == 1 && key.degreeOf(n) == 1) {
                    motionFlags[MOTION_TONIC] = true;
                }
            }
        }
    }
    return motionFlags;
}

bool TChord::chooseArrangement(int32_t target, const TBassContext& context) {
    for (const TChordArrangementMap& map : arrangementMaps) {
        const TChordArrangement* best = nullptr;
        int32_t bestDistance = 0;
        for (auto it = map.lower_bound(SOPRANO_LOW); it != map.end() && it->first <= SOPRANO_HIGH;
             ++it) {
            if (!it->second.isValid()) {
                continue;
            }
            const int32_t distance = std::abs(it->first - target);
            // keys ascend and the first valid arrangement of a key is kept: the lower key wins
            // a tie
            if (best == nullptr || distance < bestDistance) {
                best = &it->second;
                bestDistance = distance;
            }
        }
        if (best != nullptr) {
            const int32_t option = chooseBassOption(*best, context);
            setVoicing(best->upper[0], best->upper[1], best->upper[2],
                       best->bassOptions[static_cast<size_t>(option)]);
            return true;
        }
    }
    return false;
}

static int32_t countFlags(const std::array<bool, 3>& flags, int32_t used) {
    int32_t n = 0;
    for (int32_t j = 0; j < used; ++j) {
        n += flags[static_cast<size_t>(j)] ? 1 : 0;
    }
    return n;
}

static int32_t lastFlag(const std::array<bool, 3>& flags, int32_t used) {
    for (int32_t j = used - 1; j >= 0; --j) {
        if (flags[static_cast<size_t>(j)]) {
            return j;
        }
    }
    return -1;
}

int32_t TChord::chooseBassOption(const TChordArrangement& arrangement,
                                 const TBassContext& context) {
    const int32_t used = std::clamp(arrangement.bassOptionCount, int32_t{0}, MAX_BASS_OPTIONS);
    const std::array<bool, 3>& valid = arrangement.bassOptionValid;
    if (countFlags(valid, used) == 1) {
        return lastFlag(valid, used);
    }
    // a bass more than two octaves under the tenor leaves a hole in the sound
    std::array<bool, 3> flags = valid;
    const int32_t tenorPosition = arrangement.upper[2];
    for (int32_t j = 0; j < used; ++j) {
        if (tenorPosition - arrangement.bassOptions[static_cast<size_t>(j)] > 14) {
            flags[static_cast<size_t>(j)] = false;
        }
    }
    const int32_t remaining = countFlags(flags, used);
    if (remaining == 1) {
        return lastFlag(flags, used);
    }
    if (remaining == 0) {
        flags = valid;
    }
    if (lastFlag(flags, used) < 0) {
        return 0;
    }
    if (context.previousBass == -1) {
        return lastFlag(flags, used);
    }
    // the bass moves against its previous motion
    std::array<bool, 3> against = flags;
    for (int32_t j = 0; j < used; ++j) {
        const bool above = arrangement.bassOptions[static_cast<size_t>(j)] > context.previousBass;
        if (above == context.previousBassRose) {
            against[static_cast<size_t>(j)] = false;
        }
    }
    const int32_t chosen = lastFlag(against, used);
    return chosen >= 0 ? chosen : lastFlag(flags, used);
}

bool hasSopranoMove(const TMotionFlags& flags) {
    return std::any_of(flags.begin(), flags.begin() + MOTION_TONIC, [](bool flag) { return flag; });
}

int32_t TChord::arrangementColumnCount() const {
    int32_t sum = 0;
    for (int32_t count : arrangementCounts) {
        sum += count;
    }
    return sum;
}
