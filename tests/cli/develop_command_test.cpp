#include "cli/develop_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_args.h"
#include "command_test_fixture.h"
#include "development/ways.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/document.h"

namespace {

class DevelopCommandTest : public TCommandTest<runDevelopCommand> {};

const std::string HEAD =
    "<PERIOD>\n"
    "    <MEASURE BEATS_PER_MEASURE=\"2\" BEAT_VALUE=\"QUARTER\"/>\n"
    "    <KEY LAD=\"MAJOR\" SIGN=\"0\"/>\n"
    "    <TEMP VALUE=\"130\"/>\n"
    "    <MOTIVE_TYPE VALUE=\"0\"/>\n";

const std::string TONIC_CHORD =
    "                    <CHORD CHORD_TYPE=\"TONIC_THREE_CHORD\" TIME=\"0\" BASS=\"6\" "
    "TENOR=\"20\" ALT=\"22\" SOPRANO=\"24\"/>\n";

std::string note(int time, int pitch, bool chording) {
    return "                    <NOTE TIME=\"" + std::to_string(time) + "\" PITCH=\"" +
           std::to_string(pitch) + "\" DURATION=\"QUARTER\" SIGN=\"NONE\" CHORDING_NOTE=\"" +
           (chording ? "YES" : "NO") + "\"/>\n";
}

// A motive of two quarters with the given chord lines.
std::string motive(int first, int second, bool firstChording, bool secondChording,
                   const std::string& chords = "") {
    return "            <MOTIVE>\n"
           "                <CHORDS>\n" +
           chords +
           "                </CHORDS>\n"
           "                <NOTES>\n" +
           note(0, first, firstChording) + note(120, second, secondChording) +
           "                </NOTES>\n"
           "            </MOTIVE>\n";
}

std::string document(const std::string& motives) {
    return HEAD +
           "    <SENTENCE>\n"
           "        <PHRASE SUFFIX=\"A\">\n" +
           motives +
           "        </PHRASE>\n"
           "    </SENTENCE>\n"
           "</PERIOD>";
}

// Motive 0: C and E without chords; motive 1: G and C over the tonic.
std::string twoMotives() {
    return document(motive(20, 22, false, false) + motive(24, 27, true, true, TONIC_CHORD));
}

}  // namespace

TEST_F(DevelopCommandTest, SequenceUpWritesTheThreePanesInTheSourcesFrame) {
    const std::string in = write("in.tnr", document(motive(20, 33, false, true, TONIC_CHORD)));
    ASSERT_EQ(run({in, "--motive", "0", "--way", "0", "-o", path("out.tnr")}), 0);
    // one, two and three steps up; 35 and 36 lie above the range, so those notes go down; the
    // variants have no chords and count every note as a chord tone
    EXPECT_EQ(read("out.tnr"), document(motive(21, 34, true, true) + motive(22, 31, true, true) +
                                        motive(23, 30, true, true)));
    // the caption names the same way
    ASSERT_EQ(run({in, "--motive", "0", "--way", "Sequence Up", "-o", path("named.tnr")}), 0);
    EXPECT_EQ(read("named.tnr"), read("out.tnr"));
}

TEST_F(DevelopCommandTest, RelativeWayWaitsForChordsAndThenGenerates) {
    const std::string in = write("in.tnr", twoMotives());
    {
        SCOPED_TRACE("without chords the panes show the source");
        ASSERT_EQ(run({in, "--motive", "0", "--way", "Rel. Repeat", "-o", path("wait.tnr")}), 0);
        const std::string source = motive(20, 22, false, false);
        EXPECT_EQ(read("wait.tnr"), document(source + source + source));
    }
    {
        SCOPED_TRACE("the chords of motive 1 chosen in the first pane");
        ASSERT_EQ(
            run({in, "--motive", "0", "--way", "10", "--chords-from", "1", "-o", path("out.tnr")}),
            0);
        // the reference C (20) as it is, an octave higher and an octave lower, each rising one
        // chord tone as the source's pair does
        EXPECT_EQ(read("out.tnr"), document(motive(20, 22, true, true, TONIC_CHORD) +
                                            motive(27, 29, true, true, TONIC_CHORD) +
                                            motive(13, 15, true, true, TONIC_CHORD)));
    }
}

TEST_F(DevelopCommandTest, MoreIsPressedFromTheInitialState) {
    const std::string in = write("in.tnr", twoMotives());
    motivicaRand();  // the command starts from the initial state whatever came before
    ASSERT_EQ(
        run({in, "--motive", "1", "--way", "Variation", "--more", "2", "-o", path("out.tnr")}), 0);
    ASSERT_EQ(run({in, "--motive", "1", "--way", "2", "-o", path("once.tnr")}), 0);
    EXPECT_NE(read("out.tnr"), read("once.tnr"));

    // the same presses made on the engine in this process
    TPeriodData period;
    ASSERT_TRUE(readDocument(period, in));
    resetMotivicaRand();
    const TScheme scheme;
    const auto way = createWay(2, scheme.chordSet());
    way->setFrame(period.measure, period.key, period.anacrusis);
    way->acceptMotive(period.motiveAt(period.motiveAddresses()[1]));
    way->moreEffect();
    way->moreEffect();
    TPeriodData written;
    ASSERT_TRUE(readDocument(written, path("out.tnr")));
    EXPECT_EQ(written.tempo(), 130);
    ASSERT_EQ(written.sentences.size(), 1u);
    ASSERT_EQ(written.sentences[0].phrases.size(), 1u);
    EXPECT_EQ(written.sentences[0].phrases[0].letter, 5);
    ASSERT_EQ(written.sentences[0].phrases[0].motives.size(), 3u);
    for (int i = 0; i < PANE_COUNT; ++i)
        EXPECT_EQ(written.sentences[0].phrases[0].motives[size_t(i)], way->pane(i));
}

TEST_F(DevelopCommandTest, WayWithoutVariantsWritesEmptyMotives) {
    const std::string in = write("in.tnr", document("            <MOTIVE>\n"
                                                    "                <CHORDS>\n"
                                                    "                </CHORDS>\n"
                                                    "                <NOTES>\n" +
                                                    note(0, 20, true) +
                                                    "                </NOTES>\n"
                                                    "            </MOTIVE>\n"));
    ASSERT_EQ(run({in, "--motive", "0", "--way", "Parts", "-o", path("out.tnr")}), 0);
    TPeriodData written;
    ASSERT_TRUE(readDocument(written, path("out.tnr")));
    ASSERT_EQ(written.motiveCount(), 3u);
    for (const TMotiveAddress& a : written.motiveAddresses())
        EXPECT_TRUE(written.motiveAt(a).isEmpty());
}

TEST_F(DevelopCommandTest, BadArguments) {
    const std::string in = write("in.tnr", twoMotives());
    const std::string out = path("out.tnr");
    EXPECT_THROW(run({in, "--motive", "0", "-o", out}), TUsageError);
    EXPECT_THROW(run({in, "--way", "0", "-o", out}), TUsageError);
    EXPECT_THROW(run({in, "--motive", "0", "--way", "0"}), TUsageError);
    EXPECT_THROW(run({in, "--motive", "2", "--way", "0", "-o", out}), TUsageError);
    EXPECT_THROW(run({in, "--motive", "0", "--way", "13", "-o", out}), TUsageError);
    EXPECT_THROW(run({in, "--motive", "0", "--way", "rel. parts", "-o", out}), TUsageError);
    EXPECT_THROW(run({in, "--motive", "0", "--way", "7", "--chords-from", "5", "-o", out}),
                 TUsageError);
    // "more" only where the way has the button
    EXPECT_THROW(run({in, "--motive", "0", "--way", "Sequence Up", "--more", "1", "-o", out}),
                 TUsageError);
    EXPECT_THROW(run({in, "--motive", "0", "--way", "Rel. Other", "--more", "0", "-o", out}),
                 TUsageError);
    EXPECT_THROW(run({in, "--motive", "0", "--way", "Rhythm", "--more", "-1", "-o", out}),
                 TUsageError);
    EXPECT_THROW(run({path("missing.tnr"), "--motive", "0", "--way", "0", "-o", out}),
                 TCommandError);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out_.str().find("develop IN.tnr --motive K --way W"), std::string::npos);
}
