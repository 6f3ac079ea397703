#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

// Records what the sound server's default output plays, as 16-bit mono, on a thread of its own.
class TRecorder {
  public:
    explicit TRecorder(size_t samples, int rate = 44100) : wanted_(samples) {
        pipe_ = popen(("timeout 60 parec --raw --format=s16le --rate=" + std::to_string(rate) +
                       " --channels=1 --latency-msec=20 -d @DEFAULT_MONITOR@ 2>/dev/null")
                          .c_str(),
                      "r");
        if (pipe_)
            thread_ = std::thread([this] { read(); });
    }
    ~TRecorder() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (pipe_)
            pclose(pipe_);  // the recorder ends at its next write
    }
    TRecorder(const TRecorder&) = delete;
    TRecorder& operator=(const TRecorder&) = delete;

    bool opened() const { return pipe_ != nullptr; }
    // An output that was idle may take a second or two before its first samples arrive, and
    // what it played until then is not recorded.
    bool waitUntilRecording(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!started_ && !ended_ && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return started_;
    }
    // How many samples have arrived: all of them were played before now.
    size_t heardSoFar() const { return heard_; }
    // Waits for the samples wanted (fewer when the recorder ends early) and returns them.
    std::vector<int16_t> finish() {
        if (thread_.joinable())
            thread_.join();
        return samples_;
    }

  private:
    void read() {
        int16_t buffer[1024];
        size_t got;
        while (!stop_ && samples_.size() < wanted_ &&
               (got = std::fread(buffer, sizeof(int16_t), 1024, pipe_)) > 0) {
            samples_.insert(samples_.end(), buffer, buffer + got);
            heard_ = samples_.size();
            started_ = true;
        }
        ended_ = true;
    }

    const size_t wanted_;
    FILE* pipe_ = nullptr;
    std::atomic<bool> stop_{false};
    std::atomic<bool> started_{false};
    std::atomic<bool> ended_{false};
    std::atomic<size_t> heard_{0};
    std::vector<int16_t> samples_;
    std::thread thread_;
};
