#include "playback/system_midi_devices.h"

#include "playback/alsa_sequencer_port.h"
#include "playback/fluid_synth_engine.h"
#include "playback/fluid_synth_port.h"

int TSystemMidiDevices::deviceCount() {
    return 1 + static_cast<int>(TAlsaSequencerPort::portNames().size());
}

std::optional<std::string> TSystemMidiDevices::deviceName(int index) {
    if (index == 0)
        return std::string(TFluidSynthPort::DEVICE_NAME);
    const std::vector<std::string> names = TAlsaSequencerPort::portNames();
    if (index < 0 || index > static_cast<int>(names.size()))
        return std::nullopt;
    return names[index - 1];
}

std::unique_ptr<TMidiPortInterface> TSystemMidiDevices::openPort(int index) {
    if (index < 0)
        return nullptr;
    if (index == 0) {
        const std::optional<std::string> soundfont = findSoundfont();
        if (!soundfont)
            return nullptr;
        return TFluidSynthPort::open(*soundfont);
    }
    return TAlsaSequencerPort::open(static_cast<unsigned>(index - 1));
}
