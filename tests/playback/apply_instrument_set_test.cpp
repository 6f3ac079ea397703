#include "playback/apply_instrument_set.h"

#include <gtest/gtest.h>

#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/player.h"

namespace {

using TBytes = std::vector<uint8_t>;

TEST(ApplyInstrumentSetTest, ResetsThenSendsProgramsAndVolumesInChannelOrder) {
    TCaptureLog log;
    TCaptureDevices devices(log);
    TPlayer player(devices);
    TInstrumentConf set;
    applyInstrumentSet(set, player);
    EXPECT_EQ(log.size(), 0u) << "a closed player sends nothing";

    player.openDevice(0);
    set.setBassVoice(33);
    set.setDrumVolume(127);
    applyInstrumentSet(set, player);
    std::vector<TBytes> sent;
    for (const TCapturedMessage& m : log.messages())
        sent.push_back(m.bytes);
    const std::vector<TBytes> expected = {
        {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7},
        {0xC0, 1},
        {0xC1, 89},
        {0xC2, 33},
        {0xC3, 93},
        {0xC4, 89},
        {0xB0, 7, 110},
        {0xB1, 7, 100},
        {0xB2, 7, 105},
        {0xB3, 7, 100},
        {0xB4, 7, 90},
        {0xB9, 7, 127},
    };
    EXPECT_EQ(sent, expected);
}

}  // namespace
