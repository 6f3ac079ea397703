// The configuration reader on arbitrary bytes. A configuration that reads is written, read
// again and written again: the values and the texts must be the same. One that does not read
// leaves the values of an unreadable file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/config.h"
#include "model/xml_document.h"
#include "round_trip.h"

namespace {

// Reading never touches the folder: the path only names the file in a failure.
const std::string FOLDER = "/nonexistent/";

void expectUnreadableValues(const TConfig& config) {
    expectRoundTrip(config.midiDevice() == TConfig::UNREADABLE_MIDI_DEVICE &&
                        config.instrumentSchemeName().empty() &&
                        config.cursorDelay() == TConfig::UNREADABLE_CURSOR_DELAY,
                    "a failed reading keeps values");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXmlDocument xml;
    if (!xml.loadText(fuzzInput(data, size)))
        return 0;
    TConfig first(FOLDER);
    // values of a file read before, which a failed reading must not leave behind
    TXmlDocument earlier;
    if (!earlier.loadText("<C><MIDI_DEVICE VALUE=\"9\"/><INSTRUMENT_SCHEME_NAME NAME=\"x\"/>"
                          "<CURSOR_DELAY VALUE=\"9\"/></C>") ||
        !first.readConfig(earlier.documentElement()))
        roundTripFailed("the earlier configuration does not read");
    if (!first.readConfig(xml.documentElement())) {
        expectUnreadableValues(first);
        return 0;
    }
    const std::string written = first.text();

    TXmlDocument again;
    if (!again.loadText(written))
        roundTripFailed("the written configuration is not XML", written);
    TConfig second(FOLDER);
    if (!second.readConfig(again.documentElement()))
        roundTripFailed("the written configuration does not read", written);
    expectRoundTrip(second.midiDevice() == first.midiDevice(), "device");
    expectRoundTrip(second.instrumentSchemeName() == first.instrumentSchemeName(), "set name");
    expectRoundTrip(second.cursorDelay() == first.cursorDelay(), "cursor delay");
    expectSameText(written, second.text(), "configuration text");
    return 0;
}
