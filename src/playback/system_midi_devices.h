#pragma once

#include "playback/midi_port.h"

// The machine's output devices: device 0 is the built-in synthesizer, then every output port
// of the ALSA sequencer by its name. A machine without ALSA has only the synthesizer.
class TSystemMidiDevices : public TMidiDevicesInterface {
  public:
    int deviceCount() override;
    std::optional<std::string> deviceName(int index) override;
    std::unique_ptr<TMidiPortInterface> openPort(int index) override;
};
