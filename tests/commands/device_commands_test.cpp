#include "commands/device_commands.h"

#include <gtest/gtest.h>

#include "help/eng_message_bundle.h"
#include "model/config.h"
#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/player.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace {

class DeviceCommandsTest : public ::testing::Test {
  protected:
    DeviceCommandsTest() : devices_(log_, 3), player_(devices_), config_(scratch_.base()) {
        EXPECT_TRUE(config_.createDefaultConfig());
    }

    TDeviceCommands commands() {
        return TDeviceCommands(player_, config_, instruments_, prompts_, bundle_,
                               [this] { ++stops_; });
    }
    // Whether the instrument set's programs went out since the log was cleared.
    bool programsSent() const {
        for (const TCapturedMessage& m : log_.messages())
            if ((m.bytes[0] & 0xF0) == 0xC0)
                return true;
        return false;
    }

    TScratchFolder scratch_{"device-commands"};
    TCaptureLog log_;
    TCaptureDevices devices_;
    TPlayer player_;
    TConfig config_;
    TInstrumentConf instruments_;
    TScriptedPrompts prompts_;
    TEngMessageBundle bundle_;
    int stops_ = 0;
};

TEST_F(DeviceCommandsTest, AtStartTheConfiguredDeviceOpensWithoutAQuestion) {
    ASSERT_TRUE(config_.setMidiDevice(2));
    commands().openAtStart();
    EXPECT_TRUE(prompts_.shown.empty());
    EXPECT_EQ(devices_.openPorts(), 1);
}

TEST_F(DeviceCommandsTest, AConfiguredDeviceThatDoesNotOpenIsReplacedByTheOneChosen) {
    ASSERT_TRUE(config_.setMidiDevice(2));
    devices_.refuseToOpen(2);
    prompts_.devices.push_back(1);
    commands().openAtStart();
    ASSERT_EQ(prompts_.shown.size(), 2u);
    EXPECT_EQ(prompts_.shown[0].text, "Cannot open MIDI output device.");
    // the list shows the configured device selected
    EXPECT_EQ(prompts_.shown[1].kind, "devices");
    EXPECT_EQ(prompts_.shown[1].caption, "2");
    EXPECT_EQ(config_.midiDevice(), 1);
    EXPECT_EQ(devices_.openPorts(), 1);
    // and the file keeps it for the next run
    TConfig reread(scratch_.base());
    TXmlDocument xml;
    ASSERT_TRUE(reread.loadConfig(xml));
    EXPECT_EQ(reread.midiDevice(), 1);
}

TEST_F(DeviceCommandsTest, ChoosingADeviceOpensItWithTheInstrumentsAndKeepsIt) {
    TDeviceCommands devices = commands();
    devices.openAtStart();
    log_.clear();
    prompts_.devices.push_back(2);
    devices.chooseDevice();
    EXPECT_EQ(stops_, 1);  // what plays stops before the output changes
    EXPECT_EQ(config_.midiDevice(), 2);
    EXPECT_TRUE(programsSent());

    // cancelled: nothing changes
    log_.clear();
    devices.chooseDevice();
    EXPECT_EQ(config_.midiDevice(), 2);
    EXPECT_TRUE(log_.messages().empty());
}

TEST_F(DeviceCommandsTest, ADeviceThatDoesNotOpenGivesWayToTheOneBefore) {
    TDeviceCommands devices = commands();
    devices.openAtStart();
    devices_.refuseToOpen(1);
    log_.clear();
    prompts_.devices.push_back(1);
    devices.chooseDevice();
    EXPECT_EQ(prompts_.shown.back().text, "Cannot open MIDI output device.");
    EXPECT_EQ(config_.midiDevice(), 0);
    // the previous device is open again and sounds with the set
    EXPECT_EQ(devices_.openPorts(), 1);
    EXPECT_TRUE(programsSent());
}

}  // namespace
