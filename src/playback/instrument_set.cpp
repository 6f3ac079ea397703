#include "playback/instrument_set.h"

#include "model/xml_document.h"

std::string TInstrumentSet::nameOfNumber(int32_t n) const {
    const std::optional<TPitchPlace> place = placeOfNumber(n);
    return place ? categories_[place->category].pitches[place->position].name : std::string();
}

std::optional<TPitchPlace> TInstrumentSet::placeOfNumber(int32_t n) const {
    for (size_t i = 0; i < categories_.size(); ++i) {
        const TPitchCategory& c = categories_[i];
        if (c.pitches.empty())  // an empty category covers no number
            continue;
        const int64_t first = c.pitches.front().index;
        const int64_t offset = static_cast<int64_t>(n) - first;
        if (offset >= 0 && offset < static_cast<int64_t>(c.pitches.size()))
            return TPitchPlace{i, static_cast<size_t>(offset)};
    }
    return std::nullopt;
}

int64_t TInstrumentSet::numberAt(const TPitchPlace& place) const {
    // 64 bits: a first index near the 32-bit limit plus a position must not wrap
    return static_cast<int64_t>(categories_[place.category].pitches.front().index) +
           static_cast<int64_t>(place.position);
}

void readCatalogue(TInstrumentSet& catalogue, const TXmlElement& root) {
    for (const TXmlElement& child : root.children()) {
        if (child.name() != "CATEGORY")
            continue;
        catalogue.categories().push_back({child.attribute("NAME").value_or(""), {}});
        TPitchCategory& category = catalogue.categories().back();
        for (const TXmlElement& entry : child.children()) {
            if (entry.name() != "PITCH")
                continue;
            TPitch pitch{entry.attribute("NAME").value_or(""), 0};
            auto index = entry.attribute("INDEX");
            if (!index || !parseInt32(*index, pitch.index))
                return;
            category.pitches.push_back(pitch);
        }
    }
}

TInstrumentSet loadCatalogue(const std::string& fileName, const std::string& base) {
    TInstrumentSet catalogue;
    TXmlDocument document;
    if (document.load(base + fileName))
        readCatalogue(catalogue, document.documentElement());
    return catalogue;
}
