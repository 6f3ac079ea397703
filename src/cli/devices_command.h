#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class TMidiDevicesInterface;

// motivica-cli devices
// Lists the MIDI output devices as "INDEX: NAME", in index order: the indices --device and the
// configuration take.
int runDevicesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The listing itself, for any set of devices.
int listDevices(TMidiDevicesInterface& devices, std::ostream& out, std::ostream& err);
