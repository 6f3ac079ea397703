#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "model/motive.h"

class TInstrumentConf;
class TPlayer;

// motivica-cli play IN.tnr [--device N] [--from K] [--to K] [--instruments NAME]
// Plays the period, or its motives K..K (0-based, period order), in real time through output
// device N (default: the configured one), printing each motive as it starts. Ctrl+C stops at
// once and releases every sounding note.
int runPlayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// One motive to play and the number it is announced by.
struct TNumberedMotive {
    size_t number = 0;
    TMotive motive;
};

// Plays the motives through the open `player` at `tempo`, printing "motive K" as each starts,
// and returns when the last has ended, when SIGINT arrives or when `stopAfter` has passed.
// Returns the number of note-offs the stop released (0 when the end came by itself).
int playInRealTime(TPlayer& player, const TInstrumentConf& set,
                   const std::vector<TNumberedMotive>& motives, int32_t tempo, std::ostream& out,
                   std::chrono::milliseconds stopAfter = std::chrono::milliseconds::max());
