#include "model/note.h"

#include "model/midi_output.h"

void TNote::soundOn(TMidiOutputInterface& player, const TKey& key) const {
    if (isValidPitch(pitch))
        player.noteOn(DRAFT_MELODY_CHANNEL, static_cast<int16_t>(key.pitch(pitch)),
                      DRAFT_NOTE_VELOCITY);
}

void TNote::soundOff(TMidiOutputInterface& player, const TKey& key) const {
    if (isValidPitch(pitch))
        player.noteOff(DRAFT_MELODY_CHANNEL, static_cast<int16_t>(key.pitch(pitch)),
                       DRAFT_NOTE_VELOCITY);
}
