// The built-in synthesizer played live: a note sent to device 0 must come out of the sound
// server. The test records what the server's default output plays, so it runs only when
// MOTIVICA_LIVE_SOUND_TEST is set, with a PulseAudio-compatible server whose output may be
// recorded (scripts/start-test-sound-server.sh starts a silent one; CI does). Once asked for,
// a server that does not answer is a failure, so that a broken set-up cannot pass unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "playback/fluid_synth_engine.h"
#include "playback/player.h"
#include "support/pitch_analysis.h"
#include "support/sound_recorder.h"

namespace {

using namespace std::chrono_literals;

constexpr int RATE = 44100;

bool soundServerReachable() {
    return std::system("pactl info >/dev/null 2>&1") == 0;
}

TEST(LiveSoundTest, ANoteOnTheBuiltInSynthesizerReachesTheSoundServer) {
    if (!std::getenv("MOTIVICA_LIVE_SOUND_TEST"))
        GTEST_SKIP() << "set MOTIVICA_LIVE_SOUND_TEST and PULSE_SERVER to hear the synthesizer";
    ASSERT_TRUE(soundServerReachable()) << "no sound server answers pactl";
    ASSERT_TRUE(findSoundfont()) << "no General MIDI soundfont on this machine";

    // three seconds from the moment the recorder hears the output
    TRecorder recorder(3 * RATE);
    ASSERT_TRUE(recorder.opened());
    ASSERT_TRUE(recorder.waitUntilRecording(10s)) << "the recorder got nothing";
    std::this_thread::sleep_for(300ms);
    size_t struck = 0;
    {
        TPlayer player;
        const auto opening = std::chrono::steady_clock::now();
        ASSERT_NO_THROW(player.openDevice(0));
        EXPECT_LT(std::chrono::steady_clock::now() - opening, 1s) << "opening blocks the caller";
        player.waitUntilReady();
        // anything before this was not our note (another test may have sounded)
        struck = recorder.heardSoFar();
        player.noteOn(0, 67, 100);  // G4 on the piano
        std::this_thread::sleep_for(800ms);
        player.noteOff(0, 67, 0);
    }
    const std::vector<int16_t> recorded = recorder.finish();

    ASSERT_GT(recorded.size(), static_cast<size_t>(RATE)) << "the recorder took next to nothing";
    size_t onset = struck;
    while (onset < recorded.size() && std::abs(int(recorded[onset])) < 500)
        ++onset;
    ASSERT_LT(onset, recorded.size()) << "the note was not heard";
    // after the attack, the strongest semitone over two octaves either side is the one played
    const size_t from = onset + RATE * 5 / 100;
    const size_t to = std::min(recorded.size(), onset + RATE * 60 / 100);
    ASSERT_GT(to, from + RATE / 4);
    EXPECT_EQ(strongestKey(recorded, 1, RATE, from, to, 43, 91), 67);
}

}  // namespace
