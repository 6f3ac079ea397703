#pragma once

#include <cstdint>

// The part of the MIDI output that auditioning a note or a chord needs. The player of the
// playback library implements it; tests use a recording fake.
class TMidiOutputInterface {
  public:
    virtual ~TMidiOutputInterface() = default;
    virtual void noteOn(int16_t channel, int16_t key, int16_t velocity) = 0;
    virtual void noteOff(int16_t channel, int16_t key, int16_t velocity) = 0;
};
