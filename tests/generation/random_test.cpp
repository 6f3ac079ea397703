#include "generation/random.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

const std::vector<int> FIRST_FIVE = {346, 130, 10982, 1090, 11656};

std::vector<int> drawFive() {
    std::vector<int> drawn;
    for (int i = 0; i < 5; ++i) {
        drawn.push_back(motivicaRand());
    }
    return drawn;
}

}  // namespace

TEST(RandomTest, FirstFiveResultsFromTheInitialState) {
    resetMotivicaRandForTesting();
    EXPECT_EQ(motivicaRandState(), 1u);
    EXPECT_EQ(drawFive(), FIRST_FIVE);
    // the sixth continues the sequence rather than restarting it
    EXPECT_EQ(motivicaRand(), 7117);
}

TEST(RandomTest, ResetReturnsToTheSameSequence) {
    resetMotivicaRandForTesting();
    drawFive();
    resetMotivicaRandForTesting();
    EXPECT_EQ(drawFive(), FIRST_FIVE);
}

TEST(RandomTest, ResultsStayWithinFifteenBits) {
    resetMotivicaRandForTesting();
    for (int i = 0; i < 100000; ++i) {
        const int r = motivicaRand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, MOTIVICA_RAND_MAX);
    }
}

TEST(RandomTest, EachThreadStartsFromStateOne) {
    resetMotivicaRandForTesting();
    motivicaRand();
    motivicaRand();
    std::vector<int> fromThread;
    std::thread worker([&fromThread] { fromThread = drawFive(); });
    worker.join();
    // the other thread's draws neither start from this thread's state nor advance it
    EXPECT_EQ(fromThread, FIRST_FIVE);
    EXPECT_EQ(motivicaRand(), 10982);
}
