#pragma once

#include <cstddef>

#include "model/motive.h"
#include "model/period_data.h"

// What sounds before a motive, as the editors ask it: kinds 2 and 4 come with a complete previous
// motive, 0 and 1 mark the first motive of the period, 3 means nothing usable precedes.
constexpr int PREVIOUS_FIRST_WITH_ANACRUSIS = 0;
constexpr int PREVIOUS_FIRST_WITHOUT_ANACRUSIS = 1;
constexpr int PREVIOUS_OTHER_SENTENCE = 2;  // across a sentence boundary, into an anacrusis
constexpr int PREVIOUS_NONE = 3;
constexpr int PREVIOUS_SAME_SENTENCE = 4;

// The previous motive (null unless the kind is 2 or 4), the listener it carries and the kind.
struct TMotiveAndListenerPair {
    const TMotive* motive = nullptr;
    TMotiveListener* listener = nullptr;
    int kind = PREVIOUS_NONE;
};

// The code a sentence is shown with: 1 to 4, starting again after the fourth.
int sentenceCode(size_t sentenceIndex);

// The answer for the motive at index i of the period order.
TMotiveAndListenerPair previousMotiveAt(const TPeriodData& period, size_t index);

// The answer for a motive identified by address: one of the period's motives, or one outside it
// (a development pane) for which the selected motive, if any, stands in.
TMotiveAndListenerPair previousMotive(const TPeriodData& period, const TMotive& m,
                                      const TMotive* selected = nullptr);
