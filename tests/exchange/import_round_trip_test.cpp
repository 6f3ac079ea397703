#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/melody_import.h"
#include "exchange/musicxml_writer.h"
#include "generation/random.h"
#include "playback/instrument_conf.h"
#include "playback/midi_file_writer.h"
#include "support/random_period.h"
#include "support/scratch_folder.h"

namespace {

// A sounding note of a period on the time line its motives make one after another.
struct TSoundingNote {
    int32_t time;
    int32_t midi;
    int32_t duration;
    bool operator==(const TSoundingNote&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TSoundingNote& n) {
    return out << "(" << n.time << ", " << n.midi << ", " << n.duration << ")";
}

std::vector<TSoundingNote> melodyOf(const TPeriodData& period) {
    std::vector<TSoundingNote> notes;
    int32_t base = 0;
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        for (const TNote& n : period.motiveAt(a).notes)
            if (!n.isRest() && isValidPitch(n.pitch))
                notes.push_back({base + n.time, period.key.pitch(n.pitch), n.duration});
        base += period.measure.measureLength();
    }
    return notes;
}

// The periods the round trips start from: random ones that a period shape can hold with a
// motive to spare, and with at least one note.
std::vector<TPeriodData> periods() {
    resetMotivicaRandForTesting();
    std::vector<TPeriodData> result;
    for (int round = 0; result.size() < 60; ++round) {
        TPeriodData period = randomPeriod(round);
        if (period.motiveCount() <= 14 && !melodyOf(period).empty())
            result.push_back(period);
    }
    return result;
}

// Whether a note of the melody lies on the letter where the major key and its relative minor
// differ, the only sign of the mode a MIDI file of this program keeps.
bool melodyShowsMode(const TPeriodData& period) {
    const TKey minor(period.key.signs(), MINOR);
    for (const TMotiveAddress& a : period.motiveAddresses())
        for (const TNote& n : period.motiveAt(a).notes)
            if (!n.isRest() && isValidPitch(n.pitch) && minor.degreeOf(n.pitch) == 7)
                return true;
    return false;
}

}  // namespace

TEST(ImportRoundTrip, OwnMusicXmlExportReadsBackTheSameMelody) {
    int round = 0;
    for (const TPeriodData& period : periods()) {
        SCOPED_TRACE("period " + std::to_string(round++));
        const TMelodyImport imported = importMelody(musicXmlText(period));
        EXPECT_TRUE(imported.report.empty()) << imported.report.front();
        EXPECT_EQ(imported.period.key, period.key);
        EXPECT_EQ(imported.period.measure, period.measure);
        EXPECT_EQ(imported.period.anacrusis, period.anacrusis);
        EXPECT_EQ(imported.period.tempo(), period.tempo());
        EXPECT_EQ(melodyOf(imported.period), melodyOf(period));
    }
}

TEST(ImportRoundTrip, OwnMidiExportReadsBackTheSameMelody) {
    int round = 0;
    int anacruses = 0;
    for (const TPeriodData& period : periods()) {
        SCOPED_TRACE("period " + std::to_string(round++));
        const std::vector<uint8_t> bytes =
            midiFileBytes(TMidiFileContent::ofPeriod(period, TInstrumentConf()));
        const TMelodyImport imported = importMelody(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        EXPECT_EQ(imported.period.measure, period.measure);
        EXPECT_EQ(imported.period.tempo(), period.tempo());
        EXPECT_EQ(melodyOf(imported.period), melodyOf(period));
        // the file writes every key as major: the notes tell the mode where they can
        EXPECT_EQ(imported.period.key.signs(), period.key.signs());
        if (melodyShowsMode(period)) {
            EXPECT_EQ(imported.period.key, period.key);
        }
        // the file draws no bar lines: the up-beat shows where a chord is struck or let go off
        // the bar lines, where notes would cross from one motive into the next, or where the
        // first note opens it; a composition without chords whose first motive opens with
        // silence may be read with another up-beat, its melody unchanged
        const int32_t first = melodyOf(period).front().time;
        const int32_t length = period.measure.measureLength();
        if ((period.anacrusis != 0 && first == length - period.anacrusis) ||
            (period.anacrusis == 0 && first == 0)) {
            EXPECT_EQ(imported.period.anacrusis, period.anacrusis);
            ++anacruses;
        }
    }
    EXPECT_GT(anacruses, 10);
}

TEST(ImportRoundTrip, IndependentNotationProgramKeepsTheMelody) {
    if (std::system("command -v mscore3 >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "mscore3 is not installed";
    const TScratchFolder folder("ImportRoundTrip_mscore3");
    const std::vector<TPeriodData> all = periods();
    for (size_t i = 0; i < 3; ++i) {
        const TPeriodData& period = all[i];
        const std::string in =
            folder.write("in" + std::to_string(i) + ".musicxml", musicXmlText(period));
        const std::string out = folder.path("out" + std::to_string(i) + ".musicxml");
        const std::string command =
            "QT_QPA_PLATFORM=offscreen mscore3 -o '" + out + "' '" + in + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const TMelodyImport imported = importMelodyFile(out);
        EXPECT_EQ(imported.period.key, period.key);
        EXPECT_EQ(imported.period.measure, period.measure);
        EXPECT_EQ(imported.period.anacrusis, period.anacrusis);
        EXPECT_EQ(melodyOf(imported.period), melodyOf(period));
    }
}
