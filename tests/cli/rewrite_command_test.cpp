#include "cli/rewrite_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_args.h"
#include "support/scratch_folder.h"

TEST(RewriteCommand, WritesTheProgramsOwnLayout) {
    TScratchFolder dir("rewrite");
    dir.write("in.tnr",
              "<SONG>\r\n<KEY SIGN=\"1\" LAD=\"MINOR\"/><!-- note -->\r\n<TEMP VALUE=\"90\"/>"
              "<SENTENCE><PHRASE SUFFIX=\"x\"><MOTIVE><NOTES><NOTE PITCH=\"20\" TIME=\"0\" "
              "DURATION=\"QUARTER\"/></NOTES></MOTIVE></PHRASE></SENTENCE></SONG>");
    std::ostringstream out, err;
    EXPECT_EQ(runRewriteCommand({dir.path("in.tnr"), "-o", dir.path("out.tnr")}, out, err), 0);
    EXPECT_EQ(dir.read("out.tnr"),
              "<PERIOD>\n"
              "    <MEASURE BEATS_PER_MEASURE=\"2\" BEAT_VALUE=\"QUARTER\"/>\n"
              "    <KEY LAD=\"MINOR\" SIGN=\"1\"/>\n"
              "    <TEMP VALUE=\"90\"/>\n"
              "    <MOTIVE_TYPE VALUE=\"0\"/>\n"
              "    <SENTENCE>\n"
              "        <PHRASE SUFFIX=\"A\">\n"
              "            <MOTIVE>\n"
              "                <CHORDS>\n"
              "                </CHORDS>\n"
              "                <NOTES>\n"
              "                    <NOTE TIME=\"0\" PITCH=\"20\" DURATION=\"QUARTER\" "
              "SIGN=\"NONE\" CHORDING_NOTE=\"YES\"/>\n"
              "                </NOTES>\n"
              "            </MOTIVE>\n"
              "        </PHRASE>\n"
              "    </SENTENCE>\n"
              "</PERIOD>");
    EXPECT_TRUE(out.str().empty());
}

TEST(RewriteCommand, ReportsFilesThatCannotBeReadOrWritten) {
    TScratchFolder dir("rewrite");
    std::ostringstream out, err;
    try {
        runRewriteCommand({dir.path("none.tnr"), "-o", dir.path("out.tnr")}, out, err);
        FAIL() << "no error";
    } catch (const TCommandError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to open file: " + dir.path("none.tnr"));
    }
    dir.write("bad.tnr",
              "<PERIOD><NOTE PITCH=\"x\"/><SENTENCE><PHRASE><MOTIVE><NOTES>"
              "<NOTE PITCH=\"x\"/></NOTES></MOTIVE></PHRASE></SENTENCE>"
              "</PERIOD>");
    EXPECT_THROW(runRewriteCommand({dir.path("bad.tnr"), "-o", dir.path("out.tnr")}, out, err),
                 TCommandError);
    EXPECT_FALSE(std::filesystem::exists(dir.path("out.tnr")));
    dir.write("ok.tnr", "<PERIOD/>");
    EXPECT_THROW(runRewriteCommand({dir.path("ok.tnr"), "-o", dir.path("no/out.tnr")}, out, err),
                 TCommandError);
}

TEST(RewriteCommand, RefusesBadArguments) {
    std::ostringstream out, err;
    EXPECT_THROW(runRewriteCommand({"in.tnr"}, out, err), TUsageError);
    EXPECT_THROW(runRewriteCommand({"-o", "out.tnr"}, out, err), TUsageError);
    EXPECT_THROW(runRewriteCommand({"a.tnr", "b.tnr", "-o", "out.tnr"}, out, err), TUsageError);
    EXPECT_THROW(runRewriteCommand({"a.tnr", "--bogus", "-o", "out.tnr"}, out, err), TUsageError);
    EXPECT_EQ(runRewriteCommand({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("rewrite IN.tnr -o OUT.tnr"), std::string::npos);
}
