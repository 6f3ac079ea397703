#include "playback/real_timer.h"

#include <sys/prctl.h>

#include <chrono>
#include <condition_variable>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "playback/real_time_priority.h"

namespace {

using TClock = std::chrono::steady_clock;

// A timer that has fallen this far behind (the machine was suspended) starts counting afresh
// instead of firing every missed period in a burst.
constexpr auto GIVE_UP_CATCHING_UP = std::chrono::seconds(1);

// How long a run may wait for the system's broker of real-time scheduling before it plays
// on without; the first tick is one period (at least 1 ms) away.
constexpr int BROKER_TIMEOUT_MS = 100;

// The kernel may otherwise defer a wake-up by up to 50 microseconds to batch it.
void tightenTimerSlack() {
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

}  // namespace

struct TRealTimer::TRun {
    uint32_t id = 0;
    TClock::duration period{};
    TCallback callback;
    std::mutex mutex;  // guards stopping
    std::condition_variable wake;
    bool stopping = false;
    std::atomic<bool> finished{false};
    std::thread thread;
};

TRealTimer::TRealTimer() = default;

TRealTimer::~TRealTimer() {
    stop();
    std::vector<std::unique_ptr<TRun>> runs;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        runs.swap(runs_);
    }
    for (std::unique_ptr<TRun>& run : runs) {
        if (run->thread.get_id() == std::this_thread::get_id())
            run->thread.detach();  // a misuse; joining itself would abort the program
        else if (run->thread.joinable())
            run->thread.join();
    }
}

void TRealTimer::setOnTimer(TCallback onTimer) {
    std::lock_guard<std::mutex> guard(mutex_);
    onTimer_ = std::move(onTimer);
}

void TRealTimer::start() {
    stop();
    std::lock_guard<std::mutex> guard(mutex_);
    reapFinishedRuns();
    const int32_t delay = delayMs_;
    if (delay < 1)
        throw std::runtime_error(START_ERROR);
    auto run = std::make_unique<TRun>();
    if (++lastId_ == 0)
        ++lastId_;  // 0 means stopped
    run->id = lastId_;
    run->period = std::chrono::milliseconds(delay);
    run->callback = onTimer_;
    TRun* self = run.get();
    try {
        run->thread = std::thread([this, self] { runLoop(*self); });
    } catch (const std::system_error&) {
        throw std::runtime_error(START_ERROR);
    }
    current_ = self;
    timerId_ = self->id;
    runs_.push_back(std::move(run));
}

void TRealTimer::stop() {
    std::lock_guard<std::mutex> guard(mutex_);
    if (!current_)
        return;
    {
        std::lock_guard<std::mutex> runGuard(current_->mutex);
        current_->stopping = true;
    }
    current_->wake.notify_all();
    current_ = nullptr;
    timerId_ = 0;
}

bool TRealTimer::isCurrentRun() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return current_ && current_->thread.get_id() == std::this_thread::get_id();
}

void TRealTimer::reapFinishedRuns() {
    // only runs whose loop has ended are joined here: waiting for a live one could wait for a
    // callback that waits for a lock our caller holds
    for (auto it = runs_.begin(); it != runs_.end();) {
        if ((*it)->finished) {
            (*it)->thread.join();
            it = runs_.erase(it);
        } else {
            ++it;
        }
    }
}

void TRealTimer::runLoop(TRun& run) {
    tightenTimerSlack();
    // without real-time scheduling a busy core may hold a wake-up back for milliseconds
    if (!requestRealTimePriority(!brokerRefused_, BROKER_TIMEOUT_MS))
        brokerRefused_ = true;  // asking again at every start would only delay the first tick
    // counted from here: asking for priority can take milliseconds, and the first notes should
    // then start that much later rather than come in a burst
    TClock::time_point deadline = TClock::now() + run.period;
    std::unique_lock<std::mutex> lock(run.mutex);
    while (!run.wake.wait_until(lock, deadline, [&run] { return run.stopping; })) {
        lock.unlock();
        if (run.callback)
            run.callback(*this);
        lock.lock();
        deadline += run.period;
        const TClock::time_point now = TClock::now();
        if (now - deadline > GIVE_UP_CATCHING_UP)
            deadline = now + run.period;
    }
    lock.unlock();
    run.finished = true;
}
