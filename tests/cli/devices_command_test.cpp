#include "cli/devices_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_args.h"
#include "playback/capture_port.h"

namespace {

TEST(DevicesCommandTest, ListsDevicesByIndex) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runDevicesCommand({}, out, err), 0);
    EXPECT_EQ(out.str().rfind("0: Built-in synthesizer\n", 0), 0u) << out.str();
    EXPECT_EQ(err.str(), "");

    TCaptureLog log;
    TCaptureDevices three(log, 3);
    out.str("");
    EXPECT_EQ(listDevices(three, out, err), 0);
    EXPECT_EQ(out.str(), "0: Capture 0\n1: Capture 1\n2: Capture 2\n");

    TCaptureDevices none(log, 0);
    out.str("");
    EXPECT_EQ(listDevices(none, out, err), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "There are no MIDI devices.\n");
}

TEST(DevicesCommandTest, TakesNoArguments) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_THROW(runDevicesCommand({"extra"}, out, err), TUsageError);
    EXPECT_EQ(runDevicesCommand({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("Usage: motivica-cli devices"), std::string::npos);
}

}  // namespace
