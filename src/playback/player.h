#pragma once

#include <cstdint>
#include <exception>
#include <memory>

#include "model/midi_output.h"
#include "playback/midi_port.h"

// Raised when an output device cannot be opened; callers show their own message.
class TMidiOpenError : public std::exception {
  public:
    const char* what() const noexcept override { return ""; }
};

// The one MIDI output of the program. Not locked: every send is a single call on the port, so
// sends from the timer thread and the user-interface thread interleave message by message.
class TPlayer : public TMidiOutputInterface {
  public:
    // Opens the machine's devices: the built-in synthesizer, then the ALSA sequencer ports.
    TPlayer();
    // Opens the given devices, which must outlive the player.
    explicit TPlayer(TMidiDevicesInterface& devices);
    ~TPlayer() override;
    TPlayer(const TPlayer&) = delete;
    TPlayer& operator=(const TPlayer&) = delete;

    // Closes what is open, then opens device `index`; throws TMidiOpenError and stays closed
    // when that fails.
    void openDevice(int index);
    void closeDevice();
    // Returns once the open port sounds what it is sent; at once when none is open.
    void waitUntilReady();
    // -1 exactly when no port is open.
    int16_t deviceIndex() const { return deviceIndex_; }

    void noteOn(int16_t channel, int16_t key, int16_t velocity) override;
    void noteOff(int16_t channel, int16_t key, int16_t velocity) override;
    void programChange(int16_t channel, int16_t program);
    void setChannelVolume(int16_t channel, int16_t volume);
    // The General MIDI System On message.
    void sendGeneralMidiReset();

    // status + 256 * data1 + 65536 * data2; callers pass channels 0-15 and data 0-127.
    static uint32_t packShortMessage(int status, int data1, int data2);

  private:
    void sendShort(int status, int data1, int data2);

    std::unique_ptr<TMidiDevicesInterface> ownDevices_;
    TMidiDevicesInterface& devices_;
    std::unique_ptr<TMidiPortInterface> port_;
    int16_t deviceIndex_ = -1;
};
