#pragma once

#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>

#include "model/midi_output.h"
#include "playback/midi_port.h"

// Raised when an output device cannot be opened; callers show their own message.
class TMidiOpenError : public std::exception {
  public:
    const char* what() const noexcept override { return ""; }
};

// The one MIDI output of the program.
//
// Threads: the sends may come from any thread (the timer thread plays, the user-interface thread
// auditions and applies instrument sets); they interleave message by message. openDevice,
// closeDevice and waitUntilReady belong to the owner's thread. A short lock around the port
// keeps a send from meeting a port being replaced, and the old port hears the release of every
// note still sounding on it before it goes.
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
    // Releases the notes still sounding on the open port, then closes it.
    void closeDevice();
    // Returns once the open port sounds what it is sent; at once when none is open. Sends from
    // other threads go on meanwhile.
    void waitUntilReady();
    // The devices it opens, for the device dialog's list.
    TMidiDevicesInterface& devices() { return devices_; }
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
    static constexpr int CHANNELS = 16;
    static constexpr int KEYS = 128;

    void sendShort(int status, int data1, int data2);
    // Notes what a channel message starts or ends on the open port.
    void track(int status, int data1, int data2);

    std::unique_ptr<TMidiDevicesInterface> ownDevices_;
    TMidiDevicesInterface& devices_;
    std::mutex portMutex_;  // guards port_ and sounding_; held for one message at a time
    std::unique_ptr<TMidiPortInterface> port_;
    // The velocity of the note sounding on each channel and key of the open port, 0 for none.
    uint8_t sounding_[CHANNELS][KEYS] = {};
    std::atomic<int16_t> deviceIndex_{-1};
};
