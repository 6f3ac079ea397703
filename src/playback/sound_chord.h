#pragma once

#include <array>
#include <cstdint>

class TChord;
class TKey;
class TMidiOutputInterface;

// Audition of a whole chord: its own channel, soprano, alto, tenor and bass velocities.
constexpr int16_t DRAFT_CHORD_CHANNEL = 4;
constexpr std::array<int16_t, 4> DRAFT_CHORD_VELOCITIES = {100, 80, 80, 120};

// Note On (on) or Note Off of soprano, alto, tenor, bass on the draft chord channel; an
// unarranged chord is silent, and a voice outside the key's positions is skipped.
void soundChord(TMidiOutputInterface& output, const TChord& chord, const TKey& key, bool on);
