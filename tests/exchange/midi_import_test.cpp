#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/import_error.h"
#include "exchange/melody_import.h"
#include "exchange/midi_file_reader.h"
#include "import_test_files.h"
#include "model/period_data.h"

namespace {

struct TPlacedNote {
    int32_t time;
    int32_t midi;
    int32_t duration;
    bool operator==(const TPlacedNote&) const = default;
};

// The sounding notes on the period's time line, as MIDI numbers.
std::vector<TPlacedNote> sounding(const TPeriodData& period) {
    std::vector<TPlacedNote> notes;
    int32_t base = 0;
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        for (const TNote& n : period.motiveAt(a).notes)
            if (!n.isRest())
                notes.push_back({base + n.time, period.key.pitch(n.pitch), n.duration});
        base += period.measure.measureLength();
    }
    return notes;
}

// 2/4 in G major, a conductor track and one melody track of quarters and eighths.
const std::vector<TMidiStep> TUNE = {{67, 0, 120}, {69, 0, 60}, {71, 0, 60}, {72, 0, 240}};

}  // namespace

TEST(MidiImport, FirstTrackWithNotesIsTheMelody) {
    const std::string file =
        midiOf(1, 120, {conductorOf(2, 2, 1, 0), {}, notesOf(0, TUNE), notesOf(1, TUNE)});
    const TMelodyImport imported = importMelody(file);
    EXPECT_TRUE(imported.report.empty());
    EXPECT_EQ(imported.period.key, TKey(1, MAJOR));
    EXPECT_EQ(imported.period.measure, TMeasure(2, QUARTER));
    EXPECT_EQ(imported.period.anacrusis, 0);
    EXPECT_EQ(
        sounding(imported.period),
        (std::vector<TPlacedNote>{{0, 67, 120}, {120, 69, 60}, {180, 71, 60}, {240, 72, 240}}));
}

TEST(MidiImport, TrackIsChosenByNumber) {
    std::vector<TMidiStep> other = TUNE;
    other[0].key = 62;
    const std::string file =
        midiOf(1, 120, {conductorOf(2, 2, 1, 0), notesOf(0, TUNE), notesOf(0, other)});
    TImportOptions options;
    options.track = 3;
    EXPECT_EQ(sounding(importMelody(file, options).period).front().midi, 62);
    options.track = 1;
    EXPECT_EQ(importError(file, options), "track 1 of the MIDI file has no notes");
    options.track = 4;
    EXPECT_EQ(importError(file, options), "the MIDI file has 3 tracks; there is no track 4");
}

TEST(MidiImport, OtherTicksPerQuarterAndMinorKey) {
    // 480 ticks a quarter, E minor, with the raised seventh D#
    const std::vector<TMidiStep> tune = {{64, 0, 480}, {75, 0, 240}, {76, 0, 240}};
    const TMelodyImport imported =
        importMelody(midiOf(0, 480, {[&] {
                                std::vector<uint8_t> t = conductorOf(2, 2, 1, 1);
                                const std::vector<uint8_t> n = notesOf(0, tune);
                                t.insert(t.end(), n.begin(), n.end());
                                return t;
                            }()}));
    EXPECT_TRUE(imported.report.empty());
    EXPECT_EQ(imported.period.key, TKey(1, MINOR));
    EXPECT_EQ(sounding(imported.period),
              (std::vector<TPlacedNote>{{0, 64, 120}, {120, 75, 60}, {180, 76, 60}}));
}

TEST(MidiImport, LeadingSilenceIsDroppedAndALateFirstNoteMakesAPickup) {
    // two silent measures of 3/8, then an eighth's up-beat
    const std::vector<TMidiStep> tune = {{72, 2 * 180 + 120, 60}, {74, 0, 120}};
    const TMelodyImport imported =
        importMelody(midiOf(1, 120, {conductorOf(3, 3, 0, 0), notesOf(0, tune)}));
    EXPECT_EQ(imported.period.measure, TMeasure(3, EIGHTH));
    EXPECT_EQ(imported.period.anacrusis, 60);
    EXPECT_EQ(sounding(imported.period), (std::vector<TPlacedNote>{{120, 72, 60}, {180, 74, 120}}));
    EXPECT_EQ(imported.period.motiveAt({0, 0, 0}).notes.front().time, 120);
}

TEST(MidiImport, SimultaneousNotesKeepTheTopOne) {
    std::vector<uint8_t> track = {0x00, 0x90, 60,   90, 0x00, 0x90, 67, 90, 0x00, 0x90, 64, 90,
                                  0x81, 0x70, 0x80, 60, 0,    0x00, 67, 0,  0x00, 64,   0};
    const TMelodyImport imported = importMelody(midiOf(1, 120, {conductorOf(2, 2, 0, 0), track}));
    EXPECT_EQ(
        imported.report,
        (std::vector<std::string>{"Measure 1, beat 1: chord C4 E4 G4; kept its top note G4"}));
    EXPECT_EQ(sounding(imported.period), (std::vector<TPlacedNote>{{0, 67, 240}}));
}

TEST(MidiImport, RunningStatusAndNoteOnWithoutVelocityEndANote) {
    // 90 3C 64, 78 3C 00 (running status, velocity 0 ends it), 00 3E 64, 78 3E 00
    const std::vector<uint8_t> track = {0x00, 0x90, 0x3C, 0x64, 0x78, 0x3C, 0x00,
                                        0x00, 0x3E, 0x64, 0x78, 0x3E, 0x00};
    const TMelodyImport imported =
        importMelody(midiOf(0, 120, {[&] {
                                std::vector<uint8_t> t = conductorOf(2, 2, 0, 0);
                                t.insert(t.end(), track.begin(), track.end());
                                return t;
                            }()}));
    EXPECT_EQ(sounding(imported.period), (std::vector<TPlacedNote>{{0, 60, 120}, {120, 62, 120}}));
}

TEST(MidiImport, WithoutKeySignatureTheKeyIsGuessedAndReported) {
    const TMelodyImport imported = importMelody(midiOf(1, 120,
                                                       {{0x00, 0xFF, 0x58, 0x04, 2, 2, 0x18, 0x08},
                                                        notesOf(0, {{62, 0, 60},
                                                                    {64, 0, 60},
                                                                    {66, 0, 60},
                                                                    {67, 0, 60},
                                                                    {69, 0, 60},
                                                                    {71, 0, 60},
                                                                    {73, 0, 60},
                                                                    {74, 0, 60}})}));
    EXPECT_EQ(imported.period.key, TKey(2, MAJOR));
    EXPECT_EQ(imported.report.front(),
              "Key: the file gives no key signature; chose D major, with 0 notes outside it");
    // the black keys of a sharp key are read as sharps: C#5 is no note of C major
    const TMelodyImport major = importMelody(
        midiOf(1, 120, {conductorOf(2, 2, 0, 0), notesOf(0, {{72, 0, 120}, {73, 0, 120}})}));
    EXPECT_EQ(major.report,
              (std::vector<std::string>{"Measure 1, beat 2: C♯5 outside C major; kept C5"}));
}

TEST(MidiImport, BadFilesAreOneLine) {
    EXPECT_EQ(importError(midiOf(1, 120, {conductorOf(2, 2, 0, 0)})), "the MIDI file has no notes");
    EXPECT_EQ(importError(midiOf(1, 120, {conductorOf(2, 2, 0, 0), {0x00, 0xC0, 0x05}})),
              "the MIDI file has no notes");
    EXPECT_EQ(importError(midiOf(1, 120, {notesOf(0, TUNE)})),
              "the meter 4/4 is not one the program offers (2/4, 3/4, 2/8, 3/8)");
    EXPECT_EQ(importError(std::string("MThd\0\0\0\6\0\1\0\1\xE7\x28", 14)),
              "the MIDI file counts time in SMPTE frames, not in beats");
    EXPECT_EQ(importError(std::string("MThd\0\0\0\6\0\1", 10)), "not a standard MIDI file");
    TImportOptions part;
    part.part = 1;
    EXPECT_EQ(importError(midiOf(1, 120, {conductorOf(2, 2, 0, 0), notesOf(0, TUNE)}), part),
              "a MIDI file has tracks, not parts: choose one with --track");
}

TEST(MidiFileReader, TruncatedFilesAreRefusedWhereverTheyAreCut) {
    const std::string whole = midiOf(1, 120, {conductorOf(2, 2, 0, 0), notesOf(0, TUNE)});
    ASSERT_NO_THROW(readMidiFileData(whole));
    for (size_t cut = 0; cut < whole.size(); ++cut)
        EXPECT_THROW(readMidiFileData(std::string_view(whole).substr(0, cut)), TImportError)
            << "cut at " << cut;
}

TEST(MidiFileReader, LengthsBeyondTheFileAreRefused) {
    // a track that says it is longer than the file
    std::string file = midiOf(1, 120, {notesOf(0, TUNE)});
    file[21] = char(0x7F);
    EXPECT_EQ(importError(file), "the MIDI file ends inside a track: it is truncated");
    // a meta event whose length runs past its track
    EXPECT_EQ(importError(midiOf(1, 120, {{0x00, 0xFF, 0x03, 0x8F, 0xFF, 0xFF, 0x7F}})),
              "the MIDI file ends inside a track");
    // a system exclusive message likewise
    EXPECT_EQ(importError(midiOf(1, 120, {{0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0x7F, 0x01}})),
              "the MIDI file ends inside a track");
    // a length longer than four bytes
    EXPECT_EQ(importError(midiOf(1, 120, {{0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 100}})),
              "the MIDI file holds a number longer than four bytes");
    // data without any status before it
    EXPECT_EQ(importError(midiOf(1, 120, {{0x00, 0x3C, 0x64}})),
              "the MIDI file has a data byte where an event should start");
}

TEST(MidiFileReader, ReadsNotesMetaEventsAndSkipsUnknownChunks) {
    std::string file = midiOf(1, 96,
                              {{0x00, 0xFF, 0x51, 0x03, 0x0C, 0x35, 0x00, 0x00, 0xFF, 0x58, 0x04,
                                3,    3,    0x18, 0x08, 0x00, 0xFF, 0x59, 0x02, 0xFD, 0x01},
                               notesOf(2, {{60, 10, 20}, {62, 5, 30}})});
    file += std::string("XTRA\0\0\0\3abc", 11);
    const TMidiFileData data = readMidiFileData(file);
    EXPECT_EQ(data.format, 1);
    EXPECT_EQ(data.ticksPerQuarter, 96);
    ASSERT_EQ(data.tracks.size(), 2u);
    ASSERT_EQ(data.tempos.size(), 1u);
    EXPECT_EQ(data.tempos[0].microsPerQuarter, 800000);
    ASSERT_EQ(data.timeSignatures.size(), 1u);
    EXPECT_EQ(data.timeSignatures[0].numerator, 3);
    EXPECT_EQ(data.timeSignatures[0].denominator, 8);
    ASSERT_EQ(data.keySignatures.size(), 1u);
    EXPECT_EQ(data.keySignatures[0].sharps, -3);
    EXPECT_EQ(data.keySignatures[0].minor, 1);
    const std::vector<TMidiFileNote>& notes = data.tracks[1].notes;
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].start, 10);
    EXPECT_EQ(notes[0].end, 30);
    EXPECT_EQ(notes[0].channel, 2);
    EXPECT_EQ(notes[1].start, 35);
    EXPECT_EQ(notes[1].end, 65);
    EXPECT_EQ(data.tracks[1].channels, 1u << 2);
}
