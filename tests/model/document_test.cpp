#include "model/document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "harmony/chord.h"
#include "support/example_document.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class TRecordingListener : public TPeriodDataListener {
  public:
    void periodChanged() override { calls.push_back("period"); }
    void tempoChanged(int32_t) override { calls.push_back("tempo"); }
    void nameChanged(const std::string&) override { calls.push_back("name"); }
    std::vector<std::string> calls;
};

const char* const EXAMPLE = EXAMPLE_DOCUMENT;

// The one-motive composition of the example document.
TPeriodData examplePeriod() {
    TPeriodData period;
    period.buildFromLayout({1}, {1}, {5}, TKey(0, MAJOR), TMeasure(2, QUARTER), 0, 100);
    TMotive& m = period.sentences[0].phrases[0].motives[0];
    TChord chord = chordOfType(TChordType::TONIC_THREE_CHORD);
    chord.setVoicing(20, 17, 15, 6);
    m.chords.push_back(chord);
    TNote first(0, 20, QUARTER);
    first.chording = true;
    TNote second(120, 21, QUARTER);
    second.chording = false;
    m.notes = {first, second};
    return period;
}

// A document with the fixed head and the given sentence lines.
std::string document(const std::string& head, const std::string& body) {
    return "<PERIOD>\n" + head + body + "</PERIOD>";
}

TFileResult readText(TPeriodData& period, const std::string& text) {
    TScratchFolder dir("document");
    return readDocument(period, dir.write("in.tnr", text));
}

}  // namespace

TEST(Document, WritesTheExampleByteForByte) {
    EXPECT_EQ(documentText(examplePeriod()), EXAMPLE);
    TScratchFolder dir("document");
    ASSERT_TRUE(writeDocument(examplePeriod(), dir.path("example.tnr")));
    EXPECT_EQ(dir.read("example.tnr"), EXAMPLE);
}

TEST(Document, AnEmptyPeriodIsSixLines) {
    TPeriodData period;
    EXPECT_EQ(documentText(period),
              "<PERIOD>\n"
              "    <MEASURE BEATS_PER_MEASURE=\"2\" BEAT_VALUE=\"QUARTER\"/>\n"
              "    <KEY LAD=\"MAJOR\" SIGN=\"0\"/>\n"
              "    <TEMP VALUE=\"100\"/>\n"
              "    <MOTIVE_TYPE VALUE=\"0\"/>\n"
              "</PERIOD>");
}

TEST(Document, WritesDurationsAsNamesOrNumbers) {
    TPeriodData period;
    period.buildFromLayout({1}, {1}, {0}, TKey(-2, MINOR), TMeasure(3, EIGHTH), EIGHTH, 75);
    TMotive& m = period.sentences[0].phrases[0].motives[0];
    TNote rest(0, NO_PITCH, -60);
    rest.chording = false;
    TNote sharp(60, 19, 270);
    sharp.sharp = true;
    m.notes = {rest, sharp};
    m.chords.push_back(TChord());  // a chord of no type, not arranged
    const std::string text = documentText(period);
    EXPECT_NE(text.find("    <MEASURE BEATS_PER_MEASURE=\"3\" BEAT_VALUE=\"EIGHTH\"/>\n"),
              std::string::npos);
    EXPECT_NE(text.find("    <KEY LAD=\"MINOR\" SIGN=\"-2\"/>\n"), std::string::npos);
    EXPECT_NE(text.find("    <TEMP VALUE=\"75\"/>\n"), std::string::npos);
    EXPECT_NE(text.find("    <MOTIVE_TYPE VALUE=\"EIGHTH\"/>\n"), std::string::npos);
    EXPECT_NE(text.find("        <PHRASE SUFFIX=\"\">\n"), std::string::npos);
    EXPECT_NE(text.find("<CHORD CHORD_TYPE=\"\" TIME=\"0\" BASS=\"-1\" TENOR=\"-1\" ALT=\"-1\" "
                        "SOPRANO=\"-1\"/>\n"),
              std::string::npos);
    EXPECT_NE(text.find("<NOTE TIME=\"0\" PITCH=\"-1\" DURATION=\"-60\" SIGN=\"NONE\" "
                        "CHORDING_NOTE=\"NO\"/>\n"),
              std::string::npos);
    EXPECT_NE(text.find("<NOTE TIME=\"60\" PITCH=\"19\" DURATION=\"270\" SIGN=\"SHARP\" "
                        "CHORDING_NOTE=\"YES\"/>\n"),
              std::string::npos);
    period.anacrusis = 270;
    EXPECT_NE(documentText(period).find("<MOTIVE_TYPE VALUE=\"270\"/>"), std::string::npos);
}

TEST(Document, ReadsBackWhatItWrites) {
    TPeriodData period;
    period.buildFromLayout({2, 1}, {2, 1, 3}, {6, 15, 2}, TKey(3, MINOR), TMeasure(3, QUARTER),
                           SIXTEENTH, 120);
    TMotive& m = period.sentences[1].phrases[0].motives[2];
    TChord chord = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    chord.time = 30;
    chord.setVoicing(22, 18, 13, 4);
    m.chords = {chord};
    TNote n(30, 17, POINTED_QUARTER);
    n.sharp = true;
    m.notes = {n, TNote(210, NO_PITCH, -150)};

    TScratchFolder dir("document");
    ASSERT_TRUE(writeDocument(period, dir.path("round.tnr")));
    TPeriodData back;
    TXmlDocument xml;
    ASSERT_TRUE(readDocument(back, dir.path("round.tnr"), xml));
    EXPECT_EQ(back.key, period.key);
    EXPECT_EQ(back.measure, period.measure);
    EXPECT_EQ(back.anacrusis, SIXTEENTH);
    EXPECT_EQ(back.tempo(), 120);
    ASSERT_EQ(back.sentences.size(), 2u);
    EXPECT_EQ(back.sentences[0].phrases[0].letter, 6);
    EXPECT_EQ(back.sentences[0].phrases[1].letter, 15);
    EXPECT_EQ(back.sentences[1].phrases[0].letter, 5);  // code 2 has no name and reads as "A"
    EXPECT_EQ(back.sentences[1].phrases[0].motiveCount, 3);
    const TMotive& r = back.sentences[1].phrases[0].motives[2];
    EXPECT_EQ(r, m);
    EXPECT_EQ(r.chords[0].type, TChordType::DOMINANT_THREE_CHORD);
    EXPECT_EQ(r.chords[0].time, 30);
    EXPECT_EQ(r.key, period.key);
    EXPECT_EQ(r.anacrusis, SIXTEENTH);
    back.sentences[1].phrases[0].letter = 2;
    EXPECT_EQ(documentText(back), documentText(period));
}

TEST(Document, ReadsTheExampleWithCrLfLineBreaks) {
    std::string crlf;
    for (char c : std::string(EXAMPLE)) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    TPeriodData period;
    ASSERT_TRUE(readText(period, crlf));
    EXPECT_EQ(documentText(period), EXAMPLE);
}

TEST(Document, KeepsThePeriodsValuesWhereTheDocumentIsSilent) {
    const std::string dMajor = document(
        "    <MEASURE BEATS_PER_MEASURE=\"3\" BEAT_VALUE=\"EIGHTH\"/>\n"
        "    <KEY LAD=\"MAJOR\" SIGN=\"2\"/>\n    <TEMP VALUE=\"90\"/>\n"
        "    <MOTIVE_TYPE VALUE=\"SIXTEENTH\"/>\n",
        "");
    const std::string silent =
        document("", "    <SENTENCE><PHRASE SUFFIX=\"B\"><MOTIVE/></PHRASE></SENTENCE>\n");
    TPeriodData period;
    ASSERT_TRUE(readText(period, dMajor));
    ASSERT_TRUE(readText(period, silent));
    EXPECT_EQ(period.key, TKey(2, MAJOR));
    EXPECT_EQ(period.measure, TMeasure(3, EIGHTH));
    EXPECT_EQ(period.tempo(), 90);
    EXPECT_EQ(period.anacrusis, SIXTEENTH);
    const TMotive& m = period.sentences.at(0).phrases.at(0).motives.at(0);
    EXPECT_EQ(m.key, TKey(2, MAJOR));
    EXPECT_EQ(m.measure, TMeasure(3, EIGHTH));
    EXPECT_EQ(m.anacrusis, SIXTEENTH);
    EXPECT_TRUE(m.notes.empty());

    // a MOTIVE_TYPE without VALUE keeps the anacrusis; an empty VALUE means none
    ASSERT_TRUE(readText(period, document("    <MOTIVE_TYPE/>\n", "")));
    EXPECT_EQ(period.anacrusis, SIXTEENTH);
    ASSERT_TRUE(readText(period, document("    <MOTIVE_TYPE VALUE=\"\"/>\n", "")));
    EXPECT_EQ(period.anacrusis, 0);
}

TEST(Document, AKeyAfterTheSentencesReachesOnlyThePeriod) {
    TPeriodData period;
    ASSERT_TRUE(readText(period, document("    <KEY LAD=\"MAJOR\" SIGN=\"0\"/>\n",
                                          "    <SENTENCE><PHRASE><MOTIVE/></PHRASE></SENTENCE>\n"
                                          "    <KEY LAD=\"MINOR\" SIGN=\"-3\"/>\n")));
    EXPECT_EQ(period.key, TKey(-3, MINOR));
    EXPECT_EQ(period.sentences.at(0).phrases.at(0).motives.at(0).key, TKey(0, MAJOR));
}

TEST(Document, FollowsTheAttributeRules) {
    TPeriodData period;
    ASSERT_TRUE(readText(
        period,
        document("    <KEY LAD=\"MINOR\" SIGN=\"1\"/>\n    <KEY LAD=\"minor\" SIGN=\"4\"/>\n"
                 "    <KEY LAD=\"MAJOR\" SIGN=\"2\" LAD=\"MINOR\"/>\n",
                 "    <SENTENCE>\n"
                 "        <PHRASE SUFFIX=\"a\"/>\n"
                 "        <PHRASE SUFFIX=\"B1\"/>\n"
                 "        <PHRASE/>\n"
                 "        <PHRASE SUFFIX=\"\"/>\n"
                 "        <PHRASE SUFFIX=\"A2\"/>\n"
                 "        <PHRASE SUFFIX=\"F\">\n"
                 "            <MOTIVE>\n"
                 "                <CHORDS>\n"
                 "                    <CHORD TIME=\"240\" CHORD_TYPE=\"DOMINANT_THREE_CHORD\"/>\n"
                 "                    <CHORD CHORD_TYPE=\"NO_SUCH_CHORD\" BASS=\"3\"/>\n"
                 "                    <CHORD CHORD_TYPE=\"TONIC_THREE_CHORD\" TIME=\"1\" "
                 "TIME=\"2\"/>\n"
                 "                </CHORDS>\n"
                 "                <NOTES>\n"
                 "                    <NOTE/>\n"
                 "                    <NOTE SIGN=\"sharp\" CHORDING_NOTE=\"yes\" PITCH=\"3\" "
                 "DURATION=\"\"/>\n"
                 "                    <NOTE SIGN=\"SHARP\" CHORDING_NOTE=\"NO\" DURATION=\"HALF\" "
                 "TIME=\"7\"/>\n"
                 "                    <REST TIME=\"x\"/>\n"
                 "                </NOTES>\n"
                 "                <NOTES>\n"
                 "                    <NOTE TIME=\"1\"/>\n"
                 "                    <NOTE TIME=\"2\"/>\n"
                 "                    <NOTE TIME=\"3\" PITCH=\"4\" SIGN=\"SHARP\" "
                 "CHORDING_NOTE=\"NO\" DURATION=\"-30\"/>\n"
                 "                </NOTES>\n"
                 "            </MOTIVE>\n"
                 "        </PHRASE>\n"
                 "    </SENTENCE>\n")));
    {
        SCOPED_TRACE("KEY");
        // "minor" is no keyword and leaves the mode; the later LAD of an element wins
        EXPECT_EQ(period.key, TKey(2, MINOR));
    }
    const auto& phrases = period.sentences.at(0).phrases;
    ASSERT_EQ(phrases.size(), 6u);
    {
        SCOPED_TRACE("SUFFIX");
        EXPECT_EQ(phrases[0].letter, 5);
        EXPECT_EQ(phrases[1].letter, 11);
        EXPECT_EQ(phrases[2].letter, 5);
        EXPECT_EQ(phrases[3].letter, 5);
        EXPECT_EQ(phrases[4].letter, 15);
        EXPECT_EQ(phrases[5].letter, 5);
        EXPECT_EQ(phrases[0].motiveCount, 0);
        EXPECT_EQ(phrases[5].motiveCount, 1);
    }
    const TMotive& m = phrases[5].motives.at(0);
    {
        SCOPED_TRACE("CHORD");
        ASSERT_EQ(m.chords.size(), 3u);
        // the type came after TIME and replaced the whole chord
        EXPECT_EQ(m.chords[0].type, TChordType::DOMINANT_THREE_CHORD);
        EXPECT_EQ(m.chords[0].time, 0);
        EXPECT_EQ(m.chords[0].bass, -1);
        EXPECT_FALSE(m.chords[1].hasType());
        EXPECT_EQ(m.chords[1].bass, 3);
        EXPECT_EQ(m.chords[1].soprano, -1);
        EXPECT_EQ(m.chords[2].time, 2);
    }
    {
        SCOPED_TRACE("NOTES: the second list replaced the first");
        ASSERT_EQ(m.notes.size(), 3u);
        EXPECT_EQ(m.notes[0].time, 1);
        EXPECT_EQ(m.notes[0].pitch, NO_PITCH);
        EXPECT_EQ(m.notes[0].duration, SIXTEENTH);  // a default note
        EXPECT_TRUE(m.notes[0].chording);
        EXPECT_FALSE(m.notes[0].sharp);
        EXPECT_EQ(m.notes[2].duration, -30);
        EXPECT_TRUE(m.notes[2].sharp);
        EXPECT_FALSE(m.notes[2].chording);
        EXPECT_FALSE(m.notes[2].playing);
    }
}

TEST(Document, ReadsNoteKeywordsExactly) {
    TPeriodData period;
    ASSERT_TRUE(readText(
        period, document("",
                         "<SENTENCE><PHRASE><MOTIVE><NOTES>"
                         "<NOTE SIGN=\"sharp\" CHORDING_NOTE=\"yes\" PITCH=\"3\" DURATION=\"\"/>"
                         "</NOTES></MOTIVE></PHRASE></SENTENCE>")));
    const TNote& n = period.sentences.at(0).phrases.at(0).motives.at(0).notes.at(0);
    EXPECT_FALSE(n.sharp);
    EXPECT_FALSE(n.chording);
    EXPECT_EQ(n.pitch, 3);
    EXPECT_EQ(n.duration, 0);  // an empty duration reads as 0
}

TEST(Document, ReadsTheDocumentElementWhateverItsName) {
    TPeriodData period;
    ASSERT_TRUE(readText(period, "<COMPOSITION><TEMP VALUE=\"140\"/><SENTENCE/></COMPOSITION>"));
    EXPECT_EQ(period.tempo(), 140);
    ASSERT_EQ(period.sentences.size(), 1u);
    EXPECT_TRUE(period.sentences[0].phrases.empty());
}

TEST(Document, SetsTheTempoWithoutTellingTheListener) {
    TPeriodData period;
    TRecordingListener listener;
    period.setListener(&listener);
    ASSERT_TRUE(readText(period, document("    <TEMP VALUE=\"60\"/>\n", "")));
    EXPECT_EQ(period.tempo(), 60);
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_EQ(period.listener(), &listener);
}

TEST(Document, AFileThatCannotBeReadLeavesThePeriodAlone) {
    TPeriodData period = examplePeriod();
    TScratchFolder dir("document");
    TFileResult missing = readDocument(period, dir.path("none.tnr"));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.messageKey, "open error");
    EXPECT_EQ(missing.path, dir.path("none.tnr"));
    TFileResult broken = readText(period, "<PERIOD><SENTENCE></PERIOD>");
    EXPECT_FALSE(broken);
    EXPECT_EQ(broken.messageKey, "open error");
    EXPECT_EQ(documentText(period), EXAMPLE);
}

TEST(Document, AValueThatDoesNotConvertFailsPartWay) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"PITCH=\"x\"", "<NOTE PITCH=\"x\"/>"},
        {"TIME=\"1.5\"", "<NOTE TIME=\"1.5\"/>"},
        {"DURATION=\"LONG\"", "<NOTE DURATION=\"LONG\"/>"},
    };
    for (const auto& [what, note] : cases) {
        SCOPED_TRACE(what);
        TPeriodData period = examplePeriod();
        TFileResult r = readText(
            period, document("    <TEMP VALUE=\"80\"/>\n",
                             "<SENTENCE><PHRASE><MOTIVE><NOTES>" + note +
                                 "</NOTES></MOTIVE></PHRASE></SENTENCE><TEMP VALUE=\"90\"/>"));
        EXPECT_FALSE(r);
        EXPECT_EQ(r.messageKey, "open error");
        EXPECT_EQ(period.tempo(), 80);  // read before the failure; the later TEMP was not
        EXPECT_EQ(period.sentences.size(), 1u);
    }
    const std::vector<std::string> heads = {
        "<MEASURE BEATS_PER_MEASURE=\"two\"/>",
        "<MEASURE BEAT_VALUE=\"1/4\"/>",
        "<KEY SIGN=\"\"/>",
        "<TEMP VALUE=\"fast\"/>",
        "<MOTIVE_TYPE VALUE=\"ANACRUSIS\"/>",
        "<SENTENCE><PHRASE><MOTIVE><CHORDS>"
        "<CHORD SOPRANO=\"high\"/></CHORDS></MOTIVE>"
        "</PHRASE></SENTENCE>",
    };
    for (const std::string& head : heads) {
        SCOPED_TRACE(head);
        TPeriodData period = examplePeriod();
        EXPECT_FALSE(readText(period, document(head, "")));
        // the example's sentence was cleared before the failure
        const bool inSentence = head.find("<SENTENCE>") != std::string::npos;
        EXPECT_EQ(period.sentences.size(), inSentence ? 1u : 0u);
        EXPECT_NE(documentText(period), EXAMPLE);
    }
}

TEST(Document, RefusesValuesNoKeyMeterOrTimerCanTake) {
    const std::vector<std::string> heads = {
        "<KEY SIGN=\"8\"/>",
        "<KEY SIGN=\"-8\"/>",
        "<KEY SIGN=\"-2147483648\"/>",
        "<MEASURE BEATS_PER_MEASURE=\"-1\"/>",
        "<MEASURE BEATS_PER_MEASURE=\"100000\"/>",
        "<MEASURE BEAT_VALUE=\"-120\"/>",
        "<TEMP VALUE=\"0\"/>",
        "<TEMP VALUE=\"200\"/>",
    };
    for (const std::string& head : heads) {
        SCOPED_TRACE(head);
        TPeriodData period;
        TFileResult r = readText(period, document(head, ""));
        EXPECT_FALSE(r);
        EXPECT_EQ(r.messageKey, "open error");
    }
    const std::vector<std::string> fine = {"<KEY SIGN=\"7\"/>", "<KEY SIGN=\"-7\"/>",
                                           "<MEASURE BEATS_PER_MEASURE=\"0\"/>",
                                           "<TEMP VALUE=\"1\"/>", "<TEMP VALUE=\"199\"/>"};
    for (const std::string& head : fine) {
        SCOPED_TRACE(head);
        TPeriodData period;
        EXPECT_TRUE(readText(period, document(head, "")));
    }
}

TEST(Document, RefusesNumbersBeyondWhatAMotiveCanHold) {
    // numbers beyond 32 bits used to be cut ("4294967296" read as 0, "2147483648" as a negative
    // time); numbers that fit but lie far outside any motive overflowed the editors' arithmetic
    const std::vector<std::string> refused = {
        "<NOTE TIME=\"2147483648\"/>",  "<NOTE TIME=\"4294967296\"/>",
        "<NOTE TIME=\"2147483647\"/>",  "<NOTE TIME=\"-2147483648\"/>",
        "<NOTE TIME=\"16777217\"/>",    "<NOTE TIME=\"-16777217\"/>",
        "<NOTE PITCH=\"2147483647\"/>", "<NOTE PITCH=\"-2147483648\"/>",
        "<NOTE PITCH=\"65537\"/>",      "<NOTE DURATION=\"4294967296\"/>",
    };
    const std::vector<std::string> refusedChords = {
        "<CHORD TIME=\"2147483000\"/>",  "<CHORD TIME=\"-2147483000\"/>",
        "<CHORD BASS=\"-2147483648\"/>", "<CHORD SOPRANO=\"2147483647\"/>",
        "<CHORD TENOR=\"65537\"/>",      "<CHORD ALT=\"-65537\"/>",
    };
    auto notesDocument = [](const std::string& note) {
        return document("", "<SENTENCE><PHRASE><MOTIVE><NOTES>" + note +
                                "</NOTES></MOTIVE></PHRASE></SENTENCE>");
    };
    auto chordsDocument = [](const std::string& chord) {
        return document("", "<SENTENCE><PHRASE><MOTIVE><CHORDS>" + chord +
                                "</CHORDS></MOTIVE></PHRASE></SENTENCE>");
    };
    for (const std::string& note : refused) {
        SCOPED_TRACE(note);
        TPeriodData period;
        TFileResult r = readText(period, notesDocument(note));
        EXPECT_FALSE(r);
        EXPECT_EQ(r.messageKey, "open error");
    }
    for (const std::string& chord : refusedChords) {
        SCOPED_TRACE(chord);
        TPeriodData period;
        EXPECT_FALSE(readText(period, chordsDocument(chord)));
    }
    {
        SCOPED_TRACE("the MOTIVE_TYPE beyond 32 bits");
        TPeriodData period;
        EXPECT_FALSE(readText(period, document("<MOTIVE_TYPE VALUE=\"9999999999\"/>", "")));
    }
    // the limits themselves, and values far outside the staff, are still read as they stand
    TPeriodData period;
    ASSERT_TRUE(readText(period, notesDocument("<NOTE TIME=\"16777216\" PITCH=\"65536\"/>"
                                               "<NOTE TIME=\"-16777216\" PITCH=\"-65536\"/>"
                                               "<NOTE PITCH=\"100\" DURATION=\"65537\"/>")));
    const TNoteList& notes = period.sentences[0].phrases[0].motives[0].notes;
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].time, 16777216);
    EXPECT_EQ(notes[0].pitch, 65536);
    EXPECT_EQ(notes[1].time, -16777216);
    EXPECT_EQ(notes[1].pitch, -65536);
    EXPECT_EQ(notes[2].pitch, 100);
    EXPECT_EQ(notes[2].duration, 1);  // a duration keeps its 16-bit cut
    ASSERT_TRUE(readText(period, chordsDocument("<CHORD TIME=\"-16777216\" BASS=\"-65536\" "
                                                "SOPRANO=\"65536\"/>")));
    const TChord& chord = period.sentences[0].phrases[0].motives[0].chords.at(0);
    EXPECT_EQ(chord.time, -16777216);
    EXPECT_EQ(chord.bass, -65536);
    EXPECT_EQ(chord.soprano, 65536);
}

TEST(Document, AFailedSaveKeepsThePreviousFile) {
    TScratchFolder dir("document");
    const std::string path = dir.path("song.tnr");
    ASSERT_TRUE(writeDocument(examplePeriod(), path));
    if (::geteuid() != 0) {
        fs::permissions(dir.folder(), fs::perms::owner_read | fs::perms::owner_exec);
        TFileResult r = writeDocument(TPeriodData(), path);
        fs::permissions(dir.folder(), fs::perms::owner_all);
        EXPECT_FALSE(r);
        EXPECT_EQ(r.messageKey, "save error");
        EXPECT_EQ(r.path, path);
        EXPECT_EQ(readWholeFile(path), EXAMPLE);
    }
    TFileResult r = writeDocument(TPeriodData(), dir.path("missing/song.tnr"));
    EXPECT_FALSE(r);
    EXPECT_EQ(r.messageKey, "save error");
}

TEST(Document, NamesPhraseLetters) {
    const char* names[] = {"A", "B", "C", "D", "E", "A1", "B1", "C1", "D1", "E1", "A2"};
    for (int code = 0; code < 20; ++code) {
        SCOPED_TRACE(code);
        const std::string expected = code >= 5 && code <= 15 ? names[code - 5] : "";
        EXPECT_EQ(suffixName(static_cast<COLORED_BOX_SUFFIX>(code)), expected);
        if (!expected.empty()) {
            EXPECT_EQ(suffixCode(expected), code);
        }
    }
    EXPECT_EQ(suffixCode("a1"), 5);
    EXPECT_EQ(suffixCode(" A"), 5);
}
