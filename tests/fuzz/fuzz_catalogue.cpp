// The catalogue reader on arbitrary bytes. The program never writes a catalogue, so the
// catalogue's text is written here in the form of the shipped files; whatever the reader kept
// must read back as the same catalogue and the same text.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "model/xml_document.h"
#include "playback/instrument_set.h"
#include "round_trip.h"

namespace {

std::string catalogueText(const TInstrumentSet& catalogue) {
    std::string text = "<INSTRUMENTS>\n";
    for (const TPitchCategory& category : catalogue.categories()) {
        text += "    <CATEGORY NAME=\"" + escapeXmlAttribute(category.name) + "\">\n";
        for (const TPitch& pitch : category.pitches)
            text += "        <PITCH NAME=\"" + escapeXmlAttribute(pitch.name) + "\" INDEX=\"" +
                    std::to_string(pitch.index) + "\"/>\n";
        text += "    </CATEGORY>\n";
    }
    text += "</INSTRUMENTS>\n";
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXmlDocument xml;
    if (!xml.loadText(fuzzInput(data, size)))
        return 0;
    TInstrumentSet first;
    readCatalogue(first, xml.documentElement());
    // the names the editor shows come from here; any number must find one or none
    for (const TPitchCategory& category : first.categories())
        for (const TPitch& pitch : category.pitches)
            (void)first.nameOfNumber(pitch.index);
    (void)first.nameOfNumber(std::numeric_limits<int32_t>::min());
    (void)first.nameOfNumber(std::numeric_limits<int32_t>::max());
    const std::string written = catalogueText(first);

    TXmlDocument again;
    if (!again.loadText(written))
        roundTripFailed("the written catalogue is not XML", written);
    TInstrumentSet second;
    readCatalogue(second, again.documentElement());
    expectRoundTrip(second == first, "catalogue");
    expectSameText(written, catalogueText(second), "catalogue text");
    return 0;
}
