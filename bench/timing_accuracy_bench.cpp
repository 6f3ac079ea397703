// How close to its ideal moment each message of a real-time playback leaves the player: a
// period at tempo 150 (50 ms a step) played into the capture port, every voice unmuted.
// Counters: mean and maximum deviation of a message from its ideal time, and the drift (the
// deviation of the last message). The argument is the number of motives; 64 last about 51 s.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "model/motive.h"
#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "playback/player.h"

namespace {

using TClock = std::chrono::steady_clock;

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
    double mean = 0;
    double worst = 0;
    double drift = 0;
    double messages = 0;
    double worstAt = 0;
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
        for (int i = 0; i < motives; ++i)
            sequencer.addMotive(motiveNumber(i));
        waiter.wait();
        const std::vector<TCapturedMessage> sent = log.messages();
        if (sent.size() != times.size()) {
            state.SkipWithError("the messages do not match the schedule");
            return;
        }
        double sum = 0;
        worst = 0;
        for (size_t i = 0; i < sent.size(); ++i) {
            // the first step plays one period after the start
            const double idealMs = periodMs * (1 + times[i] / 15);
            const double actualMs =
                std::chrono::duration<double, std::milli>(sent[i].time - started).count();
            const double deviation = actualMs - idealMs;
            sum += std::abs(deviation);
            if (std::abs(deviation) > worst) {
                worst = std::abs(deviation);
                worstAt = times[i];
            }
            drift = deviation;
        }
        mean = sum / static_cast<double>(sent.size());
        messages = static_cast<double>(sent.size());
    }
    state.counters["mean_dev_ms"] = mean;
    state.counters["max_dev_ms"] = worst;
    state.counters["drift_ms"] = drift;
    state.counters["messages"] = messages;
    state.counters["worst_at_tick"] = worstAt;
}
BENCHMARK(BM_TimingAccuracyTempo150)->Arg(8)->Arg(64)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
