#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "playback/midi_port.h"

// Devices that only describe themselves, as "<prefix> <index>", and whose description can be
// made to fail from a given index on; none of them opens.
class TFakeMidiDevices : public TMidiDevicesInterface {
  public:
    TFakeMidiDevices(std::string prefix, int count, int failFrom = -1)
        : prefix_(std::move(prefix)), count_(count), failFrom_(failFrom) {}
    int deviceCount() override { return count_; }
    std::optional<std::string> deviceName(int index) override {
        if (failFrom_ >= 0 && index >= failFrom_)
            return std::nullopt;
        return prefix_ + " " + std::to_string(index);
    }
    std::unique_ptr<TMidiPortInterface> openPort(int) override { return nullptr; }

  private:
    std::string prefix_;
    int count_;
    int failFrom_;
};
