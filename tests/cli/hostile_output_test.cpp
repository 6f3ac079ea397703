// The real command line program against outputs that are not plain files and against numbers
// no document may hold, as a user at a shell would meet them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/example_document.h"
#include "support/scratch_folder.h"

namespace {

const char* const DOCUMENT = EXAMPLE_DOCUMENT;

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

class HostileOutputTest : public ::testing::Test {
  protected:
    // Runs motivica-cli with the arguments (shell words, redirections included); the exit status,
    // with the error output kept for the messages.
    int cli(const std::string& arguments) {
        const std::string command = "MOTIVICA_HOME=" + quoted(scratch_.folder()) + " " +
                                    quoted(MOTIVICA_CLI) + " " + arguments + " 2>" +
                                    quoted(scratch_.path("err.txt"));
        const int status = std::system(command.c_str());
        err_ = scratch_.read("err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TScratchFolder scratch_{"hostile_output"};
    std::string err_;
};

TEST_F(HostileOutputTest, ACommandThatCannotPrintFails) {
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full here";
    const std::string input = quoted(scratch_.write("in.tnr", DOCUMENT));
    for (const std::string& arguments :
         {"info " + input, "candidates " + input + " --motive 0 --time 0", std::string("devices"),
          std::string("--help"), std::string("info --help")}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(cli(arguments + " >/dev/full"), 1);
        EXPECT_NE(err_.find("cannot write the standard output"), std::string::npos) << err_;
        EXPECT_EQ(cli(arguments + " >/dev/null"), 0) << err_;
    }
}

TEST_F(HostileOutputTest, AConversionNeverWritesOverItsInput) {
    const std::string input = scratch_.write("in.tnr", DOCUMENT);
    ASSERT_EQ(::symlink("in.tnr", scratch_.path("link.tnr").c_str()), 0);
    for (const std::string& arguments :
         {"export " + quoted(input) + " -o " + quoted(input),
          "export " + quoted(input) + " -o " + quoted(scratch_.path("link.tnr")),
          "export " + quoted(scratch_.path("link.tnr")) + " -o " + quoted(input),
          "render " + quoted(input) + " -o " + quoted(input)}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(cli(arguments), 1);
        EXPECT_NE(err_.find("Will not write over the input file"), std::string::npos) << err_;
        EXPECT_EQ(scratch_.read("in.tnr"), DOCUMENT);
    }
    // rewriting a document in place is what Save does, and stays allowed
    EXPECT_EQ(cli("rewrite " + quoted(input) + " -o " + quoted(input)), 0) << err_;
    EXPECT_EQ(scratch_.read("in.tnr"), DOCUMENT);
}

TEST_F(HostileOutputTest, OutputsThatAreNotPlainFilesKeepTheirKind) {
    const std::string input = quoted(scratch_.write("in.tnr", DOCUMENT));
    EXPECT_EQ(cli("export " + input + " -o /dev/null"), 0) << err_;
    struct stat st {};
    ASSERT_EQ(::lstat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    // a pipe read by another program, as `-o /dev/stdout | xxd` would be
    const std::string fifo = scratch_.path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string copy = quoted(scratch_.path("copy.tnr"));
    EXPECT_EQ(cli("rewrite " + input + " -o " + quoted(fifo) + " & cat " + quoted(fifo) + " >" +
                  copy + "; wait"),
              0);
    EXPECT_EQ(scratch_.read("copy.tnr"), DOCUMENT);
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(HostileOutputTest, NumbersNoDocumentMayHoldAreRefused) {
    const std::string text = DOCUMENT;
    const std::string first = "<NOTE TIME=\"0\"";
    ASSERT_NE(text.find(first), std::string::npos);
    for (const char* value : {"2147483648", "4294967296", "2147483647", "-2147483648"}) {
        SCOPED_TRACE(value);
        std::string bad = text;
        bad.replace(bad.find(first), first.size(), "<NOTE TIME=\"" + std::string(value) + "\"");
        const std::string input = quoted(scratch_.write("bad.tnr", bad));
        const std::string output = scratch_.path("out.tnr");
        std::filesystem::remove(output);
        for (const std::string& command :
             {"rewrite " + input + " -o " + quoted(output),
              "harmonize " + input + " -o " + quoted(output),
              "develop " + input + " --motive 0 --way 5 -o " + quoted(output),
              "export " + input + " -o " + quoted(output)}) {
            SCOPED_TRACE(command);
            EXPECT_EQ(cli(command), 1);
            EXPECT_NE(err_.find("Unable to open file"), std::string::npos) << err_;
            EXPECT_FALSE(std::filesystem::exists(output));
        }
    }
}

}  // namespace
