#include "cli/import_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_args.h"
#include "command_test_fixture.h"
#include "exchange/melody_import.h"
#include "model/document.h"

namespace {

class ImportCommandTest : public TCommandTest<runImportCommand> {};

// Two measures of 2/4 in C major; the second note lies outside the key.
const std::string SCORE =
    "<score-partwise version=\"3.1\"><part-list><score-part id=\"P1\"><part-name>M</part-name>"
    "</score-part></part-list><part id=\"P1\"><measure number=\"1\"><attributes><divisions>1"
    "</divisions><key><fifths>0</fifths><mode>major</mode></key><time><beats>2</beats>"
    "<beat-type>4</beat-type>"
    "</time></attributes><note><pitch><step>E</step><octave>5</octave></pitch><duration>1"
    "</duration></note><note><pitch><step>F</step><alter>1</alter><octave>5</octave></pitch>"
    "<duration>1</duration></note></measure><measure number=\"2\"><note><pitch><step>G</step>"
    "<octave>5</octave></pitch><duration>2</duration></note></measure></part></score-partwise>";

}  // namespace

TEST_F(ImportCommandTest, WritesTheCompositionAndPrintsTheReport) {
    const std::string in = write("tune.musicxml", SCORE);
    ASSERT_EQ(run({in, "-o", path("tune.tnr")}), 0);
    EXPECT_EQ(out_.str(), "Measure 1, beat 2: F♯5 outside C major; kept F5\n");
    TPeriodData period;
    ASSERT_TRUE(readDocument(period, path("tune.tnr")));
    // the document holds what the import makes of the file
    const TMelodyImport imported = importMelodyFile(in);
    EXPECT_EQ(documentText(period), documentText(imported.period));
    EXPECT_EQ(period.motiveCount(), 4u);
    for (const TMotiveAddress& a : period.motiveAddresses())
        EXPECT_TRUE(period.motiveAt(a).chords.empty());
}

TEST_F(ImportCommandTest, HarmonizeGivesEveryMotiveWithNotesItsChords) {
    const std::string in = write("tune.musicxml", SCORE);
    ASSERT_EQ(run({in, "-o", path("tune.tnr"), "--harmonize"}), 0);
    TPeriodData period;
    ASSERT_TRUE(readDocument(period, path("tune.tnr")));
    const TMotive& first = period.motiveAt({0, 0, 0});
    const TMotive& second = period.motiveAt({0, 0, 1});
    EXPECT_TRUE(first.hasAllChords());
    EXPECT_TRUE(second.hasAllChords());
    // the same run chooses the same chords
    ASSERT_EQ(run({in, "-o", path("again.tnr"), "--harmonize"}), 0);
    EXPECT_EQ(read("tune.tnr"), read("again.tnr"));
}

TEST_F(ImportCommandTest, BadInputIsOneLineAndWritesNothing) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"text.xml", "just words"},
        {"four.musicxml",
         [] {
             std::string four = SCORE;
             four.replace(four.find("<beats>2</beats>"), 16, "<beats>4</beats>");
             return four;
         }()},
        {"empty.mid", std::string("MThd\0\0\0\6\0\1\0\1\0\x78MTrk\0\0\0\4\0\xFF\x2F\0", 26)},
        {"cut.mid", std::string("MThd\0\0\0\6\0\1\0\1\0\x78MTrk\0\0\0\x40\0\x90", 24)},
    };
    for (const auto& [name, bytes] : cases) {
        const std::string in = write(name, bytes);
        try {
            run({in, "-o", path("out.tnr")});
            ADD_FAILURE() << name << " was imported";
        } catch (const TCommandError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
            EXPECT_EQ(message.rfind("Unable to import " + in + ": ", 0), 0u) << message;
        }
        EXPECT_FALSE(std::filesystem::exists(path("out.tnr"))) << name;
    }
    // a huge file is refused before it is read
    const std::string huge = write("huge.mid", "MThd");
    std::filesystem::resize_file(huge, LARGEST_IMPORTED_FILE + 1);
    try {
        run({huge, "-o", path("out.tnr")});
        ADD_FAILURE() << "a huge file was imported";
    } catch (const TCommandError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to import " + huge + ": " + huge +
                                             " is larger than 16 MB; no melody of a period is "
                                             "that large");
    }
    EXPECT_THROW(run({path("missing.mid"), "-o", path("out.tnr")}), TCommandError);
    EXPECT_FALSE(std::filesystem::exists(path("out.tnr")));
}

TEST_F(ImportCommandTest, RefusesToWriteOverItsInput) {
    const std::string in = write("tune.musicxml", SCORE);
    EXPECT_THROW(run({in, "-o", in}), TCommandError);
    EXPECT_EQ(read("tune.musicxml"), SCORE);
}

TEST_F(ImportCommandTest, OptionsAreChecked) {
    const std::string in = write("tune.musicxml", SCORE);
    EXPECT_THROW(run({in}), TUsageError);
    EXPECT_THROW(run({"-o", path("out.tnr")}), TUsageError);
    EXPECT_THROW(run({in, "-o", path("out.tnr"), "--part", "0"}), TUsageError);
    EXPECT_THROW(run({in, "-o", path("out.tnr"), "--track", "x"}), TUsageError);
    EXPECT_THROW(run({in, "-o", path("out.tnr"), "--colour"}), TUsageError);
    // a track of a score is no usage error but a file that does not have it
    EXPECT_THROW(run({in, "-o", path("out.tnr"), "--track", "1"}), TCommandError);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out_.str().find("--harmonize"), std::string::npos);
}
