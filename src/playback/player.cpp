#include "playback/player.h"

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
    std::unique_ptr<TMidiPortInterface> port = devices_.openPort(index);
    if (!port)
        throw TMidiOpenError();
    port_ = std::move(port);
    deviceIndex_ = static_cast<int16_t>(index);
}

void TPlayer::waitUntilReady() {
    if (port_)
        port_->waitUntilReady();
}

void TPlayer::closeDevice() {
    port_.reset();
    deviceIndex_ = -1;
}

uint32_t TPlayer::packShortMessage(int status, int data1, int data2) {
    return static_cast<uint32_t>(status) + 256u * static_cast<uint32_t>(data1) +
           65536u * static_cast<uint32_t>(data2);
}

void TPlayer::sendShort(int status, int data1, int data2) {
    if (deviceIndex_ == -1)
        return;
    port_->sendShortMessage(packShortMessage(status, data1, data2));
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
    if (deviceIndex_ == -1)
        return;
    port_->sendSystemExclusive(GENERAL_MIDI_RESET, sizeof GENERAL_MIDI_RESET);
}
