#include "playback/alsa_sequencer_port.h"

#include <unistd.h>

#include <rtmidi/RtMidi.h>

#include "playback/sound_library_messages.h"

namespace {

constexpr const char* CLIENT_NAME = "Motivica";
constexpr const char* PORT_NAME = "Motivica output";

// Without the sequencer device there is nothing to ask, and asking only makes the ALSA
// library complain on stderr.
bool sequencerPresent() {
    return access("/dev/snd/seq", R_OK | W_OK) == 0;
}

void ignoreRtMidiError(RtMidiError::Type, const std::string&, void*) {}

std::unique_ptr<RtMidiOut> makeClient() {
    if (!sequencerPresent())
        return nullptr;
    silenceSoundLibraryMessages();
    try {
        auto out = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, CLIENT_NAME);
        out->setErrorCallback(ignoreRtMidiError, nullptr);
        return out;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

}  // namespace

std::vector<std::string> TAlsaSequencerPort::portNames() {
    std::vector<std::string> names;
    std::unique_ptr<RtMidiOut> out = makeClient();
    if (!out)
        return names;
    try {
        const unsigned count = out->getPortCount();
        for (unsigned i = 0; i < count; ++i)
            names.push_back(out->getPortName(i));
    } catch (const RtMidiError&) {
    }
    return names;
}

std::unique_ptr<TAlsaSequencerPort> TAlsaSequencerPort::open(unsigned portIndex) {
    std::unique_ptr<RtMidiOut> out = makeClient();
    if (!out)
        return nullptr;
    try {
        if (portIndex >= out->getPortCount())
            return nullptr;
        out->openPort(portIndex, PORT_NAME);
        if (!out->isPortOpen())
            return nullptr;
    } catch (const RtMidiError&) {
        return nullptr;
    }
    return std::unique_ptr<TAlsaSequencerPort>(new TAlsaSequencerPort(std::move(out)));
}

TAlsaSequencerPort::TAlsaSequencerPort(std::unique_ptr<RtMidiOut> out) : out_(std::move(out)) {}

TAlsaSequencerPort::~TAlsaSequencerPort() {
    try {
        out_->closePort();
    } catch (const RtMidiError&) {
    }
}

void TAlsaSequencerPort::sendShortMessage(uint32_t packed) {
    const unsigned char bytes[3] = {static_cast<unsigned char>(packed),
                                    static_cast<unsigned char>(packed >> 8),
                                    static_cast<unsigned char>(packed >> 16)};
    try {
        out_->sendMessage(bytes, 1 + midiDataBytes(bytes[0]));
    } catch (const RtMidiError&) {
    }
}

void TAlsaSequencerPort::sendSystemExclusive(const uint8_t* data, size_t size) {
    try {
        out_->sendMessage(data, size);
    } catch (const RtMidiError&) {
    }
}
