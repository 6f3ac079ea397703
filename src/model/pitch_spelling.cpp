#include "model/pitch_spelling.h"

#include <array>

namespace {

constexpr const char* LETTERS = "CDEFGAB";
constexpr std::array<int32_t, 7> NATURAL_SEMITONES = {0, 2, 4, 5, 7, 9, 11};

}  // namespace

TPitchSpelling spellPitch(int32_t pitch, const TKey& key) {
    TPitchSpelling s;
    s.letter = (pitch + 1) % 7;
    s.octave = (pitch + 1) / 7 + 1;
    s.alter = key.pitch(pitch) - spelledMidiKey({s.letter, s.octave, 0});
    return s;
}

int32_t spelledMidiKey(const TPitchSpelling& s) {
    return 12 * (s.octave + 1) + NATURAL_SEMITONES[static_cast<size_t>(s.letter)] + s.alter;
}

std::string pitchName(int32_t pitch, const TKey& key) {
    return spelledName(spellPitch(pitch, key));
}

std::string spelledName(const TPitchSpelling& s) {
    std::string name(1, LETTERS[s.letter]);
    for (int a = 0; a < s.alter; ++a)
        name += "\u266F";
    for (int a = 0; a > s.alter; --a)
        name += "\u266D";
    return name + std::to_string(s.octave);
}
