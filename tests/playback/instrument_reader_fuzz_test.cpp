// Mutated inputs for the instrument-set and catalogue readers: each must end in a clean
// failure or in a model, never in a crash, a hang or a sanitizer report. Bounded and seeded;
// MOTIVICA_FUZZ_ITERATIONS makes longer runs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/xml_document.h"
#include "playback/instrument_conf.h"
#include "playback/instrument_set.h"
#include "support/reader_fuzz_mutator.h"

namespace {

const std::string DATA = std::string(MOTIVICA_DATA_DIR) + "/";

void checkInstrumentSet(const std::string& text, int& models) {
    TXmlDocument xml;
    if (!xml.loadText(text))
        return;
    TInstrumentConf set;
    if (!readInstrumentSet(set, xml.documentElement(), "fuzz.xml"))
        return;
    TXmlDocument again;
    ASSERT_TRUE(again.loadText(instrumentSetText(set)));
    TInstrumentConf back;
    back.setMelodyVoice(-5);
    ASSERT_TRUE(readInstrumentSet(back, again.documentElement(), "again.xml"));
    ASSERT_EQ(back, set);
    ++models;
}

void checkCatalogue(const std::string& text, int& models) {
    TXmlDocument xml;
    if (!xml.loadText(text))
        return;
    TInstrumentSet catalogue;
    readCatalogue(catalogue, xml.documentElement());
    size_t entries = 0;
    for (const TPitchCategory& c : catalogue.categories())
        entries += c.pitches.size();
    ASSERT_LE(entries, text.size());
    for (int32_t n : {-1, 0, 35, 127, 100000})
        (void)catalogue.nameOfNumber(n);
    if (!catalogue.categories().empty())
        ++models;
}

}  // namespace

TEST(InstrumentReaderFuzz, InstrumentSetReader) {
    const std::vector<std::string> seeds = {readWholeFile(DATA + "instruments/Default.xml"),
                                            readWholeFile(DATA + "drums.xml")};
    ASSERT_FALSE(seeds[0].empty());
    int models = 0;
    const int n = fuzzIterations(2000);
    ASSERT_NO_FATAL_FAILURE(fuzzReader(
        seeds, 5, n, [&](const std::string& text) { checkInstrumentSet(text, models); }));
    // the mutations must leave enough inputs readable to reach the model code
    EXPECT_GT(models, n / 20);
}

TEST(InstrumentReaderFuzz, CatalogueReader) {
    const std::vector<std::string> seeds = {readWholeFile(DATA + "drums.xml"),
                                            readWholeFile(DATA + "instruments.xml")};
    ASSERT_FALSE(seeds[0].empty());
    int models = 0;
    const int n = fuzzIterations(1500);
    ASSERT_NO_FATAL_FAILURE(fuzzReader(
        seeds, 48, n, [&](const std::string& text) { checkCatalogue(text, models); },
        /*traceText=*/false));
    // the mutations must leave enough inputs readable to reach the model code
    EXPECT_GT(models, n / 20);
}
