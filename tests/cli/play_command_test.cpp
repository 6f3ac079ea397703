#include "cli/play_command.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <signal.h>

#include <map>
#include <sstream>
#include <thread>

#include "cli/cli_args.h"
#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/player.h"
#include "playback_documents.h"
#include "support/scratch_folder.h"

namespace {

using namespace std::chrono_literals;

TMotive melodyMotive(int32_t pitch) {
    TMotive motive(TKey(0, MAJOR), TMeasure(2, 120));
    TChord chord;
    chord.setVoicing(27, 24, 22, 13);
    motive.chords = {chord};
    motive.notes = {TNote(0, pitch, 120), TNote(120, pitch + 1, 120)};
    return motive;
}

// Every note struck is released afterwards, and nothing is released twice.
void expectBalanced(const std::vector<TCapturedMessage>& messages) {
    std::map<std::pair<int, int>, int> sounding;
    for (const TCapturedMessage& m : messages) {
        const int kind = m.bytes[0] & 0xF0;
        const std::pair<int, int> note{m.bytes[0] & 0x0F, m.bytes[1]};
        if (kind == 0x90) {
            ++sounding[note];
        } else if (kind == 0x80 && note.first != 9) {  // muted clicks are released unstruck
            EXPECT_GE(--sounding[note], 0) << note.first << ":" << note.second;
        }
    }
    for (const auto& [note, count] : sounding)
        EXPECT_EQ(count, 0) << note.first << ":" << note.second;
}

struct TCaptureRig {
    TCaptureLog log;
    TCaptureDevices devices{log};
    TPlayer player{devices};
    TInstrumentConf set;
    TCaptureRig() { player.openDevice(0); }
};

TEST(PlayCommandTest, PlaysToTheEndAnnouncingEachMotive) {
    TCaptureRig rig;
    std::ostringstream out;
    const auto before = std::chrono::steady_clock::now();
    // tempo 190: 10 ms a step, 160 ms a motive
    EXPECT_EQ(playInRealTime(rig.player, rig.set, {{3, melodyMotive(20)}, {4, melodyMotive(24)}},
                             190, out),
              0);
    EXPECT_GE(std::chrono::steady_clock::now() - before, 320ms);
    EXPECT_EQ(out.str(), "motive 3\nmotive 4\n");
    expectBalanced(rig.log.messages());
}

TEST(PlayCommandTest, StopsEarlyReleasingWhatSounds) {
    TCaptureRig rig;
    std::ostringstream out;
    const int released = playInRealTime(
        rig.player, rig.set, {{0, melodyMotive(20)}, {1, melodyMotive(24)}}, 190, out, 60ms);
    // the chord and the first note sound at 60 ms (the click is muted but released too)
    EXPECT_EQ(released, 6);
    EXPECT_EQ(out.str(), "motive 0\n");
    expectBalanced(rig.log.messages());
}

TEST(PlayCommandTest, CtrlCStopsAtOnce) {
    TCaptureRig rig;
    std::ostringstream out;
    const pthread_t self = pthread_self();
    std::thread interrupter([&] {
        // the first message proves SIGINT is held back and waited for
        while (rig.log.size() == 0)
            std::this_thread::sleep_for(1ms);
        std::this_thread::sleep_for(30ms);
        pthread_kill(self, SIGINT);
    });
    const auto before = std::chrono::steady_clock::now();
    const int released = playInRealTime(rig.player, rig.set,
                                        {{0, melodyMotive(20)}, {1, melodyMotive(24)}}, 190, out);
    interrupter.join();
    EXPECT_GT(released, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 250ms);
    expectBalanced(rig.log.messages());
}

TEST(PlayCommandTest, ReportsBadDevicesAndRanges) {
    TScratchFolder scratch("play_command");
    const std::string input =
        scratch.write("in.tnr", tnrHead() + tnrMotive(TNR_TONIC_CHORD, tnrNote(0, 20, "HALF")) +
                                    tnrMotive("", tnrNote(0, 22, "HALF")) + TNR_TAIL);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_THROW(runPlayCommand({input, "--from", "2"}, out, err), TUsageError);
    EXPECT_THROW(runPlayCommand({input, "--from", "1", "--to", "0"}, out, err), TUsageError);
    EXPECT_THROW(runPlayCommand({input, "--device", "-1"}, out, err), TUsageError);
    try {
        runPlayCommand({input, "--device", "32767"}, out, err);
        ADD_FAILURE() << "played on a device that does not exist";
    } catch (const TCommandError& e) {
        EXPECT_STREQ(e.what(), "Cannot open MIDI output device.");
    }
    EXPECT_THROW(runPlayCommand({scratch.path("none.tnr")}, out, err), TCommandError);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(runPlayCommand({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("Usage: motivica-cli play"), std::string::npos);
}

}  // namespace
