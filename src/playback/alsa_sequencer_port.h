#pragma once

#include <memory>
#include <string>
#include <vector>

#include "playback/midi_port.h"

class RtMidiOut;

// An output port of the ALSA sequencer, reached through RtMidi.
class TAlsaSequencerPort : public TMidiPortInterface {
  public:
    // The names of the sequencer's output ports in RtMidi's order; empty without ALSA.
    static std::vector<std::string> portNames();
    // Connects to port `portIndex` of that list; null when it cannot.
    static std::unique_ptr<TAlsaSequencerPort> open(unsigned portIndex);
    ~TAlsaSequencerPort() override;

    void sendShortMessage(uint32_t packed) override;
    void sendSystemExclusive(const uint8_t* data, size_t size) override;

  private:
    explicit TAlsaSequencerPort(std::unique_ptr<RtMidiOut> out);
    std::unique_ptr<RtMidiOut> out_;
};
