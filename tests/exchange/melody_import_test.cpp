#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/import_error.h"
#include "exchange/melody_import.h"
#include "import_test_files.h"
#include "model/period_data.h"
#include "model/pitch_spelling.h"

namespace {

// A note of the period on the time line the motives make one after another.
struct TPlacedNote {
    int32_t time;
    int32_t pitch;
    int32_t duration;
    bool operator==(const TPlacedNote&) const = default;
};

std::vector<TPlacedNote> timeline(const TPeriodData& period, bool withRests = false) {
    std::vector<TPlacedNote> notes;
    const int32_t length = period.measure.measureLength();
    int32_t base = 0;
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        for (const TNote& n : period.motiveAt(a).notes)
            if (withRests || !n.isRest())
                notes.push_back({base + n.time, n.pitch, n.duration});
        base += length;
    }
    return notes;
}

// The position of a written note in a key, as the model places it.
int32_t positionOf(const std::string& name, const TKey& key) {
    for (int32_t p = 0; p < PITCH_COUNT; ++p)
        if (pitchName(p, key) == name)
            return p;
    return NO_PITCH;
}

std::string twoFour(int fifths = 0, const std::string& mode = "major", int divisions = 4) {
    return attributesOf(divisions, fifths, mode, 2, 4);
}

TMelodyImport importScore(const std::string& measures) {
    return importMelody(scoreOf(measures));
}

}  // namespace

TEST(MelodyImport, PlainMelodyKeepsKeyMeterNotesAndRestsWithoutReport) {
    const TMelodyImport imported = importScore(
        measureOf(1, twoFour(1, "major") + noteOf("G4", 2) + noteOf("A4", 2) + restOf(4)) +
        measureOf(2, noteOf("F#4", 6) + noteOf("G4", 2)));
    EXPECT_TRUE(imported.report.empty());
    const TPeriodData& period = imported.period;
    EXPECT_EQ(period.key, TKey(1, MAJOR));
    EXPECT_EQ(period.measure, TMeasure(2, QUARTER));
    EXPECT_EQ(period.anacrusis, 0);
    EXPECT_EQ(period.name(), "Untitled");
    const TKey& key = period.key;
    const std::vector<TPlacedNote> expected = {{0, positionOf("G4", key), 60},
                                               {60, positionOf("A4", key), 60},
                                               {120, NO_PITCH, -120},
                                               {240, positionOf("F♯4", key), 180},
                                               {420, positionOf("G4", key), 60}};
    EXPECT_EQ(timeline(period, true), expected);
    // two measures: the smallest shape, one sentence of two two-motive phrases lettered A, B
    ASSERT_EQ(period.sentences.size(), 1u);
    ASSERT_EQ(period.sentences[0].phrases.size(), 2u);
    EXPECT_EQ(period.motiveCount(), 4u);
    EXPECT_EQ(period.sentences[0].phrases[0].letter, 5);
    EXPECT_EQ(period.sentences[0].phrases[1].letter, 6);
    EXPECT_TRUE(period.motiveAt({0, 1, 0}).isEmpty());
    EXPECT_TRUE(period.motiveAt({0, 1, 1}).isEmpty());
}

TEST(MelodyImport, ShapeIsTheSmallestTemplateThatHoldsTheMeasuresElseTheEditorsShape) {
    const auto melodyOf = [](int measures) {
        std::string text = measureOf(1, twoFour() + noteOf("C5", 8));
        for (int m = 2; m <= measures; ++m)
            text += measureOf(m, noteOf("D5", 8));
        return text;
    };
    const auto shapeFor = [&](int measures) {
        const TPeriodData period = importScore(melodyOf(measures)).period;
        std::vector<std::vector<size_t>> counts;
        for (const TSentenceData& s : period.sentences) {
            counts.emplace_back();
            for (const TPhraseData& p : s.phrases)
                counts.back().push_back(p.motives.size());
        }
        return counts;
    };
    using TShape = std::vector<std::vector<size_t>>;
    EXPECT_EQ(shapeFor(4), (TShape{{2, 2}}));
    EXPECT_EQ(shapeFor(5), (TShape{{2, 2}, {2, 2}}));
    EXPECT_EQ(shapeFor(8), (TShape{{2, 2}, {2, 2}}));
    EXPECT_EQ(shapeFor(9), (TShape{{3, 2}, {2, 3}}));
    EXPECT_EQ(shapeFor(11), (TShape{{4, 4}, {4, 4}}));
    EXPECT_EQ(shapeFor(16), (TShape{{4, 4}, {4, 4}}));
    // beyond the templates, the shape the New dialog's editor makes: phrases of four motives,
    // the last holding the rest, in as few sentences as hold them
    EXPECT_EQ(shapeFor(17), (TShape{{4, 4, 4}, {4, 1}}));
    EXPECT_EQ(shapeFor(64), (TShape{{4, 4, 4, 4}, {4, 4, 4, 4}, {4, 4, 4, 4}, {4, 4, 4, 4}}));
    EXPECT_EQ(importError(scoreOf(melodyOf(65))),
              "the melody fills 65 motives; the largest period holds 64");
}

TEST(MelodyImport, LetteredAsANewCompositionIs) {
    std::string text = measureOf(1, twoFour() + noteOf("C5", 8));
    for (int m = 2; m <= 8; ++m)
        text += measureOf(m, noteOf("D5", 8));
    const TPeriodData period = importScore(text).period;
    std::vector<int> letters;
    for (const TSentenceData& s : period.sentences)
        for (const TPhraseData& p : s.phrases)
            letters.push_back(p.letter);
    EXPECT_EQ(letters, (std::vector<int>{5, 6, 11, 10}));
}

TEST(MelodyImport, PickupBecomesTheAnacrusisAndJoinsTheMotiveAfterIt) {
    // 3/4 with a quarter's up-beat: the last quarter of each measure opens the next motive
    const TMelodyImport imported = importMelody(
        scoreOf(measureOf(0, attributesOf(2, -1, "major", 3, 4) + noteOf("C5", 2), true) +
                measureOf(1, noteOf("F5", 2) + noteOf("E5", 2) + noteOf("D5", 2)) +
                measureOf(2, noteOf("C5", 4) + restOf(2))));
    EXPECT_TRUE(imported.report.empty());
    const TPeriodData& period = imported.period;
    EXPECT_EQ(period.anacrusis, 120);
    const TKey& key = period.key;
    const TMotive& first = period.motiveAt({0, 0, 0});
    const TMotive& second = period.motiveAt({0, 0, 1});
    ASSERT_EQ(first.notes.size(), 3u);
    EXPECT_EQ(first.notes[0], TNote(240, positionOf("C5", key), 120));
    EXPECT_EQ(first.notes[1], TNote(360, positionOf("F5", key), 120));
    EXPECT_EQ(first.notes[2], TNote(480, positionOf("E5", key), 120));
    ASSERT_EQ(second.notes.size(), 2u);
    EXPECT_EQ(second.notes[0], TNote(240, positionOf("D5", key), 120));
    EXPECT_EQ(second.notes[1], TNote(360, positionOf("C5", key), 240));
    // the rest at the end of the last measure is where a third motive would begin: none is made
    EXPECT_TRUE(period.motiveAt({0, 1, 0}).isEmpty());
}

TEST(MelodyImport, PickupThatIsNoUpBeatTheModelAllowsIsRefused) {
    // a triplet eighth before the first bar line
    EXPECT_EQ(importError(scoreOf(measureOf(0, twoFour(0, "major", 3) + noteOf("C5", 1), true) +
                                  measureOf(1, noteOf("D5", 6)))),
              "the pickup measure lasts 40 ticks; an up-beat must be whole sixteenths shorter "
              "than the measure (240 ticks)");
}

TEST(MelodyImport, MeterMustBeOneANewCompositionOffers) {
    EXPECT_EQ(
        importError(scoreOf(measureOf(1, attributesOf(1, 0, "major", 4, 4) + noteOf("C5", 4)))),
        "the meter 4/4 is not one the program offers (2/4, 3/4, 2/8, 3/8)");
    EXPECT_EQ(
        importError(scoreOf(measureOf(1, attributesOf(1, 0, "major", 6, 8) + noteOf("C5", 3)))),
        "the meter 6/8 is not one the program offers (2/4, 3/4, 2/8, 3/8)");
    EXPECT_EQ(
        importError(scoreOf(measureOf(1, twoFour() + noteOf("C5", 8)) +
                            measureOf(2,
                                      "<attributes><time><beats>3</beats><beat-type>4</beat-type>"
                                      "</time></attributes>" +
                                          noteOf("C5", 12)))),
        "the meter changes to 3/4 in measure 2; a period keeps one meter");
    // the eighth meters
    const TPeriodData period =
        importMelody(scoreOf(measureOf(1, attributesOf(2, 0, "major", 3, 8) + noteOf("C5", 3))))
            .period;
    EXPECT_EQ(period.measure, TMeasure(3, EIGHTH));
    EXPECT_EQ(timeline(period), (std::vector<TPlacedNote>{{0, positionOf("C5", period.key), 180}}));
}

TEST(MelodyImport, KeyWithoutSignatureIsTheOneWithFewestNotesOutside) {
    // D major's notes, D to D: no other key holds them all
    const TMelodyImport imported = importScore(
        measureOf(1, twoFour(8) + noteOf("D4", 2) + noteOf("E4", 2) + noteOf("F#4", 2) +
                         noteOf("G4", 2)) +
        measureOf(2, noteOf("A4", 2) + noteOf("B4", 2) + noteOf("C#5", 2) + noteOf("D5", 2)));
    EXPECT_EQ(imported.period.key, TKey(2, MAJOR));
    EXPECT_EQ(imported.report, (std::vector<std::string>{
                                   "Key: the file gives no key signature; chose D major, with 0 "
                                   "notes outside it"}));
    // E F G# A: only harmonic minor holds the augmented second's neighbours with G#
    const TMelodyImport minor = importScore(measureOf(
        1, twoFour(8) + noteOf("A4", 2) + noteOf("F5", 2) + noteOf("G#4", 2) + noteOf("A4", 2)));
    EXPECT_EQ(minor.period.key, TKey(0, MINOR));
    EXPECT_EQ(minor.report.front(),
              "Key: the file gives no key signature; chose A minor, with 0 notes outside it");
    // minor's raised seventh is a note of the key: no line for it, and it carries its sign
    const TMotive& motive = minor.period.motiveAt({0, 0, 0});
    EXPECT_EQ(minor.report.size(), 1u);
    EXPECT_TRUE(motive.notes[2].sharp);
}

TEST(MelodyImport, SignatureWithoutModeLeavesTheModeToTheNotes) {
    const std::string noMode =
        "<attributes><divisions>4</divisions><key><fifths>0</fifths></key><time><beats>2</beats>"
        "<beat-type>4</beat-type></time></attributes>";
    const TMelodyImport minor = importScore(
        measureOf(1, noMode + noteOf("A4", 4) + noteOf("G#4", 4)) + measureOf(2, noteOf("A4", 8)));
    EXPECT_EQ(minor.period.key, TKey(0, MINOR));
    EXPECT_EQ(minor.report,
              (std::vector<std::string>{"Key: the file gives no sharps or flats but not the mode; "
                                        "chose A minor, with 0 notes outside it"}));
    const TMelodyImport major = importScore(
        measureOf(1, noMode + noteOf("E4", 4) + noteOf("G4", 4)) + measureOf(2, noteOf("C5", 8)));
    EXPECT_EQ(major.period.key, TKey(0, MAJOR));
}

TEST(MelodyImport, NoteOutsideTheKeyGoesToTheNearestPositionOfTheKey) {
    // C major: F#4 lies between F and G; its letter decides. A natural G in A minor goes to G#.
    const TMelodyImport major =
        importScore(measureOf(1, twoFour() + noteOf("C5", 4) + noteOf("F#4", 4)));
    EXPECT_EQ(major.report,
              (std::vector<std::string>{"Measure 1, beat 2: F♯4 outside C major; kept F4"}));
    EXPECT_EQ(major.period.motiveAt({0, 0, 0}).notes[1].pitch, positionOf("F4", major.period.key));
    const TMelodyImport minor =
        importScore(measureOf(1, twoFour(0, "minor") + noteOf("A4", 6) + noteOf("G4", 2)));
    EXPECT_EQ(minor.report,
              (std::vector<std::string>{"Measure 1, beat 2.5: G4 outside A minor; kept G♯4"}));
    // an enharmonic spelling of a note of the key sounds the same: nothing to report
    EXPECT_TRUE(
        importScore(measureOf(1, twoFour() + noteOf("C5", 4) + noteOf("E#4", 4))).report.empty());
}

TEST(MelodyImport, NoteOutsideTheRangeMovesByOctaves) {
    const TMelodyImport imported =
        importScore(measureOf(1, twoFour() + noteOf("C8", 4) + noteOf("B0", 4)));
    EXPECT_EQ(imported.report,
              (std::vector<std::string>{"Measure 1, beat 1: C8 outside the range; kept C7",
                                        "Measure 1, beat 2: B0 outside the range; kept B1"}));
    const TKey& key = imported.period.key;
    const TMotive& motive = imported.period.motiveAt({0, 0, 0});
    EXPECT_EQ(motive.notes[0].pitch, positionOf("C7", key));
    EXPECT_EQ(motive.notes[1].pitch, positionOf("B1", key));
}

TEST(MelodyImport, ChordKeepsItsTopNote) {
    const TMelodyImport imported =
        importScore(measureOf(1, twoFour() + noteOf("C4", 4) + noteOf("G4", 4, "", "<chord/>") +
                                     noteOf("E4", 4, "", "<chord/>") + noteOf("D5", 4)));
    EXPECT_EQ(
        imported.report,
        (std::vector<std::string>{"Measure 1, beat 1: chord C4 E4 G4; kept its top note G4"}));
    const TKey& key = imported.period.key;
    EXPECT_EQ(timeline(imported.period),
              (std::vector<TPlacedNote>{{0, positionOf("G4", key), 120},
                                        {120, positionOf("D5", key), 120}}));
}

TEST(MelodyImport, TiesAreMergedAndATieIntoTheNextMotiveMakesTwoNotes) {
    const std::string tieStart = "<tie type=\"start\"/>";
    const std::string tieStop = "<tie type=\"stop\"/>";
    const TMelodyImport imported =
        importScore(measureOf(1, twoFour() + noteOf("E5", 4, tieStart) + noteOf("E5", 2, tieStop) +
                                     noteOf("D5", 2, tieStart)) +
                    measureOf(2, noteOf("D5", 8, tieStop)));
    EXPECT_EQ(imported.report,
              (std::vector<std::string>{
                  "Measure 1, beat 2.5: D5 goes on into the next motive; kept as two notes"}));
    const TKey& key = imported.period.key;
    EXPECT_EQ(timeline(imported.period),
              (std::vector<TPlacedNote>{{0, positionOf("E5", key), 180},
                                        {180, positionOf("D5", key), 60},
                                        {240, positionOf("D5", key), 240}}));
}

TEST(MelodyImport, LengthsOffTheSixteenthGridAreRoundedWithoutChangingTheMeasure) {
    // an eighth triplet, then a sixteenth split into two thirty-seconds, in divisions of 24
    const TMelodyImport imported = importScore(
        measureOf(1, twoFour(0, "major", 24) + noteOf("C5", 8) + noteOf("D5", 8) + noteOf("E5", 8) +
                         noteOf("F5", 3) + noteOf("G5", 3) + noteOf("A5", 18)));
    EXPECT_EQ(imported.report,
              (std::vector<std::string>{
                  "Measure 1, beat 1: C5 lasting 40 ticks, off the sixteenth grid; kept C5 "
                  "lasting 30 ticks",
                  "Measure 1, beat 1.33: D5 lasting 40 ticks, off the sixteenth grid; kept D5 "
                  "at beat 1.25 lasting 60 ticks",
                  "Measure 1, beat 1.67: E5 lasting 40 ticks, off the sixteenth grid; kept E5 "
                  "at beat 1.75 lasting 30 ticks",
                  "Measure 1, beat 2: F5 lasting 15 ticks, off the sixteenth grid; kept F5 "
                  "lasting 30 ticks",
                  "Measure 1, beat 2.13: G5 lasting 15 ticks, shorter than a sixteenth; left "
                  "out"}));
    const TKey& key = imported.period.key;
    const std::vector<TPlacedNote> notes = timeline(imported.period);
    const std::vector<TPlacedNote> expected = {{0, positionOf("C5", key), 30},
                                               {30, positionOf("D5", key), 60},
                                               {90, positionOf("E5", key), 30},
                                               {120, positionOf("F5", key), 30},
                                               {150, positionOf("A5", key), 90}};
    EXPECT_EQ(notes, expected);
}

TEST(MelodyImport, GraceNotesAreLeftOut) {
    const TMelodyImport imported =
        importScore(measureOf(1, twoFour() +
                                     "<note><grace/><pitch><step>D</step><octave>5</octave></pitch>"
                                     "<voice>1</voice></note>" +
                                     noteOf("C5", 8)));
    EXPECT_EQ(imported.report,
              (std::vector<std::string>{"Measure 1, beat 1: grace note D5; left out"}));
    EXPECT_EQ(timeline(imported.period).size(), 1u);
}

TEST(MelodyImport, OtherVoicesAndKeyChangesAreReported) {
    const std::string secondVoice =
        "<backup><duration>8</duration></backup><note><pitch><step>C</step><octave>4</octave>"
        "</pitch><duration>8</duration><voice>2</voice></note>";
    const TMelodyImport imported = importScore(
        measureOf(1, twoFour() + noteOf("E5", 8) + secondVoice) +
        measureOf(2, "<attributes><key><fifths>1</fifths><mode>major</mode></key></attributes>" +
                         noteOf("F#5", 8)));
    EXPECT_EQ(imported.report,
              (std::vector<std::string>{
                  "Measure 1, beat 1: notes of other voices than voice 1; left out",
                  "Measure 2, beat 1: the key changes to G major; the notes are read in C major",
                  "Measure 2, beat 1: F♯5 outside C major; kept F5"}));
    EXPECT_EQ(timeline(imported.period).size(), 2u);
}

TEST(MelodyImport, TempoComesFromTheScore) {
    // 75 quarters a minute: a quarter of 800 ms, the program's tempo 100
    const TMelodyImport imported = importScore(
        measureOf(1, twoFour() + "<direction><sound tempo=\"75\"/></direction>" + noteOf("C5", 8)));
    EXPECT_EQ(imported.period.tempo(), 100);
    EXPECT_EQ(importScore(measureOf(1, twoFour() + noteOf("C5", 8))).period.tempo(), 100);
    EXPECT_EQ(importScore(measureOf(1, twoFour() + "<sound tempo=\"300\"/>" + noteOf("C5", 8)))
                  .period.tempo(),
              150);
}

TEST(MelodyImport, PartIsChosenByNumber) {
    const std::string measures = measureOf(1, twoFour() + noteOf("C5", 8));
    std::string two = scoreOf(measures, 2);
    const size_t second = two.rfind("C</step>");
    two.replace(second, 1, "E");
    TImportOptions options;
    options.part = 2;
    const TMelodyImport imported = importMelody(two, options);
    EXPECT_EQ(timeline(imported.period).front().pitch, positionOf("E5", imported.period.key));
    options.part = 3;
    EXPECT_EQ(importError(two, options), "the score has 2 parts; there is no part 3");
    TImportOptions track;
    track.track = 1;
    EXPECT_EQ(importError(two, track),
              "a MusicXML score has parts, not tracks: choose one with --part");
}

TEST(MelodyImport, BadInputIsOneLine) {
    EXPECT_EQ(importError("hello"), "neither a MusicXML score nor a standard MIDI file");
    EXPECT_EQ(importError(""), "neither a MusicXML score nor a standard MIDI file");
    EXPECT_EQ(importError("<PERIOD><KEY/></PERIOD>"),
              "not a MusicXML score: the document is <PERIOD>");
    EXPECT_EQ(importError("<score-partwise><part-list>"),
              "not a MusicXML file: the text is not well-formed XML");
    EXPECT_EQ(importError("<score-timewise/>"),
              "a timewise MusicXML score is not read; save it as a partwise score");
    EXPECT_EQ(importError(std::string("PK\3\4compressed")),
              "compressed MusicXML (.mxl) is not read; save the score uncompressed");
    EXPECT_EQ(importError(scoreOf(measureOf(1, twoFour() + restOf(8)))), "the melody has no notes");
    EXPECT_EQ(importError(scoreOf(measureOf(1, noteOf("C5", 8)))), "the score gives no meter");
    EXPECT_EQ(importError(std::string(LARGEST_IMPORTED_FILE + 1, ' ')),
              "the file is larger than 16 MB; no melody of a period is that large");
    // a score cut anywhere is either not well-formed or holds less, never a crash
    const std::string whole = scoreOf(measureOf(1, twoFour() + noteOf("C5", 4) + noteOf("D5", 4)));
    for (size_t cut = 0; cut < whole.size(); cut += 7)
        EXPECT_NO_FATAL_FAILURE(importError(whole.substr(0, cut)));
}

TEST(MelodyImport, TripletQuartersMoveToTheNearestSixteenths) {
    const TMelodyImport imported = importMelody(
        scoreOf(measureOf(1, attributesOf(6, 0, "major", 3, 4) + noteOf("D5", 4) + noteOf("E5", 4) +
                                 noteOf("F5", 4) + noteOf("G5", 6))));
    EXPECT_EQ(imported.report,
              (std::vector<std::string>{
                  "Measure 1, beat 1: D5 lasting 80 ticks, off the sixteenth grid; kept D5 "
                  "lasting 90 ticks",
                  "Measure 1, beat 1.67: E5 lasting 80 ticks, off the sixteenth grid; kept E5 "
                  "at beat 1.75 lasting 60 ticks",
                  "Measure 1, beat 2.33: F5 lasting 80 ticks, off the sixteenth grid; kept F5 "
                  "at beat 2.25 lasting 90 ticks"}));
    const std::vector<TPlacedNote> notes = timeline(imported.period);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[3].time, 240);
    EXPECT_EQ(notes[3].duration, 120);
}
