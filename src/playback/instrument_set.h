#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One named entry of a catalogue: a program or a drum key.
struct TPitch {
    std::string name;
    int32_t index = 0;

    bool operator==(const TPitch&) const = default;
};

// A named group of catalogue entries.
struct TPitchCategory {
    std::string name;
    std::vector<TPitch> pitches;

    bool operator==(const TPitchCategory&) const = default;
};

// Where a number stands in a catalogue: its category and its position there.
struct TPitchPlace {
    size_t category = 0;
    size_t position = 0;

    bool operator==(const TPitchPlace&) const = default;
};

// The names of programs or drum keys, grouped in categories, for the instrument-set editor.
class TInstrumentSet {
  public:
    std::vector<TPitchCategory>& categories() { return categories_; }
    const std::vector<TPitchCategory>& categories() const { return categories_; }
    void clear() { categories_.clear(); }

    // The name that number n stands for: a category covers consecutive numbers from the
    // index of its first entry; the first category covering n names it. Empty when none does.
    std::string nameOfNumber(int32_t n) const;
    // The entry number n stands for, by the same rule; none when no category covers it.
    std::optional<TPitchPlace> placeOfNumber(int32_t n) const;
    // The number an entry stands for: its category's first index plus its position.
    int64_t numberAt(const TPitchPlace& place) const;

    bool operator==(const TInstrumentSet&) const = default;

  private:
    std::vector<TPitchCategory> categories_;
};

class TXmlDocument;
class TXmlElement;

// Reads the catalogue base + fileName. Whatever fails ends the reading without a message;
// the categories read so far stay.
TInstrumentSet loadCatalogue(const std::string& fileName, const std::string& base);
// The same for a root element already loaded.
void readCatalogue(TInstrumentSet& catalogue, const TXmlElement& root);
