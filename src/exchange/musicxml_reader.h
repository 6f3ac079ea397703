#pragma once

#include <string_view>

#include "exchange/imported_melody.h"

// Reads the melody of one part of a partwise MusicXML score: its first voice, with ties merged,
// chords as notes that start together, rests, grace notes marked, the meter, key and tempo it
// starts with, and the pickup measure's length. `part` counts from 1. A text that is not such a
// score, a part that is not there or a meter that changes raise TImportError with one line.
TImportedMelody readMusicXmlMelody(std::string_view text, int part = 1);
