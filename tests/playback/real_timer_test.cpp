#include "playback/real_timer.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "playback/real_time_priority.h"

namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;

// Waits until `done` holds or two seconds pass.
template <typename TPredicate>
bool eventually(TPredicate done) {
    const auto deadline = TClock::now() + 2s;
    while (!done()) {
        if (TClock::now() > deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(RealTimerTest, StartsWithTheDefaultsAndStopsWhenStopped) {
    TRealTimer timer;
    EXPECT_EQ(timer.delayMs(), 80);
    EXPECT_EQ(timer.resolutionMs(), 10);
    EXPECT_EQ(timer.timerId(), 0u);
    EXPECT_FALSE(timer.running());
    timer.stop();  // stopping a stopped timer does nothing
    EXPECT_FALSE(timer.running());

    std::atomic<int> calls{0};
    std::atomic<bool> passedItself{true};
    timer.setOnTimer([&](TRealTimer& t) {
        if (&t != &timer)
            passedItself = false;
        ++calls;
    });
    timer.setDelayMs(5);
    timer.start();
    EXPECT_TRUE(timer.running());
    EXPECT_NE(timer.timerId(), 0u);
    ASSERT_TRUE(eventually([&] { return calls >= 4; }));
    timer.stop();
    EXPECT_FALSE(timer.running());
    EXPECT_EQ(timer.timerId(), 0u);
    std::this_thread::sleep_for(10ms);  // a callback under way may still finish
    const int afterStop = calls;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(calls, afterStop);
    EXPECT_TRUE(passedItself);
}

TEST(RealTimerTest, RestartBeginsANewRunAndEndsTheOld) {
    TRealTimer timer;
    std::mutex mutex;
    std::vector<uint32_t> ids;
    timer.setOnTimer([&](TRealTimer& t) {
        std::lock_guard<std::mutex> guard(mutex);
        if (t.isCurrentRun())
            ids.push_back(t.timerId());
    });
    timer.setDelayMs(3);
    timer.start();
    const uint32_t first = timer.timerId();
    ASSERT_TRUE(eventually([&] {
        std::lock_guard<std::mutex> guard(mutex);
        return ids.size() >= 2;
    }));
    timer.start();
    const uint32_t second = timer.timerId();
    EXPECT_NE(first, second);
    EXPECT_NE(second, 0u);
    size_t restartedAt = 0;
    {
        std::lock_guard<std::mutex> guard(mutex);
        restartedAt = ids.size();
    }
    ASSERT_TRUE(eventually([&] {
        std::lock_guard<std::mutex> guard(mutex);
        return ids.size() >= restartedAt + 3;
    }));
    timer.stop();
    std::lock_guard<std::mutex> guard(mutex);
    for (size_t i = restartedAt; i < ids.size(); ++i)
        EXPECT_EQ(ids[i], second);
    EXPECT_FALSE(timer.isCurrentRun());  // not on a timer thread
}

TEST(RealTimerTest, ChangedDelayAppliesFromTheNextStart) {
    TRealTimer timer;
    std::atomic<int> calls{0};
    timer.setOnTimer([&](TRealTimer&) { ++calls; });
    timer.setDelayMs(1000);
    timer.start();
    timer.setDelayMs(2);
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(calls, 0);
    timer.start();
    EXPECT_TRUE(eventually([&] { return calls >= 5; }));
}

TEST(RealTimerTest, RefusesAPeriodBelowOneMillisecond) {
    TRealTimer timer;
    timer.setOnTimer([](TRealTimer&) {});
    for (int delay : {0, -3}) {
        SCOPED_TRACE(delay);
        timer.setDelayMs(delay);
        try {
            timer.start();
            ADD_FAILURE() << "started";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Unable to start Multimedia Timer");
        }
        EXPECT_FALSE(timer.running());
    }
}

TEST(RealTimerTest, CallbackMayStopItsOwnTimer) {
    TRealTimer timer;
    std::atomic<int> calls{0};
    timer.setOnTimer([&](TRealTimer& t) {
        if (++calls == 3)
            t.stop();
    });
    timer.setDelayMs(2);
    timer.start();
    ASSERT_TRUE(eventually([&] { return !timer.running(); }));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(calls, 3);
}

TEST(RealTimerTest, StopAndStartNeverWaitForACallbackBlockedOnTheirLock) {
    TRealTimer timer;
    std::recursive_mutex sequencerLock;
    std::atomic<bool> waiting{false};
    std::atomic<int> staleCalls{0};
    std::atomic<int> liveCalls{0};
    timer.setOnTimer([&](TRealTimer& t) {
        waiting = true;
        std::lock_guard<std::recursive_mutex> guard(sequencerLock);
        waiting = false;
        if (t.isCurrentRun())
            ++liveCalls;
        else
            ++staleCalls;
    });
    timer.setDelayMs(2);
    auto task = std::async(std::launch::async, [&] {
        std::lock_guard<std::recursive_mutex> guard(sequencerLock);
        timer.start();
        while (!waiting)
            std::this_thread::sleep_for(1ms);
        // the callback now waits for the lock this thread holds
        timer.stop();
        timer.start();
        timer.stop();
    });
    ASSERT_EQ(task.wait_for(2s), std::future_status::ready) << "stop or start waited";
    task.get();
    EXPECT_TRUE(eventually([&] { return staleCalls >= 1; }));
    EXPECT_EQ(liveCalls, 0);
}

TEST(RealTimerTest, DestroyingARunningTimerCancelsIt) {
    auto calls = std::make_shared<std::atomic<int>>(0);
    {
        TRealTimer timer;
        timer.setOnTimer([calls](TRealTimer&) { ++*calls; });
        timer.setDelayMs(2);
        timer.start();
        ASSERT_TRUE(eventually([&] { return *calls >= 2; }));
    }
    const int atDestruction = *calls;
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(*calls, atDestruction);
}

TEST(RealTimerTest, KeepsToAbsoluteDeadlines) {
    TRealTimer timer;
    constexpr int PERIODS = 50;
    std::promise<TClock::time_point> last;
    std::atomic<int> calls{0};
    timer.setOnTimer([&](TRealTimer& t) {
        // a slow callback must not push the following ones later
        std::this_thread::sleep_for(1ms);
        if (++calls == PERIODS) {
            t.stop();
            last.set_value(TClock::now());
        }
    });
    timer.setDelayMs(4);
    const TClock::time_point started = TClock::now();
    timer.start();
    auto done = last.get_future();
    ASSERT_EQ(done.wait_for(3s), std::future_status::ready);
    const auto elapsed = done.get() - started;
    // 50 periods of 4 ms plus the last callback's own millisecond; a drifting timer would
    // add at least the callback's millisecond fifty times over
    EXPECT_GE(elapsed, 200ms);
    EXPECT_LT(elapsed, 225ms);
}

bool runsRealTime() {
    int policy = 0;
    sched_param param{};
    pthread_getschedparam(pthread_self(), &policy, &param);
    policy &= ~SCHED_RESET_ON_FORK;  // the broker grants its priority with this flag
    return policy == SCHED_FIFO || policy == SCHED_RR;
}

TEST(RealTimerTest, CallbacksRunRealTimeWheneverTheMachineGrantsIt) {
    // what this machine grants a thread, asked the same way the timer asks
    bool granted = false;
    bool grantedIsTrue = false;
    std::thread probe([&] {
        granted = requestRealTimePriority(true, 100);
        grantedIsTrue = granted == runsRealTime();
    });
    probe.join();
    EXPECT_TRUE(grantedIsTrue) << "the request reported " << granted;

    std::promise<bool> realTime;
    std::atomic<bool> reported{false};
    TRealTimer timer;
    timer.setDelayMs(5);
    timer.setOnTimer([&](TRealTimer&) {
        if (!reported.exchange(true))
            realTime.set_value(runsRealTime());
    });
    timer.start();
    std::future<bool> answer = realTime.get_future();
    ASSERT_EQ(answer.wait_for(2s), std::future_status::ready);
    timer.stop();
    EXPECT_EQ(answer.get(), granted);
}

}  // namespace
