#include "cli/devices_command.h"

#include <ostream>

#include "cli/cli_args.h"
#include "help/eng_message_bundle.h"
#include "playback/midi_device_list.h"
#include "playback/system_midi_devices.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli devices\n"
    "Lists the MIDI output devices as \"INDEX: NAME\", in index order. Device 0 is the\n"
    "built-in synthesizer; the ALSA sequencer's output ports follow.\n";

}  // namespace

int listDevices(TMidiDevicesInterface& devices, std::ostream& out, std::ostream& err) {
    const TMidiDeviceList list = listMidiDevices(devices, -1);
    for (size_t i = 0; i < list.names.size(); ++i)
        out << i << ": " << list.names[i] << "\n";
    if (list.messageKey.empty())
        return 0;
    err << TEngMessageBundle().text(list.messageKey) << "\n";
    return list.messageKey == TMidiDeviceList::NO_DEVICES_KEY ? 0 : 1;
}

int runDevicesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const TCliArgs parsed(args, {}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    if (!parsed.positionals().empty())
        throw TUsageError("devices takes no arguments");
    TSystemMidiDevices devices;
    return listDevices(devices, out, err);
}
