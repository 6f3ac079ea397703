#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <set>
#include <vector>

#include "playback/midi_port.h"

// One message as a capture port received it.
struct TCapturedMessage {
    std::chrono::steady_clock::time_point time;
    bool systemExclusive = false;
    uint32_t packed = 0;         // the packed value of a channel message
    std::vector<uint8_t> bytes;  // the bytes as they would go on the wire

    // The packed value's four bytes, lowest first.
    std::vector<uint8_t> packedBytes() const;
};

// Everything the capture ports sent to it, in arrival order. Safe to write from several threads.
class TCaptureLog {
  public:
    // Room for this many messages before recording allocates (keeps timing runs allocation-free).
    void reserve(size_t count);
    void record(TCapturedMessage message);
    std::vector<TCapturedMessage> messages() const;
    size_t size() const;
    void clear();

  private:
    mutable std::mutex mutex_;
    std::vector<TCapturedMessage> messages_;
};

// A port that plays nothing and records every message with the moment it arrived.
class TCapturePort : public TMidiPortInterface {
  public:
    explicit TCapturePort(TCaptureLog& log) : log_(log) {}
    void sendShortMessage(uint32_t packed) override;
    void sendSystemExclusive(const uint8_t* data, size_t size) override;

  private:
    TCaptureLog& log_;
};

// A set of capture devices for tests and measurements; every port records into one log. It is
// never among the devices the user picks from.
class TCaptureDevices : public TMidiDevicesInterface {
  public:
    explicit TCaptureDevices(TCaptureLog& log, int count = 1) : log_(log), count_(count) {}
    // Makes opening device `index` fail from now on.
    void refuseToOpen(int index) { refused_.insert(index); }

    int deviceCount() override { return count_; }
    std::optional<std::string> deviceName(int index) override;
    std::unique_ptr<TMidiPortInterface> openPort(int index) override;
    // How many of the opened ports are still open.
    int openPorts() const { return *openPorts_; }

  private:
    TCaptureLog& log_;
    int count_;
    std::set<int> refused_;
    std::shared_ptr<int> openPorts_ = std::make_shared<int>(0);
};
