#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/measure.h"
#include "notation/placed_item.h"

// Measures a meter number in the font it is drawn with (the painter's bold 10-point font).
using TTextWidth = std::function<int(const std::string&)>;

// The x of the meter numbers: after the clef, or after the key signature.
int meterX(int32_t signs);

// The two numbers of the meter: beats per measure over the beat's note value (4 for a quarter).
std::string meterTop(const TMeasure& meter);
std::string meterBottom(const TMeasure& meter);

// The width of the clef, key signature and meter.
int headerWidth(int32_t signs, const TMeasure& meter, const TTextWidth& textWidth);

// The start of the period row: the clef, the staff lines from the clef to the right edge, the
// key signature on both staffs and the meter, in the measure bitmap's coordinates.
TPlacedItems layoutHeader(int32_t signs, const TMeasure& meter, const TTextWidth& textWidth);
