// The composition document reader on arbitrary bytes. An accepted document is written, read
// again and written again: the two texts must be the same, and so must everything the format
// stores. The first reading may differ from the second only where the format says so: motives
// read before a later "KEY", "MEASURE" or "MOTIVE_TYPE" keep the values they met.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/conversion_error.h"
#include "model/document.h"
#include "model/xml_document.h"
#include "round_trip.h"

namespace {

bool sameStoredChords(const TMotive& a, const TMotive& b) {
    for (size_t i = 0; i < a.chords.size(); ++i) {
        const TChord& x = a.chords[i];
        const TChord& y = b.chords[i];
        if (x.type != y.type || x.time != y.time || x.bass != y.bass || x.tenor != y.tenor ||
            x.alt != y.alt || x.soprano != y.soprano)
            return false;
    }
    return true;
}

bool sameChording(const TMotive& a, const TMotive& b) {
    for (size_t i = 0; i < a.notes.size(); ++i)
        if (a.notes[i].chording != b.notes[i].chording)
            return false;
    return true;
}

void expectSameContent(const TPeriodData& first, const TPeriodData& second) {
    expectRoundTrip(first.key == second.key, "key");
    expectRoundTrip(first.measure == second.measure, "meter");
    expectRoundTrip(first.anacrusis == second.anacrusis, "anacrusis");
    expectRoundTrip(first.tempo() == second.tempo(), "tempo");
    expectRoundTrip(first.sentences.size() == second.sentences.size(), "sentence count");
    for (size_t s = 0; s < first.sentences.size(); ++s) {
        const auto& phrasesA = first.sentences[s].phrases;
        const auto& phrasesB = second.sentences[s].phrases;
        expectRoundTrip(phrasesA.size() == phrasesB.size(), "phrase count");
        for (size_t p = 0; p < phrasesA.size(); ++p) {
            const TPhraseData& a = phrasesA[p];
            const TPhraseData& b = phrasesB[p];
            expectRoundTrip(a.letter == b.letter, "phrase letter");
            expectRoundTrip(a.motiveCount == b.motiveCount, "motive count");
            expectRoundTrip(a.motives.size() == b.motives.size(), "motives");
            for (size_t m = 0; m < a.motives.size(); ++m) {
                // equality covers voicings and notes; the rest of what is stored is checked here
                expectRoundTrip(a.motives[m] == b.motives[m], "motive");
                expectRoundTrip(sameStoredChords(a.motives[m], b.motives[m]), "chords");
                expectRoundTrip(sameChording(a.motives[m], b.motives[m]), "chording notes");
            }
        }
    }
}

// A written document gives the period's key, meter and anacrusis before any sentence, so every
// motive read from it stands in them; the key's table is the one the key computes itself.
void expectMotivesInPeriodSettings(const TPeriodData& period) {
    expectRoundTrip(period.key.pitches() == TKey(period.key.signs(), period.key.mode()).pitches(),
                    "key table");
    for (const TSentenceData& sentence : period.sentences)
        for (const TPhraseData& phrase : sentence.phrases)
            for (const TMotive& motive : phrase.motives) {
                expectRoundTrip(motive.key == period.key, "motive key");
                expectRoundTrip(motive.measure == period.measure, "motive meter");
                expectRoundTrip(motive.anacrusis == period.anacrusis, "motive anacrusis");
            }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXmlDocument xml;
    if (!xml.loadText(fuzzInput(data, size)))
        return 0;
    TPeriodData first;
    try {
        readXml(first, xml.documentElement());
    } catch (const TConversionError&) {
        return 0;  // a value that does not convert is a clean failure
    }
    const std::string written = documentText(first);

    TXmlDocument again;
    if (!again.loadText(written))
        roundTripFailed("the written document is not XML", written);
    TPeriodData second;
    try {
        readXml(second, again.documentElement());
    } catch (const TConversionError& e) {
        roundTripFailed("the written document does not read", written, e.what());
    }
    expectSameText(written, documentText(second), "document text");
    expectSameContent(first, second);
    expectMotivesInPeriodSettings(second);
    return 0;
}
