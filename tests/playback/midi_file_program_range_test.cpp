#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "playback/midi_file_writer.h"

namespace {

using TBytes = std::vector<uint8_t>;

TBytes concat(std::initializer_list<TBytes> parts) {
    TBytes all;
    for (const TBytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// An empty 2/4 period in C major at tempo 100 with the given programs, byte for byte.
TBytes emptyPeriodFile(uint8_t melody, uint8_t chord, uint8_t bass) {
    const TBytes header = {0x4D, 0x54, 0x68, 0x64, 0x00, 0x00, 0x00,
                           0x06, 0x00, 0x01, 0x00, 0x04, 0x00, 0x78};
    const TBytes conductor = {0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x19, 0x00, 0xFF, 0x58,
                              0x04, 0x02, 0x02, 0x18, 0x08, 0x00, 0xFF, 0x59, 0x02, 0x00, 0x00,
                              0x00, 0xFF, 0x51, 0x03, 0x0C, 0x35, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    // a channel track holding only its program and its end
    auto programOnly = [](uint8_t status, uint8_t program) {
        return TBytes{0x4D, 0x54,   0x72,    0x6B, 0x00, 0x00, 0x00, 0x07,
                      0x00, status, program, 0x00, 0xFF, 0x2F, 0x00};
    };
    return concat({header, conductor, programOnly(0xC0, melody), programOnly(0xC1, chord),
                   programOnly(0xC2, bass)});
}

TMidiFileContent emptyPeriod(int32_t melody, int32_t chord, int32_t bass) {
    TMidiFileContent content;
    content.measure = TMeasure(2, 120);
    content.key = TKey(0, MAJOR);
    content.tempo = 100;
    content.melodyProgram = melody;
    content.chordProgram = chord;
    content.bassProgram = bass;
    return content;
}

TEST(MidiFileProgramRangeTest, ProgramsAtTheEdgesAreWrittenAsThey) {
    EXPECT_EQ(midiFileBytes(emptyPeriod(0, 127, 64)), emptyPeriodFile(0x00, 0x7F, 0x40));
}

TEST(MidiFileProgramRangeTest, ProgramsOutOfRangeStayDataBytes) {
    // a set file is loaded unchecked; a program byte with its top bit set would read as a
    // status byte and spoil the track
    EXPECT_EQ(midiFileBytes(emptyPeriod(200, -1, 128)), emptyPeriodFile(0x7F, 0x00, 0x7F));
    EXPECT_EQ(midiFileBytes(emptyPeriod(-300, 1000, 255)), emptyPeriodFile(0x00, 0x7F, 0x7F));
}

}  // namespace
