#include "playback/motive_player.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/player.h"

namespace {

using TLines = std::vector<std::string>;
using TDrive = TMotivePlayer::TDrive;

const TKey C_MAJOR(0, MAJOR);
const TMeasure TWO_FOUR(2, 120);
// Positions in C major: 13 = C3 (48), 17 = G3 (55), 20 = C4 (60), 22 = E4 (64), 24 = G4 (67),
// 26 = B4 (71), 27 = C5 (72), 28 = D5 (74).
TChord chordOf(int32_t soprano, int32_t alt, int32_t tenor, int32_t bass) {
    TChord chord;
    chord.setVoicing(soprano, alt, tenor, bass);
    return chord;
}
const TChord C_CHORD = chordOf(27, 24, 22, 13);
const TChord G_CHORD = chordOf(28, 26, 24, 17);

TMotive motiveOf(DURATION anacrusis, std::vector<TChord> chords, std::vector<TNote> notes) {
    TMotive motive(C_MAJOR, TWO_FOUR, anacrusis);
    motive.chords = std::move(chords);
    motive.notes = std::move(notes);
    return motive;
}

std::string describe(const TPlayUnit& u) {
    std::ostringstream text;
    text << u.time << (u.isNoteOn ? " on " : " off ") << u.channel << ":" << u.midiKey << "/"
         << u.velocity;
    if (u.noteIndex != -1)
        text << " #" << u.noteIndex;
    return text.str();
}

TLines eventsOf(const TMotivePlayer& player) {
    TLines lines;
    for (const TPlayUnit& u : player.events())
        lines.push_back(describe(u));
    return lines;
}

TLines pendingOf(const TMotivePlayer& player) {
    TLines lines;
    for (const TPlayUnit& u : player.pendingUnits())
        lines.push_back(describe(u));
    return lines;
}

// "on 1:72/90" for each captured note message.
TLines messagesOf(const std::vector<TCapturedMessage>& messages, size_t from = 0) {
    TLines lines;
    for (size_t i = from; i < messages.size(); ++i) {
        const TCapturedMessage& m = messages[i];
        std::ostringstream text;
        text << ((m.bytes[0] & 0xF0) == 0x90 ? "on " : "off ") << (m.bytes[0] & 0x0F) << ":"
             << int(m.bytes[1]) << "/" << int(m.bytes[2]);
        lines.push_back(text.str());
    }
    return lines;
}

TLines melodyOf(const std::vector<TCapturedMessage>& messages) {
    TLines lines;
    for (const std::string& m : messagesOf(messages))
        if (m.find(" 0:") != std::string::npos)
            lines.push_back(m);
    return lines;
}

class TRecordingListener : public TMotivePlayerListener, public TMotivePlayerStopListener {
  public:
    void onNoteOn(int32_t tag, int32_t index) override {
        add("on " + std::to_string(tag) + " " + std::to_string(index));
    }
    void onNoteOff(int32_t tag, int32_t index) override {
        add("off " + std::to_string(tag) + " " + std::to_string(index));
    }
    void onMotiveStart() override { add("start"); }
    void onMotiveEnd() override { add("end"); }
    void onPlayStopped() override {
        add("stopped");
        if (!told_.exchange(true))
            stopped.set_value();
    }
    TLines lines() {
        std::lock_guard<std::mutex> guard(mutex_);
        return lines_;
    }
    std::promise<void> stopped;

  private:
    void add(const std::string& line) {
        std::lock_guard<std::mutex> guard(mutex_);
        lines_.push_back(line);
    }
    std::mutex mutex_;
    TLines lines_;
    std::atomic<bool> told_{false};
};

// A player on a capture port that the test drives step by step.
struct TManualRig {
    TCaptureLog log;
    TCaptureDevices devices{log};
    TPlayer player{devices};
    TInstrumentConf instruments;
    TMotivePlayer motivePlayer{player, instruments, TDrive::MANUAL};
    TManualRig() { player.openDevice(0); }
    // Ticks until `time` has been played; false when the run ended before.
    bool playUpTo(int32_t time) {
        while (motivePlayer.playing() && motivePlayer.currentTime() <= time)
            motivePlayer.tick();
        return motivePlayer.playing();
    }
};

TEST(MotivePlayerTest, OneMotiveWithChordAndMetronome) {
    TManualRig rig;
    TRecordingListener listener;
    rig.motivePlayer.setStopListener(&listener);
    TMotive motive = motiveOf(0, {C_CHORD}, {TNote(0, 20, 120), TNote(120, 22, 120)});
    motive.setVariantTag(7);
    rig.motivePlayer.addMotive(motive, &listener);
    EXPECT_TRUE(rig.motivePlayer.playing());
    EXPECT_EQ(rig.motivePlayer.nextStart(), 240);

    const TLines events = {
        "0 on 1:72/90",    "0 on 1:67/90",        "0 on 1:64/90",    "0 on 2:48/110",
        "0 on 9:62/100",   "0 on 0:60/110 #0",    "30 off 9:62/100", "30 on 9:60/80",
        "60 off 9:60/80",  "60 on 9:60/80",       "90 off 9:60/80",  "90 on 9:60/80",
        "120 off 9:60/80", "120 off 0:60/110 #0", "120 on 9:60/80",  "120 on 0:64/105 #1",
        "150 off 9:60/80", "150 on 9:60/80",      "180 off 9:60/80", "180 on 9:60/80",
        "210 off 9:60/80", "210 on 9:60/80",      "240 off 9:60/80", "240 off 0:64/105 #1",
    };
    EXPECT_EQ(eventsOf(rig.motivePlayer), events);
    const TLines pending = {"240 off 1:72/90", "240 off 1:67/90", "240 off 1:64/90",
                            "240 off 2:48/110"};
    EXPECT_EQ(pendingOf(rig.motivePlayer), pending);
    EXPECT_TRUE(rig.motivePlayer.events().front().startsMotive);
    EXPECT_TRUE(rig.motivePlayer.events().back().endsMotive);

    // the drum is muted by default: clicks are timed and released but never struck
    rig.motivePlayer.tick();
    EXPECT_EQ(messagesOf(rig.log.messages()),
              (TLines{"on 1:72/90", "on 1:67/90", "on 1:64/90", "on 2:48/110", "on 0:60/110"}));
    EXPECT_EQ(rig.motivePlayer.currentTime(), 15);
    rig.log.clear();
    EXPECT_FALSE(rig.playUpTo(1000));
    EXPECT_EQ(
        messagesOf(rig.log.messages()),
        (TLines{"off 9:62/100", "off 9:60/80", "off 9:60/80", "off 9:60/80", "off 0:60/110",
                "on 0:64/105", "off 9:60/80", "off 9:60/80", "off 9:60/80", "off 9:60/80",
                "off 0:64/105", "off 1:72/90", "off 1:67/90", "off 1:64/90", "off 2:48/110"}));
    EXPECT_EQ(listener.lines(),
              (TLines{"start", "on 7 0", "off 7 0", "on 7 1", "off 7 1", "end", "stopped"}));
    EXPECT_TRUE(rig.motivePlayer.events().empty());
    EXPECT_TRUE(rig.motivePlayer.pendingUnits().empty());
    EXPECT_EQ(rig.motivePlayer.nextStart(), 0);
    EXPECT_EQ(rig.motivePlayer.currentTime(), 0);
}

TEST(MotivePlayerTest, MetronomeClicksEverySixteenthWhenNotMuted) {
    TManualRig rig;
    rig.instruments.setMuteDrum(false);
    rig.motivePlayer.addMotive(motiveOf(0, {}, {TNote(0, 20, 240)}));
    rig.playUpTo(1000);
    EXPECT_EQ(messagesOf(rig.log.messages()),
              (TLines{"on 9:62/100", "on 0:60/110", "off 9:62/100", "on 9:60/80", "off 9:60/80",
                      "on 9:60/80", "off 9:60/80", "on 9:60/80", "off 9:60/80", "on 9:60/80",
                      "off 9:60/80", "on 9:60/80", "off 9:60/80", "on 9:60/80", "off 9:60/80",
                      "on 9:60/80", "off 9:60/80", "off 0:60/110"}));
}

TEST(MotivePlayerTest, JoinsMotivesWithoutAnacrusisByStrikingTheChordAgain) {
    TMotivePlayer scheduler;
    scheduler.addMotive(motiveOf(0, {C_CHORD}, {TNote(0, 20, 240)}));
    scheduler.addMotive(motiveOf(0, {C_CHORD}, {TNote(0, 20, 240)}));
    EXPECT_EQ(
        eventsOf(scheduler),
        (TLines{"0 on 1:72/90", "0 on 1:67/90", "0 on 1:64/90", "0 on 2:48/110", "0 on 0:60/110 #0",
                "240 off 0:60/110 #0", "240 off 1:72/90", "240 off 1:67/90", "240 off 1:64/90",
                "240 off 2:48/110", "240 on 1:72/90", "240 on 1:67/90", "240 on 1:64/90",
                "240 on 2:48/110", "240 on 0:60/110 #0", "480 off 0:60/110 #0"}));
    EXPECT_EQ(pendingOf(scheduler), (TLines{"480 off 1:72/90", "480 off 1:67/90", "480 off 1:64/90",
                                            "480 off 2:48/110"}));
    EXPECT_EQ(scheduler.nextStart(), 480);
    EXPECT_FALSE(scheduler.playing());
}

// A motive with an anacrusis of an eighth: its notes begin 180 ticks after its origin.
TMotive anacrusisMotive(std::vector<TChord> chords) {
    return motiveOf(60, std::move(chords), {TNote(180, 24, 60), TNote(240, 20, 180)});
}

TEST(MotivePlayerTest, SameAnacrusisHoldsAnIdenticalChordOverTheJunction) {
    TMotivePlayer scheduler;
    scheduler.addMotive(anacrusisMotive({C_CHORD, G_CHORD}));
    EXPECT_EQ(pendingOf(scheduler), (TLines{"420 off 1:74/90", "420 off 1:71/90", "420 off 1:67/90",
                                            "420 off 2:55/110"}));
    scheduler.addMotive(anacrusisMotive({G_CHORD, C_CHORD}));
    EXPECT_EQ(
        eventsOf(scheduler),
        (TLines{// first motive: base 0, ends at 420
                "0 on 1:72/90", "0 on 1:67/90", "0 on 1:64/90", "0 on 2:48/110",
                "180 on 0:67/105 #0", "240 off 1:72/90", "240 off 1:67/90", "240 off 1:64/90",
                "240 off 2:48/110", "240 off 0:67/105 #0", "240 on 1:74/90", "240 on 1:71/90",
                "240 on 1:67/90", "240 on 2:55/110", "240 on 0:60/110 #1", "420 off 0:60/110 #1",
                // second motive: base 240; the G chord is not struck again
                "420 on 0:67/105 #0", "480 off 1:74/90", "480 off 1:71/90", "480 off 1:67/90",
                "480 off 2:55/110", "480 off 0:67/105 #0", "480 on 1:72/90", "480 on 1:67/90",
                "480 on 1:64/90", "480 on 2:48/110", "480 on 0:60/110 #1", "660 off 0:60/110 #1"}));
    EXPECT_EQ(pendingOf(scheduler), (TLines{"660 off 1:72/90", "660 off 1:67/90", "660 off 1:64/90",
                                            "660 off 2:48/110"}));
    EXPECT_EQ(scheduler.nextStart(), 660);
}

TEST(MotivePlayerTest, AnacrusisAfterNoneStartsAtTheMeasureStart) {
    TMotivePlayer scheduler;
    scheduler.addMotive(motiveOf(0, {C_CHORD}, {TNote(0, 20, 240)}));
    scheduler.addMotive(anacrusisMotive({G_CHORD}));
    EXPECT_EQ(eventsOf(scheduler),
              (TLines{"0 on 1:72/90",       "0 on 1:67/90",        "0 on 1:64/90",
                      "0 on 2:48/110",      "0 on 0:60/110 #0",    "240 off 0:60/110 #0",
                      "240 off 1:72/90",    "240 off 1:67/90",     "240 off 1:64/90",
                      "240 off 2:48/110",   "240 on 1:74/90",      "240 on 1:71/90",
                      "240 on 1:67/90",     "240 on 2:55/110",     "420 on 0:67/105 #0",
                      "480 off 1:74/90",    "480 off 1:71/90",     "480 off 1:67/90",
                      "480 off 2:55/110",   "480 off 0:67/105 #0", "480 on 0:60/110 #1",
                      "660 off 0:60/110 #1"}));
    EXPECT_TRUE(scheduler.pendingUnits().empty());
    EXPECT_EQ(scheduler.nextStart(), 660);
}

TEST(MotivePlayerTest, NoAnacrusisAfterOneWaitsForTheNextMeasure) {
    TMotivePlayer scheduler;
    scheduler.addMotive(anacrusisMotive({C_CHORD, G_CHORD}));
    scheduler.addMotive(motiveOf(0, {C_CHORD}, {TNote(0, 20, 240)}));
    const TLines events = eventsOf(scheduler);
    ASSERT_EQ(events.size(), 26u);
    // the second chord of the first motive sounds on until the new motive's base, 480
    EXPECT_EQ(TLines(events.begin() + 16, events.end()),
              (TLines{"480 off 1:74/90", "480 off 1:71/90", "480 off 1:67/90", "480 off 2:55/110",
                      "480 on 1:72/90", "480 on 1:67/90", "480 on 1:64/90", "480 on 2:48/110",
                      "480 on 0:60/110 #0", "720 off 0:60/110 #0"}));
    EXPECT_EQ(pendingOf(scheduler), (TLines{"720 off 1:72/90", "720 off 1:67/90", "720 off 1:64/90",
                                            "720 off 2:48/110"}));
}

TEST(MotivePlayerTest, MotiveWithoutChordsReleasesTheCarriedChord) {
    TMotivePlayer scheduler;
    scheduler.addMotive(motiveOf(0, {C_CHORD}, {}));
    scheduler.addMotive(motiveOf(0, {}, {TNote(0, 22, 240)}));
    EXPECT_EQ(eventsOf(scheduler),
              (TLines{"0 on 1:72/90", "0 on 1:67/90", "0 on 1:64/90", "0 on 2:48/110",
                      "240 off 1:72/90", "240 off 1:67/90", "240 off 1:64/90", "240 off 2:48/110",
                      "240 on 0:64/110 #0", "480 off 0:64/110 #0"}));
    EXPECT_TRUE(scheduler.pendingUnits().empty());
}

TEST(MotivePlayerTest, NotesThatCannotSoundScheduleNothing) {
    TMotivePlayer scheduler;
    TChord partial = chordOf(27, -1, 22, 42);
    scheduler.addMotive(motiveOf(0, {partial},
                                 {TNote(0, 20, -60), TNote(60, 21, 0), TNote(60, 42, 60),
                                  TNote(120, -1, 60), TNote(180, 22, 60)}));
    EXPECT_EQ(eventsOf(scheduler), (TLines{"0 on 1:72/90", "0 on 1:64/90", "180 on 0:64/105 #4",
                                           "240 off 0:64/105 #4"}));
    EXPECT_EQ(pendingOf(scheduler), (TLines{"240 off 1:72/90", "240 off 1:64/90"}));

    // a meter of no length cannot place anything and leaves the schedule as it was
    TMotive noMeter = motiveOf(0, {C_CHORD}, {TNote(0, 20, 60)});
    noMeter.measure = TMeasure(0, 120);
    scheduler.addMotive(noMeter);
    EXPECT_EQ(scheduler.events().size(), 4u);
    EXPECT_EQ(scheduler.nextStart(), 240);
}

TEST(MotivePlayerTest, AScheduleOfHugeMeasuresStopsBeforeItsClockOverflows) {
    // the longest measure a document may hold: 64 beats of 32767 ticks
    TMotivePlayer scheduler;
    TMotive huge = motiveOf(0, {C_CHORD}, {TNote(0, 20, 60), TNote(16777216, 21, 32767)});
    huge.measure = TMeasure(64, 32767);
    const int64_t length = huge.measureLength();
    size_t queued = 0;
    for (int i = 0; i < 1200; ++i) {
        const int32_t before = scheduler.nextStart();
        scheduler.addMotive(huge);
        if (scheduler.nextStart() != before)
            ++queued;
    }
    // motives are queued while they fit the clock, and none after the first refused
    EXPECT_GT(queued, 900u);
    EXPECT_LT(queued, 1200u);
    EXPECT_EQ(static_cast<int64_t>(scheduler.nextStart()), static_cast<int64_t>(queued) * length);
    // a clock that wrapped around would show as negative times
    int32_t latest = 0;
    for (const TPlayUnit& unit : scheduler.events()) {
        ASSERT_GE(unit.time, 0);
        latest = std::max(latest, unit.time);
    }
    EXPECT_GT(latest, scheduler.nextStart());  // the far note of the last motive
}

TEST(MotivePlayerTest, StopReleasesExactlyTheSoundingNotes) {
    TManualRig rig;
    rig.instruments.setMuteDrum(false);
    TRecordingListener listener;
    rig.motivePlayer.setStopListener(&listener);
    rig.motivePlayer.addMotive(motiveOf(0, {C_CHORD}, {TNote(0, 20, 120), TNote(120, 22, 120)}),
                               &listener);
    rig.motivePlayer.addMotive(motiveOf(0, {G_CHORD}, {TNote(0, 24, 240)}), &listener);
    rig.playUpTo(45);
    rig.log.clear();
    // sounding: the C chord, the first note and the click struck at 30
    EXPECT_EQ(rig.motivePlayer.stop(), 6);
    EXPECT_EQ(messagesOf(rig.log.messages()),
              (TLines{"off 9:60/80", "off 0:60/110", "off 1:72/90", "off 1:67/90", "off 1:64/90",
                      "off 2:48/110"}));
    EXPECT_FALSE(rig.motivePlayer.playing());
    EXPECT_TRUE(rig.motivePlayer.events().empty());
    EXPECT_EQ(rig.motivePlayer.nextStart(), 0);
    EXPECT_EQ(listener.lines(), (TLines{"start", "on -1 0", "off -1 0", "end", "end", "stopped"}));

    SCOPED_TRACE("stop when idle");
    rig.log.clear();
    TRecordingListener idle;
    rig.motivePlayer.setStopListener(&idle);
    EXPECT_EQ(rig.motivePlayer.stop(), 0);
    EXPECT_EQ(rig.log.size(), 0u);
    EXPECT_EQ(idle.lines(), TLines{"stopped"});
}

TEST(MotivePlayerTest, StopAndDetachTellsNoListener) {
    TManualRig rig;
    TRecordingListener listener;
    rig.motivePlayer.addMotive(motiveOf(0, {}, {TNote(0, 20, 120), TNote(120, 22, 120)}),
                               &listener);
    rig.playUpTo(0);
    const TLines before = listener.lines();
    rig.motivePlayer.stopAndDetach();
    EXPECT_EQ(listener.lines(), before);
    // the click struck (muted) at 0 is released like every other sounding note
    EXPECT_EQ(messagesOf(rig.log.messages()),
              (TLines{"on 0:60/110", "off 9:62/100", "off 0:60/110"}));
}

TEST(MotivePlayerTest, StoppedIsToldOncePerRun) {
    TManualRig rig;
    TRecordingListener listener;
    rig.motivePlayer.setStopListener(&listener);
    const TMotive motive = motiveOf(0, {C_CHORD}, {TNote(0, 20, 240)});
    {
        SCOPED_TRACE("a stop with nothing ever played");
        rig.motivePlayer.stop();
        EXPECT_EQ(listener.lines(), TLines{"stopped"});
    }
    {
        SCOPED_TRACE("a run that ends by itself, then a stop that comes too late");
        rig.motivePlayer.addMotive(motive);
        EXPECT_FALSE(rig.playUpTo(1000));
        EXPECT_EQ(listener.lines(), (TLines{"stopped", "stopped"}));
        EXPECT_EQ(rig.motivePlayer.stop(), 0);
        EXPECT_EQ(listener.lines(), (TLines{"stopped", "stopped"}));
        // the next stop is a stop of its own again
        rig.motivePlayer.stop();
        EXPECT_EQ(listener.lines(), (TLines{"stopped", "stopped", "stopped"}));
    }
    {
        SCOPED_TRACE("a run that a stop ends");
        rig.motivePlayer.addMotive(motive);
        rig.playUpTo(30);
        EXPECT_GT(rig.motivePlayer.stop(), 0);
        EXPECT_EQ(listener.lines().size(), 4u);
    }
}

TEST(MotivePlayerTest, StopAndDetachLetsGoOfTheStopListenerToo) {
    TManualRig rig;
    TRecordingListener listener;
    rig.motivePlayer.setStopListener(&listener);
    rig.motivePlayer.addMotive(motiveOf(0, {}, {TNote(0, 20, 240)}), &listener);
    rig.playUpTo(0);
    rig.motivePlayer.stopAndDetach();
    // told of the stop it asked for, then never again
    EXPECT_EQ(listener.lines(), (TLines{"start", "on -1 0", "stopped"}));
    rig.motivePlayer.addMotive(motiveOf(0, {}, {TNote(0, 20, 240)}));
    rig.playUpTo(1000);
    rig.motivePlayer.stop();
    EXPECT_EQ(listener.lines(), (TLines{"start", "on -1 0", "stopped"}));
}

TEST(MotivePlayerTest, DestroyedWhilePlayingReleasesWhatSoundsAndTellsNobody) {
    TCaptureLog log;
    TCaptureDevices devices(log);
    TPlayer player(devices);
    player.openDevice(0);
    TInstrumentConf instruments;
    instruments.setMuteDrum(false);
    TRecordingListener listener;
    auto motivePlayer = std::make_unique<TMotivePlayer>(player, instruments, TDrive::MANUAL);
    motivePlayer->setStopListener(&listener);
    motivePlayer->addMotive(motiveOf(0, {C_CHORD}, {TNote(0, 20, 120), TNote(120, 22, 120)}),
                            &listener);
    motivePlayer->addMotive(motiveOf(0, {G_CHORD}, {TNote(0, 24, 240)}), &listener);
    for (int step = 0; step < 4; ++step)  // up to tick 45
        motivePlayer->tick();
    const TLines heard = listener.lines();
    log.clear();
    motivePlayer.reset();
    // sounding: the C chord, the first note and the click struck at 30
    EXPECT_EQ(messagesOf(log.messages()), (TLines{"off 9:60/80", "off 0:60/110", "off 1:72/90",
                                                  "off 1:67/90", "off 1:64/90", "off 2:48/110"}));
    EXPECT_EQ(listener.lines(), heard);
}

TEST(MotivePlayerTest, MutesApplyFromTheNextEventAndListenersStillHear) {
    TManualRig rig;
    TRecordingListener listener;
    rig.motivePlayer.addMotive(motiveOf(0, {C_CHORD}, {TNote(0, 20, 120), TNote(120, 22, 120)}),
                               &listener);
    rig.motivePlayer.addMotive(motiveOf(0, {G_CHORD}, {TNote(0, 24, 240)}), &listener);
    rig.playUpTo(0);
    rig.instruments.setMuteBass(true);
    rig.instruments.setMuteMelody(true);
    rig.log.clear();
    rig.playUpTo(1000);
    // note-offs still go out, so nothing muted while sounding keeps ringing
    EXPECT_EQ(
        messagesOf(rig.log.messages()),
        (TLines{"off 9:62/100", "off 9:60/80", "off 9:60/80",  "off 9:60/80",  "off 0:60/110",
                "off 9:60/80",  "off 9:60/80", "off 9:60/80",  "off 9:60/80",  "off 0:64/105",
                "off 1:72/90",  "off 1:67/90", "off 1:64/90",  "off 2:48/110", "on 1:74/90",
                "on 1:71/90",   "on 1:67/90",  "off 9:62/100", "off 9:60/80",  "off 9:60/80",
                "off 9:60/80",  "off 9:60/80", "off 9:60/80",  "off 9:60/80",  "off 9:60/80",
                "off 0:67/110", "off 1:74/90", "off 1:71/90",  "off 1:67/90",  "off 2:55/110"}));
    EXPECT_EQ(listener.lines(), (TLines{"start", "on -1 0", "off -1 0", "on -1 1", "off -1 1",
                                        "end", "start", "on -1 0", "off -1 0", "end"}));
}

TEST(MotivePlayerTest, MotiveAddedWhilePlayingFollowsTheQueue) {
    TManualRig rig;
    rig.motivePlayer.addMotive(motiveOf(0, {}, {TNote(0, 20, 240)}));
    rig.playUpTo(100);
    rig.motivePlayer.addMotive(motiveOf(0, {}, {TNote(0, 22, 240)}));
    int32_t previous = 0;
    for (const TPlayUnit& unit : rig.motivePlayer.events()) {
        EXPECT_GE(unit.time, previous);
        previous = unit.time;
    }
    rig.log.clear();
    rig.playUpTo(1000);
    EXPECT_EQ(melodyOf(rig.log.messages()),
              (TLines{"off 0:60/110", "on 0:64/110", "off 0:64/110"}));
}

TEST(MotivePlayerTest, PlaysInRealTimeAndIgnoresAStaleTick) {
    TCaptureLog log;
    TCaptureDevices devices(log);
    TPlayer player(devices);
    player.openDevice(0);
    TInstrumentConf instruments;
    TMotivePlayer motivePlayer(player, instruments);
    TRecordingListener listener;
    motivePlayer.setStopListener(&listener);
    motivePlayer.setTempo(196);  // 4 ms a step
    EXPECT_EQ(motivePlayer.timer()->delayMs(), 4);
    const auto started = std::chrono::steady_clock::now();
    motivePlayer.addMotive(motiveOf(0, {C_CHORD}, {TNote(0, 20, 120), TNote(120, 22, 120)}));
    ASSERT_TRUE(motivePlayer.playing());
    auto stopped = listener.stopped.get_future();
    ASSERT_EQ(stopped.wait_for(std::chrono::seconds(3)), std::future_status::ready);
    // 240 ticks are 16 steps after the first, which plays one period after the start
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(68));
    EXPECT_FALSE(motivePlayer.playing());
    const std::vector<TCapturedMessage> sent = log.messages();
    // five note-ons at 0, eight click releases, three melody messages, the held chord's end
    ASSERT_EQ(sent.size(), 20u);
    EXPECT_EQ(messagesOf(sent, 16),
              (TLines{"off 1:72/90", "off 1:67/90", "off 1:64/90", "off 2:48/110"}));
    const auto span = sent.back().time - sent.front().time;
    // a late first tick is caught up by the absolute deadlines, so allow some slack below
    EXPECT_GE(span, std::chrono::milliseconds(45));
    EXPECT_LT(span, std::chrono::milliseconds(100));

    // a listener that holds the lock during stop keeps a tick waiting; that tick must find the
    // run ended and do nothing, also when a new run has begun meanwhile
    class TSlowListener : public TRecordingListener {
      public:
        void onMotiveEnd() override {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            TRecordingListener::onMotiveEnd();
        }
    } slow;
    TRecordingListener stops;
    motivePlayer.setStopListener(&stops);
    motivePlayer.addMotive(motiveOf(0, {}, {TNote(0, 20, 240)}), &slow);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    log.clear();
    motivePlayer.stop();
    EXPECT_EQ(melodyOf(log.messages()), (TLines{"off 0:60/110"}));
    const size_t afterStop = log.size();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(stops.lines(), TLines{"stopped"});
    EXPECT_EQ(log.size(), afterStop);
}

}  // namespace
