#include "playback/motive_player.h"

#include <algorithm>
#include <optional>

#include "playback/instrument_conf.h"
#include "playback/player.h"
#include "playback/voice_map.h"

namespace {

TPlayUnit noteUnit(int32_t key, int32_t time, int32_t channel, int32_t velocity, bool on) {
    TPlayUnit unit;
    unit.midiKey = key;
    unit.time = time;
    unit.channel = channel;
    unit.velocity = velocity;
    unit.isNoteOn = on;
    return unit;
}

// The four voices of `chord` at t, keys from `key`'s table. A voice without a valid position
// (an unarranged chord, a hand-edited file) has nothing to sound.
void appendChord(std::vector<TPlayUnit>& out, const TChord& chord, int32_t t, const TKey& key,
                 bool on) {
    for (int32_t voice : {chord.soprano, chord.alt, chord.tenor})
        if (isValidPitch(voice))
            out.push_back(noteUnit(key.pitch(voice), t, CHORD_CHANNEL, CHORD_VELOCITY, on));
    if (isValidPitch(chord.bass))
        out.push_back(noteUnit(key.pitch(chord.bass), t, BASS_CHANNEL, BASS_VELOCITY, on));
}

// A note-off that releases the note `on` started.
bool releases(const TPlayUnit& off, const TPlayUnit& on) {
    return off.midiKey == on.midiKey && off.channel == on.channel && off.velocity == on.velocity;
}

}  // namespace

TMotivePlayer::TMotivePlayer(TPlayer& player, const TInstrumentConf& instruments, TDrive drive)
    : player_(&player), instruments_(&instruments), lock_(std::make_unique<TCriticalSection>()) {
    if (drive == TDrive::REAL_TIME) {
        timer_ = std::make_unique<TRealTimer>();
        timer_->setOnTimer([this](TRealTimer&) { tick(); });
    }
    cursor_ = events_.end();
}

TMotivePlayer::TMotivePlayer() : exportMode_(true) {
    cursor_ = events_.end();
}

TMotivePlayer::~TMotivePlayer() {
    if (exportMode_)
        return;
    // a player that goes away silences what it started; whoever listened may be gone already
    std::lock_guard<std::recursive_mutex> telling(tellMutex_);
    TCriticalSectionGuard guard(lock_.get());
    stopListener_ = nullptr;
    stopToTell_ = false;
    if (playing()) {
        detachMotiveListeners();
        releaseAndReset();
    }
    // the timer, the last member, goes first and waits for its thread; a tick still waiting for
    // the lock then finds the run ended
}

bool TMotivePlayer::playing() const {
    if (timer_)
        return timer_->running();
    TCriticalSectionGuard guard(lock_.get());
    return manualRunning_;
}

void TMotivePlayer::setStopListener(TMotivePlayerStopListener* listener) {
    std::lock_guard<std::recursive_mutex> telling(tellMutex_);
    TCriticalSectionGuard guard(lock_.get());
    stopListener_ = listener;
}

std::vector<TPlayUnit> TMotivePlayer::events() const {
    TCriticalSectionGuard guard(lock_.get());
    return {events_.begin(), events_.end()};
}

std::vector<TPlayUnit> TMotivePlayer::pendingUnits() const {
    TCriticalSectionGuard guard(lock_.get());
    return pendingUnits_;
}

int32_t TMotivePlayer::nextStart() const {
    TCriticalSectionGuard guard(lock_.get());
    return timeline_.nextStart();
}

int32_t TMotivePlayer::currentTime() const {
    TCriticalSectionGuard guard(lock_.get());
    return currentTime_;
}

void TMotivePlayer::setTempo(int32_t tempo) {
    if (timer_)
        timer_->setDelayMs(200 - tempo);
}

void TMotivePlayer::addMotive(const TMotive& motive, TMotivePlayerListener* listener) {
    TCriticalSectionGuard guard(lock_.get());
    const std::optional<TPlacedMotive> placed = timeline_.place(motive);
    if (!placed)
        return;
    const int32_t length = motive.measureLength();
    const int32_t anacrusis = motive.anacrusis;
    const int32_t start = placed->start;
    const int32_t base = placed->base;
    const int32_t end = placed->end;
    const size_t chordCount = soundingChordCount(motive);
    const TChord* first = chordCount > 0 ? &motive.chords[0] : nullptr;
    std::vector<TPlayUnit> units;

    // the first chord's release waits for the next motive when it fills the whole motive
    auto releaseFirstChord = [&](int32_t at) {
        appendChord(anacrusis != 0 ? units : pendingUnits_, *first, at, motive.key, false);
    };

    // the chord still sounding from the previous motive is released with the table it was
    // struck with
    const TSoundingChord* carried = placed->carried ? &*placed->carried : nullptr;
    // what the previous motive left to release at its end is released here instead
    pendingUnits_.clear();
    if (placed->follows) {
        if (first) {
            if (!placed->firstChordHeldOver) {
                if (carried)
                    appendChord(units, carried->chord, start, carried->key, false);
                appendChord(units, *first, start, motive.key, true);
            }
            releaseFirstChord(base + length);
        } else if (carried) {
            appendChord(units, carried->chord, start, carried->key, false);
        }
    } else {
        if (carried)
            appendChord(units, carried->chord, base, carried->key, false);
        if (first) {
            appendChord(units, *first, base, motive.key, true);
            releaseFirstChord(base + length);
        }
    }
    if (anacrusis != 0 && chordCount == 2) {
        appendChord(units, motive.chords[1], base + length, motive.key, true);
        appendChord(pendingUnits_, motive.chords[1], end, motive.key, false);
    }
    if (!exportMode_) {
        const int32_t upBeatKey = instruments_->upBeatDrumVoice();
        const int32_t beatKey = instruments_->drumVoice();
        for (int32_t t = start; t < end; t += METRONOME_STEP) {
            const bool measureStart = motive.measure.isMeasureStart(t);
            const int32_t key = measureStart ? upBeatKey : beatKey;
            const int32_t velocity =
                measureStart ? METRONOME_MEASURE_START_VELOCITY : METRONOME_VELOCITY;
            units.push_back(noteUnit(key, t, DRUM_CHANNEL, velocity, true));
            units.push_back(noteUnit(key, t + METRONOME_STEP, DRUM_CHANNEL, velocity, false));
        }
    }
    for (size_t i = 0; i < motive.notes.size(); ++i) {
        const TNote& note = motive.notes[i];
        // a rest, a note of no length or a note off the staff sounds nothing; scheduling it
        // could leave a note-off before its note-on
        if (note.duration <= 0 || !isValidPitch(note.pitch))
            continue;
        const int32_t t = base + note.time;
        const int32_t velocity =
            motive.measure.isMeasureStart(t) ? MELODY_MEASURE_START_VELOCITY : MELODY_VELOCITY;
        const int32_t key = motive.key.pitch(note.pitch);
        for (bool on : {true, false}) {
            TPlayUnit unit =
                noteUnit(key, on ? t : t + note.duration, MELODY_CHANNEL, velocity, on);
            unit.noteIndex = static_cast<int32_t>(i);
            unit.motiveTag = motive.variantTag();
            unit.listener = listener;
            units.push_back(unit);
        }
    }
    // stable: units the order does not separate keep the order they were made in, so the same
    // composition always gives the same schedule
    std::stable_sort(units.begin(), units.end(), playsBefore);
    if (listener && !units.empty() && !exportMode_) {
        units.front().startsMotive = true;
        units.front().listener = listener;
        units.back().endsMotive = true;
        units.back().listener = listener;
    }
    events_.insert(events_.end(), units.begin(), units.end());
    if (exportMode_ || playing())
        return;
    cursor_ = events_.begin();
    if (timer_)
        timer_->start();
    else
        manualRunning_ = true;
}

bool TMotivePlayer::muted(int32_t channel) const {
    if (!instruments_)
        return false;
    switch (channel) {
        case MELODY_CHANNEL:
            return instruments_->muteMelody();
        case CHORD_CHANNEL:
            return instruments_->muteChord();
        case BASS_CHANNEL:
            return instruments_->muteBass();
        case DRUM_CHANNEL:
            return instruments_->muteDrum();
        default:
            return false;
    }
}

void TMotivePlayer::playUnit(const TPlayUnit& unit) {
    const auto channel = static_cast<int16_t>(unit.channel);
    const auto key = static_cast<int16_t>(unit.midiKey);
    const auto velocity = static_cast<int16_t>(unit.velocity);
    if (unit.isNoteOn) {
        if (player_ && !muted(unit.channel))
            player_->noteOn(channel, key, velocity);
        if (unit.listener && unit.noteIndex != -1)
            unit.listener->onNoteOn(unit.motiveTag, unit.noteIndex);
    } else {
        // a note muted while it sounds must still be released, so note-offs always go out
        if (player_)
            player_->noteOff(channel, key, velocity);
        if (unit.listener && unit.noteIndex != -1)
            unit.listener->onNoteOff(unit.motiveTag, unit.noteIndex);
    }
}

void TMotivePlayer::reset() {
    events_.clear();
    pendingUnits_.clear();
    cursor_ = events_.end();
    timeline_.reset();
    currentTime_ = 0;
}

void TMotivePlayer::endRun() {
    if (timer_)
        timer_->stop();
    manualRunning_ = false;
}

void TMotivePlayer::tick() {
    TCriticalSectionGuard guard(lock_.get());
    // a tick that waited for the lock while playback was stopped, or restarted, is stale
    if (timer_ ? !timer_->isCurrentRun() : !manualRunning_)
        return;
    // a unit whose time lies between two steps (only a hand-edited file makes one) plays at
    // the next step rather than holding up everything after it
    while (cursor_ != events_.end() && cursor_->time <= currentTime_) {
        const TPlayUnit& unit = *cursor_;
        playUnit(unit);
        if (unit.listener) {
            if (unit.startsMotive)
                unit.listener->onMotiveStart();
            else if (unit.endsMotive)
                unit.listener->onMotiveEnd();
        }
        ++cursor_;
    }
    if (cursor_ == events_.end()) {
        for (const TPlayUnit& unit : pendingUnits_)
            playUnit(unit);
        reset();
        endRun();
        stopToTell_ = true;
        endedByItself_ = true;
        guard.release();
        tellStopped();
        return;
    }
    currentTime_ += TICKS_PER_STEP;
}

int TMotivePlayer::releaseAndReset() {
    int released = 0;
    endRun();
    const auto firstPending =
        events_.insert(events_.end(), pendingUnits_.begin(), pendingUnits_.end());
    if (cursor_ == events_.end())
        cursor_ = firstPending;
    std::vector<TPlayUnit> unsounded;
    for (auto it = cursor_; it != events_.end(); ++it) {
        const TPlayUnit& unit = *it;
        if (unit.endsMotive && unit.listener)
            unit.listener->onMotiveEnd();
        if (unit.isNoteOn) {
            unsounded.push_back(unit);
            continue;
        }
        const bool neverSounded =
            std::any_of(unsounded.begin(), unsounded.end(),
                        [&unit](const TPlayUnit& on) { return releases(unit, on); });
        if (neverSounded)
            continue;
        // only the message and the note's own notification: the motive's end was told
        // above, and a motive that had not begun is not announced now
        playUnit(unit);
        ++released;
    }
    reset();
    return released;
}

int TMotivePlayer::stop() {
    int released = 0;
    {
        TCriticalSectionGuard guard(lock_.get());
        if (playing()) {
            released = releaseAndReset();
            stopToTell_ = true;
        } else if (!endedByItself_) {
            stopToTell_ = true;
        }
        // a stop that meets a run just ended by itself is answered by that run's own report,
        // told once, whichever thread gets to it first
        endedByItself_ = false;
    }
    tellStopped();
    return released;
}

void TMotivePlayer::tellStopped() {
    std::lock_guard<std::recursive_mutex> telling(tellMutex_);
    TMotivePlayerStopListener* listener = nullptr;
    {
        TCriticalSectionGuard guard(lock_.get());
        if (!stopToTell_)
            return;
        stopToTell_ = false;
        listener = stopListener_;
    }
    if (listener)
        listener->onPlayStopped();
}

void TMotivePlayer::detachMotiveListeners() {
    for (auto it = cursor_; it != events_.end(); ++it)
        it->listener = nullptr;
    for (TPlayUnit& unit : pendingUnits_)
        unit.listener = nullptr;
}

void TMotivePlayer::stopAndDetach() {
    {
        TCriticalSectionGuard guard(lock_.get());
        detachMotiveListeners();
    }
    stop();
    // a report the timer thread is making ends before the listener is let go
    std::lock_guard<std::recursive_mutex> telling(tellMutex_);
    TCriticalSectionGuard guard(lock_.get());
    stopListener_ = nullptr;
}
