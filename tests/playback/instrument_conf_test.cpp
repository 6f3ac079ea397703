#include "playback/instrument_conf.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class TCountingListener : public TInstrConfListener {
  public:
    void instrumentConfChanged() override { ++count; }
    int count = 0;
};

const char* const DEFAULT_SET =
    "<INSTRUMENT_CONF>\n"
    "    <MELODY_VOICE PITCH=\"1\"/>\n"
    "    <CHORD_VOICE PITCH=\"89\"/>\n"
    "    <BASS_VOICE PITCH=\"32\"/>\n"
    "    <DRAFT_MELODY_VOICE PITCH=\"93\"/>\n"
    "    <DRAFT_CHORD_VOICE PITCH=\"89\"/>\n"
    "    <DRUM_VOICE PITCH=\"60\"/>\n"
    "    <UP_BEAT_DRUM_VOICE PITCH=\"62\"/>\n"
    "    <MELODY_VOLUME VOLUME=\"110\"/>\n"
    "    <CHORD_VOLUME VOLUME=\"100\"/>\n"
    "    <BASS_VOLUME VOLUME=\"105\"/>\n"
    "    <DRAFT_MELODY_VOLUME VOLUME=\"100\"/>\n"
    "    <DRAFT_CHORD_VOLUME VOLUME=\"90\"/>\n"
    "    <DRUM_VOLUME VOLUME=\"80\"/>\n"
    "    <MUTE_MELODY VALUE=\"NO\"/>\n"
    "    <MUTE_CHORD VALUE=\"NO\"/>\n"
    "    <MUTE_BASS VALUE=\"NO\"/>\n"
    "    <MUTE_DRUM VALUE=\"YES\"/>\n"
    "</INSTRUMENT_CONF>\n";

}  // namespace

TEST(InstrumentConf, HoldsTheDefaults) {
    TInstrumentConf set;
    EXPECT_EQ(set.melodyVoice(), 1);
    EXPECT_EQ(set.chordVoice(), 89);
    EXPECT_EQ(set.bassVoice(), 32);
    EXPECT_EQ(set.draftMelodyVoice(), 93);
    EXPECT_EQ(set.draftChordVoice(), 89);
    EXPECT_EQ(set.drumVoice(), 60);
    EXPECT_EQ(set.upBeatDrumVoice(), 62);
    EXPECT_EQ(set.melodyVolume(), 110);
    EXPECT_EQ(set.chordVolume(), 100);
    EXPECT_EQ(set.bassVolume(), 105);
    EXPECT_EQ(set.draftMelodyVolume(), 100);
    EXPECT_EQ(set.draftChordVolume(), 90);
    EXPECT_EQ(set.drumVolume(), 80);
    EXPECT_FALSE(set.muteMelody());
    EXPECT_FALSE(set.muteChord());
    EXPECT_FALSE(set.muteBass());
    EXPECT_TRUE(set.muteDrum());
    EXPECT_EQ(set.listener(), nullptr);
}

TEST(InstrumentConf, SettersNotifyOnlyOnChange) {
    TInstrumentConf set;
    TCountingListener listener;
    set.setListener(&listener);
    set.setMelodyVoice(1);  // unchanged
    set.setMuteDrum(true);  // unchanged
    EXPECT_EQ(listener.count, 0);
    set.setMelodyVoice(40);
    set.setDrumVolume(127);
    set.setMuteBass(true);
    set.setUpBeatDrumVoice(76);
    EXPECT_EQ(listener.count, 4);
    EXPECT_EQ(set.melodyVoice(), 40);
    EXPECT_EQ(set.drumVolume(), 127);
    EXPECT_TRUE(set.muteBass());
    EXPECT_EQ(set.upBeatDrumVoice(), 76);
    set.setMelodyVoice(40);
    EXPECT_EQ(listener.count, 4);
}

TEST(InstrumentConf, ResetAndCopiesLeaveTheListenerBehind) {
    TCountingListener listener;
    TInstrumentConf set;
    set.setListener(&listener);
    set.setChordVoice(0);
    ASSERT_EQ(listener.count, 1);

    TInstrumentConf copy(set);
    EXPECT_EQ(copy.listener(), nullptr);
    EXPECT_EQ(copy.chordVoice(), 0);
    EXPECT_EQ(copy, set);

    TCountingListener other;
    TInstrumentConf assigned;
    assigned.setListener(&other);
    assigned = set;
    EXPECT_EQ(assigned.listener(), &other);  // an assigned set keeps its own listener
    EXPECT_EQ(assigned.chordVoice(), 0);
    EXPECT_EQ(other.count, 0);

    set.resetToDefaults();
    EXPECT_EQ(set.listener(), nullptr);
    EXPECT_EQ(set, TInstrumentConf());
    EXPECT_EQ(listener.count, 1);  // resetting tells nobody
    EXPECT_NE(set, copy);
}

TEST(InstrumentConf, SavingTheDefaultsWritesNineteenLines) {
    TScratchFolder scratch("instr");
    ASSERT_TRUE(saveInstrumentSet(TInstrumentConf(), "Default", scratch.base()));
    EXPECT_EQ(scratch.read("instruments/Default.xml"), DEFAULT_SET);
    EXPECT_EQ(instrumentSetText(TInstrumentConf()), DEFAULT_SET);
}

TEST(InstrumentConf, TheShippedDefaultSetIsTheDefaults) {
    EXPECT_EQ(readWholeFile(std::string(MOTIVICA_DATA_DIR) + "/instruments/Default.xml"),
              DEFAULT_SET);
    TInstrumentConf set;
    set.setMelodyVoice(0);
    TXmlDocument doc;
    ASSERT_TRUE(loadInstrumentSet(set, "Default", doc, std::string(MOTIVICA_DATA_DIR) + "/"));
    EXPECT_EQ(set, TInstrumentConf());
}

TEST(InstrumentConf, SaveAndLoadRoundTrip) {
    TScratchFolder scratch("instr");
    TInstrumentConf set;
    set.setMelodyVoice(73);
    set.setBassVolume(0);
    set.setMuteMelody(true);
    set.setMuteDrum(false);
    ASSERT_TRUE(saveInstrumentSet(set, "Flute Trio", scratch.base()));
    ASSERT_TRUE(saveInstrumentSet(set, "Flute Trio", scratch.base()));  // replaces
    TInstrumentConf back;
    TXmlDocument doc;
    ASSERT_TRUE(loadInstrumentSet(back, "Flute Trio", doc, scratch.base()));
    EXPECT_EQ(back, set);
}

TEST(InstrumentConf, LoadingReadsOnlyWhatTheFileHolds) {
    TScratchFolder scratch("instr");
    scratch.write("instruments/DrumOn.xml",
                  "<INSTRUMENT_CONF>\r\n    <MUTE_DRUM VALUE=\"NO\"/>\r\n"
                  "</INSTRUMENT_CONF>\r\n");
    scratch.write("instruments/Lower.xml",
                  "<X><MUTE_MELODY VALUE=\"yes\"/><MUTE_BASS VALUE=\"YES\"/>"
                  "<MUTE_CHORD/></X>");
    scratch.write("instruments/Missing.xml",
                  "<X><MELODY_VOICE/><CHORD_VOLUME PITCH=\"5\"/>"
                  "<OTHER PITCH=\"x\"/></X>");
    {
        SCOPED_TRACE("a single drum mute changes only the drum mute");
        TInstrumentConf set;
        TCountingListener listener;
        set.setListener(&listener);
        TXmlDocument doc;
        ASSERT_TRUE(loadInstrumentSet(set, "DrumOn", doc, scratch.base()));
        TInstrumentConf expected;
        expected.setMuteDrum(false);
        EXPECT_EQ(set, expected);
        EXPECT_EQ(listener.count, 1);  // read through the setters
    }
    {
        SCOPED_TRACE("yes in lower case reads as false");
        TInstrumentConf set;
        set.setMuteMelody(true);
        set.setMuteChord(true);
        TXmlDocument doc;
        ASSERT_TRUE(loadInstrumentSet(set, "Lower", doc, scratch.base()));
        EXPECT_FALSE(set.muteMelody());
        EXPECT_TRUE(set.muteBass());
        EXPECT_FALSE(set.muteChord());  // no VALUE at all
    }
    {
        SCOPED_TRACE("a missing attribute gives 0; the volume wants VOLUME, not PITCH");
        TInstrumentConf set;
        TXmlDocument doc;
        ASSERT_TRUE(loadInstrumentSet(set, "Missing", doc, scratch.base()));
        EXPECT_EQ(set.melodyVoice(), 0);
        EXPECT_EQ(set.chordVolume(), 0);
        EXPECT_EQ(set.bassVoice(), 32);
    }
}

TEST(InstrumentConf, ABadNumberFailsTheLoadWithTheOpenError) {
    TScratchFolder scratch("instr");
    scratch.write("instruments/Bad.xml",
                  "<INSTRUMENT_CONF><MELODY_VOICE PITCH=\"7\"/>"
                  "<CHORD_VOICE PITCH=\"organ\"/><BASS_VOICE PITCH=\"9\"/>"
                  "</INSTRUMENT_CONF>");
    scratch.write("instruments/Broken.xml", "<INSTRUMENT_CONF><MELODY_VOICE PITCH=\"7\">");
    TInstrumentConf set;
    TXmlDocument doc;
    TFileResult r = loadInstrumentSet(set, "Bad", doc, scratch.base());
    EXPECT_FALSE(r);
    EXPECT_EQ(r.messageKey, "open error");
    EXPECT_EQ(r.path, scratch.path("instruments/Bad.xml"));
    EXPECT_EQ(set.melodyVoice(), 7);  // read before the failure
    EXPECT_EQ(set.chordVoice(), 89);
    EXPECT_EQ(set.bassVoice(), 32);

    TInstrumentConf untouched;
    r = loadInstrumentSet(untouched, "Broken", doc, scratch.base());
    EXPECT_FALSE(r);
    EXPECT_EQ(r.messageKey, "open error");
    EXPECT_EQ(untouched, TInstrumentConf());
    r = loadInstrumentSet(untouched, "Absent", doc, scratch.base());
    EXPECT_FALSE(r);
    EXPECT_EQ(r.messageKey, "open error");
}

TEST(InstrumentConf, NamesThatLeaveTheFolderAreRefused) {
    TScratchFolder scratch("instr");
    // a file beside the instruments folder that a crafted name would reach
    scratch.write("outside.xml", DEFAULT_SET);
    scratch.write("instruments/Kept.xml", DEFAULT_SET);
    const std::vector<std::string> names = {"../outside",  "..", "a/b",    "/tmp/x",
                                            "..\\outside", "",   "sub/..", "x\\y"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(isSafeInstrumentSetName(name));
        TInstrumentConf set;
        set.setMelodyVoice(5);
        TXmlDocument doc;
        TFileResult load = loadInstrumentSet(set, name, doc, scratch.base());
        EXPECT_FALSE(load);
        EXPECT_EQ(load.messageKey, "open error");
        EXPECT_EQ(set.melodyVoice(), 5);
        TFileResult save = saveInstrumentSet(set, name, scratch.base());
        EXPECT_FALSE(save);
        EXPECT_EQ(save.messageKey, "save error");
        TFileResult del = deleteInstrumentSet(name, scratch.base());
        EXPECT_FALSE(del);
        EXPECT_EQ(del.messageKey, "unable delet instr set");
    }
    EXPECT_EQ(scratch.read("outside.xml"), DEFAULT_SET);
    EXPECT_TRUE(fs::exists(scratch.path("instruments/Kept.xml")));
    for (const char* ok : {"Default", "a..b", "...", "Set 1", "\xd0\x9e\xd1\x80\xd0\xb3"})
        EXPECT_TRUE(isSafeInstrumentSetName(ok)) << ok;
}

TEST(InstrumentConf, DeletingRemovesOnlyTheSetFile) {
    TScratchFolder scratch("instr");
    ASSERT_TRUE(saveInstrumentSet(TInstrumentConf(), "Gone", scratch.base()));
    ASSERT_TRUE(saveInstrumentSet(TInstrumentConf(), "Stays", scratch.base()));
    EXPECT_TRUE(deleteInstrumentSet("Gone", scratch.base()));
    EXPECT_FALSE(fs::exists(scratch.path("instruments/Gone.xml")));
    EXPECT_TRUE(fs::exists(scratch.path("instruments/Stays.xml")));
    TFileResult again = deleteInstrumentSet("Gone", scratch.base());
    EXPECT_FALSE(again);
    EXPECT_EQ(again.messageKey, "unable delet instr set");
}
