#include "model/note.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "model/conversion_error.h"
#include "model/duration.h"
#include "model/midi_output.h"

namespace {

struct TRecordingOutput : TMidiOutputInterface {
    std::vector<std::tuple<bool, int, int, int>> messages;
    void noteOn(int16_t c, int16_t k, int16_t v) override { messages.emplace_back(true, c, k, v); }
    void noteOff(int16_t c, int16_t k, int16_t v) override {
        messages.emplace_back(false, c, k, v);
    }
};

}  // namespace

TEST(NoteTest, DefaultsCopiesAndEquality) {
    TNote n;
    EXPECT_EQ(n.time, 0);
    EXPECT_EQ(n.pitch, -1);
    EXPECT_EQ(n.duration, 30);
    EXPECT_TRUE(n.chording);
    EXPECT_FALSE(n.playing);
    EXPECT_FALSE(n.sharp);

    TNote playing(60, 20, 120);
    playing.playing = true;
    playing.chording = false;
    playing.sharp = true;
    TNote copy(playing);
    EXPECT_FALSE(copy.playing);
    EXPECT_FALSE(copy.chording);
    EXPECT_TRUE(copy.sharp);
    TNote assigned;
    assigned.playing = true;
    assigned = playing;
    EXPECT_FALSE(assigned.playing);
    EXPECT_EQ(assigned, playing);

    TNote otherChording = playing;
    otherChording.chording = true;
    EXPECT_EQ(otherChording, playing);
    TNote otherSharp = playing;
    otherSharp.sharp = false;
    EXPECT_NE(otherSharp, playing);

    // the three-value constructor takes the defaults for the flags
    const TNote built(90, 17, -60);
    EXPECT_EQ(built.time, 90);
    EXPECT_EQ(built.pitch, 17);
    EXPECT_EQ(built.duration, -60);
    EXPECT_TRUE(built.chording);
    EXPECT_FALSE(built.playing);
    EXPECT_FALSE(built.sharp);
    // assigning a note to itself leaves even its highlight alone
    TNote self(0, 5, 60);
    self.playing = true;
    TNote& alias = self;
    self = alias;
    EXPECT_TRUE(self.playing);
    EXPECT_NE(TNote(0, 5, 60), TNote(30, 5, 60));
    EXPECT_NE(TNote(0, 5, 60), TNote(0, 6, 60));
    EXPECT_NE(TNote(0, 5, 60), TNote(0, 5, -60));

    EXPECT_TRUE(TNote(0, 10, -120).isRest());
    EXPECT_FALSE(TNote(0, 10, 120).isRest());
}

TEST(NoteTest, AuditionSendsTheKeysPitch) {
    TRecordingOutput out;
    TNote().soundOn(out, TKey());
    TNote(0, 42, 30).soundOn(out, TKey());
    TNote().soundOff(out, TKey());
    TNote(0, -5, 30).soundOff(out, TKey());
    EXPECT_TRUE(out.messages.empty());
    TNote(0, 20, 120).soundOn(out, TKey(0, MAJOR));
    TNote(0, 20, 120).soundOff(out, TKey(0, MAJOR));
    ASSERT_EQ(out.messages.size(), 2u);
    EXPECT_EQ(out.messages[0], std::make_tuple(true, 3, 60, 80));
    EXPECT_EQ(out.messages[1], std::make_tuple(false, 3, 60, 80));
    // the key decides the sound; the note's own sharp flag adds nothing
    out.messages.clear();
    TNote raised(0, 17, 60);
    raised.sharp = true;
    raised.soundOn(out, TKey(0, MINOR));
    TNote(0, 0, 60).soundOn(out, TKey(1, MINOR));
    ASSERT_EQ(out.messages.size(), 2u);
    EXPECT_EQ(out.messages[0], std::make_tuple(true, 3, 56, 80));  // G sharp
    EXPECT_EQ(out.messages[1], std::make_tuple(true, 3, 27, 80));  // D sharp
}

TEST(DurationTest, NamesAndParsing) {
    EXPECT_EQ(durationName(150), "QUARTER_AND_SIXTEENTH");
    EXPECT_EQ(durationName(270), "270");
    EXPECT_EQ(durationName(-60), "-60");
    EXPECT_EQ(durationName(30), "SIXTEENTH");
    EXPECT_EQ(durationName(240), "HALF");
    EXPECT_EQ(parseDuration(""), 0);
    EXPECT_EQ(parseDuration("HALF"), 240);
    EXPECT_EQ(parseDuration("45"), 45);
    EXPECT_EQ(parseDuration("-120"), -120);
    EXPECT_EQ(parseDuration("65537"), 1);  // truncated to 16 bits
    EXPECT_THROW(parseDuration("half"), TConversionError);
    EXPECT_THROW(parseDuration("12x"), TConversionError);
    // the 16-bit cut applies to numbers; a text beyond 32 bits is no number at all
    EXPECT_EQ(parseDuration("-2147483648"), 0);
    EXPECT_THROW(parseDuration("4294967296"), TConversionError);
    EXPECT_THROW(parseDuration("99999999999999999999"), TConversionError);
    for (int v : {30, 60, 90, 120, 150, 180, 210, 240, -30, 7})
        EXPECT_EQ(parseDuration(durationName(v)), v);
}

TEST(DurationTest, IntegersMustFitThirtyTwoBits) {
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
    for (const char* text : {"2147483648", "-2147483649", "4294967296", "9223372036854775807",
                             "9223372036854775808", "-9223372036854775809"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(parseInteger(text), TConversionError);
    }
}
