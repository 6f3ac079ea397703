#pragma once

#include <cstdint>
#include <vector>

// A rectangle on the screen in logical pixels: left, top, width and height.
struct TWindowRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    int32_t right() const { return x + width; }    // exclusive
    int32_t bottom() const { return y + height; }  // exclusive
    bool operator==(const TWindowRect&) const = default;
};

// The pixels two rectangles share.
int64_t overlapArea(const TWindowRect& a, const TWindowRect& b);

// Where a helper window of `size` (its frame included) goes so that it covers as little as
// possible of what must stay in sight: `keepVisible`, most important first, each weighing ten
// times the one after it. It stays on `screen`. Beside `owner` (right, left, below, above) is
// tried first, then the owner's top-right corner, then every place on the screen; of equal
// covering, the earlier place wins.
TWindowRect placeClearOf(const TWindowRect& screen, const TWindowRect& owner,
                         const std::vector<TWindowRect>& keepVisible, int32_t width,
                         int32_t height);
