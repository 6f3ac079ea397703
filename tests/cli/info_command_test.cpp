#include "cli/info_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_args.h"
#include "cli/new_command.h"
#include "support/scratch_folder.h"

TEST(InfoCommandTest, DescribesANewComposition) {
    TScratchFolder folder("info");
    const std::string file = folder.path("a.tnr");
    std::ostringstream out, err;
    ASSERT_EQ(runNewCommand({"--key", "-3", "--mode", "major", "--meter", "3/8", "--anacrusis",
                             "30", "--tempo", "115", "--no-chords", "-o", file},
                            out, err),
              0);
    ASSERT_EQ(runInfoCommand({file}, out, err), 0);
    EXPECT_EQ(out.str(), "File: " + file +
                             "\n"
                             "Key: 3 flats, major\n"
                             "Meter: 3/8\n"
                             "Anacrusis: 30\n"
                             "Tempo: 115\n"
                             "Structure: (Sentence-1 (PHRASE-A (2) + PHRASE-B (2))) + (Sentence-2 "
                             "(PHRASE-B1 (2) + PHRASE-A1 (2)))\n"
                             "Motives: 8\n");

    std::ostringstream out2;
    ASSERT_EQ(runNewCommand({"--key", "1", "-o", file}, out2, err), 0);
    out2.str("");
    ASSERT_EQ(runInfoCommand({file}, out2, err), 0);
    EXPECT_NE(out2.str().find("Key: 1 sharp, minor\nMeter: 2/4\nAnacrusis: 60\n"),
              std::string::npos);

    const std::string missing = folder.path("missing.tnr");
    try {
        runInfoCommand({missing}, out, err);
        ADD_FAILURE() << "a missing file must fail";
    } catch (const TCommandError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to open file: " + missing);
    }
    EXPECT_THROW(runInfoCommand({}, out, err), TUsageError);
}
