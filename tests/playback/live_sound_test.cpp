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
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "playback/fluid_synth_engine.h"
#include "playback/fluid_synth_port.h"
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

namespace {

// The first sample at or after `from` louder than the silence around it; the recording's end
// when there is none.
size_t onsetAfter(const std::vector<int16_t>& recorded, size_t from) {
    size_t i = from;
    while (i < recorded.size() && std::abs(int(recorded[i])) < 500)
        ++i;
    return i;
}

}  // namespace

// Left alone, the synthesizer lets go of the sound server; the next notes open it again and are
// heard whole, about as soon as notes sent while it was open.
TEST(LiveSoundTest, AnIdleSynthesizerLetsGoOfTheServerAndComesBackForTheNextNotes) {
    if (!std::getenv("MOTIVICA_LIVE_SOUND_TEST"))
        GTEST_SKIP() << "set MOTIVICA_LIVE_SOUND_TEST and PULSE_SERVER to hear the synthesizer";
    ASSERT_TRUE(soundServerReachable()) << "no sound server answers pactl";
    const std::optional<std::string> soundfont = findSoundfont();
    ASSERT_TRUE(soundfont) << "no General MIDI soundfont on this machine";

    TRecorder recorder(9 * RATE);
    ASSERT_TRUE(recorder.opened());
    ASSERT_TRUE(recorder.waitUntilRecording(10s)) << "the recorder got nothing";
    std::unique_ptr<TFluidSynthPort> port = TFluidSynthPort::open(*soundfont);
    ASSERT_NE(port, nullptr);
    port->waitUntilReady();
    port->setIdleAfter(500ms);

    // nothing has played: the output is not held
    EXPECT_FALSE(port->outputOpen());
    port->sendShortMessage(0xC0 | 0 << 8);
    EXPECT_FALSE(port->outputOpen()) << "a program change opened the output";
    // warm: a note while the output is open after the one before
    port->sendShortMessage(0x90 | 72 << 8 | 1 << 16);
    std::this_thread::sleep_for(100ms);
    port->sendShortMessage(0x80 | 72 << 8);
    const size_t warmSent = recorder.heardSoFar();
    port->sendShortMessage(0x90 | 67 << 8 | 100 << 16);
    std::this_thread::sleep_for(400ms);
    port->sendShortMessage(0x80 | 67 << 8);
    // the note decays, the half second passes, the output goes
    const auto released = std::chrono::steady_clock::now();
    while (port->outputOpen() && std::chrono::steady_clock::now() - released < 5s)
        std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(port->outputOpen()) << "the silent synthesizer kept the output";
    std::this_thread::sleep_for(300ms);

    // cold: a C major chord opens it again, every note of it heard
    const size_t coldSent = recorder.heardSoFar();
    for (int key : {60, 64, 67})
        port->sendShortMessage(0x90 | key << 8 | 100 << 16);
    EXPECT_TRUE(port->outputOpen());
    std::this_thread::sleep_for(900ms);
    for (int key : {60, 64, 67})
        port->sendShortMessage(0x80 | key << 8);
    std::this_thread::sleep_for(300ms);
    port.reset();
    const std::vector<int16_t> recorded = recorder.finish();

    const size_t warm = onsetAfter(recorded, warmSent);
    const size_t cold = onsetAfter(recorded, coldSent);
    ASSERT_LT(warm, coldSent) << "the note before the idle time was not heard";
    ASSERT_LT(cold, recorded.size()) << "the chord after the idle time was not heard";
    const double warmMs = 1000.0 * double(warm - warmSent) / RATE;
    const double coldMs = 1000.0 * double(cold - coldSent) / RATE;
    std::printf("first sound after the note-on: warm %.1f ms, cold %.1f ms\n", warmMs, coldMs);
    // what the recorder adds is the same for both; a reopened output must not be much later
    EXPECT_LT(coldMs - warmMs, 40.0);
    // the chord sounds whole: each of its notes stands out over the keys around them
    const size_t from = cold + RATE * 5 / 100;
    const size_t to = std::min(recorded.size(), cold + RATE * 80 / 100);
    ASSERT_GT(to, from + RATE / 4);
    for (int key : {60, 64, 67}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(strongestKey(recorded, 1, RATE, from, to, key - 1, key + 1), key);
    }
}
