#pragma once

#include <optional>

#include "exchange/imported_melody.h"
#include "exchange/midi_file_reader.h"

// The melody of one track of a MIDI file. `track` counts the file's tracks from 1; without it,
// channel 0 of a file this program wrote, else the first track with notes. Within the track the
// first channel with notes is the melody (the drum channel only when there is no other). A MIDI
// file draws no bar lines before its first note: empty measures before it are left out, and a
// first measure whose notes begin after its bar line is a pickup when what remains is whole
// sixteenths. Raises TImportError for a file without notes or a track that is not there.
TImportedMelody midiFileMelody(const TMidiFileData& file, std::optional<int> track);

// Whether the file has the layout of this program's export: format 1 at 120 ticks a quarter,
// a conductor track and one track each for channels 0, 1 and 2.
bool isOwnMidiLayout(const TMidiFileData& file);
