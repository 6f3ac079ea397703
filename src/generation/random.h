#pragma once

#include <cstdint>

// The one random generator of the program: a linear congruential generator that behaves like the
// classic C library rand(). Each thread has its own state; it starts at 1 and is never reseeded,
// so the same actions after start always give the same random results.

// Largest value motivicaRand() returns.
constexpr int MOTIVICA_RAND_MAX = 0x7FFF;

// The next random number of the calling thread, 0..MOTIVICA_RAND_MAX.
int motivicaRand();

// Returns the calling thread's generator to its state at thread start. The program itself never
// does; the command-line tools (which promise to start from the initial state) and tests do.
void resetMotivicaRand();
inline void resetMotivicaRandForTesting() {
    resetMotivicaRand();
}

// The calling thread's raw generator state, for tests that check it is untouched.
std::uint32_t motivicaRandState();
