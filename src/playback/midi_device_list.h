#pragma once

#include <string>
#include <vector>

#include "playback/midi_port.h"

// What the device dialog shows: the devices' names in index order, the item to select, and the
// message to show while filling it, if any (keys of the message bundle).
struct TMidiDeviceList {
    std::vector<std::string> names;
    int selected = -1;       // -1: no item selected
    std::string messageKey;  // empty when there is nothing to tell
    std::string captionKey;

    bool operator==(const TMidiDeviceList&) const = default;

    // Bundle keys of the messages shown while the list is filled.
    static constexpr const char* NO_DEVICES_KEY = "there are no devices";
    static constexpr const char* LIST_ERROR_KEY = "midi device list error";
    static constexpr const char* WARNING_CAPTION_KEY = "warning";
    static constexpr const char* ERROR_CAPTION_KEY = "error";
};

// Fills the list from `devices` and selects `preselected` when it names a device, the first
// device when it is -1 or beyond the last one, and nothing for any other negative index.
TMidiDeviceList listMidiDevices(TMidiDevicesInterface& devices, int preselected);

// The device index the dialog gives back: the selected item on OK, none (-1) on Cancel or when
// no item is selected.
int chosenMidiDevice(const TMidiDeviceList& list, bool accepted, int selectedItem);
