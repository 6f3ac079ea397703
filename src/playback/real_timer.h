#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// A periodic timer with a millisecond period that calls its callback on a thread of its own.
// The thread sleeps until absolute deadlines on the steady clock, so late wake-ups never add up
// to drift. start and stop may be called from any thread, the callback included, and never wait
// for a callback in progress: a callback may be blocked on a lock the stopping thread holds.
class TRealTimer {
  public:
    using TCallback = std::function<void(TRealTimer&)>;
    static constexpr const char* START_ERROR = "Unable to start Multimedia Timer";

    TRealTimer();
    // Stops the timer and waits for its threads; never destroy a timer from its own callback.
    ~TRealTimer();
    TRealTimer(const TRealTimer&) = delete;
    TRealTimer& operator=(const TRealTimer&) = delete;

    int32_t delayMs() const { return delayMs_; }
    // Takes effect at the next start.
    void setDelayMs(int32_t delayMs) { delayMs_ = delayMs; }
    int32_t resolutionMs() const { return resolutionMs_; }
    void setResolutionMs(int32_t resolutionMs) { resolutionMs_ = resolutionMs; }
    // Set before the first start; a running timer keeps the callback it started with.
    void setOnTimer(TCallback onTimer);

    // Stops, then starts a new run: one callback every delayMs from now on. Throws
    // std::runtime_error(START_ERROR) when the timer cannot run; it then stays stopped.
    void start();
    // Safe when stopped. A callback already under way finishes; no new one begins.
    void stop();

    // 0 when stopped, else the id of the current run.
    uint32_t timerId() const { return timerId_; }
    bool running() const { return timerId_ != 0; }
    // True only inside a callback of the current run. A callback that was held up (waiting for
    // a lock) while the timer was stopped or restarted finds false and must do nothing.
    bool isCurrentRun() const;

  private:
    struct TRun;
    void runLoop(TRun& run);
    void reapFinishedRuns();

    std::atomic<int32_t> delayMs_{80};
    std::atomic<int32_t> resolutionMs_{10};
    // Set once a run could not get real-time scheduling, so later runs do not ask again.
    std::atomic<bool> brokerRefused_{false};
    TCallback onTimer_;
    std::atomic<uint32_t> timerId_{0};

    mutable std::mutex mutex_;  // guards the fields below
    uint32_t lastId_ = 0;
    TRun* current_ = nullptr;
    // The current run and the stopped ones whose threads may not have ended yet.
    std::vector<std::unique_ptr<TRun>> runs_;
};
