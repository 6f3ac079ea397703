#include "model/duration.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <utility>

#include "model/conversion_error.h"

namespace {

const std::array<std::pair<const char*, DURATION>, 8> DURATION_NAMES = {{
    {"SIXTEENTH", SIXTEENTH},
    {"EIGHTH", EIGHTH},
    {"POINTED_EIGHTH", POINTED_EIGHTH},
    {"QUARTER", QUARTER},
    {"QUARTER_AND_SIXTEENTH", QUARTER_AND_SIXTEENTH},
    {"POINTED_QUARTER", POINTED_QUARTER},
    {"QUARTER_AND_POINTED_EIGHTH", QUARTER_AND_POINTED_EIGHTH},
    {"HALF", HALF},
}};

}  // namespace

std::string durationName(int value) {
    for (const auto& [name, ticks] : DURATION_NAMES)
        if (ticks == value)
            return name;
    return std::to_string(value);
}

int32_t parseInteger(const std::string& text) {
    // strtol accepts leading blanks and a sign; the whole text must be the number
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(begin, &end, 10);
    // a number that does not fit is refused like any other text that is not one: cutting it
    // to 32 bits would read "4294967296" as 0 and "2147483648" as a negative time
    if (text.empty() || end == begin || *end != '\0' || errno == ERANGE ||
        v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        throw TConversionError(text);
    return static_cast<int32_t>(v);
}

DURATION parseDuration(const std::string& text) {
    if (text.empty())
        return 0;
    for (const auto& [name, ticks] : DURATION_NAMES)
        if (text == name)
            return ticks;
    return static_cast<DURATION>(parseInteger(text));
}
