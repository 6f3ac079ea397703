#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <fluidsynth.h>

// The soundfont the built-in synthesizer uses: $MOTIVICA_SOUNDFONT when set, else the first
// General MIDI soundfont found among the usual system ones; none when there is no such file.
std::optional<std::string> findSoundfont();
// Whether `path` names a readable soundfont file (looks at its header only).
bool isSoundfont(const std::string& path);

// A FluidSynth synthesizer with its settings, at 44.1 kHz stereo. It holds no audio output:
// the port adds one for live playing, the offline renderer pulls samples itself.
class TFluidSynthEngine {
  public:
    static constexpr int SAMPLE_RATE = 44100;

    TFluidSynthEngine();
    ~TFluidSynthEngine();
    TFluidSynthEngine(const TFluidSynthEngine&) = delete;
    TFluidSynthEngine& operator=(const TFluidSynthEngine&) = delete;

    // False when the synthesizer could not be created.
    bool valid() const { return synth_ != nullptr; }
    // Loads the soundfont; false when it cannot. May take a while for a large file.
    bool loadSoundfont(const std::string& path);
    bool hasSoundfont() const { return soundfontId_ >= 0; }

    // Plays one channel message packed as status | data1 << 8 | data2 << 16.
    void playShortMessage(uint32_t packed);
    // Plays a system-exclusive message F0 ... F7.
    void playSystemExclusive(const uint8_t* data, size_t size);
    // Renders `frames` frames of interleaved 16-bit stereo into `out`.
    void renderFrames(int16_t* out, int frames);

    fluid_settings_t* settings() { return settings_; }
    fluid_synth_t* synth() { return synth_; }

  private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int soundfontId_ = -1;
};
