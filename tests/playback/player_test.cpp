#include "playback/player.h"

#include <gtest/gtest.h>

#include <chrono>

#include "playback/capture_port.h"
#include "playback/system_midi_devices.h"

namespace {

using TBytes = std::vector<uint8_t>;

TEST(PlayerTest, PacksChannelMessagesLowestByteFirst) {
    TCaptureLog log;
    TCaptureDevices devices(log);
    TPlayer player(devices);
    player.openDevice(0);
    ASSERT_EQ(player.deviceIndex(), 0);

    player.noteOn(3, 60, 80);
    player.setChannelVolume(9, 80);
    player.noteOff(1, 64, 90);
    player.programChange(2, 32);
    player.sendGeneralMidiReset();

    const std::vector<TCapturedMessage> sent = log.messages();
    ASSERT_EQ(sent.size(), 5u);
    struct TExpected {
        const char* what;
        TBytes packed;
        TBytes wire;
    };
    const TExpected expected[] = {
        {"note on", {0x93, 0x3C, 0x50, 0x00}, {0x93, 0x3C, 0x50}},
        {"channel volume", {0xB9, 0x07, 0x50, 0x00}, {0xB9, 0x07, 0x50}},
        {"note off", {0x81, 0x40, 0x5A, 0x00}, {0x81, 0x40, 0x5A}},
        {"program change", {0xC2, 0x20, 0x00, 0x00}, {0xC2, 0x20}},
    };
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(expected[i].what);
        EXPECT_FALSE(sent[i].systemExclusive);
        EXPECT_EQ(sent[i].packedBytes(), expected[i].packed);
        EXPECT_EQ(sent[i].bytes, expected[i].wire);
    }
    EXPECT_TRUE(sent[4].systemExclusive);
    EXPECT_EQ(sent[4].bytes, (TBytes{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));

    EXPECT_EQ(TPlayer::packShortMessage(0x90, 60, 110), 0x6E3C90u);
}

void sendEverything(TPlayer& player) {
    player.noteOn(0, 60, 100);
    player.noteOff(0, 60, 100);
    player.programChange(1, 5);
    player.setChannelVolume(2, 90);
    player.sendGeneralMidiReset();
}

TEST(PlayerTest, ClosedPlayerSendsNothing) {
    TCaptureLog log;
    TCaptureDevices devices(log);
    {
        SCOPED_TRACE("never opened");
        TPlayer player(devices);
        EXPECT_EQ(player.deviceIndex(), -1);
        sendEverything(player);
        EXPECT_EQ(log.size(), 0u);
    }
    {
        SCOPED_TRACE("closed after use");
        TPlayer player(devices);
        player.openDevice(0);
        player.noteOn(0, 62, 105);
        player.closeDevice();
        EXPECT_EQ(player.deviceIndex(), -1);
        EXPECT_EQ(devices.openPorts(), 0);
        sendEverything(player);
        // the note-on, and its release as the port closed
        EXPECT_EQ(log.size(), 2u);
    }
    {
        SCOPED_TRACE("the machine's devices, never opened");
        TPlayer player;
        sendEverything(player);
        player.closeDevice();
        EXPECT_EQ(player.deviceIndex(), -1);
    }
}

TEST(PlayerTest, APortClosingOrReplacedFirstHearsTheReleaseOfWhatSounds) {
    TCaptureLog log;
    TCaptureDevices devices(log, 2);
    TPlayer player(devices);
    player.openDevice(0);
    player.noteOn(4, 72, 100);
    player.noteOn(1, 64, 90);
    player.noteOn(0, 60, 110);
    player.noteOff(0, 60, 110);
    player.noteOn(2, 48, 110);
    player.noteOn(2, 48, 0);  // a note-on of velocity 0 ends the note as well
    player.programChange(1, 5);
    log.clear();

    SCOPED_TRACE("another device opened");
    player.openDevice(1);
    // channel by channel, each with the velocity it was struck with; then nothing more
    std::vector<TBytes> released;
    for (const TCapturedMessage& m : log.messages())
        released.push_back(m.bytes);
    EXPECT_EQ(released, (std::vector<TBytes>{{0x81, 64, 90}, {0x84, 72, 100}}));
    EXPECT_EQ(devices.openPorts(), 1);

    SCOPED_TRACE("closed, and closed again");
    log.clear();
    player.noteOn(9, 62, 100);
    player.closeDevice();
    player.closeDevice();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log.messages()[1].bytes, (TBytes{0x89, 62, 100}));

    SCOPED_TRACE("what the closed port was playing is not released on the next one");
    log.clear();
    player.openDevice(0);
    player.closeDevice();
    EXPECT_EQ(log.size(), 0u);
}

TEST(PlayerTest, FailedOpenLeavesNoDevice) {
    TCaptureLog log;
    TCaptureDevices devices(log, 3);
    devices.refuseToOpen(1);
    TPlayer player(devices);

    player.openDevice(2);
    EXPECT_EQ(player.deviceIndex(), 2);
    EXPECT_EQ(devices.openPorts(), 1);

    for (int index : {1, 3, -1, -5, 70000}) {
        SCOPED_TRACE(index);
        player.openDevice(0);
        EXPECT_THROW(player.openDevice(index), TMidiOpenError);
        EXPECT_EQ(player.deviceIndex(), -1);
        EXPECT_EQ(devices.openPorts(), 0);
    }
    sendEverything(player);
    EXPECT_EQ(log.size(), 0u);

    // the failure carries no text: callers show their own message
    bool thrown = false;
    try {
        player.openDevice(1);
    } catch (const TMidiOpenError& e) {
        thrown = true;
        EXPECT_STREQ(e.what(), "");
    }
    EXPECT_TRUE(thrown);
}

TEST(PlayerTest, MachineDevicesOpenOrFailQuietlyAndQuickly) {
    TSystemMidiDevices devices;
    EXPECT_GE(devices.deviceCount(), 1);
    EXPECT_EQ(devices.deviceName(0), std::optional<std::string>("Built-in synthesizer"));
    EXPECT_EQ(devices.deviceName(-1), std::nullopt);
    EXPECT_EQ(devices.deviceName(devices.deviceCount()), std::nullopt);

    testing::internal::CaptureStderr();
    TPlayer player;
    const auto before = std::chrono::steady_clock::now();
    bool opened = true;
    try {
        player.openDevice(0);
    } catch (const TMidiOpenError&) {
        opened = false;
    }
    const auto took = std::chrono::steady_clock::now() - before;
    EXPECT_EQ(player.deviceIndex(), opened ? 0 : -1);
    sendEverything(player);
    EXPECT_THROW(player.openDevice(devices.deviceCount()), TMidiOpenError);
    EXPECT_EQ(player.deviceIndex(), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_LT(took, std::chrono::milliseconds(1500));
}

}  // namespace
