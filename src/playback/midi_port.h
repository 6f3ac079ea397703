#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// One open MIDI output: whatever actually makes the sound or carries the bytes on.
class TMidiPortInterface {
  public:
    virtual ~TMidiPortInterface() = default;
    // A channel message packed as status | data1 << 8 | data2 << 16; sent at once.
    virtual void sendShortMessage(uint32_t packed) = 0;
    // A complete system-exclusive message, F0 ... F7. A port that cannot take it drops it.
    virtual void sendSystemExclusive(const uint8_t* data, size_t size) = 0;
    // Returns once the port sounds what it is sent: a synthesizer may still be loading its
    // instruments, and drops notes until then.
    virtual void waitUntilReady() {}
};

// The output devices a player can open, indexed 0 .. deviceCount() - 1.
class TMidiDevicesInterface {
  public:
    virtual ~TMidiDevicesInterface() = default;
    virtual int deviceCount() = 0;
    // The device's product name; none when the device cannot describe itself.
    virtual std::optional<std::string> deviceName(int index) = 0;
    // An open port on the device, or null when it cannot be opened.
    virtual std::unique_ptr<TMidiPortInterface> openPort(int index) = 0;
};

// The number of data bytes that follow a channel status byte on the wire.
inline size_t midiDataBytes(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}
