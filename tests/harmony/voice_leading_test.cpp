#include "harmony/voice_leading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

static const TKey C_MAJOR(0, MAJOR);
static const TKey A_MINOR(0, MINOR);

TEST(VoiceLeading, EachRuleFails) {
    // broken: the digits of every rule the move breaks; the first of them is the one reported
    struct TCase {
        const char* what;
        TKey key;
        TVoicing previous;
        TVoicing next;
        std::string broken;
    };
    const std::vector<TCase> cases = {
        {"tonic to dominant, soprano held", C_MAJOR, {24, 22, 20, 6}, {24, 21, 19, 10}, ""},
        {"three voices leap", C_MAJOR, {24, 22, 20, 6}, {28, 25, 23, 6}, "12"},
        {"soprano below the old alto", C_MAJOR, {24, 22, 20, 6}, {21, 20, 18, 8}, "2"},
        {"alto above the old soprano", C_MAJOR, {20, 17, 15, 6}, {22, 21, 15, 8}, "246"},
        {"bass above the old tenor", C_MAJOR, {24, 22, 18, 13}, {24, 21, 19, 19}, "2"},
        {"all four voices hold", C_MAJOR, {24, 22, 20, 6}, {24, 22, 20, 6}, "3"},
        {"all rise, octaves soprano-bass", C_MAJOR, {20, 17, 15, 6}, {21, 18, 16, 7}, "346"},
        {"all four voices fall", C_MAJOR, {21, 18, 16, 7}, {20, 17, 15, 6}, "346"},
        {"fifths soprano-bass", C_MAJOR, {17, 15, 13, 6}, {18, 15, 13, 7}, "46"},
        {"F to G sharp in A minor", A_MINOR, {20, 16, 13, 6}, {20, 17, 13, 4}, "5"},
        {"the same steps in C major", C_MAJOR, {20, 16, 13, 6}, {20, 17, 13, 4}, ""},
        {"hidden octave outer voices", C_MAJOR, {22, 18, 15, 9}, {24, 19, 15, 10}, "6"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        const int first = c.broken.empty() ? RULE_NONE : c.broken[0] - '0';
        EXPECT_EQ(failingVoiceLeadingRule(c.previous, c.next, c.key), first);
        EXPECT_EQ(connectsValidly(c.previous, c.next, c.key), c.broken.empty());
        for (int rule = RULE_LEAPS; rule <= RULE_HIDDEN_PARALLELS; ++rule) {
            const bool expected = c.broken.find(static_cast<char>('0' + rule)) != std::string::npos;
            EXPECT_EQ(breaksVoiceLeadingRule(rule, c.previous, c.next, c.key), expected)
                << "rule " << rule;
        }
    }
    EXPECT_FALSE(breaksVoiceLeadingRule(7, {24, 22, 20, 6}, {24, 22, 20, 6}, C_MAJOR));
}

TEST(VoiceLeading, AugmentedIntervalsEveryWidth) {
    // A minor: position 2 is F (29), position 3 G sharp (32). Each pair (steps, semitones) of the
    // augmented list from one voice whose partner voices keep the move legal otherwise.
    struct TCase {
        int32_t from;
        int32_t to;
        bool augmented;
    };
    const std::vector<TCase> cases = {
        {16, 17, true},   // F to G sharp: augmented second
        {15, 17, false},  // E to G sharp: major third (2 steps, 4 semitones)
        {17, 18, false},  // G sharp to A: minor second
        {10, 9, true},    // G sharp down to F
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        const TVoicing previous = {24, c.from, 8, 1};
        const TVoicing next = {24, c.to, 8, 1};
        EXPECT_EQ(breaksVoiceLeadingRule(RULE_AUGMENTED, previous, next, A_MINOR), c.augmented);
    }
    // a previous voicing outside the key's positions cannot be measured and never connects
    EXPECT_TRUE(
        breaksVoiceLeadingRule(RULE_AUGMENTED, {24, 22, 20, -1}, {24, 21, 19, 10}, C_MAJOR));
    EXPECT_FALSE(connectsValidly({24, 22, 20, -1}, {24, 21, 19, 10}, C_MAJOR));
}
