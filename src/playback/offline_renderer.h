#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/motive.h"

class TInstrumentConf;

// What "Play all" sounds like, rendered by the built-in synthesizer without an audio output,
// as fast as the machine computes it.
struct TRenderRequest {
    std::vector<TMotive> motives;  // in playing order
    int32_t tempo = 100;
    std::string soundfont;
    // Silence after the last event, so the last notes decay.
    double tailSeconds = 1.5;
    // Told now and then how far the rendering is (0 to 1); answering false stops it.
    std::function<bool(double fraction)> progress;
};

struct TRenderResult {
    bool ok = false;
    // Stopped by the progress callback; nothing was rendered then.
    bool cancelled = false;
    std::string error;
    std::vector<int16_t> samples;  // interleaved stereo at SAMPLE_RATE
    static constexpr int SAMPLE_RATE = 44100;
    static constexpr int CHANNELS = 2;
};

// Plays the motives through the set's programs, volumes and mutes (the metronome sounds when
// it is not muted), one timer step after another, and collects the samples in between.
TRenderResult renderPlayback(const TRenderRequest& request, const TInstrumentConf& set);
