#include "playback/instrument_set.h"

#include <gtest/gtest.h>

#include <set>

#include "model/xml_document.h"
#include "support/scratch_folder.h"

namespace {

const std::string DATA = std::string(MOTIVICA_DATA_DIR) + "/";

}  // namespace

TEST(Catalogue, ReadsCategoriesAndEntries) {
    TScratchFolder scratch("catalogue");
    scratch.write("small.xml",
                  "<ANY>\r\n"
                  "    <CATEGORY NAME=\"Keys\">\r\n"
                  "        <PITCH NAME=\"Piano\" INDEX=\"0\"/>\r\n"
                  "        <OTHER NAME=\"skipped\" INDEX=\"x\"/>\r\n"
                  "        <PITCH NAME=\"Harp\" INDEX=\"1\"/>\r\n"
                  "    </CATEGORY>\r\n"
                  "    <GROUP NAME=\"skipped\"/>\r\n"
                  "    <CATEGORY>\r\n"
                  "    </CATEGORY>\r\n"
                  "</ANY>\r\n");
    TInstrumentSet cat = loadCatalogue("small.xml", scratch.base());
    ASSERT_EQ(cat.categories().size(), 2u);
    EXPECT_EQ(cat.categories()[0], (TPitchCategory{"Keys", {{"Piano", 0}, {"Harp", 1}}}));
    EXPECT_EQ(cat.categories()[1], (TPitchCategory{"", {}}));
}

TEST(Catalogue, AFailureEndsTheReadingAndKeepsWhatWasRead) {
    TScratchFolder scratch("catalogue");
    scratch.write("bad.xml",
                  "<INSTRUMENTS><CATEGORY NAME=\"A\"><PITCH NAME=\"a\" INDEX=\"3\"/>"
                  "<PITCH NAME=\"b\" INDEX=\"four\"/><PITCH NAME=\"c\" INDEX=\"5\"/></CATEGORY>"
                  "<CATEGORY NAME=\"B\"/></INSTRUMENTS>");
    scratch.write("noindex.xml",
                  "<INSTRUMENTS><CATEGORY NAME=\"A\"><PITCH NAME=\"a\"/></CATEGORY></INSTRUMENTS>");
    scratch.write("broken.xml", "<INSTRUMENTS><CATEGORY NAME=\"A\">");
    TInstrumentSet bad = loadCatalogue("bad.xml", scratch.base());
    ASSERT_EQ(bad.categories().size(), 1u);
    EXPECT_EQ(bad.categories()[0], (TPitchCategory{"A", {{"a", 3}}}));
    EXPECT_EQ(loadCatalogue("noindex.xml", scratch.base()).categories(),
              (std::vector<TPitchCategory>{{"A", {}}}));
    EXPECT_TRUE(loadCatalogue("broken.xml", scratch.base()).categories().empty());
    EXPECT_TRUE(loadCatalogue("missing.xml", scratch.base()).categories().empty());
}

TEST(Catalogue, NamesNumbersByConsecutiveRanges) {
    TInstrumentSet cat;
    cat.categories() = {
        {"Empty", {}},
        {"Low", {{"zero", 0}, {"one", 99}, {"two", 7}}},  // later indexes are not looked at
        {"Overlap", {{"two again", 2}, {"three", 3}}},
    };
    EXPECT_EQ(cat.nameOfNumber(0), "zero");
    EXPECT_EQ(cat.nameOfNumber(1), "one");
    EXPECT_EQ(cat.nameOfNumber(2), "two");  // the first covering category counts
    EXPECT_EQ(cat.nameOfNumber(3), "three");
    EXPECT_EQ(cat.nameOfNumber(4), "");
    EXPECT_EQ(cat.nameOfNumber(-1), "");
    EXPECT_EQ(cat.nameOfNumber(INT32_MIN), "");
    EXPECT_EQ(TInstrumentSet().nameOfNumber(0), "");
    // the editor's chooser finds and gives back numbers by the same ranges
    EXPECT_EQ(cat.placeOfNumber(2), (TPitchPlace{1, 2}));
    EXPECT_EQ(cat.placeOfNumber(3), (TPitchPlace{2, 1}));
    EXPECT_EQ(cat.placeOfNumber(4), std::nullopt);
    EXPECT_EQ(cat.numberAt({2, 1}), 3);
    EXPECT_EQ(cat.numberAt({1, 1}), 1);  // not the entry's own index, 99
}

TEST(Catalogue, TheShippedProgramsAreTheGeneralMidiOnes) {
    TInstrumentSet cat = loadCatalogue("instruments.xml", DATA);
    ASSERT_EQ(cat.categories().size(), 16u);
    int expected = 0;
    for (const TPitchCategory& c : cat.categories()) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.pitches.size(), 8u);
        for (const TPitch& p : c.pitches) {
            EXPECT_EQ(p.index, expected++);
            EXPECT_FALSE(p.name.empty());
        }
    }
    EXPECT_EQ(cat.categories()[0].name, "Piano");
    EXPECT_EQ(cat.nameOfNumber(0), "Acoustic Grand Piano");
    EXPECT_EQ(cat.nameOfNumber(1), "Bright Acoustic Piano");  // the default melody voice
    EXPECT_EQ(cat.nameOfNumber(40), "Violin");
    EXPECT_EQ(cat.nameOfNumber(127), "Gunshot");
    EXPECT_EQ(cat.nameOfNumber(128), "");
}

TEST(Catalogue, TheShippedDrumsCoverKeys35To81) {
    TInstrumentSet cat = loadCatalogue("drums.xml", DATA);
    ASSERT_GE(cat.categories().size(), 2u);
    int expected = 35;
    for (const TPitchCategory& c : cat.categories()) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.pitches.empty());
        for (const TPitch& p : c.pitches)
            EXPECT_EQ(p.index, expected++);
    }
    EXPECT_EQ(expected, 82);
    EXPECT_EQ(cat.nameOfNumber(35), "Acoustic Bass Drum");
    EXPECT_EQ(cat.nameOfNumber(60), "Hi Bongo");       // the default beat
    EXPECT_EQ(cat.nameOfNumber(62), "Mute Hi Conga");  // the default up beat
    EXPECT_EQ(cat.nameOfNumber(81), "Open Triangle");
    EXPECT_EQ(cat.nameOfNumber(34), "");
}
