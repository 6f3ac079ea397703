#include "exchange/musicxml_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "generation/chord_selection.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/document.h"
#include "model/period_data.h"
#include "support/example_document.h"
#include "support/musicxml_reading.h"
#include "support/random_period.h"
#include "support/scratch_folder.h"
#include "templates/phrase_letter.h"

namespace {

// The composition the program starts with (G minor, 2/4, an eighth of anacrusis, A B A1 B1),
// every motive harmonised as the canvas harmonises it, under a melody that has a tie inside a
// measure (150), a note tied over the bar line, rests, and the raised seventh.
TPeriodData defaultCompositionWithMelody() {
    TPeriodData period;
    period.buildFromLayout({2, 2}, {2, 2, 2, 2},
                           {PHRASE_LETTER_A, PHRASE_LETTER_B, PHRASE_LETTER_A1, PHRASE_LETTER_B1},
                           TKey(-2, MINOR), TMeasure(2, QUARTER), EIGHTH, 100);
    resetMotivicaRandForTesting();
    const TScheme scheme;
    harmonizePeriod(period, {0, 1, 2, 3, 4, 5, 6, 7}, scheme);
    const std::vector<std::vector<TNote>> melodies = {
        {{180, 28, 60}, {240, 24, 150}, {390, 25, 30}},
        {{180, 26, 60}, {240, 25, 60}, {300, 24, 60}, {360, 23, 60}},
        {{180, -1, -60}, {240, 24, 120}, {360, 28, 60}},
        {{180, 27, 90}, {270, 26, 30}, {300, 25, 120}},
        {{180, 28, 60}, {240, 24, 150}, {390, 25, 30}},
        {{180, 27, 60}, {240, 26, 60}, {300, 25, 60}, {360, 24, 60}},
        {{180, 28, 60}, {240, 27, 180}},
        {{180, 23, 60}, {240, 24, 120}},
    };
    size_t i = 0;
    for (const TMotiveAddress& address : period.motiveAddresses()) {
        TMotive& motive = period.motiveAt(address);
        motive.notes = melodies[i++];
        motive.updateSharps();
        motive.updateChording();
    }
    return period;
}

// Checks every melody note of the period against the score read back: onset, letter (position
// 0 is a D), octave (position 20 is the C of octave 4 in every key), sounding key and length.
void expectMelodyReadsBack(const TPeriodData& period, const std::string& text) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(text.c_str())) << "not well-formed";
    const TReadPart melody = readPart(doc, "P1");
    const TReadPart harmony = readPart(doc, "P2");
    const int32_t length = period.measure.measureLength();
    const int32_t origin = period.anacrusis > 0 ? length - period.anacrusis : 0;

    std::vector<TReadNote> expected;
    int32_t base = 0;
    for (const TMotiveAddress& address : period.motiveAddresses()) {
        for (const TNote& note : period.motiveAt(address).notes) {
            if (note.isRest() || !isValidPitch(note.pitch))
                continue;
            TReadNote e;
            e.onset = base + note.time - origin;
            e.step = "CDEFGAB"[(note.pitch + 1) % 7];
            e.octave = (note.pitch + 1) / 7 + 1;
            e.alter = period.key.pitch(note.pitch);  // compared as the sounding key below
            e.duration = note.duration;
            expected.push_back(e);
        }
        base += length;
    }
    ASSERT_EQ(melody.notes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("note " + std::to_string(i));
        const TReadNote& got = melody.notes[i];
        EXPECT_EQ(got.onset, expected[i].onset);
        EXPECT_EQ(got.step, expected[i].step);
        EXPECT_EQ(got.octave, expected[i].octave);
        EXPECT_EQ(midiOf(got.step, got.alter, got.octave), expected[i].alter);
        EXPECT_EQ(got.duration, expected[i].duration);
    }
    // both parts fill the same time, measure by measure, every voice of the grand staff alike
    EXPECT_EQ(melody.measureLengths, harmony.measureLengths);
    EXPECT_EQ(melody.totalTicks, int64_t{length} * int64_t(period.motiveCount()));
}

TEST(MusicXmlWriterTest, OneMotiveAsGoldenText) {
    TScratchFolder scratch("musicxml");
    writeWholeFile(scratch.path("one.tnr"), EXAMPLE_DOCUMENT);
    TPeriodData period;
    ASSERT_TRUE(readDocument(period, scratch.path("one.tnr")));
    period.setName("/home/user/tnrs/one.tnr");
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
        "\"http://www.musicxml.org/dtds/partwise.dtd\">\n"
        "<score-partwise version=\"4.0\">\n"
        "  <work>\n"
        "    <work-title>one</work-title>\n"
        "  </work>\n"
        "  <identification>\n"
        "    <encoding>\n"
        "      <software>Motivica</software>\n"
        "    </encoding>\n"
        "  </identification>\n"
        "  <part-list>\n"
        "    <score-part id=\"P1\">\n"
        "      <part-name>Melody</part-name>\n"
        "    </score-part>\n"
        "    <score-part id=\"P2\">\n"
        "      <part-name>Harmony</part-name>\n"
        "    </score-part>\n"
        "  </part-list>\n"
        "  <part id=\"P1\">\n"
        "    <measure number=\"1\">\n"
        "      <attributes>\n"
        "        <divisions>1</divisions>\n"
        "        <key>\n"
        "          <fifths>0</fifths>\n"
        "          <mode>major</mode>\n"
        "        </key>\n"
        "        <time>\n"
        "          <beats>2</beats>\n"
        "          <beat-type>4</beat-type>\n"
        "        </time>\n"
        "        <clef>\n"
        "          <sign>G</sign>\n"
        "          <line>2</line>\n"
        "        </clef>\n"
        "      </attributes>\n"
        "      <direction placement=\"above\">\n"
        "        <direction-type>\n"
        "          <metronome parentheses=\"no\">\n"
        "            <beat-unit>quarter</beat-unit>\n"
        "            <per-minute>75</per-minute>\n"
        "          </metronome>\n"
        "        </direction-type>\n"
        "        <sound tempo=\"75\"/>\n"
        "      </direction>\n"
        "      <direction placement=\"above\">\n"
        "        <direction-type>\n"
        "          <rehearsal>Sentence 1</rehearsal>\n"
        "        </direction-type>\n"
        "      </direction>\n"
        "      <direction placement=\"above\">\n"
        "        <direction-type>\n"
        "          <rehearsal>A</rehearsal>\n"
        "        </direction-type>\n"
        "      </direction>\n"
        "      <note>\n"
        "        <pitch>\n"
        "          <step>C</step>\n"
        "          <octave>4</octave>\n"
        "        </pitch>\n"
        "        <duration>1</duration>\n"
        "        <voice>1</voice>\n"
        "        <type>quarter</type>\n"
        "      </note>\n"
        "      <note>\n"
        "        <pitch>\n"
        "          <step>D</step>\n"
        "          <octave>4</octave>\n"
        "        </pitch>\n"
        "        <duration>1</duration>\n"
        "        <voice>1</voice>\n"
        "        <type>quarter</type>\n"
        "      </note>\n"
        "      <barline location=\"right\">\n"
        "        <bar-style>light-heavy</bar-style>\n"
        "      </barline>\n"
        "    </measure>\n"
        "  </part>\n"
        "  <part id=\"P2\">\n"
        "    <measure number=\"1\">\n"
        "      <attributes>\n"
        "        <divisions>1</divisions>\n"
        "        <key>\n"
        "          <fifths>0</fifths>\n"
        "          <mode>major</mode>\n"
        "        </key>\n"
        "        <time>\n"
        "          <beats>2</beats>\n"
        "          <beat-type>4</beat-type>\n"
        "        </time>\n"
        "        <staves>2</staves>\n"
        "        <clef number=\"1\">\n"
        "          <sign>G</sign>\n"
        "          <line>2</line>\n"
        "        </clef>\n"
        "        <clef number=\"2\">\n"
        "          <sign>F</sign>\n"
        "          <line>4</line>\n"
        "        </clef>\n"
        "      </attributes>\n"
        "      <harmony placement=\"below\">\n"
        "        <numeral>\n"
        "          <numeral-root text=\"I\">1</numeral-root>\n"
        "          <numeral-key>\n"
        "            <numeral-fifths>0</numeral-fifths>\n"
        "            <numeral-mode>major</numeral-mode>\n"
        "          </numeral-key>\n"
        "        </numeral>\n"
        "        <kind text=\"\">major</kind>\n"
        "        <inversion>0</inversion>\n"
        "        <staff>2</staff>\n"
        "      </harmony>\n"
        "      <note>\n"
        "        <pitch>\n"
        "          <step>C</step>\n"
        "          <octave>4</octave>\n"
        "        </pitch>\n"
        "        <duration>2</duration>\n"
        "        <voice>1</voice>\n"
        "        <type>half</type>\n"
        "        <stem>up</stem>\n"
        "        <staff>1</staff>\n"
        "      </note>\n"
        "      <backup>\n"
        "        <duration>2</duration>\n"
        "      </backup>\n"
        "      <note>\n"
        "        <pitch>\n"
        "          <step>G</step>\n"
        "          <octave>3</octave>\n"
        "        </pitch>\n"
        "        <duration>2</duration>\n"
        "        <voice>2</voice>\n"
        "        <type>half</type>\n"
        "        <stem>down</stem>\n"
        "        <staff>1</staff>\n"
        "      </note>\n"
        "      <backup>\n"
        "        <duration>2</duration>\n"
        "      </backup>\n"
        "      <note>\n"
        "        <pitch>\n"
        "          <step>E</step>\n"
        "          <octave>3</octave>\n"
        "        </pitch>\n"
        "        <duration>2</duration>\n"
        "        <voice>5</voice>\n"
        "        <type>half</type>\n"
        "        <stem>up</stem>\n"
        "        <staff>2</staff>\n"
        "      </note>\n"
        "      <backup>\n"
        "        <duration>2</duration>\n"
        "      </backup>\n"
        "      <note>\n"
        "        <pitch>\n"
        "          <step>C</step>\n"
        "          <octave>2</octave>\n"
        "        </pitch>\n"
        "        <duration>2</duration>\n"
        "        <voice>6</voice>\n"
        "        <type>half</type>\n"
        "        <stem>down</stem>\n"
        "        <staff>2</staff>\n"
        "      </note>\n"
        "      <barline location=\"right\">\n"
        "        <bar-style>light-heavy</bar-style>\n"
        "      </barline>\n"
        "    </measure>\n"
        "  </part>\n"
        "</score-partwise>\n";
    EXPECT_EQ(musicXmlText(period), expected);
}

// The golden file was checked by hand against the order of the MusicXML 4.0 schema: note
// (pitch or rest, duration, tie, voice, type, dot, accidental, stem, staff, beam, notations),
// attributes (divisions, key, time, staves, clef), harmony (numeral, kind, inversion, staff),
// direction (direction-type, sound). Set MOTIVICA_UPDATE_GOLDEN=1 to write it anew.
TEST(MusicXmlWriterTest, DefaultCompositionMatchesGoldenFile) {
    const TPeriodData period = defaultCompositionWithMelody();
    const std::string text = musicXmlText(period);
    const std::string path = std::string(EXCHANGE_TEST_DATA) + "/default_composition.musicxml";
    if (std::getenv("MOTIVICA_UPDATE_GOLDEN") != nullptr)
        writeWholeFile(path, text);
    EXPECT_EQ(text, readWholeFile(path));
    expectMelodyReadsBack(period, text);
}

// The beams of the melody's notes, measure by measure: "b" begin, "c" continue, "e" end, "-"
// none, the second beam after a slash.
std::vector<std::string> melodyBeams(const std::string& text) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(text.c_str()));
    std::vector<std::string> measures;
    const pugi::xml_node part =
        doc.child("score-partwise").find_child_by_attribute("part", "id", "P1");
    for (const pugi::xml_node measure : part.children("measure")) {
        std::string beams;
        for (const pugi::xml_node note : measure.children("note")) {
            std::string levels[2] = {"-", ""};
            for (const pugi::xml_node beam : note.children("beam"))
                levels[beam.attribute("number").as_int() - 1] = beam.text().as_string()[0];
            beams +=
                (beams.empty() ? "" : " ") + levels[0] + (levels[1].empty() ? "" : "/" + levels[1]);
        }
        measures.push_back(beams);
    }
    return measures;
}

TEST(MusicXmlWriterTest, NotesAreBeamedByTheBeatsOfTheMeter) {
    // 3/8 with an eighth of up-beat: the pickup's eighth stands alone, the measure after it
    // groups its three eighths (the next motive's up-beat among them) as one dotted quarter
    TPeriodData period;
    period.buildFromLayout({1}, {2}, {PHRASE_LETTER_A}, TKey(0, MAJOR), TMeasure(3, EIGHTH), EIGHTH,
                           100);
    std::vector<TMotive*> motives;
    for (const TMotiveAddress& address : period.motiveAddresses())
        motives.push_back(&period.motiveAt(address));
    motives[0]->notes = {{120, 20, 60}, {180, 21, 60}, {240, 22, 60}};
    motives[1]->notes = {{120, 24, 60}, {180, 25, 60}, {240, 26, 30}, {270, 27, 30}};
    EXPECT_EQ(melodyBeams(musicXmlText(period)),
              (std::vector<std::string>{"-", "b c e", "b c/b e/e"}));

    // 2/4 by the quarter, sixteenths on a second beam
    TPeriodData twoFour;
    twoFour.buildFromLayout({1}, {1}, {PHRASE_LETTER_A}, TKey(0, MAJOR), TMeasure(2, QUARTER), 0,
                            100);
    twoFour.motiveAt({0, 0, 0}).notes = {
        {0, 20, 30}, {30, 21, 30}, {60, 22, 60}, {120, 23, 90}, {210, 24, 30}};
    EXPECT_EQ(melodyBeams(musicXmlText(twoFour)), (std::vector<std::string>{"b/b c/e e b e/b"}));
}

TEST(MusicXmlWriterTest, WritesThroughTheFileAndReportsFailure) {
    TScratchFolder scratch("musicxml");
    const TPeriodData period = defaultCompositionWithMelody();
    const std::string path = scratch.path("score.musicxml");
    ASSERT_TRUE(writeMusicXmlFile(period, path));
    EXPECT_EQ(readWholeFile(path), musicXmlText(period));

    const TFileResult failed = writeMusicXmlFile(period, scratch.path("missing/score.musicxml"));
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.messageKey, "save error");
}

TEST(MusicXmlWriterTest, EmptyPeriodIsOneMeasureOfSilence) {
    TPeriodData period;
    period.buildFromLayout({1}, {1}, {PHRASE_LETTER_A}, TKey(3, MAJOR), TMeasure(3, EIGHTH), 60,
                           100);
    period.clearSentences();
    const std::string text = musicXmlText(period);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(text.c_str()));
    const pugi::xml_node part = doc.child("score-partwise").child("part");
    ASSERT_EQ(std::distance(part.children("measure").begin(), part.children("measure").end()), 1);
    const pugi::xml_node measure = part.child("measure");
    EXPECT_STREQ(measure.attribute("number").value(), "1");
    EXPECT_STREQ(measure.child("attributes").child("time").child("beat-type").text().get(), "8");
    EXPECT_STREQ(measure.child("note").child("rest").attribute("measure").value(), "yes");
}

TEST(MusicXmlWriterTest, NamesDegreesAndFiguresOfChords) {
    struct TCase {
        const char* type;
        TKey key;
        const char* numeral;
        const char* kind;
        const char* figure;
        const char* inversion;
    };
    const TCase cases[] = {
        {"TONIC_SIXTH_CHORD", TKey(0, MINOR), "i", "minor", "6", "1"},
        {"K_SIXTH_FOURTH_CHORD", TKey(0, MAJOR), "K", "major", "64", "2"},
        {"DOMINANT_SIXTH_FIFTH_CHORD", TKey(0, MINOR), "V", "dominant", "65", "1"},
        {"TOPINTRO_FOUR_CHORD", TKey(0, MINOR), "vii\xC2\xB0", "diminished-seventh", "7", "0"},
        {"TOPINTRO_FOUR_CHORD", TKey(0, MAJOR), "vii\xC3\xB8", "half-diminished", "7", "0"},
        {"LOWM_SIXTH_CHORD", TKey(0, MINOR), "III+", "augmented", "6", "1"},
        {"LOWINTRO_SECOND_CHORD", TKey(-3, MAJOR), "ii", "minor-seventh", "2", "3"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.type);
        TPeriodData period;
        period.buildFromLayout({1}, {1}, {PHRASE_LETTER_A}, c.key, TMeasure(), 0, 100);
        TChord chord = chordFromTypeName(c.type);
        chord.setVoicing(27, 24, 20, 13);
        period.motiveAt({0, 0, 0}).chords.push_back(chord);
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(musicXmlText(period).c_str()));
        const pugi::xml_node harmony = doc.child("score-partwise")
                                           .find_child_by_attribute("part", "id", "P2")
                                           .child("measure")
                                           .child("harmony");
        EXPECT_STREQ(harmony.child("numeral").child("numeral-root").attribute("text").value(),
                     c.numeral);
        EXPECT_STREQ(harmony.child("kind").text().get(), c.kind);
        EXPECT_STREQ(harmony.child("kind").attribute("text").value(), c.figure);
        EXPECT_STREQ(harmony.child("inversion").text().get(), c.inversion);
        EXPECT_STREQ(
            harmony.child("numeral").child("numeral-key").child("numeral-mode").text().get(),
            c.key.isMinor() ? "harmonic minor" : "major");
    }
}

TEST(MusicXmlWriterTest, GeneratedPeriodsReadBackNoteForNote) {
    resetMotivicaRandForTesting();
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const TPeriodData period = randomPeriod(round);
        expectMelodyReadsBack(period, musicXmlText(period));
        if (HasFatalFailure() || HasNonfatalFailure())
            return;
    }
}

}  // namespace
