#include "harmony/voice_leading.h"

#include <cstdlib>

static int direction(int32_t from, int32_t to) {
    return (to > from) - (to < from);
}

static bool breaksLeaps(const TVoicing& p, const TVoicing& n) {
    int leaps = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (std::abs(n[i] - p[i]) > 2) {
            ++leaps;
        }
    }
    return leaps > 2;
}

static bool breaksOverlapping(const TVoicing& p, const TVoicing& n) {
    const int32_t ps = p[0], pa = p[1], pt = p[2], pb = p[3];
    const int32_t ns = n[0], na = n[1], nt = n[2], nb = n[3];
    if (ns < pa) {
        return true;
    }
    if (na < pt || na > ps) {
        return true;
    }
    if (nt < pb || nt > pa) {
        return true;
    }
    return nb > pt;
}

static bool breaksParallelMotion(const TVoicing& p, const TVoicing& n) {
    const int first = direction(p[0], n[0]);
    for (size_t i = 1; i < 4; ++i) {
        if (direction(p[i], n[i]) != first) {
            return false;
        }
    }
    return true;
}

static bool breaksParallels(const TVoicing& p, const TVoicing& n) {
    for (size_t i = 0; i < 4; ++i) {
        for (size_t j = i + 1; j < 4; ++j) {
            if (p[i] == n[i] && p[j] == n[j]) {
                continue;
            }
            // The remainder keeps the sign of the difference, so crossed voices never match.
            const int32_t before = (p[i] - p[j]) % 7;
            const int32_t after = (n[i] - n[j]) % 7;
            if ((before == 4 && after == 4) || (before == 0 && after == 0)) {
                return true;
            }
        }
    }
    return false;
}

static bool breaksAugmented(const TVoicing& p, const TVoicing& n, const TKey& key) {
    const std::array<int32_t, PITCH_COUNT>& pitches = key.pitches();
    for (size_t i = 0; i < 4; ++i) {
        if (!isValidPitch(p[i]) || !isValidPitch(n[i])) {
            return true;
        }
        const int32_t steps = std::abs(n[i] - p[i]);
        const int32_t semitones =
            std::abs(pitches[static_cast<size_t>(n[i])] - pitches[static_cast<size_t>(p[i])]);
        if ((steps == 1 && semitones == 3) || (steps == 2 && semitones == 5) ||
            (steps == 3 && semitones == 6) || (steps == 4 && semitones == 8) ||
            (steps == 5 && semitones == 10) || (steps == 6 && semitones == 12)) {
            return true;
        }
    }
    return false;
}

static bool breaksHiddenParallels(const TVoicing& p, const TVoicing& n) {
    const int soprano = direction(p[0], n[0]);
    const int bass = direction(p[3], n[3]);
    if (soprano != bass || soprano == 0) {
        return false;
    }
    const int32_t interval = (n[0] - n[3]) % 7;
    return interval == 4 || interval == 0;
}

bool breaksVoiceLeadingRule(int rule, const TVoicing& previous, const TVoicing& next,
                            const TKey& key) {
    switch (rule) {
        case RULE_LEAPS:
            return breaksLeaps(previous, next);
        case RULE_OVERLAPPING:
            return breaksOverlapping(previous, next);
        case RULE_PARALLEL_MOTION:
            return breaksParallelMotion(previous, next);
        case RULE_PARALLELS:
            return breaksParallels(previous, next);
        case RULE_AUGMENTED:
            return breaksAugmented(previous, next, key);
        case RULE_HIDDEN_PARALLELS:
            return breaksHiddenParallels(previous, next);
        default:
            return false;
    }
}

int failingVoiceLeadingRule(const TVoicing& previous, const TVoicing& next, const TKey& key) {
    for (int rule = RULE_LEAPS; rule <= RULE_HIDDEN_PARALLELS; ++rule) {
        if (breaksVoiceLeadingRule(rule, previous, next, key)) {
            return rule;
        }
    }
    return RULE_NONE;
}
