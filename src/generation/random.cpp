#include "generation/random.h"

namespace {

constexpr std::uint32_t INITIAL_STATE = 1;
constexpr std::uint32_t MULTIPLIER = 22695477u;
constexpr std::uint32_t INCREMENT = 1u;

thread_local std::uint32_t randState = INITIAL_STATE;

}  // namespace

int motivicaRand() {
    // unsigned arithmetic wraps modulo 2^32 as the generator requires
    randState = randState * MULTIPLIER + INCREMENT;
    return static_cast<int>((randState >> 16) & 0x7FFFu);
}

void resetMotivicaRand() {
    randState = INITIAL_STATE;
}

std::uint32_t motivicaRandState() {
    return randState;
}
