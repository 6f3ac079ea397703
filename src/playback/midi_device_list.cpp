#include "playback/midi_device_list.h"

#include <optional>

TMidiDeviceList listMidiDevices(TMidiDevicesInterface& devices, int preselected) {
    TMidiDeviceList list;
    const int count = devices.deviceCount();
    if (count <= 0) {
        list.messageKey = TMidiDeviceList::NO_DEVICES_KEY;
        list.captionKey = TMidiDeviceList::WARNING_CAPTION_KEY;
        return list;
    }
    for (int i = 0; i < count; ++i) {
        std::optional<std::string> name = devices.deviceName(i);
        if (!name) {
            // the names found so far stay, and nothing is selected
            list.messageKey = TMidiDeviceList::LIST_ERROR_KEY;
            list.captionKey = TMidiDeviceList::ERROR_CAPTION_KEY;
            return list;
        }
        list.names.push_back(*name);
    }
    if (preselected >= 0 && preselected < count)
        list.selected = preselected;
    else if (preselected == -1 || preselected >= count)
        list.selected = 0;
    return list;
}

int chosenMidiDevice(const TMidiDeviceList& list, bool accepted, int selectedItem) {
    if (!accepted || selectedItem < 0 || selectedItem >= static_cast<int>(list.names.size()))
        return -1;
    return selectedItem;
}
