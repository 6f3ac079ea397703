// Playback as the desktop drives it: the timer thread ticks every millisecond while this thread,
// standing in for the user-interface thread, schedules, stops, changes the device or the mute
// flags, reads the schedule and closes. Each scenario runs many times with random timing; what
// it asserts does not depend on the timing: no note is left sounding on any port, "stopped"
// comes once per run, and nobody is told anything once it has been detached or destroyed.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "playback/player.h"

namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;

// Runs per scenario; each takes a few tens of milliseconds.
constexpr int RUNS = 30;
// The fastest tempo the timer allows: one step a millisecond.
constexpr int32_t FASTEST_TEMPO = 199;
// How long a closing window takes to go; anything told meanwhile is told too late.
constexpr auto CLOSING_TIME = 3ms;
// A run that has not ended by itself after this long never will.
constexpr auto RUN_TIMEOUT = 5s;

// 2/4 in C major: a C chord under two quarter notes, or a G chord under one half note.
TMotive motiveOf(int variant) {
    TMotive motive(TKey(0, MAJOR), TMeasure(2, 120));
    TChord chord;
    if (variant % 2 == 0) {
        chord.setVoicing(27, 24, 22, 13);
        motive.notes = {TNote(0, 20, 120), TNote(120, 22, 120)};
    } else {
        chord.setVoicing(28, 26, 24, 17);
        motive.notes = {TNote(0, 24, 240)};
    }
    motive.chords = {chord};
    return motive;
}

// Output devices whose every opened port keeps a log of its own, so that a port replaced while
// playing can be checked on its own.
class TPortLogs : public TMidiDevicesInterface {
  public:
    explicit TPortLogs(int count) : count_(count) {}
    int deviceCount() override { return count_; }
    std::optional<std::string> deviceName(int index) override {
        return "Port " + std::to_string(index);
    }
    std::unique_ptr<TMidiPortInterface> openPort(int index) override {
        if (index < 0 || index >= count_)
            return nullptr;
        std::lock_guard<std::mutex> guard(mutex_);
        logs_.push_back(std::make_unique<TCaptureLog>());
        return std::make_unique<TCapturePort>(*logs_.back());
    }
    // What each port opened so far received, in the order the ports were opened.
    std::vector<std::vector<TCapturedMessage>> ports() const {
        std::lock_guard<std::mutex> guard(mutex_);
        std::vector<std::vector<TCapturedMessage>> all;
        for (const std::unique_ptr<TCaptureLog>& log : logs_)
            all.push_back(log->messages());
        return all;
    }

  private:
    int count_;
    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<TCaptureLog>> logs_;
};

// Notes struck on a port and never released: a note-on followed neither by a note-off of its
// channel and key nor by All Notes Off or All Sound Off on its channel.
int stuckNotes(const std::vector<TCapturedMessage>& messages) {
    std::set<std::pair<int, int>> sounding;
    for (const TCapturedMessage& m : messages) {
        if (m.systemExclusive)
            continue;
        const int kind = m.bytes[0] & 0xF0;
        const int channel = m.bytes[0] & 0x0F;
        const std::pair<int, int> note{channel, m.bytes[1]};
        if (kind == 0x90 && m.bytes[2] > 0) {
            sounding.insert(note);
        } else if (kind == 0x80 || kind == 0x90) {
            sounding.erase(note);
        } else if (kind == 0xB0 && (m.bytes[1] == 123 || m.bytes[1] == 120)) {
            sounding.erase(sounding.lower_bound({channel, 0}),
                           sounding.lower_bound({channel + 1, 0}));
        }
    }
    return static_cast<int>(sounding.size());
}

// What the window hears of playback over a scenario.
struct TNews {
    std::atomic<int> stopped{0};
    std::atomic<int> notes{0};
    // Calls that came while the window was closing or after it was detached.
    std::atomic<int> late{0};
};

// A window listening to playback. Its destructor marks it closing and lingers as a real window
// takes its time to go; being told anything from then on is a fault, as it is once the window
// has been detached.
class TWindow : public TMotivePlayerListener, public TMotivePlayerStopListener {
  public:
    explicit TWindow(TNews& news) : news_(news) {}
    ~TWindow() override {
        gone_ = true;
        std::this_thread::sleep_for(CLOSING_TIME);
    }
    void onNoteOn(int32_t, int32_t) override { told(); }
    void onNoteOff(int32_t, int32_t) override { told(); }
    void onMotiveStart() override { told(); }
    void onMotiveEnd() override { told(); }
    void onPlayStopped() override {
        told();
        ++news_.stopped;
    }
    // From now on nothing may reach this window.
    void detached() { gone_ = true; }

  private:
    void told() {
        ++news_.notes;
        if (gone_)
            ++news_.late;
    }
    TNews& news_;
    std::atomic<bool> gone_{false};
};

// One output and one sequencer, as the desktop owns them, on ports that log.
struct TDesktop {
    TPortLogs devices;
    TPlayer player{devices};
    TInstrumentConf instruments;
    std::unique_ptr<TMotivePlayer> sequencer;

    explicit TDesktop(int deviceCount = 1) : devices(deviceCount) {
        player.openDevice(0);
        instruments.setMuteDrum(false);  // the clicks are notes to leave sounding, too
        sequencer = std::make_unique<TMotivePlayer>(player, instruments);
        sequencer->setTempo(FASTEST_TEMPO);
    }
    // Plays the first `motives` motives of motiveOf to `window`, which also hears "stopped".
    void play(TWindow* window, int motives) {
        sequencer->setStopListener(window);
        for (int m = 0; m < motives; ++m)
            sequencer->addMotive(motiveOf(m), window);
    }
    // Stuck notes over every port opened, and the number of ports that have any.
    std::pair<int, int> stuck() const {
        int notes = 0;
        int ports = 0;
        for (const std::vector<TCapturedMessage>& port : devices.ports()) {
            const int here = stuckNotes(port);
            notes += here;
            ports += here > 0 ? 1 : 0;
        }
        return {notes, ports};
    }
};

// Waits until `done` holds or the run timeout passes.
template <typename TPredicate>
bool eventually(TPredicate done) {
    const auto deadline = TClock::now() + RUN_TIMEOUT;
    while (!done()) {
        if (TClock::now() > deadline)
            return false;
        std::this_thread::sleep_for(200us);
    }
    return true;
}

// Totals of a scenario, printed so that a run shows the numbers, then checked.
struct TTally {
    const char* scenario;
    int runs = 0;
    int ports = 0;
    int stuckNotes = 0;
    int portsWithStuckNotes = 0;
    int runsNotStoppedOnce = 0;
    int lateCalls = 0;

    void add(const TDesktop& desktop, const TNews& news, bool stoppedOnce) {
        ++runs;
        ports += static_cast<int>(desktop.devices.ports().size());
        const auto [notes, withNotes] = desktop.stuck();
        stuckNotes += notes;
        portsWithStuckNotes += withNotes;
        runsNotStoppedOnce += stoppedOnce ? 0 : 1;
        lateCalls += news.late;
    }
    void report() const {
        std::cout << "[ stress   ] " << scenario << ": " << runs << " runs, " << stuckNotes
                  << " stuck notes on " << portsWithStuckNotes << " of " << ports << " ports, "
                  << runsNotStoppedOnce << " runs not told \"stopped\" exactly once, " << lateCalls
                  << " calls after detaching" << std::endl;
        EXPECT_EQ(stuckNotes, 0);
        EXPECT_EQ(runsNotStoppedOnce, 0);
        EXPECT_EQ(lateCalls, 0);
    }
};

TEST(PlaybackStressTest, DeviceChangedAndClosedWhilePlaying) {
    std::mt19937 random(1);
    TTally tally{"device reopened while playing"};
    for (int run = 0; run < RUNS; ++run) {
        TNews news;
        TWindow window(news);
        TDesktop desktop(3);
        desktop.play(&window, 2);
        int device = 0;
        const auto deadline = TClock::now() + RUN_TIMEOUT;
        while (news.stopped == 0 && TClock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
            // an audition on this thread meets the playback sends of the timer thread
            desktop.player.noteOn(3, 60, 80);
            if (random() % 4 == 0) {
                desktop.player.closeDevice();
                std::this_thread::sleep_for(std::chrono::microseconds(random() % 1000));
            }
            device = (device + 1) % 3;
            desktop.player.openDevice(device);
            desktop.player.noteOff(3, 60, 80);
        }
        desktop.sequencer.reset();
        tally.add(desktop, news, news.stopped == 1);
    }
    tally.report();
}

TEST(PlaybackStressTest, StopMeetsTheLastTick) {
    std::mt19937 random(2);
    TTally tally{"stop against the last tick"};
    for (int run = 0; run < RUNS; ++run) {
        TNews news;
        TWindow window(news);
        TDesktop desktop;
        desktop.play(&window, 1);
        // the last units are due at 240; stop from a little before to a little after them
        ASSERT_TRUE(eventually(
            [&] { return desktop.sequencer->currentTime() >= 225 || news.stopped > 0; }));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 2500));
        desktop.sequencer->stop();
        // a report still under way on the timer thread arrives before the sequencer is gone
        desktop.sequencer.reset();
        tally.add(desktop, news, news.stopped == 1);
    }
    tally.report();
}

TEST(PlaybackStressTest, WindowClosesRightAfterStopAndDetach) {
    std::mt19937 random(3);
    TTally tally{"stopAndDetach, then the listener destroyed"};
    for (int run = 0; run < RUNS; ++run) {
        TNews news;
        auto window = std::make_unique<TWindow>(news);
        TDesktop desktop;
        desktop.play(window.get(), 2);
        // half the runs close while it plays, the other half just as it ends by itself, at 480
        if (run % 2 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        } else {
            ASSERT_TRUE(eventually(
                [&] { return desktop.sequencer->currentTime() >= 465 || news.stopped > 0; }));
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 2500));
        }
        desktop.sequencer->stopAndDetach();
        window->detached();
        window.reset();
        desktop.sequencer.reset();
        tally.add(desktop, news, news.stopped == 1);
    }
    tally.report();
}

TEST(PlaybackStressTest, SequencerDestroyedWhilePlaying) {
    std::mt19937 random(4);
    TTally tally{"motive player destroyed while playing"};
    for (int run = 0; run < RUNS; ++run) {
        TNews news;
        TWindow window(news);
        TDesktop desktop;
        desktop.play(&window, 2);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        const bool ended = news.stopped > 0;
        desktop.sequencer.reset();
        window.detached();
        std::this_thread::sleep_for(CLOSING_TIME);
        // going away tells nobody; "stopped" comes only from a run that ended by itself first
        tally.add(desktop, news, news.stopped <= 1 && (!ended || news.stopped == 1));
    }
    tally.report();
}

TEST(PlaybackStressTest, MutesToggledAndScheduleReadWhilePlaying) {
    std::mt19937 random(5);
    TTally tally{"mute flags toggled while playing"};
    size_t seen = 0;
    for (int run = 0; run < RUNS / 2; ++run) {
        TNews news;
        TWindow window(news);
        TDesktop desktop;
        desktop.play(&window, 3);
        const auto deadline = TClock::now() + RUN_TIMEOUT;
        while (news.stopped == 0 && TClock::now() < deadline) {
            const auto field = static_cast<TInstrumentMute>(random() % INSTRUMENT_MUTE_COUNT);
            desktop.instruments.setMute(field, !desktop.instruments.mute(field));
            // what a window shows of the schedule while it plays
            seen += desktop.sequencer->events().size() + desktop.sequencer->pendingUnits().size();
            seen += static_cast<size_t>(desktop.sequencer->currentTime() +
                                        desktop.sequencer->nextStart());
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 1500));
        }
        desktop.sequencer.reset();
        tally.add(desktop, news, news.stopped == 1);
    }
    EXPECT_GT(seen, 0u);
    tally.report();
}

}  // namespace
