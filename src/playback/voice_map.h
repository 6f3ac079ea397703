#pragma once

#include <cstdint>

#include "model/note.h"
#include "playback/sound_chord.h"

// The fixed voice map: the channel of each kind of sound. The two audition channels live with
// the code that auditions: DRAFT_MELODY_CHANNEL (3) with the note, DRAFT_CHORD_CHANNEL (4) with
// soundChord.
constexpr int16_t MELODY_CHANNEL = 0;
constexpr int16_t CHORD_CHANNEL = 1;
constexpr int16_t BASS_CHANNEL = 2;
constexpr int16_t DRUM_CHANNEL = 9;

// Velocities of playback; a note-off repeats its note-on's velocity.
constexpr int16_t MELODY_MEASURE_START_VELOCITY = 110;
constexpr int16_t MELODY_VELOCITY = 105;
constexpr int16_t CHORD_VELOCITY = 90;
constexpr int16_t BASS_VELOCITY = 110;
constexpr int16_t METRONOME_MEASURE_START_VELOCITY = 100;
constexpr int16_t METRONOME_VELOCITY = 80;
