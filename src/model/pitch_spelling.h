#pragma once

#include <cstdint>
#include <string>

#include "model/key.h"

// How a diatonic position is written in a key: the letter comes from the staff (position 0 is a
// D), the octave counts from C (middle C is C4), and the alteration is how far the key's
// sounding note lies from the natural letter (harmonic minor's raised seventh included).
struct TPitchSpelling {
    int letter = 0;  // C = 0 .. B = 6
    int octave = 4;
    int alter = 0;  // semitones: -2..2

    bool operator==(const TPitchSpelling&) const = default;
};

TPitchSpelling spellPitch(int32_t pitch, const TKey& key);

// The MIDI note a spelling sounds: C4 is 60, B♯3 is 60 too.
int32_t spelledMidiKey(const TPitchSpelling& spelling);

// The spelling as a student reads it: "D5", "F♯4", "B♭3", "F♯♯4".
std::string pitchName(int32_t pitch, const TKey& key);
std::string spelledName(const TPitchSpelling& spelling);
