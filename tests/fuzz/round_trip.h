#pragma once

// What the reader fuzz targets share: the input as text, and a loud stop when what a reader
// accepted does not survive being written and read again. Stopping with abort() makes the
// fuzzer keep the input that did it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

inline std::string_view fuzzInput(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

[[noreturn]] inline void roundTripFailed(const char* what, std::string_view first = {},
                                         std::string_view second = {}) {
    std::fprintf(stderr, "round trip failed: %s\n", what);
    if (!first.empty() || !second.empty())
        std::fprintf(stderr, "--- first ---\n%.*s\n--- second ---\n%.*s\n",
                     static_cast<int>(first.size()), first.data(), static_cast<int>(second.size()),
                     second.data());
    std::abort();
}

inline void expectRoundTrip(bool same, const char* what) {
    if (!same)
        roundTripFailed(what);
}

// The text written from what was read must be the text written after reading that text again.
inline void expectSameText(const std::string& first, const std::string& second, const char* what) {
    if (first != second)
        roundTripFailed(what, first, second);
}
