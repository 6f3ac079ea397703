#include "playback/midi_file_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "playback/instrument_conf.h"
#include "support/scratch_folder.h"

namespace {

using TBytes = std::vector<uint8_t>;

const TKey C_MAJOR(0, MAJOR);

TBytes concat(std::initializer_list<TBytes> parts) {
    TBytes all;
    for (const TBytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const TBytes HEADER = {0x4D, 0x54, 0x68, 0x64, 0x00, 0x00, 0x00,
                       0x06, 0x00, 0x01, 0x00, 0x04, 0x00, 0x78};
// 2/4, no signs, tempo 100
const TBytes CONDUCTOR = {0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x19, 0x00, 0xFF, 0x58,
                          0x04, 0x02, 0x02, 0x18, 0x08, 0x00, 0xFF, 0x59, 0x02, 0x00, 0x00,
                          0x00, 0xFF, 0x51, 0x03, 0x0C, 0x35, 0x00, 0x00, 0xFF, 0x2F, 0x00};

TBytes track(const TBytes& data) {
    TBytes bytes = {0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, static_cast<uint8_t>(data.size())};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

TMidiFileContent contentOf(std::vector<TMotive> motives) {
    TMidiFileContent content;
    content.motives = std::move(motives);
    content.measure = TMeasure(2, 120);
    content.key = C_MAJOR;
    content.tempo = 100;
    return content;
}

TMotive motiveOf(std::vector<TChord> chords, std::vector<TNote> notes) {
    TMotive motive(C_MAJOR, TMeasure(2, 120));
    motive.chords = std::move(chords);
    motive.notes = std::move(notes);
    return motive;
}

TEST(MidiFileWriterTest, EmptyPeriodHasFourTracksWithProgramsOnly) {
    TMidiFileContent content = contentOf({});
    TInstrumentConf set;
    content.setPrograms(set);
    const TBytes expected = concat(
        {HEADER,
         CONDUCTOR,
         {0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x07, 0x00, 0xC0, 0x01, 0x00, 0xFF, 0x2F, 0x00},
         {0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x07, 0x00, 0xC1, 0x59, 0x00, 0xFF, 0x2F, 0x00},
         {0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x07, 0x00, 0xC2, 0x20, 0x00, 0xFF, 0x2F,
          0x00}});
    EXPECT_EQ(midiFileBytes(content), expected);
}

TEST(MidiFileWriterTest, ConductorTrackCarriesMeterKeyAndTempo) {
    struct TCase {
        const char* what;
        TMeasure measure;
        int32_t signs;
        int32_t tempo;
        TBytes fields;  // numerator, denominator, signs, three tempo bytes
    };
    const TCase cases[] = {
        {"2/4 C major 100", TMeasure(2, 120), 0, 100, {0x02, 0x02, 0x00, 0x0C, 0x35, 0x00}},
        {"3/8 two flats 150", TMeasure(3, 60), -2, 150, {0x03, 0x03, 0xFE, 0x06, 0x1A, 0x80}},
        {"3/4 seven sharps 50", TMeasure(3, 120), 7, 50, {0x03, 0x02, 0x07, 0x12, 0x4F, 0x80}},
        {"2/8 one flat 55", TMeasure(2, 60), -1, 55, {0x02, 0x03, 0xFF, 0x11, 0xB3, 0x40}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        TMidiFileContent content = contentOf({});
        content.measure = c.measure;
        content.key = TKey(c.signs, MINOR);  // the mode is never written
        content.tempo = c.tempo;
        const TBytes bytes = midiFileBytes(content);
        const TBytes conductor(bytes.begin() + 14, bytes.begin() + 14 + 33);
        const TBytes expected = {0x4D,        0x54, 0x72, 0x6B, 0x00, 0x00,        0x00,
                                 0x19,        0x00, 0xFF, 0x58, 0x04, c.fields[0], c.fields[1],
                                 0x18,        0x08, 0x00, 0xFF, 0x59, 0x02,        c.fields[2],
                                 0x00,        0x00, 0xFF, 0x51, 0x03, c.fields[3], c.fields[4],
                                 c.fields[5], 0x00, 0xFF, 0x2F, 0x00};
        EXPECT_EQ(conductor, expected);
    }
}

TEST(MidiFileWriterTest, ChannelTracksUseRunningStatus) {
    TChord c;
    c.setVoicing(27, 24, 22, 13);  // C5 G4 E4 over C3
    TMidiFileContent content = contentOf({motiveOf({c}, {TNote(0, 20, 120), TNote(120, 22, 120)}),
                                          motiveOf({c}, {TNote(0, 24, 240)})});
    content.melodyProgram = 0;
    content.chordProgram = 48;
    content.bassProgram = 33;
    const TBytes melody = {0x00, 0xC0, 0x00,
                           // C4 starts the file on a measure start: velocity 110
                           0x00, 0x90, 0x3C, 0x6E, 0x78, 0x80, 0x3C, 0x6E,
                           // E4 off the measure start: 105
                           0x00, 0x90, 0x40, 0x69, 0x78, 0x80, 0x40, 0x69, 0x00, 0x90, 0x43, 0x6E,
                           0x81, 0x70, 0x80, 0x43, 0x6E, 0x00, 0xFF, 0x2F, 0x00};
    // the chord is released and struck again at the junction; consecutive note-offs share
    // one status byte
    const TBytes chords = {0x00, 0xC1, 0x30, 0x00, 0x91, 0x48, 0x5A, 0x00, 0x43, 0x5A,
                           0x00, 0x40, 0x5A, 0x81, 0x70, 0x81, 0x48, 0x5A, 0x00, 0x43,
                           0x5A, 0x00, 0x40, 0x5A, 0x00, 0x91, 0x48, 0x5A, 0x00, 0x43,
                           0x5A, 0x00, 0x40, 0x5A, 0x81, 0x70, 0x81, 0x48, 0x5A, 0x00,
                           0x43, 0x5A, 0x00, 0x40, 0x5A, 0x00, 0xFF, 0x2F, 0x00};
    const TBytes bass = {0x00, 0xC2, 0x21, 0x00, 0x92, 0x30, 0x6E, 0x81, 0x70,
                         0x82, 0x30, 0x6E, 0x00, 0x92, 0x30, 0x6E, 0x81, 0x70,
                         0x82, 0x30, 0x6E, 0x00, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(midiFileBytes(content),
              concat({HEADER, CONDUCTOR, track(melody), track(chords), track(bass)}));
}

TEST(MidiFileWriterTest, LongGapsAndMisplacedNotes) {
    {
        SCOPED_TRACE("a gap of 16384 ticks");
        TMotive motive(C_MAJOR, TMeasure(2, 120));
        motive.notes = {TNote(0, 20, 16384)};
        const TBytes bytes = midiFileBytes(contentOf({motive}));
        const TBytes melody(bytes.begin() + 47, bytes.begin() + 47 + 8 + 17);
        EXPECT_EQ(melody, track({0x00, 0xC0, 0x01, 0x00, 0x90, 0x3C, 0x6E, 0x81, 0x80, 0x00, 0x80,
                                 0x3C, 0x6E, 0x00, 0xFF, 0x2F, 0x00}));
    }
    {
        SCOPED_TRACE("a note placed before its motive's start");
        TMotive early(C_MAJOR, TMeasure(2, 120));
        early.notes = {TNote(-60, 22, 60)};
        const TBytes bytes = midiFileBytes(contentOf({motiveOf({}, {TNote(0, 20, 240)}), early}));
        const TBytes melody(bytes.begin() + 47, bytes.begin() + 47 + 8 + 24);
        // the note at 180 follows the note-off at 240: written with delta 0, not negative
        EXPECT_EQ(melody,
                  track({0x00, 0xC0, 0x01, 0x00, 0x90, 0x3C, 0x6E, 0x81, 0x70, 0x80, 0x3C, 0x6E,
                         0x00, 0x90, 0x40, 0x69, 0x00, 0x80, 0x40, 0x69, 0x00, 0xFF, 0x2F, 0x00}));
    }
}

TEST(MidiFileWriterTest, VariableLengthQuantities) {
    const std::pair<uint32_t, TBytes> cases[] = {
        {0, {0x00}},
        {0x40, {0x40}},
        {0x7F, {0x7F}},
        {0x80, {0x81, 0x00}},
        {240, {0x81, 0x70}},
        {0x3FFF, {0xFF, 0x7F}},
        {0x4000, {0x81, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto& [value, bytes] : cases) {
        SCOPED_TRACE(value);
        TBytes out;
        appendVariableLength(out, value);
        EXPECT_EQ(out, bytes);
    }
}

TEST(MidiFileWriterTest, WritesTheFileOrReportsASaveError) {
    TScratchFolder folder("midi_writer");
    const std::string path = folder.path("period.mid");
    const TMidiFileContent content = contentOf({motiveOf({}, {TNote(0, 20, 240)})});
    ASSERT_TRUE(writeMidiFile(content, path));
    std::ifstream in(path, std::ios::binary);
    const TBytes written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, midiFileBytes(content));

    const TFileResult failed = writeMidiFile(content, folder.path("missing/x.mid"));
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.messageKey, "save error");
}

}  // namespace
