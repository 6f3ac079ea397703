#include "cli/render_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_args.h"
#include "playback/fluid_synth_engine.h"
#include "playback_documents.h"
#include "support/pitch_analysis.h"
#include "support/scratch_folder.h"

namespace {

struct TWave {
    uint32_t sampleRate = 0;
    uint16_t channels = 0;
    uint16_t bits = 0;
    std::vector<int16_t> samples;
};

uint32_t littleEndian(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | b[at + i];
    return value;
}

TWave readWave(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    TWave wave;
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt " ||
        std::string(b.begin() + 36, b.begin() + 40) != "data" ||
        littleEndian(b, 4, 4) != b.size() - 8 || littleEndian(b, 40, 4) != b.size() - 44)
        return wave;
    wave.channels = static_cast<uint16_t>(littleEndian(b, 22, 2));
    wave.sampleRate = littleEndian(b, 24, 4);
    wave.bits = static_cast<uint16_t>(littleEndian(b, 34, 2));
    for (size_t at = 44; at + 1 < b.size(); at += 2)
        wave.samples.push_back(static_cast<int16_t>(littleEndian(b, at, 2)));
    return wave;
}

class RenderCommandTest : public ::testing::Test {
  protected:
    int run(const std::vector<std::string>& args) {
        out_.str("");
        return runRenderCommand(args, out_, err_);
    }
    TScratchFolder scratch_{"render_command"};
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(RenderCommandTest, MelodySoundsAtItsFirstNotesPitch) {
    if (!findSoundfont())
        GTEST_SKIP() << "no General MIDI soundfont on this machine";
    // G4 then C5, tempo 100: a quarter lasts 800 ms
    const std::string input = scratch_.write(
        "melody.tnr", tnrHead() +
                          tnrMotive("", tnrNote(0, 24, "QUARTER") + tnrNote(120, 27, "QUARTER")) +
                          TNR_TAIL);
    const std::string output = scratch_.path("melody.wav");
    const auto before = std::chrono::steady_clock::now();
    ASSERT_EQ(run({input, "-o", output}), 0);
    const auto took = std::chrono::steady_clock::now() - before;

    const TWave wave = readWave(output);
    ASSERT_EQ(wave.sampleRate, 44100u);
    ASSERT_EQ(wave.channels, 2);
    ASSERT_EQ(wave.bits, 16);
    const size_t frames = wave.samples.size() / 2;
    // two quarters and the tail
    EXPECT_NEAR(static_cast<double>(frames) / 44100, 1.6 + 1.5, 0.05);
    int loudest = 0;
    for (int16_t s : wave.samples)
        loudest = std::max(loudest, std::abs(int(s)));
    EXPECT_GT(loudest, 1000) << "silent";
    // far faster than the 3.1 s it lasts
    EXPECT_LT(took, std::chrono::milliseconds(3000));

    // within the first beat (skipping the attack), the strongest semitone is G4, key 67
    const size_t from = 44100 * 5 / 100;
    const size_t to = 44100 * 75 / 100;
    const int strongest = strongestKey(wave.samples, wave.channels, 44100, from, to, 36, 96);
    EXPECT_EQ(strongest, 67);
    // and in the second beat it is C5, key 72
    const auto secondBeat = [&wave](int key) {
        return frequencyPower(wave.samples, wave.channels, 44100, midiFrequency(key),
                              44100 * 85 / 100, 44100 * 155 / 100);
    };
    const double c5 = secondBeat(72);
    const double g4 = secondBeat(67);
    EXPECT_GT(c5, g4);
}

TEST_F(RenderCommandTest, ReportsBadInputAndUsage) {
    const std::string input =
        scratch_.write("in.tnr", tnrHead() + tnrMotive("", tnrNote(0, 20, "HALF")) + TNR_TAIL);
    EXPECT_THROW(run({input}), TUsageError);
    EXPECT_THROW(run({input, "-o", scratch_.path("x.wav"), "--soundfont", input}), TCommandError);
    EXPECT_THROW(run({scratch_.path("none.tnr"), "-o", scratch_.path("x.wav")}), TCommandError);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out_.str().find("Usage: motivica-cli render"), std::string::npos);
}

}  // namespace
