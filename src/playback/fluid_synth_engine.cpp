#include "playback/fluid_synth_engine.h"

#include "playback/sound_library_messages.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr const char* SOUNDFONT_FOLDER = "/usr/share/sounds/sf2/";
constexpr const char* SOUNDFONT_NAMES[] = {"FluidR3_GM.sf2", "TimGM6mb.sf2", "default-GM.sf2"};
constexpr double SYNTH_GAIN = 0.5;

}  // namespace

bool isSoundfont(const std::string& path) {
    return access(path.c_str(), R_OK) == 0 && fluid_is_soundfont(path.c_str());
}

std::optional<std::string> findSoundfont() {
    const char* chosen = std::getenv("MOTIVICA_SOUNDFONT");
    if (chosen && *chosen) {
        // the user's own choice is used or nothing: falling back would hide a typing error
        if (isSoundfont(chosen))
            return std::string(chosen);
        return std::nullopt;
    }
    for (const char* name : SOUNDFONT_NAMES) {
        const std::string path = std::string(SOUNDFONT_FOLDER) + name;
        if (isSoundfont(path))
            return path;
    }
    return std::nullopt;
}

TFluidSynthEngine::TFluidSynthEngine() {
    silenceSoundLibraryMessages();
    settings_ = new_fluid_settings();
    if (!settings_)
        return;
    fluid_settings_setnum(settings_, "synth.sample-rate", SAMPLE_RATE);
    fluid_settings_setnum(settings_, "synth.gain", SYNTH_GAIN);
    fluid_settings_setint(settings_, "synth.audio-channels", 1);
    // the system needs no effects processing and no MIDI input of FluidSynth's own
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    synth_ = new_fluid_synth(settings_);
}

TFluidSynthEngine::~TFluidSynthEngine() {
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

bool TFluidSynthEngine::loadSoundfont(const std::string& path) {
    if (!synth_ || !isSoundfont(path))
        return false;
    // reset_presets re-selects every channel's program, so programs chosen before the
    // soundfont arrived take effect now
    const int id = fluid_synth_sfload(synth_, path.c_str(), 1);
    if (id == FLUID_FAILED)
        return false;
    soundfontId_ = id;
    return true;
}

void TFluidSynthEngine::playShortMessage(uint32_t packed) {
    if (!synth_)
        return;
    const int status = packed & 0xFF;
    const int channel = status & 0x0F;
    const int data1 = (packed >> 8) & 0xFF;
    const int data2 = (packed >> 16) & 0xFF;
    switch (status & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(synth_, channel, data1);
            break;
        case 0x90:
            if (data2 == 0)
                fluid_synth_noteoff(synth_, channel, data1);
            else
                fluid_synth_noteon(synth_, channel, data1, data2);
            break;
        case 0xB0:
            fluid_synth_cc(synth_, channel, data1, data2);
            break;
        case 0xC0:
            fluid_synth_program_change(synth_, channel, data1);
            break;
        default:
            break;
    }
}

void TFluidSynthEngine::playSystemExclusive(const uint8_t* data, size_t size) {
    if (!synth_ || size < 2 || data[0] != 0xF0 || data[size - 1] != 0xF7)
        return;
    // FluidSynth takes the message without its framing bytes
    std::vector<char> body(data + 1, data + size - 1);
    fluid_synth_sysex(synth_, body.data(), static_cast<int>(body.size()), nullptr, nullptr, nullptr,
                      0);
}

void TFluidSynthEngine::renderFrames(int16_t* out, int frames) {
    if (!synth_)
        return;
    fluid_synth_write_s16(synth_, frames, out, 0, 2, out, 1, 2);
}
