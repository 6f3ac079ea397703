#include "playback/midi_device_list.h"

#include <gtest/gtest.h>

#include "support/fake_midi_devices.h"

namespace {

// Devices named "Port 0", "Port 1", ...
class TFakeDevices : public TFakeMidiDevices {
  public:
    explicit TFakeDevices(int count, int failFrom = -1)
        : TFakeMidiDevices("Port", count, failFrom) {}
};

TEST(MidiDeviceListTest, SelectsThePreselectedOrTheFirstDevice) {
    TFakeDevices devices(3);
    const std::vector<std::string> names = {"Port 0", "Port 1", "Port 2"};
    struct TCase {
        int preselected;
        int selected;
    };
    for (TCase c : {TCase{1, 1}, TCase{2, 2}, TCase{0, 0}, TCase{3, 0}, TCase{17, 0}, TCase{-1, 0},
                    TCase{-2, -1}, TCase{-40, -1}}) {
        SCOPED_TRACE(c.preselected);
        const TMidiDeviceList list = listMidiDevices(devices, c.preselected);
        EXPECT_EQ(list.names, names);
        EXPECT_EQ(list.selected, c.selected);
        EXPECT_EQ(list.messageKey, "");
    }
}

TEST(MidiDeviceListTest, ReportsMissingDevicesAndFailedDescriptions) {
    {
        SCOPED_TRACE("no devices");
        TFakeDevices devices(0);
        const TMidiDeviceList list = listMidiDevices(devices, 0);
        EXPECT_TRUE(list.names.empty());
        EXPECT_EQ(list.selected, -1);
        EXPECT_EQ(list.messageKey, "there are no devices");
        EXPECT_EQ(list.captionKey, "warning");
    }
    {
        SCOPED_TRACE("third description fails");
        TFakeDevices devices(4, 2);
        const TMidiDeviceList list = listMidiDevices(devices, 1);
        EXPECT_EQ(list.names, (std::vector<std::string>{"Port 0", "Port 1"}));
        EXPECT_EQ(list.selected, -1);
        EXPECT_EQ(list.messageKey, "midi device list error");
        EXPECT_EQ(list.captionKey, "error");
    }
}

TEST(MidiDeviceListTest, ChosenDeviceOnlyOnOkWithASelection) {
    TFakeDevices devices(3);
    const TMidiDeviceList list = listMidiDevices(devices, 5);
    EXPECT_EQ(chosenMidiDevice(list, true, 2), 2);
    EXPECT_EQ(chosenMidiDevice(list, true, 0), 0);
    EXPECT_EQ(chosenMidiDevice(list, true, -1), -1);
    EXPECT_EQ(chosenMidiDevice(list, false, 2), -1);
    EXPECT_EQ(chosenMidiDevice(list, false, -1), -1);
    EXPECT_EQ(chosenMidiDevice(list, true, 3), -1);

    SCOPED_TRACE("with no devices OK and Cancel both choose nothing");
    TFakeDevices none(0);
    const TMidiDeviceList empty = listMidiDevices(none, 0);
    EXPECT_EQ(chosenMidiDevice(empty, true, empty.selected), -1);
    EXPECT_EQ(chosenMidiDevice(empty, false, empty.selected), -1);
}

}  // namespace
