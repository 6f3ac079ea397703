// How close to its ideal moment each message of a real-time playback leaves the player: a
// period at tempo 150 (50 ms a step) played into the capture port, every voice unmuted.
// Counters: mean, 99th percentile and maximum deviation of a message from its ideal time, and
// the drift (the deviation of the last message). Ideal times count from the first step, which
// plays start_ms after the play command (one period, plus the time the timer thread took to
// get its scheduling). The argument is the number of motives; 64 last
// about 51 s.
//
// A witness thread runs beside the player: it asks for the same scheduling, sleeps to deadlines
// half a step away from the player's and does nothing else. Its lateness is what the machine
// itself allows; witness_near_worst_ms is its worst lateness within 100 ms of the player's
// worst message, which tells a stall of the machine from a fault of the player.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "model/motive.h"
#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "playback/player.h"
#include "playback/real_time_priority.h"

namespace {

using TClock = std::chrono::steady_clock;
using TMilliseconds = std::chrono::duration<double, std::milli>;

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1))];
}

class TStopWaiter : public TMotivePlayerStopListener {
  public:
    void onPlayStopped() override {
        std::lock_guard<std::mutex> guard(mutex_);
        stopped_ = true;
        done_.notify_all();
    }
    void wait() {
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [this] { return stopped_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool stopped_ = false;
};

// A bare sleeper beside the player; see the top of the file.
class TWitness {
  public:
    struct TWakeUp {
        TClock::time_point deadline;
        double lateMs;
    };

    TWitness(TClock::time_point first, TClock::duration period) {
        thread_ = std::thread([this, first, period] {
            realTime_ = requestRealTimePriority(true, 100);
            for (TClock::time_point deadline = first; !stop_; deadline += period) {
                std::this_thread::sleep_until(deadline);
                wakeUps_.push_back({deadline, TMilliseconds(TClock::now() - deadline).count()});
            }
        });
    }
    // Ends the thread and returns what it saw.
    std::vector<TWakeUp> finish() {
        stop_ = true;
        thread_.join();
        return wakeUps_;
    }
    bool realTime() const { return realTime_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> realTime_{false};
    std::vector<TWakeUp> wakeUps_;
    std::thread thread_;
};

TMotive motiveNumber(int i) {
    TMotive motive(TKey(0, MAJOR), TMeasure(2, 120));
    TChord chord;
    chord.setVoicing(27, 24, 22, 13);
    motive.chords = {chord};
    for (int n = 0; n < 4; ++n)
        motive.notes.push_back(TNote(60 * n, 18 + (i + n) % 7, 60));
    return motive;
}

void BM_TimingAccuracyTempo150(benchmark::State& state) {
    const int motives = static_cast<int>(state.range(0));
    constexpr int32_t TEMPO = 150;
    const double periodMs = 200 - TEMPO;
    for (auto _ : state) {
        TCaptureLog log;
        log.reserve(100000);
        TCaptureDevices devices(log);
        TPlayer player(devices);
        player.openDevice(0);
        TInstrumentConf set;
        set.setMuteDrum(false);
        TMotivePlayer sequencer(player, set);
        TStopWaiter waiter;
        sequencer.setStopListener(&waiter);
        sequencer.setTempo(TEMPO);
        // the schedule is built before the timer starts, so adding takes no playing time
        TMotivePlayer scheduler(player, set, TMotivePlayer::TDrive::MANUAL);
        for (int i = 0; i < motives; ++i)
            scheduler.addMotive(motiveNumber(i));
        std::vector<int32_t> times;
        for (const TPlayUnit& u : scheduler.events())
            times.push_back(u.time);
        for (const TPlayUnit& u : scheduler.pendingUnits())
            times.push_back(u.time);
        scheduler.stop();
        log.clear();

        const TClock::time_point started = TClock::now();
        const auto step = std::chrono::duration_cast<TClock::duration>(TMilliseconds(periodMs));
        TWitness witness(started + step + step / 2, step);
        for (int i = 0; i < motives; ++i)
            sequencer.addMotive(motiveNumber(i));
        waiter.wait();
        const std::vector<TWitness::TWakeUp> wakeUps = witness.finish();
        const std::vector<TCapturedMessage> sent = log.messages();
        if (sent.size() != times.size()) {
            state.SkipWithError("the messages do not match the schedule");
            return;
        }
        std::vector<double> deviations;
        double drift = 0;
        size_t worst = 0;
        const TClock::time_point first = sent.front().time;
        for (size_t i = 0; i < sent.size(); ++i) {
            const double idealMs = periodMs * ((times[i] - times.front()) / 15);
            const double deviation = TMilliseconds(sent[i].time - first).count() - idealMs;
            deviations.push_back(std::abs(deviation));
            if (deviations[i] > deviations[worst])
                worst = i;
            drift = deviation;
        }
        double sum = 0;
        for (double d : deviations)
            sum += d;
        std::vector<double> lateness;
        double nearWorst = 0;
        for (const TWitness::TWakeUp& w : wakeUps) {
            lateness.push_back(w.lateMs);
            if (std::abs(TMilliseconds(w.deadline - sent[worst].time).count()) <= 100)
                nearWorst = std::max(nearWorst, w.lateMs);
        }
        state.counters["start_ms"] = TMilliseconds(first - started).count();
        state.counters["mean_dev_ms"] = sum / static_cast<double>(sent.size());
        state.counters["p99_dev_ms"] = percentile(deviations, 0.99);
        state.counters["max_dev_ms"] = deviations[worst];
        state.counters["drift_ms"] = drift;
        state.counters["messages"] = static_cast<double>(sent.size());
        state.counters["worst_at_tick"] = times[worst];
        state.counters["witness_real_time"] = witness.realTime() ? 1 : 0;
        state.counters["witness_p99_ms"] = percentile(lateness, 0.99);
        state.counters["witness_max_ms"] = percentile(lateness, 1.0);
        state.counters["witness_near_worst_ms"] = nearWorst;
    }
}
BENCHMARK(BM_TimingAccuracyTempo150)->Arg(8)->Arg(64)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
