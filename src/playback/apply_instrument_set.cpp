#include "playback/apply_instrument_set.h"

#include "playback/instrument_conf.h"
#include "playback/player.h"
#include "playback/voice_map.h"

void applyInstrumentSet(const TInstrumentConf& set, TPlayer& player) {
    player.sendGeneralMidiReset();
    const int32_t programs[] = {set.melodyVoice(), set.chordVoice(), set.bassVoice(),
                                set.draftMelodyVoice(), set.draftChordVoice()};
    const int16_t programChannels[] = {MELODY_CHANNEL, CHORD_CHANNEL, BASS_CHANNEL,
                                       DRAFT_MELODY_CHANNEL, DRAFT_CHORD_CHANNEL};
    for (int i = 0; i < 5; ++i)
        player.programChange(programChannels[i], static_cast<int16_t>(programs[i]));
    const int32_t volumes[] = {set.melodyVolume(),      set.chordVolume(),      set.bassVolume(),
                               set.draftMelodyVolume(), set.draftChordVolume(), set.drumVolume()};
    const int16_t volumeChannels[] = {MELODY_CHANNEL,       CHORD_CHANNEL,       BASS_CHANNEL,
                                      DRAFT_MELODY_CHANNEL, DRAFT_CHORD_CHANNEL, DRUM_CHANNEL};
    for (int i = 0; i < 6; ++i)
        player.setChannelVolume(volumeChannels[i], static_cast<int16_t>(volumes[i]));
}
