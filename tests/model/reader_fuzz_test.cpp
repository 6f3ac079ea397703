// Mutated inputs for the document and configuration readers: each must end in a clean failure or
// in a model the program can write and read back, never in a crash, a hang or a sanitizer
// report. The run is bounded and seeded so that a failure repeats; MOTIVICA_FUZZ_ITERATIONS
// makes longer runs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/config.h"
#include "model/conversion_error.h"
#include "model/document.h"
#include "model/xml_document.h"
#include "support/reader_fuzz_mutator.h"
#include "support/scratch_folder.h"

namespace {

const std::string DATA = std::string(MOTIVICA_DATA_DIR) + "/";

const char* const DOCUMENT_SEED =
    "<PERIOD>\n"
    "    <MEASURE BEATS_PER_MEASURE=\"3\" BEAT_VALUE=\"EIGHTH\"/>\n"
    "    <KEY LAD=\"MINOR\" SIGN=\"-2\"/>\n"
    "    <TEMP VALUE=\"100\"/>\n"
    "    <MOTIVE_TYPE VALUE=\"SIXTEENTH\"/>\n"
    "    <SENTENCE>\n"
    "        <PHRASE SUFFIX=\"B1\">\n"
    "            <MOTIVE>\n"
    "                <CHORDS>\n"
    "                    <CHORD CHORD_TYPE=\"TONIC_THREE_CHORD\" TIME=\"0\" BASS=\"6\" "
    "TENOR=\"15\" ALT=\"17\" SOPRANO=\"20\"/>\n"
    "                    <CHORD CHORD_TYPE=\"DOMINANT_THREE_CHORD\" TIME=\"180\" BASS=\"-1\" "
    "TENOR=\"-1\" ALT=\"-1\" SOPRANO=\"-1\"/>\n"
    "                </CHORDS>\n"
    "                <NOTES>\n"
    "                    <NOTE TIME=\"0\" PITCH=\"20\" DURATION=\"QUARTER\" SIGN=\"NONE\" "
    "CHORDING_NOTE=\"YES\"/>\n"
    "                    <NOTE TIME=\"120\" PITCH=\"-1\" DURATION=\"-60\" SIGN=\"SHARP\" "
    "CHORDING_NOTE=\"NO\"/>\n"
    "                </NOTES>\n"
    "            </MOTIVE>\n"
    "        </PHRASE>\n"
    "    </SENTENCE>\n"
    "</PERIOD>";

const char* const CONFIG_SEED =
    "<CONFIG>\n"
    "    <MIDI_DEVICE VALUE=\"1\"/>\n"
    "    <INSTRUMENT_SCHEME_NAME NAME=\"Default\"/>\n"
    "    <CURSOR_DELAY VALUE=\"5\"/>\n"
    "</CONFIG>";

// A document that reads must write a text that reads back to the same text.
void checkDocument(const std::string& text, int& models) {
    TXmlDocument xml;
    TPeriodData period;
    if (!xml.loadText(text))
        return;
    try {
        readXml(period, xml.documentElement());
    } catch (const TConversionError&) {
        return;  // the clean failure of a value that does not convert
    }
    const std::string written = documentText(period);
    TXmlDocument again;
    ASSERT_TRUE(again.loadText(written)) << written;
    TPeriodData back;
    ASSERT_NO_THROW(readXml(back, again.documentElement())) << written;
    ASSERT_EQ(documentText(back), written);
    ++models;
}

// The configuration reads only its own file, so each input goes through one.
void checkConfig(const std::string& text, const std::string& folder, int& models) {
    writeWholeFile(folder + TConfig::FILE_NAME, text);
    TConfig config(folder);
    TXmlDocument xml;
    if (!config.loadConfig(xml)) {
        ASSERT_EQ(config.midiDevice(), 0);
        ASSERT_EQ(config.instrumentSchemeName(), "");
        ASSERT_EQ(config.cursorDelay(), 4);
        return;
    }
    const int32_t device = config.midiDevice();
    const std::string name = config.instrumentSchemeName();
    const int32_t delay = config.cursorDelay();
    ASSERT_TRUE(config.saveConfig());
    TConfig back(folder);
    ASSERT_TRUE(back.loadConfig(xml)) << readWholeFile(config.path());
    ASSERT_EQ(back.midiDevice(), device);
    ASSERT_EQ(back.instrumentSchemeName(), name);
    ASSERT_EQ(back.cursorDelay(), delay);
    ++models;
}

}  // namespace

TEST(ReaderFuzz, DocumentReader) {
    const std::vector<std::string> seeds = {DOCUMENT_SEED, readWholeFile(DATA + "instruments.xml")};
    int models = 0;
    const int n = fuzzIterations(3000);
    ASSERT_NO_FATAL_FAILURE(fuzzReader(
        seeds, 20261209, n, [&](const std::string& text) { checkDocument(text, models); }));
    // the mutations must leave enough inputs readable to reach the model code
    EXPECT_GT(models, n / 20);
}

TEST(ReaderFuzz, ConfigurationReader) {
    TScratchFolder folder("fuzz");
    const std::vector<std::string> seeds = {CONFIG_SEED};
    int models = 0;
    const int n = fuzzIterations(600);
    ASSERT_NO_FATAL_FAILURE(fuzzReader(
        seeds, 77, n, [&](const std::string& text) { checkConfig(text, folder.base(), models); }));
    // the mutations must leave enough inputs readable to reach the model code
    EXPECT_GT(models, n / 20);
}
