#include "playback/player.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "playback/system_midi_devices.h"

namespace {

// General MIDI System On.
constexpr uint8_t GENERAL_MIDI_RESET[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};

}  // namespace

TPlayer::TPlayer() : ownDevices_(std::make_unique<TSystemMidiDevices>()), devices_(*ownDevices_) {}

TPlayer::TPlayer(TMidiDevicesInterface& devices) : devices_(devices) {}

TPlayer::~TPlayer() {
    closeDevice();
}

void TPlayer::openDevice(int index) {
    closeDevice();
    // -1 marks a closed player, so a negative index (only a hand-edited configuration holds
    // one) could never receive anything: it is refused like any device that will not open.
    if (index < 0 || index > std::numeric_limits<int16_t>::max())
        throw TMidiOpenError();
    // opened outside the lock: a synthesizer takes a while to start, and sends meanwhile find
    // no port and do nothing
    std::unique_ptr<TMidiPortInterface> port = devices_.openPort(index);
    if (!port)
        throw TMidiOpenError();
    std::lock_guard<std::mutex> guard(portMutex_);
    port_ = std::move(port);
    deviceIndex_ = static_cast<int16_t>(index);
}

void TPlayer::waitUntilReady() {
    // without the lock, so that sends go on while the port gets ready; only this thread
    // replaces the port
    if (port_)
        port_->waitUntilReady();
}

void TPlayer::closeDevice() {
    std::unique_ptr<TMidiPortInterface> closing;
    {
        std::lock_guard<std::mutex> guard(portMutex_);
        // a note struck on a port that goes away would ring on there with nothing to end it
        if (port_) {
            for (int channel = 0; channel < CHANNELS; ++channel)
                for (int key = 0; key < KEYS; ++key)
                    if (sounding_[channel][key] != 0)
                        port_->sendShortMessage(
                            packShortMessage(0x80 + channel, key, sounding_[channel][key]));
        }
        for (auto& keys : sounding_)
            std::fill(std::begin(keys), std::end(keys), uint8_t{0});
        closing = std::move(port_);
        deviceIndex_ = -1;
    }
    // the port closes outside the lock; sends meanwhile find none and do nothing
    closing.reset();
}

uint32_t TPlayer::packShortMessage(int status, int data1, int data2) {
    return static_cast<uint32_t>(status) + 256u * static_cast<uint32_t>(data1) +
           65536u * static_cast<uint32_t>(data2);
}

void TPlayer::sendShort(int status, int data1, int data2) {
    std::lock_guard<std::mutex> guard(portMutex_);
    if (!port_)
        return;
    port_->sendShortMessage(packShortMessage(status, data1, data2));
    track(status, data1, data2);
}

void TPlayer::track(int status, int data1, int data2) {
    const int kind = status & 0xF0;
    if ((kind != 0x80 && kind != 0x90) || data1 < 0 || data1 >= KEYS)
        return;
    // a note-on of velocity 0 ends the note like a note-off
    const bool strikes = kind == 0x90 && data2 > 0;
    sounding_[status & 0x0F][data1] = strikes ? static_cast<uint8_t>(std::min(data2, 127)) : 0;
}

void TPlayer::noteOn(int16_t channel, int16_t key, int16_t velocity) {
    sendShort(0x90 + channel, key, velocity);
}

void TPlayer::noteOff(int16_t channel, int16_t key, int16_t velocity) {
    sendShort(0x80 + channel, key, velocity);
}

void TPlayer::programChange(int16_t channel, int16_t program) {
    sendShort(0xC0 + channel, program, 0);
}

void TPlayer::setChannelVolume(int16_t channel, int16_t volume) {
    sendShort(0xB0 + channel, 7, volume);
}

void TPlayer::sendGeneralMidiReset() {
    std::lock_guard<std::mutex> guard(portMutex_);
    if (!port_)
        return;
    port_->sendSystemExclusive(GENERAL_MIDI_RESET, sizeof GENERAL_MIDI_RESET);
}
