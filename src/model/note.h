#pragma once

#include <cstdint>

#include "model/duration.h"
#include "model/key.h"

class TMidiOutputInterface;

constexpr int16_t DRAFT_MELODY_CHANNEL = 3;
constexpr int16_t DRAFT_NOTE_VELOCITY = 80;

// One melody note: start in ticks from the motive origin, a diatonic position (-1 for none)
// and a duration (negative for a rest).
class TNote {
  public:
    TNote() = default;
    TNote(int32_t time, int32_t pitch, DURATION duration)
        : time(time), pitch(pitch), duration(duration) {}
    virtual ~TNote() = default;

    // A copy never carries the editor's transient highlight.
    TNote(const TNote& other)
        : time(other.time),
          pitch(other.pitch),
          duration(other.duration),
          chording(other.chording),
          sharp(other.sharp) {}
    TNote& operator=(const TNote& other) {
        if (this != &other) {
            time = other.time;
            pitch = other.pitch;
            duration = other.duration;
            chording = other.chording;
            sharp = other.sharp;
            playing = false;
        }
        return *this;
    }

    // chording and playing are derived or transient and do not count.
    bool operator==(const TNote& other) const {
        return time == other.time && pitch == other.pitch && duration == other.duration &&
               sharp == other.sharp;
    }

    bool isRest() const { return duration < 0; }
    int32_t endTime() const { return time + (duration < 0 ? -duration : duration); }

    // Audition of the single note on the draft melody channel; a note without pitch is silent.
    void soundOn(TMidiOutputInterface& player, const TKey& key) const;
    void soundOff(TMidiOutputInterface& player, const TKey& key) const;

    int32_t time = 0;
    int32_t pitch = NO_PITCH;
    DURATION duration = SIXTEENTH;
    bool chording = true;
    bool playing = false;
    bool sharp = false;
};
