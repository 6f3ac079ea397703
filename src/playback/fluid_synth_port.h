#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "playback/fluid_synth_engine.h"
#include "playback/midi_port.h"

// The built-in synthesizer playing to the system's default audio output. It holds the output
// only while it plays: until the first note, and once it has been silent for a while, it lets
// go of it, so that an idle program costs neither it nor the sound server anything. A note
// opens the output again before it is played.
class TFluidSynthPort : public TMidiPortInterface {
  public:
    static constexpr const char* DEVICE_NAME = "Built-in synthesizer";
    // Frames per audio period and periods in the output buffer: about 17 ms at 44.1 kHz. Half
    // of that is not heard sooner but crackles as soon as a build or a browser busies the machine.
    static constexpr int PERIOD_FRAMES = 256;
    static constexpr int PERIODS = 3;
    // How long no message has come and nothing has sounded before the output is let go.
    static constexpr std::chrono::milliseconds IDLE_AFTER{2000};

    // Tries the audio output and starts loading `soundfont`; null when there is no audio
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
    // Whether the audio output is open now.
    bool outputOpen();
    // How long the output may stay silent before it is let go (IDLE_AFTER unless changed).
    void setIdleAfter(std::chrono::milliseconds idle);

  private:
    TFluidSynthPort() = default;
    void load(std::string soundfont);
    // A message is about to be played; one that `sounds` opens the output first when it was
    // let go.
    void heard(bool sounds);
    // Lets go of the output once it has been silent long enough; runs on a thread of its own.
    void watchIdle();

    TFluidSynthEngine engine_;
    // The output, opened and closed under outputMutex_.
    std::mutex outputMutex_;
    fluid_audio_driver_t* driver_ = nullptr;
    std::chrono::steady_clock::time_point lastMessage_ = std::chrono::steady_clock::now();
    std::chrono::milliseconds idleAfter_ = IDLE_AFTER;
    bool stopping_ = false;
    std::condition_variable stop_;
    std::thread watcher_;
    std::thread loader_;
    std::atomic<bool> ready_{false};
    // Settings that arrive while the soundfont loads, applied once it is there.
    std::mutex pendingMutex_;
    std::condition_variable loaded_;
    std::vector<std::vector<uint8_t>> pending_;
};
