#include "model/config.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace {

const char* const DEFAULT_FILE =
    "<CONFIG>\n"
    "    <MIDI_DEVICE VALUE=\"0\"/>\n"
    "    <INSTRUMENT_SCHEME_NAME NAME=\"Default\"/>\n"
    "    <CURSOR_DELAY VALUE=\"5\"/>\n"
    "</CONFIG>";

}  // namespace

TEST(Config, StartsWithTheUnreadableValues) {
    TConfig config("/nowhere/");
    EXPECT_EQ(config.midiDevice(), 0);
    EXPECT_EQ(config.instrumentSchemeName(), "");
    EXPECT_EQ(config.cursorDelay(), 4);
    EXPECT_EQ(config.path(), "/nowhere/config.xml");
}

TEST(Config, FirstStartWritesTheDefaultsAndReadsThemBack) {
    TScratchFolder dir("config");
    TConfig config(dir.base());
    ASSERT_TRUE(config.createDefaultConfig());
    EXPECT_EQ(dir.read("config.xml"), DEFAULT_FILE);

    TConfig again(dir.base());
    TXmlDocument doc;
    ASSERT_TRUE(again.loadConfig(doc));
    EXPECT_EQ(again.midiDevice(), 0);
    EXPECT_EQ(again.instrumentSchemeName(), "Default");
    EXPECT_EQ(again.cursorDelay(), 5);
}

TEST(Config, AnExistingFileIsNotReplacedByTheDefaults) {
    TScratchFolder dir("config");
    const std::string mine = "<CONFIG>\n    <MIDI_DEVICE VALUE=\"3\"/>\n</CONFIG>";
    dir.write("config.xml", mine);
    TConfig config(dir.base());
    ASSERT_TRUE(config.createDefaultConfig());
    EXPECT_EQ(dir.read("config.xml"), mine);
    EXPECT_EQ(config.instrumentSchemeName(), "");  // nothing was set either
}

TEST(Config, ReadsEachElementInOrder) {
    TScratchFolder dir("config");
    dir.write("config.xml",
              "<ANY_NAME>\r\n"
              "    <MIDI_DEVICE VALUE=\"2\"/>\r\n"
              "    <UNKNOWN VALUE=\"x\"/>\r\n"
              "    <INSTRUMENT_SCHEME_NAME NAME=\"Strings\"/>\r\n"
              "    <CURSOR_DELAY/>\r\n"
              "    <MIDI_DEVICE VALUE=\"7\"/>\r\n"
              "</ANY_NAME>\r\n");
    TConfig config(dir.base());
    TXmlDocument doc;
    ASSERT_TRUE(config.loadConfig(doc));
    EXPECT_EQ(config.midiDevice(), 7);  // a later duplicate overrides
    EXPECT_EQ(config.instrumentSchemeName(), "Strings");
    EXPECT_EQ(config.cursorDelay(), 4);  // CURSOR_DELAY without VALUE
}

TEST(Config, MissingAttributesGiveTheirStatedValues) {
    TScratchFolder dir("config");
    dir.write("config.xml",
              "<CONFIG><MIDI_DEVICE/><INSTRUMENT_SCHEME_NAME/><CURSOR_DELAY VALUE=\"6\"/>"
              "</CONFIG>");
    TConfig config(dir.base());
    ASSERT_TRUE(config.createDefaultConfig());  // exists: nothing written, nothing set
    TXmlDocument doc;
    ASSERT_TRUE(config.loadConfig(doc));
    EXPECT_EQ(config.midiDevice(), 0);
    EXPECT_EQ(config.instrumentSchemeName(), "");
    EXPECT_EQ(config.cursorDelay(), 6);
}

TEST(Config, AnUnreadableFileGivesTheFallbackValuesAndIsNotRewritten) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"not XML", "this is not xml"},
        {"bad device", "<CONFIG><MIDI_DEVICE VALUE=\"one\"/></CONFIG>"},
        {"bad delay after good values",
         "<CONFIG><MIDI_DEVICE VALUE=\"3\"/><INSTRUMENT_SCHEME_NAME NAME=\"X\"/>"
         "<CURSOR_DELAY VALUE=\"5.5\"/></CONFIG>"},
    };
    for (const auto& [what, text] : cases) {
        SCOPED_TRACE(what);
        TScratchFolder dir("config");
        dir.write("config.xml", text);
        TConfig config(dir.base());
        ASSERT_TRUE(config.createDefaultConfig());
        TXmlDocument doc;
        EXPECT_FALSE(config.loadConfig(doc));
        EXPECT_EQ(config.midiDevice(), 0);
        EXPECT_EQ(config.instrumentSchemeName(), "");
        EXPECT_EQ(config.cursorDelay(), 4);
        EXPECT_EQ(dir.read("config.xml"), text);
    }
    TScratchFolder empty("config");
    TConfig config(empty.base());
    TXmlDocument doc;
    EXPECT_FALSE(config.loadConfig(doc));  // no file at all
    EXPECT_EQ(config.cursorDelay(), 4);
}

TEST(Config, ReadsALoadedTextLikeTheFile) {
    TConfig config("/nowhere/");
    TXmlDocument doc;
    ASSERT_TRUE(
        doc.loadText("<C><MIDI_DEVICE VALUE=\"3\"/><INSTRUMENT_SCHEME_NAME NAME=\"S\"/>"
                     "<CURSOR_DELAY VALUE=\"6\"/></C>"));
    ASSERT_TRUE(config.readConfig(doc.documentElement()));
    EXPECT_EQ(config.midiDevice(), 3);
    EXPECT_EQ(config.instrumentSchemeName(), "S");
    EXPECT_EQ(config.cursorDelay(), 6);

    ASSERT_TRUE(doc.loadText("<C><CURSOR_DELAY VALUE=\"x\"/></C>"));
    const TFileResult bad = config.readConfig(doc.documentElement());
    EXPECT_FALSE(bad);
    EXPECT_EQ(bad.path, "/nowhere/config.xml");
    EXPECT_EQ(config.midiDevice(), 0);
    EXPECT_EQ(config.instrumentSchemeName(), "");
    EXPECT_EQ(config.cursorDelay(), 4);
}

TEST(Config, SettersWriteAtOnce) {
    TScratchFolder dir("config");
    TConfig config(dir.base());
    ASSERT_TRUE(config.createDefaultConfig());
    ASSERT_TRUE(config.setMidiDevice(2));
    ASSERT_TRUE(config.setInstrumentSchemeName("Piano Trio"));
    ASSERT_TRUE(config.setCursorDelay(7));
    EXPECT_EQ(dir.read("config.xml"),
              "<CONFIG>\n"
              "    <MIDI_DEVICE VALUE=\"2\"/>\n"
              "    <INSTRUMENT_SCHEME_NAME NAME=\"Piano Trio\"/>\n"
              "    <CURSOR_DELAY VALUE=\"7\"/>\n"
              "</CONFIG>");
    TConfig back(dir.base());
    TXmlDocument doc;
    ASSERT_TRUE(back.loadConfig(doc));
    EXPECT_EQ(back.midiDevice(), 2);
    EXPECT_EQ(back.instrumentSchemeName(), "Piano Trio");
    EXPECT_EQ(back.cursorDelay(), 7);
}

TEST(Config, TheSameCursorDelayWritesNothing) {
    TScratchFolder dir("config");
    TConfig config(dir.base());
    ASSERT_TRUE(config.createDefaultConfig());
    std::filesystem::remove(dir.path("config.xml"));
    EXPECT_TRUE(config.setCursorDelay(5));
    EXPECT_FALSE(std::filesystem::exists(dir.path("config.xml")));
    EXPECT_TRUE(config.setCursorDelay(6));
    EXPECT_TRUE(std::filesystem::exists(dir.path("config.xml")));
}

TEST(Config, ASetNameWithMarkupCharactersSurvivesTheRoundTrip) {
    TScratchFolder dir("config");
    TConfig config(dir.base());
    const std::string name = "Brass & \"Winds\" <2>";
    ASSERT_TRUE(config.setInstrumentSchemeName(name));
    TConfig back(dir.base());
    TXmlDocument doc;
    ASSERT_TRUE(back.loadConfig(doc));
    EXPECT_EQ(back.instrumentSchemeName(), name);
}

TEST(Config, AFailedWriteIsReported) {
    TConfig config("/nonexistent-folder-for-motivica-tests/");
    TFileResult r = config.setMidiDevice(1);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.messageKey, "save error");
    EXPECT_EQ(r.path, "/nonexistent-folder-for-motivica-tests/config.xml");
    EXPECT_EQ(config.midiDevice(), 1);  // the value is kept for this run
}
