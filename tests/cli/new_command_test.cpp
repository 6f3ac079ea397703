#include "cli/new_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_args.h"
#include "command_test_fixture.h"
#include "model/document.h"

namespace {

class NewCommandTest : public TCommandTest<runNewCommand> {
  protected:
    // The exit status as main() would give it.
    int run(std::vector<std::string> args) {
        std::ostringstream out, err;
        try {
            return runNewCommand(args, out, err);
        } catch (const TUsageError&) {
            return 2;
        } catch (const TCommandError&) {
            return 1;
        }
    }
};

const char* const EMPTY_MOTIVE =
    "            <MOTIVE>\n"
    "                <CHORDS>\n"
    "                </CHORDS>\n"
    "                <NOTES>\n"
    "                </NOTES>\n"
    "            </MOTIVE>\n";

}  // namespace

TEST_F(NewCommandTest, WritesTheShapeOfTemplateAndLetterScheme) {
    ASSERT_EQ(run({"--template", "5", "--letters", "2", "--key", "0", "--mode", "major",
                   "--anacrusis", "0", "--tempo", "130", "--no-chords", "-o", path("a.tnr")}),
              0);
    const std::string expected =
        std::string(
            "<PERIOD>\n"
            "    <MEASURE BEATS_PER_MEASURE=\"2\" BEAT_VALUE=\"QUARTER\"/>\n"
            "    <KEY LAD=\"MAJOR\" SIGN=\"0\"/>\n"
            "    <TEMP VALUE=\"130\"/>\n"
            "    <MOTIVE_TYPE VALUE=\"0\"/>\n"
            "    <SENTENCE>\n"
            "        <PHRASE SUFFIX=\"A\">\n") +
        EMPTY_MOTIVE + EMPTY_MOTIVE +
        "        </PHRASE>\n"
        "        <PHRASE SUFFIX=\"B\">\n" +
        EMPTY_MOTIVE + EMPTY_MOTIVE +
        "        </PHRASE>\n"
        "    </SENTENCE>\n"
        "</PERIOD>";
    EXPECT_EQ(read("a.tnr"), expected);
}

TEST_F(NewCommandTest, DefaultsGiveTheFirstMotiveChords) {
    ASSERT_EQ(run({"-o", path("a.tnr")}), 0);
    TPeriodData period;
    ASSERT_TRUE(readDocument(period, path("a.tnr")));
    EXPECT_EQ(period.key, TKey(1, MINOR));
    EXPECT_EQ(period.measure, TMeasure(2, QUARTER));
    EXPECT_EQ(period.anacrusis, 60);
    EXPECT_EQ(period.tempo(), 100);
    ASSERT_EQ(period.sentences.size(), 2u);
    std::vector<int> letters;
    for (const TSentenceData& s : period.sentences)
        for (const TPhraseData& p : s.phrases) {
            letters.push_back(p.letter);
            EXPECT_EQ(p.motives.size(), 2u);
        }
    EXPECT_EQ(letters, (std::vector<int>{5, 6, 11, 10}));  // A, B, B1, A1

    const auto addresses = period.motiveAddresses();
    const TMotive& first = period.motiveAt(addresses.front());
    // with an anacrusis the motive touches two measures: one chord each, arranged
    ASSERT_EQ(first.chords.size(), 2u);
    EXPECT_EQ(first.chords[0].time, 0);
    EXPECT_EQ(first.chords[1].time, 240);
    for (const TChord& c : first.chords) {
        EXPECT_TRUE(c.hasType());
        EXPECT_TRUE(c.isArranged());
    }
    for (size_t i = 1; i < addresses.size(); ++i)
        EXPECT_TRUE(period.motiveAt(addresses[i]).isEmpty());

    // the generator starts afresh every time: the same command writes the same bytes
    ASSERT_EQ(run({"-o", path("b.tnr")}), 0);
    EXPECT_EQ(read("a.tnr"), read("b.tnr"));

    ASSERT_EQ(run({"--no-chords", "-o", path("c.tnr")}), 0);
    TPeriodData bare;
    ASSERT_TRUE(readDocument(bare, path("c.tnr")));
    EXPECT_TRUE(bare.motiveAt(bare.motiveAddresses().front()).chords.empty());
}

TEST_F(NewCommandTest, RefusesBadArguments) {
    const std::string out = path("x.tnr");
    EXPECT_EQ(run({}), 2);  // no output file
    EXPECT_EQ(run({"--template", "8", "-o", out}), 2);
    EXPECT_EQ(run({"--letters", "0", "-o", out}), 2);
    EXPECT_EQ(run({"--key", "8", "-o", out}), 2);
    EXPECT_EQ(run({"--mode", "dorian", "-o", out}), 2);
    EXPECT_EQ(run({"--meter", "4/4", "-o", out}), 2);
    EXPECT_EQ(run({"--anacrusis", "45", "-o", out}), 2);
    EXPECT_EQ(run({"--anacrusis", "240", "-o", out}), 2);  // a whole 2/4 measure
    EXPECT_EQ(run({"--tempo", "151", "-o", out}), 2);
    EXPECT_EQ(run({"extra", "-o", out}), 2);
    EXPECT_FALSE(std::filesystem::exists(out));
    // 3/8 allows anacruses up to 150
    EXPECT_EQ(run({"--meter", "3/8", "--anacrusis", "150", "-o", out}), 0);
    EXPECT_EQ(run({"-o", path("missing/dir/x.tnr")}), 1);
}
