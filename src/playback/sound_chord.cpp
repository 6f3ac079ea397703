#include "playback/sound_chord.h"

#include "harmony/chord.h"
#include "model/key.h"
#include "model/midi_output.h"

void soundChord(TMidiOutputInterface& output, const TChord& chord, const TKey& key, bool on) {
    if (!chord.isArranged()) {
        return;
    }
    const TVoicing voices = chord.voicing();
    for (size_t i = 0; i < voices.size(); ++i) {
        // a hand-edited document may hold a voice outside the key's table: leave it silent
        if (!isValidPitch(voices[i])) {
            continue;
        }
        const auto keyNumber = static_cast<int16_t>(key.pitch(voices[i]));
        if (on) {
            output.noteOn(DRAFT_CHORD_CHANNEL, keyNumber, DRAFT_CHORD_VELOCITIES[i]);
        } else {
            output.noteOff(DRAFT_CHORD_CHANNEL, keyNumber, DRAFT_CHORD_VELOCITIES[i]);
        }
    }
}
