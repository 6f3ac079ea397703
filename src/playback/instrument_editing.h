#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/note.h"
#include "playback/instrument_conf.h"
#include "playback/voice_map.h"

class TInstrConfList;

// The two catalogues the editor names numbers from: programs for the five voices, drum keys for
// the metronome.
enum class TCatalogueKind { INSTRUMENTS, DRUMS };

// One instrument cell of the set editor: the field it edits, the catalogue it names the field
// from, the chooser's caption key, and how a choice is previewed: the row's channel with its
// preview keys, or for the metronome the chosen key itself on the drum channel.
struct TPitchCellDesign {
    TInstrumentNumber field;
    TCatalogueKind catalogue;
    const char* captionKey;
    int16_t channel;
    std::array<int16_t, 4> keys;
    size_t keyCount;

    // The metronome's cells: the chosen key itself sounds on the drum channel.
    constexpr bool drums() const { return catalogue == TCatalogueKind::DRUMS; }
};

// A treble C alone for the melodies, a four-voice C major chord for the chords, a low C for the
// bass: every program heard in the register its voice plays.
inline constexpr TPitchCellDesign MELODY_PITCH_CELL{TInstrumentNumber::MELODY_VOICE,
                                                    TCatalogueKind::INSTRUMENTS,
                                                    "instruments play mode melody",
                                                    MELODY_CHANNEL,
                                                    {72, 0, 0, 0},
                                                    1};
inline constexpr TPitchCellDesign CHORD_PITCH_CELL{TInstrumentNumber::CHORD_VOICE,
                                                   TCatalogueKind::INSTRUMENTS,
                                                   "instruments play mode chord",
                                                   CHORD_CHANNEL,
                                                   {72, 64, 55, 36},
                                                   4};
inline constexpr TPitchCellDesign BASS_PITCH_CELL{TInstrumentNumber::BASS_VOICE,
                                                  TCatalogueKind::INSTRUMENTS,
                                                  "instruments play mode bass",
                                                  BASS_CHANNEL,
                                                  {36, 0, 0, 0},
                                                  1};
inline constexpr TPitchCellDesign DRAFT_MELODY_PITCH_CELL{TInstrumentNumber::DRAFT_MELODY_VOICE,
                                                          TCatalogueKind::INSTRUMENTS,
                                                          "instruments dad mode melody",
                                                          DRAFT_MELODY_CHANNEL,
                                                          {72, 0, 0, 0},
                                                          1};
inline constexpr TPitchCellDesign DRAFT_CHORD_PITCH_CELL{TInstrumentNumber::DRAFT_CHORD_VOICE,
                                                         TCatalogueKind::INSTRUMENTS,
                                                         "instruments dad mode chord",
                                                         DRAFT_CHORD_CHANNEL,
                                                         {72, 64, 55, 36},
                                                         4};
inline constexpr TPitchCellDesign UP_BEAT_PITCH_CELL{TInstrumentNumber::UP_BEAT_DRUM_VOICE,
                                                     TCatalogueKind::DRUMS,
                                                     "instruments metronome upbeat",
                                                     DRUM_CHANNEL,
                                                     {0, 0, 0, 0},
                                                     0};
inline constexpr TPitchCellDesign BEAT_PITCH_CELL{TInstrumentNumber::DRUM_VOICE,
                                                  TCatalogueKind::DRUMS,
                                                  "instruments metronome beat",
                                                  DRUM_CHANNEL,
                                                  {0, 0, 0, 0},
                                                  0};

// One volume cell: the field and the caption key of its dialog.
struct TVolumeCellDesign {
    TInstrumentNumber field;
    const char* captionKey;
};

inline constexpr TVolumeCellDesign MELODY_VOLUME_CELL{TInstrumentNumber::MELODY_VOLUME,
                                                      "volume play mode melody"};
inline constexpr TVolumeCellDesign CHORD_VOLUME_CELL{TInstrumentNumber::CHORD_VOLUME,
                                                     "volume play mode chord"};
inline constexpr TVolumeCellDesign BASS_VOLUME_CELL{TInstrumentNumber::BASS_VOLUME,
                                                    "volume play mode bass"};
inline constexpr TVolumeCellDesign DRAFT_MELODY_VOLUME_CELL{TInstrumentNumber::DRAFT_MELODY_VOLUME,
                                                            "volume dad mode melody"};
inline constexpr TVolumeCellDesign DRAFT_CHORD_VOLUME_CELL{TInstrumentNumber::DRAFT_CHORD_VOLUME,
                                                           "volume dad mode chord"};
inline constexpr TVolumeCellDesign DRUM_VOLUME_CELL{TInstrumentNumber::DRUM_VOLUME,
                                                    "volume metronome"};

// Programs, drum keys and volumes the editor stores stay data bytes of a MIDI message.
constexpr int32_t MIDI_DATA_MAX = 127;
inline bool isMidiDataValue(int64_t value) {
    return value >= 0 && value <= MIDI_DATA_MAX;
}

// The volume typed into the volume dialog: an integer from 0 to 127, blanks around it allowed.
std::optional<int32_t> parseVolume(const std::string& text);

// The longest set name, in characters.
constexpr size_t MAX_SET_NAME_LENGTH = 215;

// What the name dialog makes of a name, in the order it checks: nothing but spaces, a name that
// is too long, holds a character a file name cannot hold or would leave the instruments folder,
// a name of a stored set (without regard to case), or a name it takes as it stands.
enum class TSetNameVerdict { EMPTY, WRONG, EXISTS, ACCEPTED };

TSetNameVerdict checkSetName(const std::string& name, const TInstrConfList& existing);

// The bundle keys of the message and caption the name dialog shows for a verdict; none for an
// accepted name. EXISTS asks a question: replacing takes the name, declining keeps the dialog.
struct TSetNameMessage {
    const char* captionKey;
    const char* messageKey;
};
std::optional<TSetNameMessage> setNameMessage(TSetNameVerdict verdict);

// The name a set is stored under once the user agreed to replace `name`: the stored set's own
// spelling, so that replacing really replaces it on a file system that minds the case.
std::string replacedSetName(const std::string& name, const TInstrConfList& existing);
