// The instrument-set reader on arbitrary bytes. The reader only overwrites the fields it finds,
// so both readings start from the defaults; what the first accepted must write and read back
// as the same set and the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/xml_document.h"
#include "playback/instrument_conf.h"
#include "round_trip.h"

namespace {

// Counts the setters' notifications: reading a text that was written from a set into that
// same set must change nothing.
class TChangeCounter : public TInstrConfListener {
  public:
    void instrumentConfChanged() override { ++changes; }
    int changes = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXmlDocument xml;
    if (!xml.loadText(fuzzInput(data, size)))
        return 0;
    TInstrumentConf first;
    if (!readInstrumentSet(first, xml.documentElement(), "fuzz"))
        return 0;
    const std::string written = instrumentSetText(first);

    TXmlDocument again;
    if (!again.loadText(written))
        roundTripFailed("the written set is not XML", written);
    TInstrumentConf second;
    if (!readInstrumentSet(second, again.documentElement(), "fuzz"))
        roundTripFailed("the written set does not read", written);
    expectRoundTrip(second == first, "set");
    expectSameText(written, instrumentSetText(second), "set text");

    TChangeCounter counter;
    first.setListener(&counter);
    if (!readInstrumentSet(first, again.documentElement(), "fuzz"))
        roundTripFailed("the written set does not read into the set it came from", written);
    expectRoundTrip(counter.changes == 0, "reading the same values notifies");
    return 0;
}
