#include "cli/export_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_args.h"
#include "exchange/musicxml_writer.h"
#include "model/base_folder.h"
#include "model/document.h"
#include "playback/instrument_conf.h"
#include "playback_documents.h"
#include "support/scratch_folder.h"

namespace {

using TBytes = std::vector<uint8_t>;

TBytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const std::string TWO_MOTIVES =
    tnrHead() +
    tnrMotive(TNR_TONIC_CHORD, tnrNote(0, 20, "QUARTER") + tnrNote(120, 22, "QUARTER")) +
    tnrMotive(TNR_TONIC_CHORD, tnrNote(0, 24, "HALF")) + TNR_TAIL;

// Bytes written as hex pairs separated by blanks; "MM", "CC" and "BB" stand for the programs.
TBytes hexBytes(const std::string& text, uint8_t melody, uint8_t chord, uint8_t bass) {
    TBytes bytes;
    std::istringstream in(text);
    std::string pair;
    while (in >> pair) {
        if (pair == "MM")
            bytes.push_back(melody);
        else if (pair == "CC")
            bytes.push_back(chord);
        else if (pair == "BB")
            bytes.push_back(bass);
        else
            bytes.push_back(static_cast<uint8_t>(std::stoi(pair, nullptr, 16)));
    }
    return bytes;
}

TBytes expectedFile(uint8_t melody, uint8_t chord, uint8_t bass) {
    const std::string text =
        "4D 54 68 64 00 00 00 06 00 01 00 04 00 78 "
        // conductor: 2/4, no signs, 800000 microseconds a quarter
        "4D 54 72 6B 00 00 00 19 00 FF 58 04 02 02 18 08 00 FF 59 02 00 00 "
        "00 FF 51 03 0C 35 00 00 FF 2F 00 "
        // melody: C4 on the measure start (110), E4 (105), then G4 (110)
        "4D 54 72 6B 00 00 00 20 00 C0 MM 00 90 3C 6E 78 80 3C 6E 00 90 40 69 78 80 40 69 "
        "00 90 43 6E 81 70 80 43 6E 00 FF 2F 00 "
        // chords: struck, released and struck again at the junction, released at the end;
        // consecutive note-offs and note-ons share one status byte
        "4D 54 72 6B 00 00 00 31 00 C1 CC 00 91 48 5A 00 43 5A 00 40 5A "
        "81 70 81 48 5A 00 43 5A 00 40 5A 00 91 48 5A 00 43 5A 00 40 5A "
        "81 70 81 48 5A 00 43 5A 00 40 5A 00 FF 2F 00 "
        // bass
        "4D 54 72 6B 00 00 00 19 00 C2 BB 00 92 30 6E 81 70 82 30 6E 00 92 30 6E "
        "81 70 82 30 6E 00 FF 2F 00";
    return hexBytes(text, melody, chord, bass);
}

class ExportCommandTest : public ::testing::Test {
  protected:
    int run(const std::vector<std::string>& args) {
        out_.str("");
        return runExportCommand(args, out_, err_);
    }
    TScratchFolder scratch_{"export_command"};
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(ExportCommandTest, WritesThePeriodWithDefaultPrograms) {
    const std::string input = scratch_.write("in.tnr", TWO_MOTIVES);
    const std::string output = scratch_.path("out.mid");
    EXPECT_EQ(run({input, "-o", output}), 0);
    EXPECT_EQ(readBytes(output), expectedFile(1, 89, 32));
}

TEST_F(ExportCommandTest, TakesTheProgramsOfANamedSet) {
    // a set of the base folder, under a name nobody else uses
    const std::string name = "export-command-test-set";
    TInstrumentConf set;
    set.setMelodyVoice(73);
    set.setChordVoice(48);
    set.setBassVoice(33);
    std::filesystem::create_directories(instrumentSetFolder(baseFolder()));
    ASSERT_TRUE(saveInstrumentSet(set, name, baseFolder()));
    const std::string input = scratch_.write("in.tnr", TWO_MOTIVES);
    const std::string output = scratch_.path("out.mid");
    const int status = run({input, "-o", output, "--instruments", name});
    std::filesystem::remove(instrumentSetPath(baseFolder(), name));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(output), expectedFile(73, 48, 33));
}

TEST_F(ExportCommandTest, ReportsBadInputAndUsage) {
    const std::string input = scratch_.write("in.tnr", TWO_MOTIVES);
    EXPECT_THROW(run({input}), TUsageError);
    EXPECT_THROW(run({"-o", scratch_.path("x.mid")}), TUsageError);
    EXPECT_THROW(run({input, "-o", scratch_.path("x.mid"), "--instruments", "../up"}), TUsageError);
    EXPECT_THROW(run({scratch_.path("missing.tnr"), "-o", scratch_.path("x.mid")}), TCommandError);
    EXPECT_THROW(run({input, "-o", scratch_.path("x.mid"), "--instruments", "no-such-set-here"}),
                 TCommandError);
    EXPECT_THROW(run({input, "-o", scratch_.path("missing/x.mid")}), TCommandError);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out_.str().find("Usage: motivica-cli export"), std::string::npos);
}

TEST_F(ExportCommandTest, WritesAMusicXmlScoreWhenAsked) {
    const std::string input = scratch_.write("in.tnr", TWO_MOTIVES);
    const std::string output = scratch_.path("out.musicxml");
    EXPECT_EQ(run({input, "-o", output, "--format", "musicxml"}), 0);
    TPeriodData period;
    ASSERT_TRUE(readDocument(period, input));
    period.setName(input);  // titled after the document, as after Open
    EXPECT_EQ(readWholeFile(output), musicXmlText(period));

    // MIDI stays the default and can be named
    EXPECT_EQ(run({input, "-o", scratch_.path("named.mid"), "--format", "midi"}), 0);
    EXPECT_EQ(readBytes(scratch_.path("named.mid")), expectedFile(1, 89, 32));

    EXPECT_THROW(run({input, "-o", output, "--format", "svg"}), TUsageError);
    EXPECT_THROW(run({input, "-o", input, "--format", "musicxml"}), TCommandError);
    EXPECT_THROW(run({input, "-o", scratch_.path("missing/x.musicxml"), "--format", "musicxml"}),
                 TCommandError);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out_.str().find("--format musicxml"), std::string::npos);
}

TEST_F(ExportCommandTest, HandsAPdfScoreToTheRegisteredWriter) {
    const std::string input = scratch_.write("in.tnr", TWO_MOTIVES);
    const std::string output = scratch_.path("out.pdf");
    // this library draws nothing: without the desktop's writer a score cannot be made
    setPdfWriter(nullptr);
    try {
        run({input, "-o", output, "--format", "pdf"});
        ADD_FAILURE() << "no writer, yet no error";
    } catch (const TCommandError& e) {
        EXPECT_STREQ(e.what(), "PDF export needs the desktop build");
    }
    EXPECT_FALSE(std::filesystem::exists(output));

    std::vector<std::pair<std::string, std::string>> calls;
    size_t motives = 0;
    bool succeed = true;
    std::vector<bool> blackHeads;
    setPdfWriter([&](const TPeriodData& period, const std::string& path, bool black) {
        calls.emplace_back(period.name(), path);
        motives = period.motiveCount();
        blackHeads.push_back(black);
        return succeed;
    });
    EXPECT_EQ(run({input, "-o", output, "--format", "pdf"}), 0);
    // the period read from the document, named after it for the title
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], std::make_pair(input, output));
    EXPECT_EQ(motives, 2u);
    EXPECT_EQ(run({input, "-o", output, "--format", "pdf", "--black-heads"}), 0);
    EXPECT_EQ(blackHeads, (std::vector<bool>{false, true}));
    // black heads are a printed score's option only
    EXPECT_THROW(run({input, "-o", scratch_.path("out.mid"), "--black-heads"}), TUsageError);
    calls.pop_back();

    succeed = false;
    EXPECT_THROW(run({input, "-o", output, "--format", "pdf"}), TCommandError);
    // the input is never handed over as the output
    EXPECT_THROW(run({input, "-o", input, "--format", "pdf"}), TCommandError);
    EXPECT_EQ(calls.size(), 2u);
    setPdfWriter(nullptr);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out_.str().find("--format pdf"), std::string::npos);
}

}  // namespace
