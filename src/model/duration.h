#pragma once

#include <cstdint>
#include <string>

// A length in ticks (a quarter is 120); negative values are rests of the same length.
using DURATION = int16_t;

constexpr DURATION SIXTEENTH = 30;
constexpr DURATION EIGHTH = 60;
constexpr DURATION POINTED_EIGHTH = 90;
constexpr DURATION QUARTER = 120;
constexpr DURATION QUARTER_AND_SIXTEENTH = 150;
constexpr DURATION POINTED_QUARTER = 180;
constexpr DURATION QUARTER_AND_POINTED_EIGHTH = 210;
constexpr DURATION HALF = 240;
constexpr DURATION WHOLE = 480;  // exists only as a rest

// The name of one of the eight named lengths, or the signed decimal text of any other value.
std::string durationName(int value);

// The inverse of durationName: "" gives 0, a name its value, anything else a signed decimal
// (which must fit 32 bits) truncated to 16 bits. Text that is not such an integer raises
// TConversionError.
DURATION parseDuration(const std::string& text);

// Parses a signed decimal integer the way the document reader does; raises TConversionError
// for text that is not one or does not fit 32 bits.
int32_t parseInteger(const std::string& text);
