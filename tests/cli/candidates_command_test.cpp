#include "cli/candidates_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_args.h"
#include "command_test_fixture.h"

namespace {

class CandidatesCommandTest : public TCommandTest<runCandidatesCommand> {
  protected:
    void SetUp() override { in_ = write("in.tnr", DOCUMENT); }

    std::string run(const std::vector<std::string>& extra) {
        std::vector<std::string> args = {in_};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runCandidatesCommand(args, out, err), 0);
        return out.str();
    }

    // C major, 2/4: a tonic triad and a C quarter, then a quarter's room.
    static constexpr const char* DOCUMENT =
        "<PERIOD>\n"
        "    <MEASURE BEATS_PER_MEASURE=\"2\" BEAT_VALUE=\"QUARTER\"/>\n"
        "    <KEY LAD=\"MAJOR\" SIGN=\"0\"/>\n"
        "    <TEMP VALUE=\"100\"/>\n"
        "    <MOTIVE_TYPE VALUE=\"0\"/>\n"
        "    <SENTENCE>\n"
        "        <PHRASE SUFFIX=\"A\">\n"
        "            <MOTIVE>\n"
        "                <CHORDS>\n"
        "                    <CHORD CHORD_TYPE=\"TONIC_THREE_CHORD\" TIME=\"0\" BASS=\"6\" "
        "TENOR=\"20\" ALT=\"22\" SOPRANO=\"24\"/>\n"
        "                </CHORDS>\n"
        "                <NOTES>\n"
        "                    <NOTE TIME=\"0\" PITCH=\"20\" DURATION=\"QUARTER\" SIGN=\"NONE\" "
        "CHORDING_NOTE=\"YES\"/>\n"
        "                </NOTES>\n"
        "            </MOTIVE>\n"
        "            <MOTIVE>\n"
        "                <CHORDS>\n"
        "                </CHORDS>\n"
        "                <NOTES>\n"
        "                </NOTES>\n"
        "            </MOTIVE>\n"
        "        </PHRASE>\n"
        "    </SENTENCE>\n"
        "</PERIOD>";

    std::string in_;
};

}  // namespace

TEST_F(CandidatesCommandTest, TheClassicTurnsAfterAChordTone) {
    EXPECT_EQ(run({"--motive", "0", "--time", "120"}),
              "13 yes 30,60,90,120 3 0\n"
              "15 yes 30,60,90,120 2 0\n"
              "16 no 30,60,90,120 -1 0\n"
              "17 yes 30,60,90,120 1 0\n"
              "19 no 30,60,90,120 -1 0\n"
              "20 yes 30,60,90,120 0 0\n"
              "21 no 30,60,90,120 -1 0\n"
              "22 yes 30,60,90,120 1 0\n"
              "23 no 30,60,90,120 -1 0\n"
              "24 yes 30,60,90,120 2 0\n"
              "27 yes 30,60,90,120 3 0\n");
}

TEST_F(CandidatesCommandTest, EachModeAtTheBarLine) {
    SCOPED_TRACE("classic: the chord tones");
    EXPECT_EQ(run({"--motive", "0", "--time", "0", "--rhythm-mode", "2"}),
              "13 yes 120,240 -1 0\n"
              "15 yes 120,240 -1 0\n"
              "17 yes 120,240 -1 0\n"
              "20 yes 120,240 -1 0\n"
              "22 yes 120,240 -1 0\n"
              "24 yes 120,240 -1 0\n"
              "27 yes 120,240 -1 0\n"
              "29 yes 120,240 -1 0\n"
              "31 yes 120,240 -1 0\n"
              "34 yes 120,240 -1 0\n");
    SCOPED_TRACE("new way and all: every position");
    for (const char* mode : {"3", "4"}) {
        const std::string lines =
            run({"--motive", "0", "--time", "0", "--notes-mode", mode, "--rhythm-mode", "1"});
        EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 22);
        EXPECT_EQ(lines.substr(0, 27), "13 yes 60,120,180,240 -1 0\n");
        EXPECT_NE(lines.find("\n14 no 60,120,180,240 -1 0\n"), std::string::npos);
        EXPECT_EQ(lines.substr(lines.size() - 27), "34 yes 60,120,180,240 -1 0\n");
    }
    SCOPED_TRACE("a motive without chords: every position counts as a chord tone");
    const std::string bare = run({"--motive", "1", "--time", "60"});
    EXPECT_EQ(std::count(bare.begin(), bare.end(), '\n'), 22);
    EXPECT_EQ(bare.find(" no "), std::string::npos);
    EXPECT_EQ(bare.substr(0, 30), "13 yes 30,60,90,120,150,180 -1");
}

TEST_F(CandidatesCommandTest, TheSameRhythmOffersTheRestAfterTheNote) {
    // the motive's rhythm is 120, -120; at 120 the rest is due
    EXPECT_EQ(run({"--motive", "0", "--time", "120", "--rhythm-mode", "3"}), "20 no -120 -1 1\n");
    // in the middle of the rest only what remains of it
    EXPECT_EQ(run({"--motive", "0", "--time", "180", "--rhythm-mode", "3"}), "20 no -60 -1 -1\n");
}

TEST_F(CandidatesCommandTest, BadArguments) {
    std::ostringstream out;
    std::ostringstream err;
    auto call = [&](const std::vector<std::string>& args) {
        return runCandidatesCommand(args, out, err);
    };
    EXPECT_THROW(call({in_, "--motive", "0", "--time", "240"}), TUsageError);
    EXPECT_THROW(call({in_, "--motive", "0", "--time", "-30"}), TUsageError);
    EXPECT_THROW(call({in_, "--motive", "2", "--time", "0"}), TUsageError);
    EXPECT_THROW(call({in_, "--time", "0"}), TUsageError);
    EXPECT_THROW(call({in_, "--motive", "0"}), TUsageError);
    EXPECT_THROW(call({in_, "--motive", "0", "--time", "0", "--notes-mode", "5"}), TUsageError);
    EXPECT_THROW(call({in_, "--motive", "0", "--time", "0", "--rhythm-mode", "4"}), TUsageError);
    EXPECT_THROW(call({path("none.tnr"), "--motive", "0", "--time", "0"}), TCommandError);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(call({"--help"}), 0);
    EXPECT_NE(out.str().find("--notes-mode"), std::string::npos);
}
