#pragma once

class TInstrumentConf;
class TPlayer;

// Puts the set on the output: the General MIDI reset, the programs of channels 0 to 4, then
// the volumes of channels 0 to 4 and 9. The drum channel keeps its kit: no program goes there.
void applyInstrumentSet(const TInstrumentConf& set, TPlayer& player);
