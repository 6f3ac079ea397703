#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/key.h"
#include "model/measure.h"
#include "model/motive.h"
#include "model/xml_document.h"

class TInstrumentConf;
class TPeriodData;

// What a Standard MIDI File of a composition is made from: its motives in playing order, the
// period's meter, key and tempo, and the programs of the instrument set.
struct TMidiFileContent {
    std::vector<TMotive> motives;
    TMeasure measure;
    TKey key;
    int32_t tempo = 100;
    int32_t melodyProgram = 1;
    int32_t chordProgram = 89;
    int32_t bassProgram = 32;

    // The programs of `set`; its volumes, drums and mutes are not written.
    void setPrograms(const TInstrumentConf& set);

    // The whole period, as the Export command writes it, with the programs of `set`.
    static TMidiFileContent ofPeriod(const TPeriodData& period, const TInstrumentConf& set);
};

// A format 1 file of four tracks (conductor, melody, chords, bass) at 120 ticks a quarter,
// holding exactly the events "Play all" schedules, without the metronome.
std::vector<uint8_t> midiFileBytes(const TMidiFileContent& content);
// Writes those bytes to `path`; fails with "save error".
TFileResult writeMidiFile(const TMidiFileContent& content, const std::string& path);

// The standard variable-length quantity: seven bits a byte, most significant first.
void appendVariableLength(std::vector<uint8_t>& out, uint32_t value);
