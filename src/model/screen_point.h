#pragma once

#include <cstdint>

// A point on the screen, in logical pixels: where the pointer is, or was on a recorded path.
struct TScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const TScreenPoint&) const = default;
};
