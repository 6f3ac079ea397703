#include "playback/sound_chord.h"

#include <gtest/gtest.h>

#include <vector>

#include "harmony/chord.h"
#include "model/key.h"
#include "playback/capture_port.h"
#include "playback/player.h"

namespace {

using TBytes = std::vector<uint8_t>;

const TKey C_MAJOR(0, MAJOR);
const TKey A_MINOR(0, MINOR);

std::vector<TBytes> sentBytes(const TCaptureLog& log) {
    std::vector<TBytes> sent;
    for (const TCapturedMessage& m : log.messages()) {
        sent.push_back(m.bytes);
    }
    return sent;
}

TEST(SoundChordTest, SoundsTheFourVoicesOnTheDraftChordChannel) {
    TCaptureLog log;
    TCaptureDevices devices(log);
    TPlayer player(devices);
    player.openDevice(0);
    TChord chord = chordOfType(TChordType::TONIC_THREE_CHORD);
    {
        SCOPED_TRACE("an unarranged chord is silent");
        soundChord(player, chord, C_MAJOR, true);
        soundChord(player, chord, C_MAJOR, false);
        EXPECT_EQ(log.size(), 0u);
    }
    {
        SCOPED_TRACE("soprano, alto, tenor, bass on the draft chord channel");
        chord.setVoicing(20, 17, 15, 6);
        soundChord(player, chord, C_MAJOR, true);
        soundChord(player, chord, C_MAJOR, false);
        const std::vector<TBytes> expected = {
            {0x94, 60, 100}, {0x94, 55, 80}, {0x94, 52, 80}, {0x94, 36, 120},
            {0x84, 60, 100}, {0x84, 55, 80}, {0x84, 52, 80}, {0x84, 36, 120},
        };
        EXPECT_EQ(sentBytes(log), expected);
    }
    {
        SCOPED_TRACE("the key gives the sound: the same positions in A minor");
        log.clear();
        soundChord(player, chord, A_MINOR, true);
        // A minor: position 20 is C (60), 17 is G sharp (56), 15 is E (52), 6 is C (36)
        const std::vector<TBytes> expected = {
            {0x94, 60, 100}, {0x94, 56, 80}, {0x94, 52, 80}, {0x94, 36, 120}};
        EXPECT_EQ(sentBytes(log), expected);
    }
    {
        SCOPED_TRACE("a voice outside the key's positions stays silent");
        log.clear();
        chord.setVoicing(20, 17, 15, 50);
        soundChord(player, chord, C_MAJOR, true);
        const std::vector<TBytes> expected = {{0x94, 60, 100}, {0x94, 55, 80}, {0x94, 52, 80}};
        EXPECT_EQ(sentBytes(log), expected);
    }
}

}  // namespace
