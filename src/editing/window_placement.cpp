#include "editing/window_placement.h"

#include <algorithm>
#include <limits>

int64_t overlapArea(const TScreenRect& a, const TScreenRect& b) {
    const int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

namespace {

TScreenRect sized(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
}

// The place moved as little as needed to lie on the screen (its top-left corner first, for a
// window larger than the screen).
TScreenRect onScreen(const TScreenRect& screen, const TScreenRect& r) {
    const int32_t width = r.right - r.left;
    const int32_t height = r.bottom - r.top;
    const int32_t left = std::max(screen.left, std::min(r.left, screen.right - width));
    const int32_t top = std::max(screen.top, std::min(r.top, screen.bottom - height));
    return sized(left, top, width, height);
}

// How much of what must be seen the place covers, the first rectangles weighing most.
int64_t covering(const TScreenRect& place, const std::vector<TScreenRect>& keepVisible) {
    int64_t total = 0;
    for (const TScreenRect& r : keepVisible)
        total = total * 10 + overlapArea(place, r);
    return total;
}

}  // namespace

TScreenRect placeClearOf(const TScreenRect& screen, const TScreenRect& owner,
                         const std::vector<TScreenRect>& keepVisible, int32_t width,
                         int32_t height) {
    std::vector<TScreenRect> candidates = {
        sized(owner.right, owner.top, width, height),
        sized(owner.left - width, owner.top, width, height),
        sized(owner.left, owner.bottom, width, height),
        sized(owner.left, owner.top - height, width, height),
        sized(owner.right - width, owner.top, width, height),
    };
    constexpr int32_t STEP = 8;
    for (int32_t y = screen.top; y + height <= screen.bottom; y += STEP)
        for (int32_t x = screen.left; x + width <= screen.right; x += STEP)
            candidates.push_back(sized(x, y, width, height));

    TScreenRect best = onScreen(screen, candidates.front());
    int64_t bestCovering = std::numeric_limits<int64_t>::max();
    for (const TScreenRect& candidate : candidates) {
        const TScreenRect place = onScreen(screen, candidate);
        const int64_t c = covering(place, keepVisible);
        if (c < bestCovering) {
            best = place;
            bestCovering = c;
            if (c == 0)
                break;
        }
    }
    return best;
}
