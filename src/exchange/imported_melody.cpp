#include "exchange/imported_melody.h"

#include <array>

namespace {

// Tonics along the circle of fifths, from seven flats to seven sharps.
constexpr std::array<const char*, 15> MAJOR_TONICS = {"C♭", "G♭", "D♭", "A♭", "E♭", "B♭", "F", "C",
                                                      "G",  "D",  "A",  "E",  "B",  "F♯", "C♯"};
constexpr std::array<const char*, 15> MINOR_TONICS = {"A♭", "E♭", "B♭", "F",  "C",  "G",  "D", "A",
                                                      "E",  "B",  "F♯", "C♯", "G♯", "D♯", "A♯"};

}  // namespace

std::string keyName(const TKey& key) {
    const int signs = key.signs();
    if (signs < -7 || signs > 7)
        return std::to_string(signs) + (key.isMinor() ? " minor" : " major");
    const size_t index = static_cast<size_t>(signs + 7);
    return std::string(key.isMinor() ? MINOR_TONICS[index] : MAJOR_TONICS[index]) +
           (key.isMinor() ? " minor" : " major");
}
