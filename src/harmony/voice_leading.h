#pragma once

#include "harmony/chord.h"
#include "model/key.h"

// The voice-leading rules that connect a voicing to the one before it, in the order they are
// applied. Both voicings are soprano, alto, tenor, bass.
constexpr int RULE_NONE = 0;
constexpr int RULE_LEAPS = 1;             // at most two voices leap (move more than 2 steps)
constexpr int RULE_OVERLAPPING = 2;       // no voice passes the neighbouring voice's old place
constexpr int RULE_PARALLEL_MOTION = 3;   // the four voices do not all rise, fall or hold
constexpr int RULE_PARALLELS = 4;         // no parallel fifths, octaves or unisons
constexpr int RULE_AUGMENTED = 5;         // no augmented melodic interval in any voice
constexpr int RULE_HIDDEN_PARALLELS = 6;  // no hidden fifth or octave in the outer voices

// The first rule that the move from previous to next breaks, or RULE_NONE. The previous voicing
// must be complete (all voices in 0..41); one that is not breaks RULE_AUGMENTED, since its
// sounding intervals cannot be measured.
int failingVoiceLeadingRule(const TVoicing& previous, const TVoicing& next, const TKey& key);

// Whether the move breaks one given rule (RULE_LEAPS .. RULE_HIDDEN_PARALLELS), regardless of the
// others; false for any other rule number.
bool breaksVoiceLeadingRule(int rule, const TVoicing& previous, const TVoicing& next,
                            const TKey& key);

inline bool connectsValidly(const TVoicing& previous, const TVoicing& next, const TKey& key) {
    return failingVoiceLeadingRule(previous, next, key) == RULE_NONE;
}
