#include "cli/harmonize_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>

#include "cli/cli_args.h"
#include "command_test_fixture.h"
#include "generation/chord_selection.h"
#include "generation/random.h"
#include "model/document.h"

namespace {

class HarmonizeCommandTest : public TCommandTest<runHarmonizeCommand> {};

const std::string HEAD =
    "<PERIOD>\n"
    "    <MEASURE BEATS_PER_MEASURE=\"2\" BEAT_VALUE=\"QUARTER\"/>\n"
    "    <KEY LAD=\"MAJOR\" SIGN=\"0\"/>\n"
    "    <TEMP VALUE=\"100\"/>\n";

const std::string ONE_MOTIVE_IN =
    HEAD +
    "    <MOTIVE_TYPE VALUE=\"0\"/>\n"
    "    <SENTENCE>\n"
    "        <PHRASE SUFFIX=\"A\">\n"
    "            <MOTIVE>\n"
    "                <CHORDS>\n"
    "                </CHORDS>\n"
    "                <NOTES>\n"
    "                    <NOTE TIME=\"0\" PITCH=\"20\" DURATION=\"QUARTER\" SIGN=\"NONE\" "
    "CHORDING_NOTE=\"NO\"/>\n"
    "                    <NOTE TIME=\"120\" PITCH=\"21\" DURATION=\"QUARTER\" SIGN=\"NONE\" "
    "CHORDING_NOTE=\"YES\"/>\n"
    "                </NOTES>\n"
    "            </MOTIVE>\n"
    "        </PHRASE>\n"
    "    </SENTENCE>\n"
    "</PERIOD>";

// The tonic triad voiced as without a preceding chord, and the flags recomputed against it.
const std::string ONE_MOTIVE_OUT =
    HEAD +
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
    "                    <NOTE TIME=\"120\" PITCH=\"21\" DURATION=\"QUARTER\" SIGN=\"NONE\" "
    "CHORDING_NOTE=\"NO\"/>\n"
    "                </NOTES>\n"
    "            </MOTIVE>\n"
    "        </PHRASE>\n"
    "    </SENTENCE>\n"
    "</PERIOD>";

std::string emptyMotive() {
    return "            <MOTIVE>\n"
           "                <CHORDS>\n"
           "                </CHORDS>\n"
           "                <NOTES>\n"
           "                    <NOTE TIME=\"180\" PITCH=\"24\" DURATION=\"EIGHTH\" SIGN=\"NONE\" "
           "CHORDING_NOTE=\"YES\"/>\n"
           "                    <NOTE TIME=\"240\" PITCH=\"20\" DURATION=\"POINTED_QUARTER\" "
           "SIGN=\"NONE\" CHORDING_NOTE=\"YES\"/>\n"
           "                </NOTES>\n"
           "            </MOTIVE>\n";
}

// Two sentences of one phrase of two motives each, with an eighth of anacrusis.
std::string twoSentences() {
    std::string text = HEAD + "    <MOTIVE_TYPE VALUE=\"EIGHTH\"/>\n";
    for (int s = 0; s < 2; ++s) {
        text += "    <SENTENCE>\n        <PHRASE SUFFIX=\"A\">\n";
        text += emptyMotive() + emptyMotive();
        text += "        </PHRASE>\n    </SENTENCE>\n";
    }
    return text + "</PERIOD>";
}

}  // namespace

TEST_F(HarmonizeCommandTest, WritesTheChosenChordsAndRecomputedFlags) {
    const std::string in = write("in.tnr", ONE_MOTIVE_IN);
    motivicaRand();  // the command starts from the initial state whatever came before
    EXPECT_EQ(run({in, "-o", path("out.tnr")}), 0);
    EXPECT_EQ(read("out.tnr"), ONE_MOTIVE_OUT);
}

TEST_F(HarmonizeCommandTest, HarmonisesInPeriodOrderWithThePreviousMotives) {
    const std::string in = write("in.tnr", twoSentences());
    ASSERT_EQ(run({in, "-o", path("all.tnr")}), 0);
    TPeriodData written;
    ASSERT_TRUE(readDocument(written, path("all.tnr")));
    const auto addresses = written.motiveAddresses();
    ASSERT_EQ(addresses.size(), 4u);
    for (size_t i = 0; i < addresses.size(); ++i) {
        SCOPED_TRACE(i);
        const TMotive& m = written.motiveAt(addresses[i]);
        ASSERT_EQ(m.chords.size(), 2u);
        EXPECT_EQ(m.chords[1].time, 240);
        for (const TNote& n : m.notes) {
            const TChord& c = n.time < 240 ? m.chords[0] : m.chords[1];
            EXPECT_EQ(n.chording, c.isChordTone(n.pitch, m.key));
        }
    }
    // the first motive opens on the dominant and resolves; the later ones carry the chord over
    EXPECT_EQ(written.motiveAt(addresses[0]).chords[0].type, TChordType::DOMINANT_THREE_CHORD);
    EXPECT_EQ(written.motiveAt(addresses[0]).chords[1].type, TChordType::TONIC_THREE_CHORD);
    for (size_t i = 1; i < addresses.size(); ++i) {
        const TChord& carried = written.motiveAt(addresses[i]).chords[0];
        const TChord& last = written.motiveAt(addresses[i - 1]).chords[1];
        EXPECT_EQ(carried.type, last.type);
        EXPECT_TRUE(carried.sameVoicing(last));
        EXPECT_EQ(carried.time, 0);
    }

    // the same as harmonising the read document in this process from the initial state
    TPeriodData expected;
    ASSERT_TRUE(readDocument(expected, in));
    std::vector<size_t> all(4);
    std::iota(all.begin(), all.end(), size_t{0});
    resetMotivicaRand();
    harmonizePeriod(expected, all, TScheme());
    ASSERT_TRUE(writeDocument(expected, path("expected.tnr")));
    EXPECT_EQ(read("all.tnr"), read("expected.tnr"));

    SCOPED_TRACE("named motives only, in the order given");
    ASSERT_EQ(run({in, "--motive", "2", "--motive", "1", "-o", path("some.tnr")}), 0);
    TPeriodData some;
    ASSERT_TRUE(readDocument(some, path("some.tnr")));
    EXPECT_TRUE(some.motiveAt(addresses[0]).chords.empty());
    EXPECT_TRUE(some.motiveAt(addresses[3]).chords.empty());
    // motive 2 follows a motive without chords: nothing to carry, so it starts on the dominant
    EXPECT_EQ(some.motiveAt(addresses[2]).chords[0].type, TChordType::DOMINANT_THREE_CHORD);
    EXPECT_EQ(some.motiveAt(addresses[1]).chords.size(), 2u);
}

TEST_F(HarmonizeCommandTest, BadArguments) {
    const std::string in = write("in.tnr", ONE_MOTIVE_IN);
    EXPECT_THROW(run({in}), TUsageError);
    EXPECT_THROW(run({"-o", path("out.tnr")}), TUsageError);
    EXPECT_THROW(run({in, "-o", path("out.tnr"), "--motive", "1"}), TUsageError);
    EXPECT_THROW(run({in, "-o", path("out.tnr"), "--motive", "x"}), TUsageError);
    EXPECT_THROW(run({in, "-o", path("out.tnr"), "--colour"}), TUsageError);
    EXPECT_THROW(run({path("missing.tnr"), "-o", path("out.tnr")}), TCommandError);
    EXPECT_FALSE(std::filesystem::exists(path("out.tnr")));
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out_.str().find("harmonize IN.tnr -o OUT.tnr"), std::string::npos);
}
