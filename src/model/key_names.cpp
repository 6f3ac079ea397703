#include "model/key_names.h"

#include <array>
#include <cstdlib>

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

std::string signatureText(int32_t signs) {
    if (signs == 0)
        return "no sharps or flats";
    const int32_t count = std::abs(signs);
    return std::to_string(count) + (signs > 0 ? " sharp" : " flat") + (count == 1 ? "" : "s");
}
