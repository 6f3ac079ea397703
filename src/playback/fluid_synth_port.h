#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "playback/fluid_synth_engine.h"
#include "playback/midi_port.h"

// The built-in synthesizer playing to the system's default audio output.
class TFluidSynthPort : public TMidiPortInterface {
  public:
    static constexpr const char* DEVICE_NAME = "Built-in synthesizer";
    // Frames per audio period and periods in the output buffer: about 8.7 ms at 44.1 kHz.
    static constexpr int PERIOD_FRAMES = 128;
    static constexpr int PERIODS = 3;

    // Opens the audio output and starts loading `soundfont`; null when there is no audio
    // output. Returns at once: a large soundfont goes on loading on a thread of its own.
    static std::unique_ptr<TFluidSynthPort> open(const std::string& soundfont);
    ~TFluidSynthPort() override;

    void sendShortMessage(uint32_t packed) override;
    void sendSystemExclusive(const uint8_t* data, size_t size) override;

    // The audio output's buffer length in milliseconds.
    static double bufferMilliseconds();
    // Whether the soundfont has finished loading (notes sent before then are not heard).
    bool ready() const { return ready_; }
    // Waits until the soundfont load has ended, whether or not it succeeded.
    void waitUntilReady() override;

  private:
    TFluidSynthPort() = default;
    void load(std::string soundfont);

    TFluidSynthEngine engine_;
    fluid_audio_driver_t* driver_ = nullptr;
    std::thread loader_;
    std::atomic<bool> ready_{false};
    // Settings that arrive while the soundfont loads, applied once it is there.
    std::mutex pendingMutex_;
    std::condition_variable loaded_;
    std::vector<std::vector<uint8_t>> pending_;
};
