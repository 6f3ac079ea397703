#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <vector>

#include "model/motive.h"
#include "model/period_timeline.h"
#include "playback/critical_section.h"
#include "playback/real_timer.h"

class TInstrumentConf;
class TPlayer;

// Told, with the player's lock held, when the notes of a motive it listens to sound and stop.
// Implementations record what to show and never call the player back.
class TMotivePlayerListener {
  public:
    virtual ~TMotivePlayerListener() = default;
    virtual void onNoteOn(int32_t motiveTag, int32_t noteIndex) = 0;
    virtual void onNoteOff(int32_t motiveTag, int32_t noteIndex) = 0;
    virtual void onMotiveStart() = 0;
    virtual void onMotiveEnd() = 0;
};

// Told after the lock is released when playback has stopped, by itself or by stop: once per run.
class TMotivePlayerStopListener {
  public:
    virtual ~TMotivePlayerStopListener() = default;
    virtual void onPlayStopped() = 0;
};

// One timed MIDI event of the schedule.
struct TPlayUnit {
    int32_t midiKey = 0;
    int32_t time = 0;
    int32_t channel = 0;
    int32_t velocity = 0;
    bool isNoteOn = false;
    int32_t noteIndex = -1;  // the note's position in its motive; -1 for chords and clicks
    int32_t motiveTag = -1;
    bool startsMotive = false;
    bool endsMotive = false;
    TMotivePlayerListener* listener = nullptr;  // not owned

    // The same message: key, channel, velocity and kind; the time does not count.
    bool operator==(const TPlayUnit& other) const {
        return midiKey == other.midiKey && channel == other.channel && velocity == other.velocity &&
               isNoteOn == other.isNoteOn;
    }
};

// Play order: by time, and at equal time a note-off before a note-on.
inline bool playsBefore(const TPlayUnit& a, const TPlayUnit& b) {
    if (a.time != b.time)
        return a.time < b.time;
    return !a.isNoteOn && b.isNoteOn;
}

// The sequencer: turns motives into timed melody, chord, bass and metronome events, joins
// consecutive motives musically and plays the events from its timer.
//
// Threads: the tick runs on the timer thread; every other call belongs to the user-interface
// thread and is safe while playing (the schedule accessors return copies taken under the lock).
// The motive listeners are told with the lock held and never call the player. The stop listener
// is told without it, on the timer thread when a run ends by itself; it may queue motives, but
// must not wait for the user-interface thread, which may be waiting for it in stopAndDetach.
class TMotivePlayer {
  public:
    static constexpr int32_t TICKS_PER_STEP = 15;
    static constexpr int32_t METRONOME_STEP = 30;

    // Who advances the time: the player's own timer, or the caller through tick() (rendering
    // to a file, faster than real time).
    enum class TDrive { REAL_TIME, MANUAL };

    // Plays through `player` with the metronome keys and mute flags of `instruments`; both
    // must outlive the motive player.
    TMotivePlayer(TPlayer& player, const TInstrumentConf& instruments,
                  TDrive drive = TDrive::REAL_TIME);
    // Only builds the schedule, without metronome, for the MIDI file writer.
    TMotivePlayer();
    // Releases the notes it has struck that still sound and tells nobody.
    ~TMotivePlayer();
    TMotivePlayer(const TMotivePlayer&) = delete;
    TMotivePlayer& operator=(const TMotivePlayer&) = delete;

    // Schedules `motive` after everything queued and starts playing when idle. Throws
    // std::runtime_error when the timer cannot start; the units stay queued.
    void addMotive(const TMotive& motive, TMotivePlayerListener* listener = nullptr);
    // Ends playback at once, releasing exactly the notes that sound; returns the number of
    // note-offs played. Every run tells the stop listener once, when it ends; a stop that finds
    // nothing playing tells it as well, unless a run ended by itself since the last stop.
    int stop();
    // Forgets every listener, the stop listener included, and stops (when the window closes).
    // Once it returns, no listener is told anything.
    void stopAndDetach();

    // Advances one step: plays the units that are due. The timer calls it; so does the caller
    // of a manually driven player.
    void tick();

    bool playing() const;
    // The timer's period in milliseconds is 200 - tempo; it applies from the next start.
    void setTempo(int32_t tempo);
    TRealTimer* timer() { return timer_.get(); }
    // Returns once a report to the previous listener under way has ended.
    void setStopListener(TMotivePlayerStopListener* listener);

    // The schedule as it stands: the queued units, and the held final chord's note-offs.
    std::vector<TPlayUnit> events() const;
    std::vector<TPlayUnit> pendingUnits() const;
    int32_t nextStart() const;
    int32_t currentTime() const;

  private:
    void playUnit(const TPlayUnit& unit);
    void reset();
    void endRun();
    // Ends the run: releases what sounds, forgets the rest; returns the note-offs played.
    int releaseAndReset();
    void detachMotiveListeners();
    // Tells the stop listener of a stop not yet told, outside the lock.
    void tellStopped();
    bool muted(int32_t channel) const;

    TPlayer* player_ = nullptr;
    const TInstrumentConf* instruments_ = nullptr;
    std::list<TPlayUnit> events_;
    std::vector<TPlayUnit> pendingUnits_;
    // where the motives queued so far have placed the next one
    TTimeline timeline_;
    int32_t currentTime_ = 0;
    std::list<TPlayUnit>::iterator cursor_;
    std::unique_ptr<TCriticalSection> lock_;
    // Held while the stop listener is told, so that detaching can wait for a report under way;
    // taken before the lock, never while holding it. Re-entrant: the listener may stop.
    std::recursive_mutex tellMutex_;
    TMotivePlayerStopListener* stopListener_ = nullptr;
    bool stopToTell_ = false;     // a stop the listener has not been told of yet
    bool endedByItself_ = false;  // the last run ended at its last tick, not by stop
    bool exportMode_ = false;
    bool manualRunning_ = false;
    // Last, so that it goes first: its thread may still be in a tick, which uses all the above.
    std::unique_ptr<TRealTimer> timer_;
};
