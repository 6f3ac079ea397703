#include "playback/pitch_preview.h"

#include <gtest/gtest.h>

#include "playback/capture_port.h"
#include "playback/player.h"

namespace {

using TBytes = std::vector<uint8_t>;

// The channel messages a preview sends, on an open capture device.
class PitchPreviewTest : public ::testing::Test {
  protected:
    void SetUp() override { player.openDevice(0); }
    std::vector<TBytes> sent() {
        std::vector<TBytes> bytes;
        for (const TCapturedMessage& m : log.messages())
            bytes.push_back(m.bytes);
        log.clear();
        return bytes;
    }

    TCaptureLog log;
    TCaptureDevices devices{log};
    TPlayer player{devices};
};

TEST_F(PitchPreviewTest, AVoiceSoundsItsProgramWithItsKeysOnItsChannel) {
    struct TCase {
        const TPitchCellDesign* design;
        std::vector<uint8_t> keys;
    };
    const TCase cases[] = {
        {&MELODY_PITCH_CELL, {72}},
        {&CHORD_PITCH_CELL, {72, 64, 55, 36}},
        {&BASS_PITCH_CELL, {36}},
        {&DRAFT_MELODY_PITCH_CELL, {72}},
        {&DRAFT_CHORD_PITCH_CELL, {72, 64, 55, 36}},
    };
    uint8_t channel = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(channel);
        ASSERT_EQ(c.design->channel, channel);
        TPitchPreview preview(player, *c.design);
        preview.pitchPressed(40);
        std::vector<TBytes> expected = {{uint8_t(0xC0 + channel), 40},
                                        {uint8_t(0xB0 + channel), 7, 100}};
        for (uint8_t key : c.keys)
            expected.push_back({uint8_t(0x90 + channel), key, 100});
        EXPECT_EQ(sent(), expected);
        EXPECT_TRUE(preview.sounding());

        // moving to another entry ends the keys first
        preview.pitchPressed(41);
        expected.clear();
        for (uint8_t key : c.keys)
            expected.push_back({uint8_t(0x80 + channel), key, 100});
        expected.push_back({uint8_t(0xC0 + channel), 41});
        expected.push_back({uint8_t(0xB0 + channel), 7, 100});
        for (uint8_t key : c.keys)
            expected.push_back({uint8_t(0x90 + channel), key, 100});
        EXPECT_EQ(sent(), expected);

        preview.pitchReleased();
        expected.clear();
        for (uint8_t key : c.keys)
            expected.push_back({uint8_t(0x80 + channel), key, 100});
        EXPECT_EQ(sent(), expected);
        EXPECT_FALSE(preview.sounding());
        preview.pitchReleased();
        EXPECT_TRUE(sent().empty()) << "nothing sounds, nothing to end";
        ++channel;
    }
}

TEST_F(PitchPreviewTest, TheMetronomeStrikesTheChosenKeyOnTheDrumChannel) {
    for (const TPitchCellDesign* design : {&UP_BEAT_PITCH_CELL, &BEAT_PITCH_CELL}) {
        TPitchPreview preview(player, *design);
        preview.pitchPressed(38);
        EXPECT_EQ(sent(), (std::vector<TBytes>{{0xB9, 7, 100}, {0x99, 38, 100}}));
        // the stroke before rings out; only the last one is ended
        preview.pitchPressed(42);
        EXPECT_EQ(sent(), (std::vector<TBytes>{{0xB9, 7, 100}, {0x99, 42, 100}}));
        preview.pitchReleased();
        EXPECT_EQ(sent(), (std::vector<TBytes>{{0x89, 42, 100}}));
        preview.pitchReleased();
        EXPECT_TRUE(sent().empty());
    }
}

TEST_F(PitchPreviewTest, NumbersBeyondADataByteStaySilent) {
    TPitchPreview voice(player, MELODY_PITCH_CELL);
    TPitchPreview drum(player, BEAT_PITCH_CELL);
    for (int32_t n : {-1, 128, 100000}) {
        voice.pitchPressed(n);
        drum.pitchPressed(n);
    }
    EXPECT_TRUE(sent().empty());
    EXPECT_FALSE(voice.sounding());
    EXPECT_FALSE(drum.sounding());
}

}  // namespace
