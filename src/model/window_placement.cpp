#include "model/window_placement.h"

#include <algorithm>
#include <limits>

int64_t overlapArea(const TWindowRect& a, const TWindowRect& b) {
    const int64_t w = std::min(a.right(), b.right()) - std::max(a.x, b.x);
    const int64_t h = std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

namespace {

// The place moved as little as needed to lie on the screen (its top-left corner first, for a
// window larger than the screen).
TWindowRect onScreen(const TWindowRect& screen, TWindowRect r) {
    r.x = std::max(screen.x, std::min(r.x, screen.right() - r.width));
    r.y = std::max(screen.y, std::min(r.y, screen.bottom() - r.height));
    return r;
}

// How much of what must be seen the place covers, the first rectangles weighing most.
int64_t covering(const TWindowRect& place, const std::vector<TWindowRect>& keepVisible) {
    int64_t total = 0;
    for (const TWindowRect& r : keepVisible)
        total = total * 10 + overlapArea(place, r);
    return total;
}

}  // namespace

TWindowRect placeClearOf(const TWindowRect& screen, const TWindowRect& owner,
                         const std::vector<TWindowRect>& keepVisible, int32_t width,
                         int32_t height) {
    std::vector<TWindowRect> candidates = {
        {owner.right(), owner.y, width, height},         {owner.x - width, owner.y, width, height},
        {owner.x, owner.bottom(), width, height},        {owner.x, owner.y - height, width, height},
        {owner.right() - width, owner.y, width, height},
    };
    constexpr int32_t STEP = 8;
    for (int32_t y = screen.y; y + height <= screen.bottom(); y += STEP)
        for (int32_t x = screen.x; x + width <= screen.right(); x += STEP)
            candidates.push_back({x, y, width, height});

    TWindowRect best = onScreen(screen, candidates.front());
    int64_t bestCovering = std::numeric_limits<int64_t>::max();
    for (const TWindowRect& candidate : candidates) {
        const TWindowRect place = onScreen(screen, candidate);
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
